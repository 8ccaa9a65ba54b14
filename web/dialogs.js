// The modal windows: the program's dialogs, built from the same layout data
// the desktop builds them from, and the message boxes captioned with the program's name, laid
// out as the desktop lays them out. Each is centred where the main window is,
// over a layer that keeps the mouse from the rest; their events go to the
// program through `send`.

import { cssFont } from './text.js';
import { virtualKey } from './keys.js';

const stack = [];  // open windows, the topmost last

export function topWindow() { return stack[stack.length - 1] ?? null; }

function frame(caption, onClose) {
  const layer = document.createElement('div');
  layer.className = 'modal-layer';
  const win = document.createElement('div');
  win.className = 'window';
  win.tabIndex = -1;
  const title = document.createElement('div');
  title.className = 'titlebar';
  const text = document.createElement('span');
  text.textContent = caption;
  const close = document.createElement('button');
  close.className = 'closebox';
  close.tabIndex = -1;
  close.setAttribute('aria-label', 'Закрыть');
  close.textContent = '✕';
  close.addEventListener('click', onClose);
  title.append(text, close);
  const client = document.createElement('div');
  client.className = 'client';
  win.append(title, client);
  layer.append(win);
  // Where the keyboard was, for it to go back there when the window closes.
  layer.vemoReturnFocus = document.activeElement;
  document.body.append(layer);
  stack.push(layer);
  return { layer, win, client };
}

function removeWindow(layer) {
  stack.splice(stack.indexOf(layer), 1);
  layer.remove();
  const back = layer.vemoReturnFocus;
  if (back?.isConnected) back.focus();
}

// Where a window of size `inner` goes to be centred in `outer`, rounded as
// the desktop rounds a window centred on its screen: the half of one less
// than each size, cut to a whole pixel.
export function centredOffset(outer, inner) {
  return Math.trunc((outer - 1) / 2) - Math.trunc((inner - 1) / 2);
}

// CSS pixels a surface pixel takes, across and down: the scale the main
// window is drawn at, which the windows over it share.
function windowScale() {
  const main = document.querySelector('.main-window');
  const box = main.getBoundingClientRect();
  return [box.width / main.offsetWidth, box.height / main.offsetHeight, box];
}

// A window's frame, title bar included, is centred where the main window's
// frame is, as each is centred on the desktop's screen (in surface pixels),
// and starts on a whole device pixel.
function centre(win) {
  const main = document.querySelector('.main-window');
  const [sx, sy, box] = windowScale();
  const ratio = window.devicePixelRatio || 1;
  const snap = (css) => Math.round(css * ratio) / ratio;
  win.style.left = `${snap(box.left + centredOffset(main.offsetWidth, win.offsetWidth) * sx)}px`;
  win.style.top = `${snap(box.top + centredOffset(main.offsetHeight, win.offsetHeight) * sy)}px`;
}

// Again after the main window moved or changed its scale.
export function centreAll() {
  for (const layer of stack) centre(layer.querySelector('.window'));
}

function place(element, item) {
  element.style.left = `${item.x}px`;
  element.style.top = `${item.y}px`;
  if (item.width) element.style.width = `${item.width}px`;
  if (item.height) element.style.height = `${item.height}px`;
}

function addLabel(client, label, windowWidth) {
  const el = document.createElement('div');
  el.className = 'label';
  el.dataset.name = label.name;
  el.textContent = label.text;
  el.style.font = cssFont(label.font.family, label.font.px, label.font.bold);
  el.style.lineHeight = '';  // the style sheet's line pitch, not the shorthand's "normal"
  el.style.top = `${label.y}px`;
  if (label.height) el.style.height = `${label.height}px`;
  if (label.wrap) {
    el.classList.add('wrap');
    place(el, label);
  } else if (label.right) {
    // The text ends at x + width; a wider text grows to the left.
    el.style.right = `${windowWidth - label.x - label.width}px`;
    el.style.minWidth = `${label.width}px`;
    el.style.textAlign = 'right';
  } else {
    el.style.left = `${label.x}px`;
    if (label.clip) { el.style.width = `${label.width}px`; el.style.overflow = 'hidden'; }
    else if (label.width) el.style.minWidth = `${label.width}px`;
  }
  client.append(el);
}

