// The program's page: starts the program, hands it the page's events one at a
// time, and shows what it draws. The program runs its own event loop and asks
// for the next event when it waits; the page only queues them.

import { virtualKey } from './keys.js';
import { MenuBar } from './menu.js';
import * as dialogs from './dialogs.js';
import { oneGamePerAddress } from './one_game.js';
import { eventQueue } from './event_queue.js';
import { recordsTransfer } from './records_transfer.js';
import { keepForOffline } from './offline.js';
import * as Event from 'vemo-boundary/event.js';
import * as F from 'vemo-boundary/field.js';  // the descriptions' field names
import * as Look from 'vemo-boundary/look.js';
import { windowFit } from './fit.js';
import { touchControls } from './touch.js';

const recordsKey = 'vemo.data';
const canvas = document.getElementById('screen');
const ctx = canvas.getContext('2d', { alpha: false });
const caption = document.getElementById('caption');
const menubar = document.getElementById('menubar');
let menu = null;
let audio = null;
const pictures = new Map();

// --- The queue between the page and the program's event loop ---
const { send, take, clear: clearQueue, waitUntil } = eventQueue();

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

// --- The records file, kept for the page's origin: one character a byte ---
// What the storage held, read as early as possible (the first touch of the
// storage is slow): { text } or { unreadable }.
function readKept() {
  try {
    return { text: localStorage.getItem(recordsKey) };
  } catch (e) {
    // Storage switched off for the page: the program is told it cannot open its file.
    console.warn(`${Look.productName}: the kept records could not be read:`, e);
    return { unreadable: true };
  }
}
let early = readKept();
let loaded = null;  // what the program's last look found, for it to copy
let keepFailed = false;  // a store while the page was hidden failed, not told yet

// The kept file's length (-1 for none, -2 when unreadable); the program then
// takes the bytes, if it wants them, through copyRecords. Each program start
// reads the storage afresh, but for the first, which finds the early read.
function loadRecords() {
  loaded = early ?? readKept();
  early = null;
  if (loaded.unreadable) return -2;
  return loaded.text === null ? -1 : loaded.text.length;
}
function copyRecords(heap, at) {
  const text = loaded.text;
  for (let i = 0; i < text.length; i++) heap[at + i] = text.charCodeAt(i);
  loaded = null;
}
// Converted a slice at a time: spreading a large file into arguments would
// overflow the stack.
function bytesToText(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
  return text;
}
function storeRecords(bytes) {
  try {
    localStorage.setItem(recordsKey, bytesToText(bytes));
  } catch (e) {
    console.warn(`${Look.productName}: the records could not be kept:`, e);
    return false;
  }
  keepFailed = false;
  return true;
}
// Hidden, the page may never be shown again: the records are kept at once.
// A failure is told when the player comes back.
function keepNow() {
  if (!(Module._vemo_keep_records?.() ?? 1)) keepFailed = true;
}

// --- The records file to and from other places: the page's own commands ---
const transfer = recordsTransfer({
  send,
  kept: readKept,
  keepCurrent: () => Module._vemo_keep_records() !== 0,
  keepFresh: () => Module._vemo_keep_fresh_records() !== 0,
});

// --- One game for the address: the other tabs wait with a notice ---
const elsewhere = document.getElementById('elsewhere');
const game = oneGamePerAddress({
  notice(shown) {
    if (shown) {
      // What the storage held at the page's start is old news by the tab's turn.
      early = null;
      transfer.setRunning(false);
    }
    elsewhere.hidden = !shown;
    document.body.classList.toggle('elsewhere', shown);
  },
  // Another tab takes the game: the records are kept, then the program stops.
  stop() {
    keepNow();
    send(Event.handOver());
  },
});
elsewhere.querySelector('button').addEventListener('click', () => game.playHere());

