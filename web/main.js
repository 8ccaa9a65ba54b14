// The page of Vemo: starts the program, hands it the page's events one at a
// time, and shows what it draws. The program runs its own event loop and asks
// for the next event when it waits; the page only queues them.

import { virtualKey, shortcutText } from './keys.js';
import { MenuBar } from './menu.js';
import * as dialogs from './dialogs.js';

const recordsKey = 'vemo.data';
const canvas = document.getElementById('screen');
const ctx = canvas.getContext('2d', { alpha: false });
const caption = document.getElementById('caption');
const menubar = document.getElementById('menubar');
let menu = null;
let audio = null;
const pictures = new Map();

// --- The queue between the page and the program's event loop ---
const queue = [];
let wake = null;
function send(event) {
  queue.push(event);
  if (wake) wake();
}

// A moment's pause for the browser, without the delay of a timeout.
const channel = new MessageChannel();
const yielded = [];
channel.port1.onmessage = () => yielded.shift()?.();
function yieldNow() {
  return new Promise((resolve) => { yielded.push(resolve); channel.port2.postMessage(0); });
}

function waitUntil(untilMs, wakeOnEvent) {
  return new Promise((resolve) => {
    let timer = 0;
    const done = () => { clearTimeout(timer); wake = null; resolve(); };
    if (wakeOnEvent) {
      if (queue.length) return done();
      wake = done;
    }
    const arm = () => {
      const left = untilMs - performance.now();
      if (untilMs < 0) return;
      if (left <= 0) done();
      else if (left < 1) yieldNow().then(arm);
      else timer = setTimeout(arm, Math.ceil(left));
    };
    if (untilMs >= 0 && untilMs <= performance.now()) yieldNow().then(done);
    else arm();
  });
}

// --- Sound: a short tone, once the page has had a gesture ---
function beep() {
  audio ??= new AudioContext();
  if (audio.state !== 'running') return;
  const tone = audio.createOscillator();
  const gain = audio.createGain();
  tone.frequency.value = 880;
  gain.gain.setValueAtTime(0.15, audio.currentTime);
  gain.gain.exponentialRampToValueAtTime(0.001, audio.currentTime + 0.15);
  tone.connect(gain).connect(audio.destination);
  tone.start();
  tone.stop(audio.currentTime + 0.15);
}
function unlockAudio() {
  audio ??= new AudioContext();
  if (audio.state === 'suspended') audio.resume();
}

// --- The records file, kept for the page's origin ---
function loadRecords() {
  let kept = null;
  try {
    kept = localStorage.getItem(recordsKey);
  } catch (e) {
    // Storage switched off for the page: the program starts as on a first visit.
    console.warn('Vemo: the kept records could not be read:', e);
  }
  return kept === null ? null : Uint8Array.from(kept, (c) => c.charCodeAt(0));
}
function storeRecords(bytes) {
  try {
    localStorage.setItem(recordsKey, String.fromCharCode(...bytes));
  } catch (e) {
    console.warn('Vemo: the records could not be kept:', e);
  }
}

// --- What the program calls ---
const vemoPage = {
  wait: (untilMs) => waitUntil(untilMs, true),
  sleepUntil: (untilMs) => waitUntil(untilMs, false),
  take: () => queue.shift(),
  blit(rgba, x, y, w, h) {
    ctx.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), w, h), x, y);
  },
  setCaption(text) { caption.textContent = text; document.title = text; },
  setCursorVisible(visible) { canvas.classList.toggle('no-cursor', !visible); },
  beep,
  // A page always has at least 24 bits a pixel; older screens report less.
  screenDepth: () => Math.max(24, screen.colorDepth || 24),
  setMenu(model) {
    menu = window.vemoMenu = new MenuBar(menubar, model, (name) => send({ type: 5, text: name }),
                                         () => send({ type: 12 }));
  },
  setMenuItem(name, checked, enabled) { menu?.setItem(name, checked, enabled); },
  setPicture(name, rgba, w, h) { pictures.set(name, new ImageData(new Uint8ClampedArray(rgba.buffer), w, h)); },
  showDialog(kind, layout) { menu?.closeAll(); dialogs.showDialog(kind, layout, pictures, send); },
  setEditText: dialogs.setEditText,
  hideDialog: dialogs.hideDialog,
  showMessage(message) { menu?.closeAll(); dialogs.showMessage(message, send); },
  storeRecords,
  ended() { canvas.classList.add('ended'); },
};