function addBevel(client, bevel) {
  const el = document.createElement('div');
  el.className = `bevel ${bevel.style}`;
  el.dataset.name = bevel.name;
  place(el, bevel.style === 'vline' ? { ...bevel, width: 2 } : bevel);
  client.append(el);
}

// The editing keys of an edit box, which stay the box's own even where the
// program has a shortcut on the same keys.
const editingLetters = new Set(['KeyA', 'KeyC', 'KeyX', 'KeyV', 'KeyZ', 'KeyY', 'KeyU']);
export function editingKey(event) {
  return event.target instanceof HTMLInputElement && event.ctrlKey && !event.altKey && editingLetters.has(event.code);
}

// The program's events of one dialog window: every key to the model first,
// presses of the window itself, the button, the close box.
export function showDialog(kind, layout, pictures, send) {
  const text = () => edit?.value ?? '';
  const { layer, win, client } = frame(layout.caption, () => send({ type: 9, text: text() }));
  win.dataset.kind = kind;
  client.style.width = `${layout.width}px`;
  client.style.height = `${layout.height}px`;
  client.style.font = cssFont(layout.font.family, layout.font.px, layout.font.bold);
  for (const bevel of layout.bevels ?? []) addBevel(client, bevel);
  for (const picture of layout.pictures ?? []) {
    const canvas = document.createElement('canvas');
    canvas.className = 'picture';
    const source = pictures.get(picture.name);
    canvas.width = source.width;
    canvas.height = source.height;
    canvas.getContext('2d').putImageData(source, 0, 0);
    place(canvas, picture);
    client.append(canvas);
  }
  for (const label of layout.labels ?? []) addLabel(client, label, layout.width);
  let edit = null;
  for (const e of layout.edits ?? []) {
    edit = document.createElement('input');
    edit.className = 'edit';
    edit.dataset.name = e.name;
    edit.maxLength = e.maxLength;
    edit.spellcheck = false;
    edit.autocomplete = 'off';
    place(edit, e);
    client.append(edit);
  }
  let focus = edit;
  for (const b of layout.buttons ?? []) {
    const button = document.createElement('button');
    button.className = 'button' + (b.isDefault ? ' default' : '');
    button.dataset.name = b.name;
    button.textContent = b.text;
    place(button, b);
    button.addEventListener('click', () => send({ type: 8, text: text() }));
    client.append(button);
    focus ??= button;
  }
  centre(win);
  client.addEventListener('mousedown', (e) => {
    if (e.target.closest('input, button')) return;
    e.preventDefault();
    send({ type: 7, text: text() });
  });
  layer.vemoKey = (event) => {
    // Enter and Escape do nothing of their own, nor Space on the button: the model decides.
    if (event.code === 'Enter' || event.code === 'NumpadEnter' || event.code === 'Escape' ||
        (event.code === 'Space' && event.target.tagName === 'BUTTON')) event.preventDefault();
    // Ctrl+U empties the line, as the desktop's edit boxes do.
    if (editingKey(event) && event.code === 'KeyU' && !event.shiftKey) {
      event.preventDefault();
      event.target.value = '';
    }
    send({ type: 6, a: virtualKey(event), text: text() });
  };
  layer.vemoEdit = edit;
  (focus ?? win).focus();
}

export function setEditText(value) {
  const edit = topWindow()?.vemoEdit;
  if (edit && edit.value !== value) edit.value = value;
}

// Every window, as a program that stops leaves them.
export function closeAll() {
  while (stack.length) stack.pop().remove();
}

export function hideDialog() {
  const layer = topWindow();
  if (layer) removeWindow(layer);
}

// The icons of the three kinds, drawn in the desktop's manner: a blue disc
// with an "i", a yellow triangle with an "!", a red disc with a cross.
const icons = {
  information: '<circle cx="16" cy="16" r="15" fill="#2f6fc7" stroke="#1d4f94"/>' +
    '<circle cx="16" cy="9" r="2.2" fill="#fff"/><rect x="14" y="13" width="4" height="12" rx="1" fill="#fff"/>',
  warning: '<path d="M16 2 L31 29 H1 Z" fill="#f4c21b" stroke="#a07a00" stroke-linejoin="round"/>' +
    '<rect x="14.3" y="10" width="3.4" height="11" rx="1" fill="#000"/><circle cx="16" cy="25" r="1.9" fill="#000"/>',
  error: '<circle cx="16" cy="16" r="15" fill="#e0242b" stroke="#9b1016"/>' +
    '<path d="M10 10 L22 22 M22 10 L10 22" stroke="#fff" stroke-width="3.4" stroke-linecap="round"/>',
};

