// The page in headless Chromium with real key and mouse events: what a player
// sees and does, checked against the desktop build's core where pixels count.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { start, canvasPixels, clickSurface, waitFor, readyScreen, title, playToRecord, tableNames,
  markProgram, startedAfresh, exitAndRestart, whole, desktopPicture, pieceBox, cell, paused } from './browser.js';

const fixtures = process.env.VEMO_WEB_FIXTURES;  // build/tests/vemo_web_fixtures
const seed = '4242';

let browser;
before(async () => { browser = await start(); });
after(async () => { await browser?.stop(); });


// The [x, y] of every canvas pixel (RGBA) that differs from the desktop's (RGB).
function differing(canvas, desktop) {
  const found = [];
  for (let p = 0; p < 639 * 476; p++) {
    if (canvas[p * 4] !== desktop[p * 3] || canvas[p * 4 + 1] !== desktop[p * 3 + 1] ||
        canvas[p * 4 + 2] !== desktop[p * 3 + 2]) found.push([p % 639, Math.floor(p / 639)]);
  }
  return found;
}

// Compares until the canvas shows the desktop's picture or `settleMs` have
// gone (a timer's own tick may still be on its way).
async function assertShowsDesktop(page, desktop, what, settleMs = 1000) {
  let found = differing(await whole(page), desktop);
  for (const end = Date.now() + settleMs; found.length && Date.now() < end;) {
    await new Promise((r) => setTimeout(r, 50));
    found = differing(await whole(page), desktop);
  }
  assert.deepEqual(found.slice(0, 5), [], `every pixel of ${what} equals the desktop's (${found.length} differ)`);
}


// A falling-block game at speed 1, started and paused at once.
async function pausedGame(page) {
  await readyScreen(page);
  const empty = await whole(page);
  await page.keyboard.press('F1');
  await page.keyboard.press('Delete');
  await waitFor('the pause', () => paused(page));
  return empty;
}

test('a first visit asks for the program\'s code first, then only the fonts and vemo.js, each once', async () => {
  const made = await browser.context();
  const asked = [];
  made.on('request', (request) => {
    const url = new URL(request.url());
    if (url.protocol === 'http:' && url.pathname !== '/') asked.push(url.pathname);
  });
  const page = await browser.open(made);
  await waitFor('the title layer', async () => (await canvasPixels(page, 1, 1, 1, 1))[0] === title[0]);
  // The script and the style sheet come inside the page.
  assert.equal(asked[0], '/vemo.wasm');
  assert.deepEqual([...asked].sort(), ['/fonts/DejaVuSans.woff2', '/fonts/LiberationSans-Bold.woff2',
    '/fonts/LiberationSans-Regular.woff2', '/fonts/Z003-MediumItalic.woff2', '/vemo.js', '/vemo.wasm']);
  assert.deepEqual(await page.evaluate(() => [...document.fonts].map((f) => f.status)), Array(4).fill('loaded'));
  await made.close();
});

test('the title layer is the desktop\'s, its text pixel for pixel', { skip: !fixtures }, async () => {
  const desktop = desktopPicture('title');
  const page = await browser.page();
  // Painted in one go; it starts to go a second later.
  await waitFor('the title layer', async () => (await canvasPixels(page, 1, 1, 1, 1))[0] === title[0]);
  await assertShowsDesktop(page, desktop, 'the title layer', 0);
  assert.equal(await page.title(), 'Vemo');
  await page.context().close();
});

test('«Выход» shows «Запись...» as the desktop does while the records file is written', { skip: !fixtures }, async () => {
  const desktop = desktopPicture('closing');
  const page = await browser.page();
  await waitFor('the title layer', async () => (await canvasPixels(page, 1, 1, 1, 1))[0] === title[0]);
  // The text shows for a moment only: the canvas is kept as it is when the
  // white box behind the text first appears on it.
  await page.evaluate(() => {
    const ctx = document.getElementById('screen').getContext('2d');
    const blit = Module.vemoPage.blit;
    Module.vemoPage.blit = (...args) => {
      blit(...args);
      if (!window.vemoSaving && ctx.getImageData(150, 180, 1, 1).data[0] === 255) {
        window.vemoSaving = Array.from(ctx.getImageData(0, 0, 639, 476).data);
      }
    };
  });
  await page.keyboard.press('Control+q');
  const shown = await waitFor('«Запись...»', () => page.evaluate(() => window.vemoSaving), 8000);
  const found = differing(Buffer.from(shown), desktop);
  assert.deepEqual(found.slice(0, 5), [], `every pixel equals the desktop's (${found.length} differ)`);
  await page.context().close();
});

