// The main window's menu bar, built from the program's menu model: captions
// with their underlined mnemonics, shortcuts, check marks, the submenu, and
// keyboard access with F10 and Alt+mnemonic. The model is the truth: the
// page shows the check marks and enabled states the program sends.

import { shortcutText, typesLetter } from './keys.js';
import * as F from 'vemo-boundary/field.js';  // the menu description's field names

// Ctrl+F4 closes the tab in browsers and no page can keep it: the menu names
// the item's other key instead.
const browserKeeps = new Set(['Ctrl+F4']);

function mnemonicOf(caption) {
  const m = /&([^&])/.exec(caption);
  return m ? m[1] : null;
}

function captionNode(caption) {
  const span = document.createElement('span');
  span.className = 'caption';
  const parts = caption.split(/&(.)/);
  parts.forEach((part, i) => {
    if (i % 2 === 0) {
      span.append(part);
    } else if (part === '&') {
      span.append('&');
    } else {
      const u = document.createElement('u');
      u.textContent = part;
      span.append(u);
    }
  });
  return span;
}

export class MenuBar {
  // `command` gets the name of a chosen item; `keysLost` is told when the
  // menu bar takes the keyboard from the game.
  constructor(bar, model, command, keysLost) {
    this.bar = bar;
    this.model = model;
    this.command = command;
    this.keysLost = keysLost;
    this.shortcuts = new Map();
    this.rows = new Map();  // item name -> its row in a menu
    this.tops = [];
    this.path = [];  // the open menus, outermost first: { element, items, index }
    this.barIndex = -1;  // the top item highlighted in keyboard mode
    for (const [name, item] of Object.entries(model[F.items])) {
      item.name = name;
      if (item[F.children].length || item[F.caption] === '-') continue;
      for (const key of [item[F.shortcut], ...item[F.more]]) if (key) this.shortcuts.set(key, item.name);
    }
    bar.replaceChildren();
    model[F.top].forEach((name, i) => {
      const top = document.createElement('div');
      top.className = 'top';
      top.dataset.name = name;
      top.append(captionNode(this.item(name)[F.caption]));
      top.addEventListener('mousedown', (e) => {
        e.preventDefault();
        if (this.path.length && this.barIndex === i) this.closeAll(); else this.openTop(i, false);
      });
      top.addEventListener('mouseenter', () => { if (this.path.length && this.barIndex !== i) this.openTop(i, false); });
      bar.append(top);
      this.tops.push(top);
    });
    this.listening = new AbortController();
    document.addEventListener('mousedown', (e) => {
      if (this.path.length && !e.target.closest('.menu, #menubar')) this.closeAll();
    }, { signal: this.listening.signal });
  }

  // The bar of a program that has ended: its menus, items and listeners go.
  destroy() {
    this.closeAll();
    this.listening.abort();
    this.bar.replaceChildren();
  }

  get active() { return this.barIndex >= 0; }

  // An item's description in the model.
  item(name) { return this.model[F.items][name]; }

  setItem(name, checked, enabled) {
    const item = this.item(name);
    item[F.checked] = checked;
    item[F.enabled] = enabled;
    const row = this.rows.get(name);
    if (row) this.paintRow(row, item);
  }

  paintRow(row, item) {
    row.classList.toggle('checked', item[F.checked]);
    row.classList.toggle('disabled', !item[F.enabled]);
  }

  // The item's name for a key press that is one of the program's shortcuts.
  shortcutFor(event) {
    const text = shortcutText(event);
    return text ? this.shortcuts.get(text) ?? null : null;
  }

  shownShortcut(item) {
    return [item[F.shortcut], ...item[F.more]].find((key) => key && !browserKeeps.has(key)) ?? '';
  }

  buildMenu(name, anchor, beside) {
    const menu = document.createElement('div');
    menu.className = 'menu';
    const items = [];
    for (const childName of this.item(name)[F.children]) {
      const item = this.item(childName);
      const row = document.createElement('div');
      if (item[F.caption] === '-') {
        row.className = 'separator';
        menu.append(row);
        continue;
      }
      row.className = 'item';
      row.dataset.name = childName;
      const check = document.createElement('span');
      check.className = 'check';
      const key = document.createElement('span');
      key.className = 'key';
      key.textContent = item[F.children].length ? '▸' : this.shownShortcut(item);
      row.append(check, captionNode(item[F.caption]), key);
      this.paintRow(row, item);
      this.rows.set(childName, row);
      const index = items.length;
      items.push(childName);
      row.addEventListener('mouseenter', () => this.highlight(menu, index, true));
      row.addEventListener('mouseup', () => this.choose(childName));
      menu.append(row);
    }
    document.body.append(menu);
    const box = anchor.getBoundingClientRect();
    const scale = box.height / anchor.offsetHeight;  // the window's, which the menus share
    menu.style.left = `${(beside ? box.right : box.left) + window.scrollX}px`;
    menu.style.top = `${(beside ? box.top - 3 * scale : box.bottom) + window.scrollY}px`;
    return { element: menu, items, index: -1, name };
  }

