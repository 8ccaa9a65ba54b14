// Records to and from the desktop: «Загрузить рекорды» reads a picked file
// as the program reads its records file, «Скачать рекорды» saves the kept
// one as "data".
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { start, readyScreen, waitFor, clickSurface, markProgram, startedAfresh, recordsTable } from './browser.js';

const golden = fs.readFileSync(path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../golden/records_file.bin'));
// What the golden file holds (tests/support/golden_records.h): its table, flags and side.
const goldenNames = ['Вася', 'abc', 'Ёж', '', 'Петя Иванов', 'z', '----------', 'Ю', 'x y', '----------'];
const goldenScores = ['9849', '9700', '9000', '9000', '5000', '4321', '100', '1', '1', '0'];
const goldenFlags = { N8: true, N9: false, N22: true, N34: true, N35: false, N11: true, N31: false };
const cheatWarning = 'Внимание!!! Засечён ЛАМЕР все рекорды анулированы.';

let browser;
before(async () => { browser = await start(); });
after(async () => { await browser?.stop(); });

const kept = (page) => page.evaluate(() => localStorage.getItem('vemo.data'));
const paused = (page) => page.evaluate(() => vemoMenu.model.items.N4.checked);

async function loadFile(page, file) {
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('#page-commands >> text=Загрузить рекорды')]);
  await chooser.setFiles({ name: 'data', mimeType: 'application/octet-stream', buffer: file });
}


async function messageText(page) {
  const box = page.locator('.window.message');
  await box.waitFor();
  const text = await box.locator('.text').textContent();
  await page.keyboard.press('Enter');
  await box.waitFor({ state: 'detached' });
  return text;
}

test('the desktop\'s records file, loaded during a game, becomes the kept file; saved, it gives the kept bytes', async () => {
  const page = await browser.page();
  await readyScreen(page);
  await page.keyboard.press('F1');
  await markProgram(page);
  await loadFile(page, golden);
  await waitFor('the fresh start', () => startedAfresh(page), 8000);
  assert.ok(Buffer.from(await kept(page), 'latin1').equals(golden), 'the file kept as it is');
  // The start-up reads it (the golden file switches the wipe off).
  await clickSurface(page, 600, 380);
  await waitFor('the options read', () => page.evaluate(() => !vemoMenu.model.items.N31.checked));
  assert.deepEqual(await recordsTable(page), { names: goldenNames, scores: goldenScores });
  assert.deepEqual(await page.evaluate((names) => Object.fromEntries(names.map((n) => [n, vemoMenu.model.items[n].checked])),
                                       Object.keys(goldenFlags)), goldenFlags);

  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#page-commands >> text=Скачать рекорды')]);
  assert.equal(download.suggestedFilename(), 'data');
  const saved = fs.readFileSync(await download.path());
  assert.ok(saved.equals(Buffer.from(await kept(page), 'latin1')), 'the kept bytes, to the byte');
  // Written anew from the table (fresh keys), with the same plain scores, flags and side.
  const lines = saved.toString('latin1').split('\r\n');
  assert.deepEqual(lines.slice(15, 25), goldenScores);
  assert.deepEqual(lines.slice(11, 13), ['1011010', '17']);
  await page.context().close();
});

test('saved before anything is kept, the file is a new player\'s, and kept from then on', async () => {
  const page = await browser.page();
  // On the title layer, before the program has read (or kept) any file.
  await page.locator('#page-commands button:not([disabled])').first().waitFor();
  assert.equal(await kept(page), null);
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#page-commands >> text=Скачать рекорды')]);
  const saved = fs.readFileSync(await download.path());
  const lines = saved.toString('latin1').split('\r\n');
  assert.deepEqual(lines.slice(11, 13), ['1110111', '15'], 'the options of a new window, the default side');
  assert.deepEqual(lines.slice(15, 25), Array(10).fill('0000'), 'the built-in table');
  assert.ok(saved.equals(Buffer.from(await kept(page), 'latin1')));
  await page.context().close();
});

test('a file that does not load is told with the program\'s message, and the kept file and table stay', async () => {
  const page = await browser.page('', golden.toString('latin1'));
  await readyScreen(page);
  await page.keyboard.press('F1');
  await markProgram(page);

  const changed = Buffer.from(golden);
  changed[changed.indexOf('9849')] = '8'.charCodeAt(0);  // a score changed by hand
  const lines = golden.toString('latin1').split('\r\n');
  lines[12] = 'x7';
  const notANumber = Buffer.from(lines.join('\r\n'), 'latin1');
  const tooLarge = Buffer.concat([golden, Buffer.alloc(1024 * 1024 + 1 - golden.length, 'y')]);
  for (const [file, message] of [[changed, cheatWarning], [notANumber, '\'x7\' is not a valid integer value.'],
                                 [tooLarge, 'Cannot open file data.']]) {
    await loadFile(page, file);
    assert.equal(await messageText(page), message);
    assert.ok(await paused(page), 'the game paused first');
    assert.ok(Buffer.from(await kept(page), 'latin1').equals(golden), 'the kept file untouched');
    await page.keyboard.press('Delete');
    await waitFor('the resume', async () => !(await paused(page)));
  }
  assert.ok(!(await startedAfresh(page)), 'the same program runs on');
  assert.deepEqual(await recordsTable(page), { names: goldenNames, scores: goldenScores });
  await page.context().close();
});

test('a tab waiting for the game offers no command that would touch its records', async () => {
  const context = await browser.context(golden.toString('latin1'));
  const first = await browser.open(context);
  await readyScreen(first);
  const second = await browser.open(context);
  await waitFor('the notice', () => second.evaluate(() => !document.getElementById('elsewhere').hidden));
  const enabled = (page) => page.locator('#page-commands button').evaluateAll((buttons) => buttons.map((b) => !b.disabled));
  assert.deepEqual(await enabled(second), [false, false]);
  assert.deepEqual(await enabled(first), [true, true]);
  await context.close();
});
