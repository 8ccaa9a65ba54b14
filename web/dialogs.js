// The modal windows: the program's dialogs, built from the same layout data
// the desktop builds them from, and the message boxes captioned with the program's name, laid
// out as the desktop lays them out. Each is centred where the main window is,
// over a layer that keeps the mouse from the rest; their events go to the
// program through `send`.

import { cssFont } from './text.js';
import { virtualKey } from './keys.js';
import * as Event from 'vemo-boundary/event.js';
// The descriptions' field names and the names of kinds and styles they hold.
import * as F from 'vemo-boundary/field.js';
import * as V from 'vemo-boundary/value.js';

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

// `item`: a box of a description: x, y, width and height.
function place(element, item) {
  element.style.left = `${item[F.x]}px`;
  element.style.top = `${item[F.y]}px`;
  if (item[F.width]) element.style.width = `${item[F.width]}px`;
  if (item[F.height]) element.style.height = `${item[F.height]}px`;
}

// A box of the page's own, in the form of a description's.
const box = (x, y, width, height) => ({ [F.x]: x, [F.y]: y, [F.width]: width, [F.height]: height });

const fontOf = (font) => cssFont(font[F.family], font[F.px], font[F.bold]);

function addLabel(client, label, windowWidth) {
  const el = document.createElement('div');
  el.className = 'label';
  el.dataset.name = label[F.name];
  el.textContent = label[F.text];
  el.style.font = fontOf(label[F.font]);
  el.style.lineHeight = '';  // the style sheet's line pitch, not the shorthand's "normal"
  el.style.top = `${label[F.y]}px`;
  if (label[F.height]) el.style.height = `${label[F.height]}px`;
  const x = label[F.x], width = label[F.width];
  if (label[F.wrap]) {
    el.classList.add('wrap');
    place(el, label);
  } else if (label[F.right]) {
    // The text ends at x + width; a wider text grows to the left.
    el.style.right = `${windowWidth - x - width}px`;
    el.style.minWidth = `${width}px`;
    el.style.textAlign = 'right';
  } else {
    el.style.left = `${x}px`;
    if (label[F.clip]) { el.style.width = `${width}px`; el.style.overflow = 'hidden'; }
    else if (width) el.style.minWidth = `${width}px`;
  }
  client.append(el);
}

