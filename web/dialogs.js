// The modal windows: the program's dialogs, built from the same layout data
// the desktop builds them from, and the message boxes captioned "Vemo". Each
// sits in the middle of the page over a layer that keeps the mouse from the
// rest; their events go to the program through `send`.

import { cssFont } from './text.js';
import { virtualKey } from './keys.js';

const stack = [];  // open windows, the topmost last

export function modalOpen() { return stack.length > 0; }
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
  document.body.append(layer);
  stack.push(layer);
  return { layer, win, client };
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
  client.addEventListener('mousedown', (e) => {
    if (e.target.closest('input, button')) return;
    e.preventDefault();
    send({ type: 7, text: text() });
  });
  layer.vemoKey = (event) => {
    // Enter and Escape do nothing of their own, nor Space on the button: the model decides.
    if (event.code === 'Enter' || event.code === 'NumpadEnter' || event.code === 'Escape' ||
        (event.code === 'Space' && event.target.tagName === 'BUTTON')) event.preventDefault();
    send({ type: 6, a: virtualKey(event), text: text() });
  };
  layer.vemoEdit = edit;
  (focus ?? win).focus();
}

export function setEditText(value) {
  const edit = topWindow()?.vemoEdit;
  if (edit && edit.value !== value) edit.value = value;
}

export function hideDialog() {
  const layer = stack.pop();
  layer?.remove();
  topWindow()?.vemoFocus?.focus();
}

const icons = { information: 'i', warning: '!', error: '✕' };

export function showMessage(kind, text, send) {
  let closed = false;
  const close = () => {
    if (closed) return;
    closed = true;
    stack.splice(stack.indexOf(layer), 1);
    layer.remove();
    topWindow()?.vemoEdit?.focus();
    send({ type: 10 });
  };
  const { layer, win, client } = frame('Vemo', close);
  win.classList.add('message');
  win.dataset.kind = kind;
  const icon = document.createElement('div');
  icon.className = `icon ${kind}`;
  icon.textContent = icons[kind];
  const body = document.createElement('div');
  body.className = 'text';
  body.textContent = text;
  const ok = document.createElement('button');
  ok.className = 'button default';
  ok.textContent = 'OK';
  ok.addEventListener('click', close);
  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  buttons.append(ok);
  client.append(icon, body, buttons);
  layer.vemoKey = (event) => {
    if (['Enter', 'NumpadEnter', 'Escape', 'Space'].includes(event.code)) {
      event.preventDefault();
      close();
    }
  };
  ok.focus();
}