// The box's size and the places in it, by the desktop's rules (`m`), with the
// text measured in the page's copy of the desktop's font: `text` is the text's
// element, already in the page and in that font.
function messageGeometry(text, m) {
  // The screen's width in surface pixels.
  const screenWidth = Math.floor((window.screen?.availWidth || window.innerWidth) / windowScale()[0]);
  const soft = Math.min(Math.trunc(screenWidth / 2), m.softLimitCap);
  const hard = screenWidth <= m.smallScreen ? screenWidth : Math.min(screenWidth - m.hardLimitInset, m.hardLimitCap);
  const aside = m.textX + m.margin;  // the client width that is not the text's
  const measured = (width) => {
    text.style.width = width;
    return text.getBoundingClientRect();
  };
  let width = Math.max(aside + Math.ceil(measured('max-content').width), 2 * m.margin + m.buttonWidth);
  // Wrapped at blanks: as wide as the longest word needs, at least the soft
  // limit, at most the hard one, where a longer word is cut at the edge.
  if (width > soft) width = Math.min(hard, Math.max(soft, aside + Math.ceil(measured('min-content').width)));
  const textWidth = width - aside;
  const lines = Math.max(1, Math.round(measured(`${textWidth}px`).height / m.lineHeight));
  const textHeight = lines * m.lineHeight;
  const buttonY = m.margin + Math.max(m.iconSize, textHeight + m.spacing) + m.spacing;
  return { width, height: buttonY + m.buttonHeight + m.margin, textWidth, textHeight, buttonY };
}

function layOutMessage(client, text, ok, m) {
  const g = messageGeometry(text, m);
  place(client, { x: 0, y: 0, width: g.width, height: g.height });
  place(text, { x: m.textX, y: m.margin, width: g.textWidth, height: g.textHeight });
  place(ok, { x: g.width - m.margin - m.buttonWidth, y: g.buttonY, width: m.buttonWidth, height: m.buttonHeight });
}

// `message`: the kind, the text and the layout rules of the box.
export function showMessage(message, send) {
  const { kind, layout: m } = message;
  let closed = false;
  const close = () => {
    if (closed) return;
    closed = true;
    removeWindow(layer);
    send({ type: 10 });
  };
  const { layer, win, client } = frame(message.caption, close);
  win.classList.add('message');
  win.dataset.kind = kind;
  const icon = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
  icon.classList.add('icon');
  icon.setAttribute('viewBox', '0 0 32 32');
  icon.innerHTML = icons[kind];
  place(icon, { x: m.margin, y: m.margin, width: m.iconSize, height: m.iconSize });
  const text = document.createElement('div');
  text.className = 'text';
  text.textContent = message.text;
  const font = `${m.font.bold ? 'bold ' : ''}${m.font.px}px "${m.font.family}"`;
  text.style.font = font;
  text.style.lineHeight = `${m.lineHeight}px`;
  const ok = document.createElement('button');
  ok.className = 'button default';
  ok.textContent = 'OK';
  ok.style.font = font;
  ok.addEventListener('click', close);
  client.append(icon, text, ok);
  const layOut = () => {
    if (closed) return;
    // Measured unscaled, in surface pixels.
    win.style.transform = 'none';
    layOutMessage(client, text, ok, m);
    win.style.transform = '';
    centre(win);
  };
  layOut();
  // Measured again once the font is there, should it still have been loading.
  if (!document.fonts.check(font, message.text)) document.fonts.load(font, message.text).then(layOut);
  layer.vemoKey = (event) => {
    if (['Enter', 'NumpadEnter', 'Escape', 'Space'].includes(event.code)) {
      event.preventDefault();
      close();
    }
  };
  ok.focus();
}