// --- Keys ---
// A held key repeats its press with no release between, as the browser
// delivers it. A shortcut's press is the menu's, its release the game's, as
// on the desktop.
document.addEventListener('keydown', (event) => {
  unlockAudio();
  const top = dialogs.topWindow();
  // The program's shortcuts are its own, whatever else is open: the browser's never run.
  const shortcut = menu?.shortcutFor(event) ?? null;
  if (shortcut) event.preventDefault();
  if (top) {
    top.vemoKey(event);
    return;
  }
  if (menu?.handleKey(event)) {
    event.preventDefault();
    return;
  }
  if (shortcut) {
    if (menu.model.items[shortcut].enabled) send({ type: 5, text: shortcut });
    return;
  }
  // Alone, Alt and F10 would take the browser's menu focus away from the game.
  if (event.code === 'Tab' || event.altKey || event.code.startsWith('Arrow') || event.code === 'Space' ||
      event.code === 'Backspace' || /^F[0-9]+$/.test(event.code)) event.preventDefault();
  send({ type: 1, a: virtualKey(event) });
});
document.addEventListener('keyup', (event) => {
  if (dialogs.topWindow()) return;
  send({ type: 2, a: virtualKey(event) });
});

// --- The mouse on the surface, in surface pixels ---
function surfacePixel(event) {
  const box = canvas.getBoundingClientRect();
  return [Math.floor((event.clientX - box.left) * canvas.width / box.width),
          Math.floor((event.clientY - box.top) * canvas.height / box.height)];
}
canvas.addEventListener('mousedown', (event) => {
  unlockAudio();
  const [x, y] = surfacePixel(event);
  send({ type: 3, a: x, b: y, text: String(event.button) });
});
canvas.addEventListener('mouseup', (event) => {
  if (event.button !== 0) return;
  const [x, y] = surfacePixel(event);
  send({ type: 4, a: x, b: y });
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());

// --- Leaving the page pauses, and the records are kept at once ---
function left() {
  send({ type: 11 });
}
document.addEventListener('visibilitychange', () => {
  if (document.visibilityState === 'hidden') {
    Module._vemo_keep_records?.();
    left();
  }
});
window.addEventListener('pagehide', () => Module._vemo_keep_records?.());
window.addEventListener('blur', left);

// --- Crisp pixels: the canvas grows by the whole factor of the screen, and
// the window sits on whole pixels, centred as the desktop centres it ---
const mainWindow = document.querySelector('.main-window');
function fitCanvas() {
  const ratio = window.devicePixelRatio || 1;
  const factor = Math.max(1, Math.floor(ratio));
  canvas.style.width = `${canvas.width * factor / ratio}px`;
  canvas.style.height = `${canvas.height * factor / ratio}px`;
  const page = document.documentElement;
  mainWindow.style.left = `${Math.max(0, dialogs.centredOffset(page.clientWidth, mainWindow.offsetWidth))}px`;
  mainWindow.style.top = `${Math.max(0, dialogs.centredOffset(page.clientHeight, mainWindow.offsetHeight))}px`;
}
fitCanvas();
matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', fitCanvas);
window.addEventListener('resize', fitCanvas);

// --- Start: the fonts, the kept records and the program load side by side ---
// (The first touch of the page's storage is slow: it is done while the
// program's code still compiles.)
const keptRecords = loadRecords();
const fontsReady = Promise.all([
  document.fonts.load('16px "Vemo Sans"'), document.fonts.load('bold 16px "Vemo Sans"'),
  document.fonts.load('16px "Vemo Script"'), document.fonts.load('12px "DejaVu Sans"'),
]);
const Module = window.Module = {
  vemoPage,
  // The page started compiling the program's code before this script ran.
  instantiateWasm(imports, done) {
    vemoCode.then((code) => WebAssembly.instantiate(code, imports)).then((instance) => done(instance),
      (error) => console.error('Vemo: the program could not be loaded:', error));
    return {};
  },
  preRun: [() => {
    // Only test builds read it: the same pieces as in another build.
    const seed = new URLSearchParams(location.search).get('seed');
    if (seed) Module.ENV.VEMO_TEST_SEED = seed;
    if (keptRecords) Module.FS.writeFile('data', keptRecords);
    Module.addRunDependency('fonts');
    fontsReady.finally(() => Module.removeRunDependency('fonts'));
  }],
};
