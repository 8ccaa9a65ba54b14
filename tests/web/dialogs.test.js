// The page's modal windows against the desktop's: the size of each window's
// client area, its place relative to the main window's client area (menu bar
// and surface), and the places inside a message box. The numbers were
// measured on the desktop build on a 1280 x 1024 X server with its window
// manager (xwininfo, and Qt's own widget geometry inside the boxes); the page
// runs in a viewport of that size, which is also its screen.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { start, readyScreen, waitFor } from './browser.js';

const fixtures = process.env.VEMO_WEB_FIXTURES;  // build/tests/vemo_web_fixtures
const screen = { width: 1280, height: 1024 };

let browser;
before(async () => { browser = await start(); });
after(async () => { await browser?.stop(); });

// [x, y, width, height] of the element, x and y from `origin`'s top-left.
async function boxOf(locator, origin) {
  const [o, b] = await Promise.all([origin.boundingBox(), locator.boundingBox()]);
  return [b.x - o.x, b.y - o.y, b.width, b.height];
}

// The client area's size and place, from the main window's client area.
async function clientOf(page, window) {
  return boxOf(window.locator('.client'), page.locator('#menubar'));
}

// The icon's, the text's and the button's boxes in the box's client area.
async function insideOf(box) {
  const client = box.locator('.client');
  return Promise.all(['.icon', '.text', '.button'].map((part) => boxOf(box.locator(part), client)));
}

// The error box for a typed side: its client area and what is inside it.
async function errorFor(page, typed) {
  await page.keyboard.press('Control+r');
  const dialog = page.locator('.window[data-kind=fieldSize]');
  await dialog.waitFor();
  await page.locator('.window[data-kind=fieldSize] input').fill(typed);
  await page.keyboard.press('Enter');
  const box = page.locator('.window.message[data-kind=error]');
  await box.waitFor();
  const measured = { client: await clientOf(page, box), inside: await insideOf(box) };
  await page.keyboard.press('Enter');
  await box.waitFor({ state: 'detached' });
  await page.locator('.window[data-kind=fieldSize] input').fill('12');
  await page.keyboard.press('Enter');
  await dialog.waitFor({ state: 'detached' });
  return measured;
}

test('the about box, the records view and the field-size dialog: the desktop\'s sizes and places', async () => {
  const page = await browser.page('', null, screen);
  await readyScreen(page);
  // The main window itself, centred on the screen as the desktop centres it.
  const main = await page.locator('#menubar').boundingBox();
  assert.deepEqual([main.x, main.y], [320, 274]);
  const open = async (what, kind, closeKey) => {
    await what();
    const window = page.locator(`.window[data-kind=${kind}]`);
    await window.waitFor();
    const client = await clientOf(page, window);
    if (closeKey) {
      await page.keyboard.press(closeKey);
      await window.waitFor({ state: 'detached' });
    }
    return client;
  };
  assert.deepEqual(await open(() => page.click('#menubar .top[data-name=N12]'), 'about', 'Enter'), [177, 132, 285, 230]);
  assert.deepEqual(await open(() => page.click('#menubar .top[data-name=N32]'), 'records', 'x'), [198, 92, 244, 311]);
  assert.deepEqual(await open(() => page.keyboard.press('Control+r'), 'fieldSize'), [267, 202, 105, 91]);
  await page.context().close();
});

test('error boxes: one line, wrapped lines and a word cut at the hard limit, as the desktop lays them out', async () => {
  const page = await browser.page('', null, screen);
  await readyScreen(page);
  // "'abc' is not a valid integer value."
  assert.deepEqual(await errorFor(page, 'abc'), {
    client: [185, 205, 269, 84],
    inside: [[11, 11, 32, 32], [62, 11, 196, 14], [178, 49, 80, 24]],
  });
  // Wider than the soft limit of 500: wrapped into two lines.
  const two = 'abc def ghi jkl mno pqr stu vwx yz abc def ghi jkl mno pqr stu vwx yz abc def ghi jkl mno pqr';
  assert.deepEqual(await errorFor(page, two), {
    client: [70, 204, 500, 86],
    inside: [[11, 11, 32, 32], [62, 11, 427, 28], [409, 51, 80, 24]],
  });
  const three = 'Long text: one two three four five six seven eight nine ten eleven twelve thirteen fourteen ' +
    'fifteen sixteen seventeen eighteen nineteen twenty twenty-one twenty-two';
  assert.deepEqual(await errorFor(page, three), {
    client: [70, 197, 500, 100],
    inside: [[11, 11, 32, 32], [62, 11, 427, 42], [409, 65, 80, 24]],
  });
  // One word wider than the hard limit of 800 (1280 less 480): cut at the text's edge.
  assert.deepEqual(await errorFor(page, 'w'.repeat(138)), {
    client: [-80, 204, 800, 86],
    inside: [[11, 11, 32, 32], [62, 11, 727, 28], [709, 51, 80, 24]],
  });
  await page.context().close();
});

test('the cheat warning on a changed records file', { skip: !fixtures }, async () => {
  const lines = execFileSync(fixtures, ['records']).toString('latin1').split('\r\n');
  lines[lines.indexOf('-1')] = '-2';  // a score the file's check no longer covers
  const page = await browser.page('', lines.join('\r\n'), screen);
  const box = page.locator('.window.message[data-kind=warning]');
  await box.waitFor();
  assert.equal(await box.locator('.text').textContent(), 'Внимание!!! Засечён ЛАМЕР все рекорды анулированы.');
  assert.deepEqual(await clientOf(page, box), [106, 205, 428, 84]);
  assert.deepEqual(await insideOf(box), [[11, 11, 32, 32], [62, 11, 355, 14], [337, 49, 80, 24]]);
  await page.context().close();
});

test('a finished game: the information box and the name entry', { skip: !fixtures }, async () => {
  const page = await browser.page('?seed=4242', execFileSync(fixtures, ['records']).toString('latin1'), screen);
  await readyScreen(page);
  await page.keyboard.press('F5');
  const over = page.locator('.window.message[data-kind=information]');
  // Every piece dropped at once until the pile reaches the top: no row fills.
  await waitFor('the end of the game', async () => {
    if (await over.isVisible()) return true;
    await page.keyboard.down('ArrowDown');
    await page.waitForTimeout(250);
    await page.keyboard.up('ArrowDown');
    return false;
  }, 120000);
  assert.equal(await over.locator('.text').textContent(), 'Игра окончена, игрок набрал 0 очков');
  assert.deepEqual(await clientOf(page, over), [164, 205, 311, 84]);
  await page.keyboard.press('Enter');
  const name = page.locator('.window[data-kind=name]');
  await name.waitFor();
  assert.deepEqual(await clientOf(page, name), [218, 213, 204, 68]);
  await page.context().close();
});