// --- What the program calls ---
const vemoPage = {
  wait: (untilMs) => waitUntil(untilMs, true),
  sleepUntil: (untilMs) => waitUntil(untilMs, false),
  take,
  blit(rgba, x, y, w, h) {
    ctx.putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, rgba.length), w, h), x, y);
  },
  setCaption(text) { caption.textContent = text; document.title = text; },
  setCursorVisible(visible) { canvas.classList.toggle('no-cursor', !visible); },
  beep,
  // A page always has at least 24 bits a pixel; older screens report less.
  screenDepth: () => Math.max(24, screen.colorDepth || 24),
  setMenu(model) {
    menu?.destroy();
    menu = window.vemoMenu = new MenuBar(menubar, model, (name) => send(Event.menu(name)),
                                         () => send(Event.keysLost()));
  },
  setMenuItem(name, checked, enabled) { menu?.setItem(name, checked, enabled); },
  setPicture(name, rgba, w, h) { pictures.set(name, new ImageData(new Uint8ClampedArray(rgba.buffer), w, h)); },
  showDialog(kind, layout) { menu?.closeAll(); dialogs.showDialog(kind, layout, pictures, send); },
  setEditText: dialogs.setEditText,
  hideDialog: dialogs.hideDialog,
  showMessage(message) { menu?.closeAll(); dialogs.showMessage(message, send); },
  loadRecords,
  copyRecords,
  storeRecords,
  offeredRecords: transfer.offeredRecords,
  copyOfferedRecords: transfer.copyOfferedRecords,
  // A fresh start after a close: nothing queued for the old program reaches
  // the new one, and nothing of its windows stays.
  startAfresh() {
    clearQueue();
    dialogs.closeAll();
    menu?.destroy();
    menu = null;
  },
  // Waits until this tab may run the program; what the player did while the
  // tab waited is not the program's.
  async turn() {
    keepForOffline();
    await game.turn();
    clearQueue();
    transfer.setRunning(true);
  },
  ended() {
    canvas.classList.add('ended');
    transfer.setRunning(false);
  },
};

// --- Keys ---
// A held key repeats its press with no release between, as the browser
// delivers it. A shortcut's press is the menu's, its release the game's, as
// on the desktop.

// The keys of the main window the browser must not act on: the arrows and
// the game's other keys, Tab and Space (the focus stays on the window), Alt
// alone and Alt with a character (the menu's mnemonics, not the browser's
// menu). Alt with an arrow, F6, F7, F11 and F12 stay the browser's.
function windowKeepsKey(event) {
  const code = event.code;
  if (code.startsWith('Arrow')) return !event.altKey;
  if (code === 'Tab' || code === 'Space' || code === 'AltLeft' || code === 'AltRight') return true;
  return event.altKey && /^(Key|Digit)|^(Backquote|Minus|Equal|Bracket|Semicolon|Quote|Comma|Period|Slash)/.test(code);
}

document.addEventListener('keydown', (event) => {
  unlockAudio();
  const top = dialogs.topWindow();
  if (top) {
    // No shortcut of the program runs in its own windows; the browser's do
    // not either, but an edit box keeps its editing keys.
    if (menu?.shortcutFor(event) && !dialogs.editingKey(event)) event.preventDefault();
    top.vemoKey(event);
    return;
  }
  if (menu?.handleKey(event)) {
    event.preventDefault();
    return;
  }
  const shortcut = menu?.shortcutFor(event) ?? null;
  if (shortcut) {
    event.preventDefault();
    if (menu.item(shortcut)[F.enabled]) send(Event.menu(shortcut));
    return;
  }
  if (windowKeepsKey(event)) event.preventDefault();
  send(Event.keyDown(virtualKey(event)));
});
document.addEventListener('keyup', (event) => {
  if (dialogs.topWindow()) return;
  send(Event.keyUp(virtualKey(event)));
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
  send(Event.mouseDown(x, y, String(event.button)));
});
canvas.addEventListener('mouseup', (event) => {
  if (event.button !== 0) return;
  const [x, y] = surfacePixel(event);
  send(Event.mouseUp(x, y));
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());

// --- Leaving the page pauses, and the records are kept at once ---
function left() {
  send(Event.playerLeft());
}
document.addEventListener('visibilitychange', () => {
  if (document.visibilityState === 'hidden') {
    keepNow();
    left();
  } else if (keepFailed) {
    keepFailed = false;
    send(Event.keepFailed());
  }
});
window.addEventListener('pagehide', keepNow);
window.addEventListener('blur', left);

// --- The window fitted to the screen, and the touch controls beside it ---
const fitting = windowFit(document.querySelector('.main-window'), canvas, touchControls(() => fitting.fit()),
                          document.getElementById('page-commands'));
fitting.onFit(dialogs.centreAll);

// --- Start: the fonts, the kept records and the program load side by side ---
// (The first touch of the page's storage is slow: it is done while the
// program's code still compiles.)
const fontsReady = Promise.all(Look.webFaces.map(([face, bold]) =>
  document.fonts.load(`${bold ? 'bold ' : ''}16px "${face}"`)));
const Module = window.Module = {
  vemoPage,
  // The page started compiling the program's code before this script ran.
  instantiateWasm(imports, done) {
    vemoCode.then((code) => WebAssembly.instantiate(code, imports)).then((instance) => done(instance),
      (error) => console.error(`${Look.productName}: the program could not be loaded:`, error));
    return {};
  },
  preRun: [() => {
    // Only test builds read it: the same pieces as in another build.
    const seed = new URLSearchParams(location.search).get('seed');
    if (seed) Module.ENV.VEMO_TEST_SEED = seed;
    Module.addRunDependency('fonts');
    fontsReady.finally(() => Module.removeRunDependency('fonts'));
  }],
};