function addBevel(client, bevel) {
  const el = document.createElement('div');
  el.className = `bevel ${bevel[F.style]}`;
  el.dataset.name = bevel[F.name];
  place(el, bevel[F.style] === V.vline ? { ...bevel, [F.width]: 2 } : bevel);
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
  const { layer, win, client } = frame(layout[F.caption], () => send(Event.dialogClose(text())));
  win.dataset.kind = kind;
  client.style.width = `${layout[F.width]}px`;
  client.style.height = `${layout[F.height]}px`;
  client.style.font = fontOf(layout[F.font]);
  for (const bevel of layout[F.bevels] ?? []) addBevel(client, bevel);
  for (const picture of layout[F.pictures] ?? []) {
    const canvas = document.createElement('canvas');
    canvas.className = 'picture';
    const source = pictures.get(picture[F.name]);
    canvas.width = source.width;
    canvas.height = source.height;
    canvas.getContext('2d').putImageData(source, 0, 0);
    place(canvas, picture);
    client.append(canvas);
  }
  for (const label of layout[F.labels] ?? []) addLabel(client, label, layout[F.width]);
  let edit = null;
  for (const e of layout[F.edits] ?? []) {
    edit = document.createElement('input');
    edit.className = 'edit';
    edit.dataset.name = e[F.name];
    edit.maxLength = e[F.maxLength];
    edit.spellcheck = false;
    edit.autocomplete = 'off';
    place(edit, e);
    client.append(edit);
  }
  let focus = edit;
  for (const b of layout[F.buttons] ?? []) {
    const button = document.createElement('button');
    button.className = 'button' + (b[F.isDefault] ? ' default' : '');
    button.dataset.name = b[F.name];
    button.textContent = b[F.text];
    place(button, b);
    button.addEventListener('click', () => send(Event.dialogButton(text())));
    client.append(button);
    focus ??= button;
  }
  centre(win);
  client.addEventListener('mousedown', (e) => {
    if (e.target.closest('input, button')) return;
    e.preventDefault();
    send(Event.dialogMouse(text()));
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
    send(Event.dialogKey(virtualKey(event), text()));
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
  [V.information]: '<circle cx="16" cy="16" r="15" fill="#2f6fc7" stroke="#1d4f94"/>' +
    '<circle cx="16" cy="9" r="2.2" fill="#fff"/><rect x="14" y="13" width="4" height="12" rx="1" fill="#fff"/>',
  [V.warning]: '<path d="M16 2 L31 29 H1 Z" fill="#f4c21b" stroke="#a07a00" stroke-linejoin="round"/>' +
    '<rect x="14.3" y="10" width="3.4" height="11" rx="1" fill="#000"/><circle cx="16" cy="25" r="1.9" fill="#000"/>',
  [V.error]: '<circle cx="16" cy="16" r="15" fill="#e0242b" stroke="#9b1016"/>' +
    '<path d="M10 10 L22 22 M22 10 L10 22" stroke="#fff" stroke-width="3.4" stroke-linecap="round"/>',
};

// The box's size and the places in it, by the desktop's rules (`m`), with the
// text measured in the page's copy of the desktop's font: `text` is the text's
// element, already in the page and in that font.
function messageGeometry(text, m) {
  // The screen's width in surface pixels.
  const screenWidth = Math.floor((window.screen?.availWidth || window.innerWidth) / windowScale()[0]);
  const soft = Math.min(Math.trunc(screenWidth / 2), m[F.softLimitCap]);
  const hard = screenWidth <= m[F.smallScreen] ? screenWidth
    : Math.min(screenWidth - m[F.hardLimitInset], m[F.hardLimitCap]);
  const aside = m[F.textX] + m[F.margin];  // the client width that is not the text's
  const measured = (width) => {
    text.style.width = width;
    return text.getBoundingClientRect();
  };
  let width = Math.max(aside + Math.ceil(measured('max-content').width), 2 * m[F.margin] + m[F.buttonWidth]);
  // Wrapped at blanks: as wide as the longest word needs, at least the soft
  // limit, at most the hard one, where a longer word is cut at the edge.
  if (width > soft) width = Math.min(hard, Math.max(soft, aside + Math.ceil(measured('min-content').width)));
  const textWidth = width - aside;
  const lines = Math.max(1, Math.round(measured(`${textWidth}px`).height / m[F.lineHeight]));
  const textHeight = lines * m[F.lineHeight];
  const buttonY = m[F.margin] + Math.max(m[F.iconSize], textHeight + m[F.spacing]) + m[F.spacing];
  return { width, height: buttonY + m[F.buttonHeight] + m[F.margin], textWidth, textHeight, buttonY };
}

function layOutMessage(client, text, ok, m) {
  const g = messageGeometry(text, m);
  place(client, box(0, 0, g.width, g.height));
  place(text, box(m[F.textX], m[F.margin], g.textWidth, g.textHeight));
  place(ok, box(g.width - m[F.margin] - m[F.buttonWidth], g.buttonY, m[F.buttonWidth], m[F.buttonHeight]));
}

// `message`: the kind, the text and the layout rules of the box.
export function showMessage(message, send) {
  const kind = message[F.kind], m = message[F.layout];
  let closed = false;
  const close = () => {
    if (closed) return;
    closed = true;
    removeWindow(layer);
    send(Event.messageClosed());
  };
  const { layer, win, client } = frame(message[F.caption], close);
  win.classList.add('message');
  win.dataset.kind = kind;
  const icon = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
  icon.classList.add('icon');
  icon.setAttribute('viewBox', '0 0 32 32');
  icon.innerHTML = icons[kind];
  place(icon, box(m[F.margin], m[F.margin], m[F.iconSize], m[F.iconSize]));
  const text = document.createElement('div');
  text.className = 'text';
  text.textContent = message[F.text];
  const font = `${m[F.font][F.bold] ? 'bold ' : ''}${m[F.font][F.px]}px "${m[F.font][F.family]}"`;
  text.style.font = font;
  text.style.lineHeight = `${m[F.lineHeight]}px`;
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
  if (!document.fonts.check(font, message[F.text])) document.fonts.load(font, message[F.text]).then(layOut);
  layer.vemoKey = (event) => {
    if (['Enter', 'NumpadEnter', 'Escape', 'Space'].includes(event.code)) {
      event.preventDefault();
      close();
    }
  };
  ok.focus();
}
