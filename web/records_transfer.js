// The records file to and from other places, such as the desktop program's
// ~/.local/share/vemo/data: «Скачать рекорды» saves the kept file as "data",
// the bytes the desktop reads; «Загрузить рекорды» hands a file the player
// picks to the program, which reads it as it reads its own file and either
// starts afresh with it or says why it does not load.
//
// The commands act only in the tab that runs the game: in a tab waiting for
// its turn they would write over the records of the tab that has it.

import * as Event from 'vemo-boundary/event.js';
import { productName } from 'vemo-boundary/look.js';

// `send(event)` queues an event for the program; `kept()` reads the kept file
// ({ text } or { unreadable }); `keepCurrent()` keeps the program's current
// table and options (false when the browser refused them); `keepFresh()`
// keeps a new player's file, which the program reads where none is kept.
export function recordsTransfer({ send, kept, keepCurrent, keepFresh }) {
  const bar = document.getElementById('page-commands');
  const [save, load] = bar.querySelectorAll('button');
  const picker = document.createElement('input');
  picker.type = 'file';
  picker.hidden = true;
  bar.append(picker);
  let offered = null;  // { bytes } of the picked file, or { unreadable }

  function saveRecords() {
    // The table as the program holds it now, so the file has every record made.
    if (!keepCurrent() || kept().text == null && !keepFresh()) {
      send(Event.keepFailed());  // told as a records file that cannot be written
      return;
    }
    const { text } = kept();
    if (text == null) return;
    const bytes = Uint8Array.from(text, (c) => c.charCodeAt(0));
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = 'data';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  picker.addEventListener('change', async () => {
    const file = picker.files[0];
    picker.value = '';
    if (!file) return;
    let picked;
    try {
      picked = { bytes: new Uint8Array(await file.arrayBuffer()) };
    } catch (error) {
      console.warn(`${productName}: the picked file could not be read:`, error);
      picked = { unreadable: true };
    }
    // A file picked again before the program took the last one replaces it.
    if (offered === null) send(Event.recordsOffered());
    offered = picked;
  });

  // A command's button gives the focus back at once: Enter and Space are the
  // program's keys, not a second press of the button.
  save.addEventListener('click', () => { save.blur(); saveRecords(); });
  load.addEventListener('click', () => { load.blur(); picker.click(); });

  return {
    // Whether the program runs in this tab. A file picked for a program that
    // has ended since (a close, a hand-over) is not the next one's.
    setRunning(running) {
      save.disabled = load.disabled = !running;
      offered = null;
    },
    // What the program calls: the picked file's length (-1: it could not be
    // read), then its bytes.
    offeredRecords() {
      if (offered?.bytes) return offered.bytes.length;
      offered = null;
      return -1;
    },
    copyOfferedRecords(heap, at) {
      heap.set(offered.bytes, at);
      offered = null;
    },
  };
}