test('F1 deals the same first piece and preview as the desktop build, pixel for pixel', { skip: !fixtures }, async () => {
  const page = await browser.page(`?seed=${seed}`);
  await pausedGame(page);
  // The preview follows the start by a tick of its own, pause or not.
  await assertShowsDesktop(page, desktopPicture('surface', { VEMO_TEST_SEED: seed }), 'the canvas');
  assert.equal(await page.locator('#caption').textContent(), 'Vemo score : 0');
  await page.context().close();
});

test('Right, held Down and Del move, drop and pause the piece', async () => {
  const page = await browser.page();
  const empty = await pausedGame(page);
  const at = async () => pieceBox(await whole(page), empty);

  const first = await at();
  assert.ok(first, 'the piece shows in the well');
  await page.waitForTimeout(1200);
  assert.deepEqual(await at(), first, 'paused: the piece stays where it is');

  await page.keyboard.press('Delete');
  await waitFor('the resume', async () => !(await paused(page)));
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Delete');
  await waitFor('the pause', () => paused(page));
  const moved = await at();
  assert.equal(moved.left - first.left, cell, 'a tap of Right moves one column');
  assert.equal(moved.right - first.right, cell);

  await page.keyboard.press('Delete');
  await page.keyboard.down('ArrowDown');
  await page.waitForTimeout(80);
  await page.keyboard.down('ArrowDown');  // the browser's repeat: a press with no release between
  await page.waitForTimeout(60);
  await page.keyboard.up('ArrowDown');
  const dropped = await at();
  await page.waitForTimeout(350);
  const after = await at();
  assert.ok(dropped.top - moved.top >= 4 * cell, `held Down drops fast (${dropped.top - moved.top} px)`);
  assert.ok(after.top - dropped.top <= cell, `and stops at its release (${after.top - dropped.top} px)`);
  await page.context().close();
});

test('the field-size dialog: an invalid number shows the error box, then a 12 x 12 snake game', async () => {
  const page = await browser.page();
  await readyScreen(page);
  await page.keyboard.press('Control+r');
  const dialog = page.locator('.window[data-kind=fieldSize]');
  await dialog.waitFor();
  await page.keyboard.type('abc');
  await page.keyboard.press('Enter');
  const error = page.locator('.window.message[data-kind=error]');
  await error.waitFor();
  assert.equal(await error.locator('.text').textContent(), "'abc' is not a valid integer value.");
  assert.equal(await error.locator('.titlebar span').textContent(), 'Vemo');
  const focused = () => page.evaluate(() => document.activeElement.id || document.activeElement.tagName);
  await page.keyboard.press('Enter');
  await error.waitFor({ state: 'detached' });
  assert.ok(await dialog.isVisible(), 'the dialog stays open after the error');
  assert.equal(await focused(), 'INPUT', 'the keyboard is back in the edit box');
  await page.keyboard.press('Control+a');
  await page.keyboard.type('12');
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });
  assert.equal(await focused(), 'screen', 'and back on the surface once the dialog has closed');
  const before = await whole(page);
  await page.keyboard.press('Shift+F1');
  await waitFor('the snake field', async () => !(await whole(page)).equals(before));
  const kept = await page.evaluate(() => { Module._vemo_keep_records(); return localStorage.getItem('vemo.data'); });
  assert.equal(kept.split('\r\n')[12], '12', 'the records file keeps the side 12');
  await page.context().close();
});

test('the records view shows the table and closes on any key', async () => {
  const page = await browser.page();
  await readyScreen(page);
  await page.click('#menubar .top[data-name=N32]');
  const view = page.locator('.window[data-kind=records]');
  await view.waitFor();
  assert.equal(await view.locator('.titlebar span').textContent(), 'Рекорды');
  const texts = await view.locator('.label').allTextContents();
  assert.deepEqual(texts.slice(0, 10), ['1', '2', '3', '4', '5', '6', '7', '8', '9', '10']);
  assert.ok(texts.slice(10, 20).every((t) => t === '----------'));
  assert.ok(texts.slice(20).every((t) => t === '0'));
  await page.keyboard.press('x');
  await view.waitFor({ state: 'detached' });
  await page.context().close();
});

test('a finished game with a high enough score asks for a name, kept after a reload', { skip: !fixtures }, async () => {
  const page = await browser.page('', execFileSync(fixtures, ['records']).toString('latin1'));
  await readyScreen(page);
  await playToRecord(page, 'Тестер');
  await page.reload();
  await readyScreen(page);
  assert.equal((await tableNames(page))[0], 'Тестер', 'the name heads the table after the reload');
  await page.context().close();
});

