// The browser's keys as the program knows them: virtual-key codes taken from
// the physical key (event.code), so the keyboard layout does not matter, and
// the shortcut text of the menu ("Ctrl+F1", "Del") a key press makes.

import { russianLayout } from 'vemo-boundary/look.js';

const named = {
  Backspace: 8, Tab: 9, Enter: 13, NumpadEnter: 13, ShiftLeft: 16, ShiftRight: 16, ControlLeft: 17,
  ControlRight: 17, AltLeft: 18, AltRight: 18, Pause: 19, CapsLock: 20, Escape: 27, Space: 32, PageUp: 33,
  PageDown: 34, End: 35, Home: 36, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, PrintScreen: 44,
  Insert: 45, Delete: 46, MetaLeft: 91, MetaRight: 92, ContextMenu: 93, NumpadMultiply: 106, NumpadAdd: 107,
  NumpadSubtract: 109, NumpadDecimal: 110, NumpadDivide: 111, NumLock: 144, ScrollLock: 145, Semicolon: 186,
  Equal: 187, Comma: 188, Minus: 189, Period: 190, Slash: 191, Backquote: 192, BracketLeft: 219,
  Backslash: 220, BracketRight: 221, Quote: 222,
};

// The number pad's keys without Num Lock act as the keys printed beside the digits.
const padMoves = {
  Numpad0: 45, Numpad1: 35, Numpad2: 40, Numpad3: 34, Numpad4: 37, Numpad5: 12, Numpad6: 39, Numpad7: 36,
  Numpad8: 38, Numpad9: 33, NumpadDecimal: 46,
};

export const unknownKey = 0xff;

export function virtualKey(event) {
  // An on-screen keyboard names no physical key: its Enter, Backspace and
  // the like are known by their key value, which is the code's name.
  const code = event.code || event.key;
  let m;
  if ((m = /^Key([A-Z])$/.exec(code))) return m[1].charCodeAt(0);
  if ((m = /^Digit([0-9])$/.exec(code))) return 48 + Number(m[1]);
  if ((m = /^F([0-9]+)$/.exec(code))) return 111 + Number(m[1]);
  if ((m = /^Numpad([0-9])$/.exec(code))) return /^[0-9]$/.test(event.key) ? 96 + Number(m[1]) : padMoves[code];
  if (code === 'NumpadDecimal' && event.key !== '.' && event.key !== ',') return padMoves[code];
  return named[code] ?? unknownKey;
}

// The key's name in a shortcut text, or null for keys no shortcut uses.
function shortcutKeyName(code) {
  let m;
  if ((m = /^Key([A-Z])$/.exec(code))) return m[1];
  if ((m = /^F([0-9]+)$/.exec(code))) return code;
  if (code === 'Delete') return 'Del';
  return null;
}

// The shortcut text of a key press, with the modifiers in the menu's order.
export function shortcutText(event) {
  const name = shortcutKeyName(event.code);
  if (!name) return null;
  return (event.ctrlKey ? 'Ctrl+' : '') + (event.shiftKey ? 'Shift+' : '') + (event.altKey ? 'Alt+' : '') + name;
}

// Whether a key press types the mnemonic letter, in either layout.
export function typesLetter(event, letter) {
  const wanted = letter.toLowerCase();
  return event.key.toLowerCase() === wanted || russianLayout[virtualKey(event)]?.toLowerCase() === wanted ||
    (/^Key[A-Z]$/.test(event.code) && event.code.slice(3).toLowerCase() === wanted);
}
