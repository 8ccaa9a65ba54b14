// The records the page keeps for its address: one live game for all its
// tabs, every failed store told as the desktop tells a failed write, and
// kept values of any size up to the records file's limit.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { start, readyScreen, waitFor, playToRecord, tableNames, markProgram, startedAfresh, exitAndRestart } from './browser.js';

const fixtures = process.env.VEMO_WEB_FIXTURES;  // build/tests/vemo_web_fixtures
const mebibyte = 1024 * 1024;

let browser;
before(async () => { browser = await start(); });
after(async () => { await browser?.stop(); });

const waiting = (page) => page.evaluate(() => !document.getElementById('elsewhere').hidden);
const kept = (page) => page.evaluate(() => localStorage.getItem('vemo.data'));

// The page as the browser hides it, or shows it again.
async function setHidden(page, hidden) {
  await page.evaluate((state) => {
    Object.defineProperty(document, 'visibilityState', { value: state, configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  }, hidden ? 'hidden' : 'visible');
}

async function errorBox(page) {
  const box = page.locator('.window.message[data-kind=error]');
  await box.waitFor();
  return box.locator('.text').textContent();
}

async function closeErrorBox(page) {
  await page.keyboard.press('Enter');
  await page.locator('.window.message').waitFor({ state: 'detached' });
}

// Lines after the table, which the program carries over unchanged: `size`
// bytes (at least a thousand), each line ended by CR LF.
function tail(size) {
  const lines = Math.floor(size / 1000);
  return ('x'.repeat(998) + '\r\n').repeat(lines - 1) + 'y'.repeat(998 + size % 1000) + '\r\n';
}

test('two tabs: one game, handed over with its records, and a waiting tab starts when the other closes', { skip: !fixtures }, async () => {
  // The kept table is followed by a long tail, which every store carries whole.
  const records = execFileSync(fixtures, ['records']).toString('latin1') + tail(880 * 1024);
  const context = await browser.context(records);
  const first = await browser.open(context);
  await readyScreen(first);
  const second = await browser.open(context);
  await waitFor('the notice in the second tab', () => waiting(second));
  assert.equal(await second.locator('#elsewhere p').textContent(), 'Vemo уже открыта в другой вкладке.');
  assert.equal(await second.evaluate(() => document.querySelector('#menubar').childElementCount), 0,
               'no second program runs');

  await playToRecord(first, 'Первый');
  // The second tab takes the game: the first keeps its records and waits.
  await second.click('#elsewhere button');
  await waitFor('the notice in the first tab', () => waiting(first));
  await readyScreen(second);
  assert.equal((await tableNames(second))[0], 'Первый', 'the record made in the first tab');
  assert.ok((await kept(second)).endsWith(tail(880 * 1024)), 'the tail kept whole');

  // And back: «Выход» in the first restarts it there; the second only waits.
  await first.click('#elsewhere button');
  await waitFor('the notice in the second tab', () => waiting(second));
  await readyScreen(first);
  await exitAndRestart(first);
  await readyScreen(first);
  assert.equal((await tableNames(first))[0], 'Первый');

  // Closing the first lets the second start by itself, with the record.
  await first.close();
  await waitFor('the second tab\'s own start', async () => !(await waiting(second)));
  await readyScreen(second);
  assert.equal((await tableNames(second))[0], 'Первый');
  await exitAndRestart(second);
  await second.close();
  const third = await browser.open(context);
  await readyScreen(third);
  assert.equal((await tableNames(third))[0], 'Первый', 'the record outlives both tabs');
  await context.close();
});

test('a store the browser refuses is told: at a close, and on return to a page hidden meanwhile', async () => {
  const context = await browser.context();
  const page = await browser.open(context);
  await readyScreen(page);
  await page.evaluate(() => {
    window.vemoSetItem = Storage.prototype.setItem;
    Storage.prototype.setItem = () => { throw new DOMException('The quota has been exceeded.', 'QuotaExceededError'); };
  });
  // A hidden page's store fails quietly; the player hears of it on coming back.
  await setHidden(page, true);
  await setHidden(page, false);
  assert.equal(await errorBox(page), 'Cannot create file data.');
  await closeErrorBox(page);

  // The first close that cannot write keeps the window; the next one is told and lets go.
  await markProgram(page);
  await page.keyboard.press('Control+q');
  assert.equal(await errorBox(page), 'Cannot create file data.');
  await closeErrorBox(page);
  await page.waitForTimeout(300);
  assert.ok(!(await startedAfresh(page)), 'the window stays after the first failure');
  await page.keyboard.press('Control+q');
  assert.equal(await errorBox(page), 'Cannot create file data.');
  await closeErrorBox(page);
  await waitFor('the fresh start', () => startedAfresh(page), 8000);

  // A later store that succeeds leaves nothing to tell.
  await readyScreen(page);
  await page.evaluate(() => { Storage.prototype.setItem = window.vemoSetItem; });
  await setHidden(page, true);
  await setHidden(page, false);
  await page.waitForTimeout(300);
  assert.equal(await page.locator('.window.message').count(), 0);
  assert.ok(await kept(page), 'kept this time');
  await context.close();
});

test('storage switched off: the records file cannot be opened, nor created at the close', async () => {
  const context = await browser.context();
  await context.addInitScript(() => {
    Object.defineProperty(window, 'localStorage', {
      get() { throw new DOMException('Access is denied for this document.', 'SecurityError'); },
    });
  });
  const page = await browser.open(context);
  assert.equal(await errorBox(page), 'Cannot open file data.');
  await closeErrorBox(page);
  // The start-up ends there, as the desktop's does: the title stays, and «Выход» cannot write.
  await page.keyboard.press('Control+q');
  assert.equal(await errorBox(page), 'Cannot create file data.');
  await context.close();
});

test('kept values up to 1 MiB are read and written; a larger one is not opened and stays', { skip: !fixtures }, async () => {
  const table = execFileSync(fixtures, ['records']).toString('latin1');
  // Exactly the limit: read, and written back whole at the close (its table
  // scrambled anew, so not always to the byte as long).
  const whole = table + tail(mebibyte - table.length);
  let context = await browser.context(whole);
  let page = await browser.open(context);
  await readyScreen(page);
  assert.equal((await tableNames(page))[0], 'Пусто', 'the table of a 1 MiB file');
  await exitAndRestart(page);
  const written = await kept(page);
  assert.ok(written.endsWith(tail(mebibyte - table.length)), 'the lines after the table kept');
  assert.notEqual(written.slice(0, 100), whole.slice(0, 100), 'the table written anew');
  await context.close();

  // One byte more is no records file: told, and left as it is by the start.
  const over = whole + 'z';
  context = await browser.context(over);
  page = await browser.open(context);
  assert.equal(await errorBox(page), 'Cannot open file data.');
  await closeErrorBox(page);
  await page.waitForTimeout(1500);
  assert.equal(await kept(page), over);
  await context.close();
});