test('every shortcut reaches the game and none does the browser\'s own action', async () => {
  const page = await browser.page();
  await readyScreen(page);
  await page.evaluate(() => {
    window.vemoSeen = [];
    window.addEventListener('keydown', (e) => vemoSeen.push([e.code, e.ctrlKey, e.shiftKey, e.defaultPrevented]));
  });
  const keys = ['F1', 'F2', 'F3', 'F4', 'F5', 'Control+F1', 'Control+F2', 'Control+F3', 'Control+F5',
                'Shift+F1', 'Shift+F2', 'Shift+F3', 'Shift+F4', 'Shift+F5', 'Control+r', 'Control+u', 'Control+s',
                'Control+q', 'Control+c', 'Control+a', 'Control+g', 'Delete'];
  for (const key of keys) await page.keyboard.press(key);
  const seen = await page.evaluate(() => vemoSeen.filter(([code]) => !code.startsWith('Control') && !code.startsWith('Shift')));
  assert.equal(seen.length, keys.length, 'the page kept every key (nothing reloaded or left it)');
  for (const [code, ctrl, shift, prevented] of seen) assert.ok(prevented, `${ctrl ? 'Ctrl+' : ''}${shift ? 'Shift+' : ''}${code} is the game's`);
  await page.context().close();
});

test('Ctrl+R on a Russian layout (the key R typing «к») opens the field-size dialog', async () => {
  const page = await browser.page();
  await readyScreen(page);
  const cdp = await page.context().newCDPSession(page);
  const key = { modifiers: 2, key: 'к', code: 'KeyR', windowsVirtualKeyCode: 82 };
  await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', ...key });
  await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', ...key });
  await page.locator('.window[data-kind=fieldSize]').waitFor();
  await page.context().close();
});