  openTop(i, fromKeyboard) {
    if (!this.active) this.keysLost();
    this.closeMenus();
    const name = this.model[F.top][i];
    // A top item without a menu is a command of its own.
    if (!this.item(name)[F.children].length) {
      this.closeAll();
      if (this.item(name)[F.enabled]) this.command(name);
      return;
    }
    this.barIndex = i;
    this.tops.forEach((top, k) => top.classList.toggle('open', k === i));
    const level = this.buildMenu(name, this.tops[i], false);
    this.path.push(level);
    if (fromKeyboard) this.moveHighlight(1);
  }

  openSubmenu(name, row) {
    const level = this.buildMenu(name, row, true);
    this.path.push(level);
    return level;
  }

  highlight(menuElement, index, byMouse) {
    const depth = this.path.findIndex((level) => level.element === menuElement);
    if (depth < 0) return;
    while (this.path.length > depth + 1) this.path.pop().element.remove();
    const level = this.path[depth];
    level.index = index;
    [...level.element.querySelectorAll('.item')].forEach((row, k) => row.classList.toggle('highlighted', k === index));
    const name = level.items[index];
    if (byMouse && this.item(name)[F.children].length) this.openSubmenu(name, this.rows.get(name));
  }

  moveHighlight(delta) {
    const level = this.path[this.path.length - 1];
    const count = level.items.length;
    let index = level.index;
    for (let n = 0; n < count; n++) {
      index = (index + delta + count) % count;
      if (this.item(level.items[index])[F.enabled]) break;
    }
    this.highlight(level.element, index, false);
  }

  choose(name) {
    const item = this.item(name);
    if (!item[F.enabled]) return;
    if (item[F.children].length) {
      const level = this.openSubmenu(name, this.rows.get(name));
      this.highlight(level.element, 0, false);
      return;
    }
    this.closeAll();
    this.command(name);
  }

  closeMenus() {
    while (this.path.length) this.path.pop().element.remove();
    this.rows.clear();
  }

  closeAll() {
    this.closeMenus();
    this.barIndex = -1;
    this.tops.forEach((top) => top.classList.remove('open', 'highlighted'));
  }

  typesMnemonic(event, name) {
    const letter = mnemonicOf(this.item(name)[F.caption]);
    return letter !== null && typesLetter(event, letter);
  }

  // F10 and Alt+mnemonic enter the menu bar; while it is active every key is
  // its own. Returns whether the key was the menu's.
  handleKey(event) {
    if (!this.active) {
      if (event.code === 'F10' && !event.ctrlKey && !event.shiftKey && !event.altKey) {
        this.keysLost();
        this.barIndex = 0;
        this.tops[0].classList.add('highlighted');
        return true;
      }
      if (event.altKey && !event.ctrlKey) {
        const i = this.model[F.top].findIndex((name) => this.typesMnemonic(event, name));
        if (i >= 0) {
          this.openTop(i, true);
          return true;
        }
      }
      return false;
    }
    const level = this.path[this.path.length - 1];
    switch (event.code) {
      case 'Escape':
        if (this.path.length > 1) this.path.pop().element.remove();
        else if (this.path.length) { this.closeMenus(); this.tops[this.barIndex].classList.add('highlighted'); }
        else this.closeAll();
        return true;
      case 'F10': case 'AltLeft': case 'AltRight':
        this.closeAll();
        return true;
      case 'ArrowLeft': case 'ArrowRight': {
        const delta = event.code === 'ArrowLeft' ? -1 : 1;
        const current = level && level.items[level.index];
        if (delta > 0 && current && this.item(current)[F.children].length) { this.choose(current); return true; }
        if (delta < 0 && this.path.length > 1) { this.path.pop().element.remove(); return true; }
        const next = (this.barIndex + delta + this.tops.length) % this.tops.length;
        if (this.path.length) this.openTop(next, true);
        else { this.tops[this.barIndex].classList.remove('highlighted'); this.barIndex = next; this.tops[next].classList.add('highlighted'); }
        return true;
      }
      case 'ArrowDown': case 'ArrowUp':
        if (!this.path.length) this.openTop(this.barIndex, true);
        else this.moveHighlight(event.code === 'ArrowDown' ? 1 : -1);
        return true;
      case 'Enter': case 'NumpadEnter': case 'Space':
        if (!this.path.length) this.openTop(this.barIndex, true);
        else if (level.index >= 0) this.choose(level.items[level.index]);
        return true;
      default: {
        if (!level) {
          const i = this.model[F.top].findIndex((name) => this.typesMnemonic(event, name));
          if (i >= 0) this.openTop(i, true);
          return true;
        }
        // A letter of one item runs it; a letter shared by several moves the
        // highlight to the next of them, and Enter runs that one.
        const matches = level.items.map((name, k) => k).filter((k) => this.typesMnemonic(event, level.items[k]));
        if (matches.length === 1) this.choose(level.items[matches[0]]);
        else if (matches.length) {
          const after = matches.includes(level.index) ? matches.find((k) => k > level.index) : undefined;
          this.highlight(level.element, after ?? matches[0], false);
        }
        return true;
      }
    }
  }
}
