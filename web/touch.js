// On-screen keys for touch screens. They show after the first touch and never
// for a mouse or keyboard player. Each is the key it names: its press and
// release are that key's keydown and keyup, handed to the page's own key
// handling, so a held button is a held key (the game's repeat and fast drop)
// and several fingers hold several keys at once.

// The accessible name, the key, the panel and what the button shows.
const keys = [
  ['Влево', 'ArrowLeft', 'move', '◀'],
  ['Вправо', 'ArrowRight', 'move', '▶'],
  ['Вверх', 'ArrowUp', 'turn', '▲'],
  ['Вниз', 'ArrowDown', 'turn', '▼'],
  ['Пауза', 'Delete', 'pause', '❚❚'],
];

function sendKey(type, code) {
  document.dispatchEvent(new KeyboardEvent(type, { code, key: code, bubbles: true, cancelable: true }));
}

// A button held by any number of fingers: the key goes down with the first
// and up with the last.
function keyButton(label, code, glyph) {
  const button = document.createElement('button');
  button.type = 'button';
  button.tabIndex = -1;
  button.setAttribute('aria-label', label);
  button.textContent = glyph;
  const fingers = new Set();
  button.addEventListener('pointerdown', (event) => {
    // No focus, no text selection, no mouse events made from the touch.
    event.preventDefault();
    button.setPointerCapture(event.pointerId);
    if (fingers.has(event.pointerId)) return;
    fingers.add(event.pointerId);
    if (fingers.size === 1) {
      button.classList.add('pressed');
      sendKey('keydown', code);
    }
  });
  const lifted = (event) => {
    if (!fingers.delete(event.pointerId) || fingers.size) return;
    button.classList.remove('pressed');
    sendKey('keyup', code);
  };
  for (const type of ['pointerup', 'pointercancel', 'lostpointercapture']) button.addEventListener(type, lifted);
  return button;
}

// `shown` runs once, when the first touch shows the controls.
export function touchControls(shown) {
  const element = document.createElement('div');
  element.id = 'touch-controls';
  element.hidden = true;
  const panels = {};
  for (const name of ['move', 'turn', 'pause']) {
    panels[name] = document.createElement('div');
    panels[name].className = `pad ${name}`;
    element.append(panels[name]);
  }
  for (const [label, code, panel, glyph] of keys) panels[panel].append(keyButton(label, code, glyph));
  element.addEventListener('contextmenu', (event) => event.preventDefault());
  document.body.append(element);

  const controls = {
    get shown() { return !element.hidden; },
    // The CSS pixels the controls take at the room's edges, `beside` the
    // window (left and right) or `below` it.
    measure(placement) {
      const { move, turn, pause } = panels;
      if (placement === 'beside') {
        return { left: Math.max(move.offsetWidth, pause.offsetWidth), right: turn.offsetWidth, bottom: 0 };
      }
      return { left: 0, right: 0, bottom: Math.max(move.offsetHeight, turn.offsetHeight, pause.offsetHeight) };
    },
    // Beside: the moves on the left under the pause, the turn and the drop on
    // the right; below: the moves, the pause and the turn and drop in a row
    // at the bottom. Each within thumb's reach at the room's edges.
    place(placement, room) {
      element.dataset.placement = placement;
      const at = (panel, x, y) => { panel.style.left = `${x}px`; panel.style.top = `${y}px`; };
      const { move, turn, pause } = panels;
      const right = room.left + room.width, bottom = room.top + room.height;
      if (placement === 'beside') {
        const middle = room.top + room.height / 2;
        at(pause, room.left, room.top);
        at(move, room.left, Math.max(room.top + pause.offsetHeight, middle - move.offsetHeight / 2));
        at(turn, right - turn.offsetWidth, middle - turn.offsetHeight / 2);
      } else {
        at(move, room.left, bottom - move.offsetHeight);
        at(pause, room.left + (room.width - pause.offsetWidth) / 2, bottom - pause.offsetHeight);
        at(turn, right - turn.offsetWidth, bottom - turn.offsetHeight);
      }
    },
  };

  const firstTouch = (event) => {
    if (event.pointerType !== 'touch') return;
    window.removeEventListener('pointerdown', firstTouch, true);
    element.hidden = false;
    shown();
  };
  window.addEventListener('pointerdown', firstTouch, true);
  return controls;
}