// Headless Chromium never hides a page or takes its focus, so the browser's
// own event is sent: the page's reaction is what is tested.
test('leaving the page pauses a running game, releases held keys and keeps the records', async () => {
  const page = await browser.page();
  await readyScreen(page);
  const empty = await whole(page);
  await page.keyboard.press('F1');
  await page.evaluate(() => localStorage.removeItem('vemo.data'));
  await page.keyboard.down('ArrowDown');
  await page.evaluate(() => {
    Object.defineProperty(document, 'visibilityState', { value: 'hidden', configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  });
  await waitFor('the pause', () => paused(page));
  const kept = await page.evaluate(() => localStorage.getItem('vemo.data'));
  assert.ok(kept, 'the records file is kept at once');
  assert.equal(kept.split('\r\n').length, 41, 'the whole file: 40 lines ended by CR LF');
  const held = pieceBox(await whole(page), empty);
  await page.waitForTimeout(400);
  assert.deepEqual(pieceBox(await whole(page), empty), held, 'paused, and the drop ended with the leaving');
  await page.keyboard.up('ArrowDown');
  await page.context().close();
});

test('leaving with the about box, the records view or the field-size dialog open pauses the game under it', async () => {
  const page = await browser.page();
  await readyScreen(page);
  const dialogs = [
    ['about', () => page.click('#menubar .top[data-name=N12]'), () => page.keyboard.press('Enter')],
    ['records', () => page.click('#menubar .top[data-name=N32]'), () => page.keyboard.press('x')],
    ['fieldSize', () => page.keyboard.press('Control+r'), () => page.locator('.window[data-kind=fieldSize] .closebox').click()],
  ];
  for (const [kind, open, close] of dialogs) {
    await page.keyboard.press('F1');
    await waitFor('a running game', async () => !(await paused(page)));
    await open();
    const dialog = page.locator(`.window[data-kind=${kind}]`);
    await dialog.waitFor();
    await page.evaluate(() => window.dispatchEvent(new Event('blur')));
    await waitFor(`the pause under the ${kind} window`, () => paused(page));
    await close();
    await dialog.waitFor({ state: 'detached' });
  }
  await page.context().close();
});

// The document's and the window's listeners, and the page's elements.
async function pageFootprint(page) {
  const cdp = await page.context().newCDPSession(page);
  const listeners = async (expression) => {
    const { result } = await cdp.send('Runtime.evaluate', { expression });
    return (await cdp.send('DOMDebugger.getEventListeners', { objectId: result.objectId })).listeners.length;
  };
  const footprint = {
    document: await listeners('document'), window: await listeners('window'),
    elements: await page.evaluate(() => document.getElementsByTagName('*').length),
  };
  await cdp.detach();
  return footprint;
}

test('«Выход» starts afresh and clean: keys of the closing are dropped, nothing of the old program stays', async () => {
  const page = await browser.page();
  await readyScreen(page);
  // Keys and a menu command given during the closing wipe go nowhere.
  await markProgram(page);
  await page.keyboard.press('Control+q');
  await page.waitForTimeout(200);
  await page.keyboard.press('F1');
  await page.click('#menubar .top[data-name=N12]');
  await waitFor('the fresh start', () => startedAfresh(page), 8000);
  await readyScreen(page);
  await page.waitForTimeout(300);
  assert.equal(await page.locator('.modal-layer').count(), 0, 'no about box');
  assert.equal(await page.locator('#caption').textContent(), 'Vemo', 'no game');

  // Without the wipes (the option is read with the records file, which a
  // click on the title reads at once), the restarts are quick.
  await page.click('#menubar .top[data-name=N7]');
  await page.click('.menu .item[data-name=N31]');
  await exitAndRestart(page);
  await readyScreen(page);
  const once = await pageFootprint(page);
  for (let k = 0; k < 19; k++) {
    await clickSurface(page, 600, 380);
    await page.waitForTimeout(50);
    await exitAndRestart(page);
  }
  await readyScreen(page);
  assert.equal(await page.evaluate(() => vemoMenu.model.items.N31.checked), false,
               'each start read the option the close before it wrote');
  assert.deepEqual(await pageFootprint(page), once, 'the same listeners and elements after 20 restarts as after one');
  await page.context().close();
});

test('keys as on the desktop: shared mnemonics, editing keys in a dialog, the browser\'s own keys', async () => {
  const page = await browser.page();
  await readyScreen(page);
  // «Н» begins all five speeds: it walks them, and Enter starts the one highlighted.
  await page.keyboard.press('F10');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Enter');  // «Игра в Тетрис»
  const highlighted = () => page.evaluate(() => [...document.querySelectorAll('.menu')].pop()
    .querySelector('.item.highlighted')?.dataset.name);
  assert.equal(await highlighted(), 'N17');
  await page.keyboard.press('y');  // the key of «н»
  assert.equal(await highlighted(), 'N18');
  await page.keyboard.press('y');
  assert.equal(await highlighted(), 'N19', 'the highlight moved, nothing ran');
  assert.equal(await page.locator('#caption').textContent(), 'Vemo');
  await page.keyboard.press('Enter');
  await waitFor('the game at the third speed', async () => (await page.locator('#caption').textContent()) === 'Vemo score : 0');
  await page.keyboard.press('Delete');
  await waitFor('the pause', () => paused(page));

  // Outside the dialogs the browser keeps the keys the program does not use.
  await page.evaluate(() => {
    window.vemoBrowserKeys = [];
    window.addEventListener('keydown', (e) => { if (e.code !== 'AltLeft') vemoBrowserKeys.push([e.code, e.defaultPrevented]); });
  });
  for (const key of ['F6', 'F7', 'F11', 'F12', 'Alt+ArrowLeft', 'Alt+ArrowRight']) await page.keyboard.press(key);
  assert.deepEqual(await page.evaluate(() => vemoBrowserKeys),
                   ['F6', 'F7', 'F11', 'F12', 'ArrowLeft', 'ArrowRight'].map((code) => [code, false]));

  // In the field-size dialog the edit box keeps its editing keys; no option changes.
  const options = () => page.evaluate(() => ['N22', 'N9'].map((n) => vemoMenu.model.items[n].checked));
  const before = await options();
  await page.keyboard.press('Control+r');
  const edit = page.locator('.window[data-kind=fieldSize] input');
  await edit.waitFor();
  await edit.fill('17');
  await page.keyboard.press('Control+a');
  await page.keyboard.type('13');
  assert.equal(await edit.inputValue(), '13', 'Ctrl+A selected the text');
  await page.keyboard.press('Control+a');
  await page.keyboard.press('Control+c');
  await page.keyboard.press('End');
  await page.keyboard.press('Control+v');
  assert.equal(await edit.inputValue(), '1313', 'Ctrl+C and Ctrl+V copied it');
  assert.deepEqual(await options(), before, 'no shortcut of the program ran');
  // Enter takes the box's text as it stands: a side out of range gives the default one.
  await page.keyboard.press('Enter');
  await waitFor('the dialog closed', async () => (await edit.count()) === 0);
  await page.context().close();
});
