// Headless Chromium on the built page: a local static server, a fresh
// browser profile per launch, and helpers to read the canvas.
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { execFileSync } from 'node:child_process';
import { serve } from '../../tools/serve.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const site = process.env.VEMO_SITE ?? path.join(root, 'build-web/site');

const launchOptions = {
  executablePath: process.env.VEMO_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
         '--disable-sync', '--no-first-run', '--disable-quic'],
};

// A browser with a profile in `dir`, as a player's is: not the private one
// of browser.newContext(), which Chromium never lets install a page.
export function persistentContext(dir, options = {}) {
  return chromium.launchPersistentContext(dir, { ...launchOptions, viewport: { width: 800, height: 620 }, ...options });
}

// `url`: a page served elsewhere (the benchmark's own server process);
// without it, a server in this process serves the built page.
export async function start(url = null) {
  const server = url ? null : await serve(site);
  const browser = await chromium.launch(launchOptions);
  url ??= `http://127.0.0.1:${server.address().port}/`;
  const open = async (made, query) => {
    const page = await made.newPage();
    await page.goto(url + query);
    return page;
  };
  // A fresh profile; `records`: the records file the origin keeps before the
  // first visit; `options`: the context's own (the viewport is the screen's size too).
  async function context(records = null, options = {}) {
    const made = await browser.newContext({ viewport: { width: 800, height: 620 }, ...options });
    made.on('page', (page) => {
      page.on('pageerror', (e) => console.error('page error:', e));
      page.on('console', (m) => { if (m.type() === 'error') console.error('console:', m.text()); });
    });
    if (records !== null) {
      // A file of the same origin without the program.
      const page = await made.newPage();
      await page.goto(url + 'fonts/fonts-liberation2.copyright');
      await page.evaluate((bytes) => localStorage.setItem('vemo.data', bytes), records);
      await page.close();
    }
    return made;
  }
  return {
    url, browser, context,
    // The page in a fresh profile; `screen`: the size of the viewport, which is the screen's too.
    async page(query = '', records = null, screen = { width: 800, height: 620 }) {
      return open(await context(records, { viewport: screen }), query);
    },
    // A further tab of the page in `made`.
    async open(made, query = '') {
      return open(made, query);
    },
    async stop() { await browser.close(); server?.close(); },
  };
}

// The canvas's RGBA bytes inside a rectangle, read in one go.
export async function canvasPixels(page, x, y, w, h) {
  const encoded = await page.evaluate(([x, y, w, h]) => {
    const data = document.getElementById('screen').getContext('2d').getImageData(x, y, w, h).data;
    let binary = '';
    for (let i = 0; i < data.length; i += 0x8000) binary += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    return btoa(binary);
  }, [x, y, w, h]);
  return Buffer.from(encoded, 'base64');
}

export async function pixel(page, x, y) {
  const d = await canvasPixels(page, x, y, 1, 1);
  return [d[0], d[1], d[2]];
}

// A click on the surface at a surface pixel.
export async function clickSurface(page, x, y) {
  const box = await page.locator('#screen').boundingBox();
  await page.mouse.click(box.x + x + 0.5, box.y + y + 0.5);
}

export const title = [239, 239, 239];  // the window's own colour under the title

export async function whole(page) { return canvasPixels(page, 0, 0, 639, 476); }

// The desktop build's picture (vemo_web_fixtures MODE, the program built by
// the desktop build: build/tests/vemo_web_fixtures) as RGB bytes.
export function desktopPicture(mode, env = {}) {
  const ppm = execFileSync(process.env.VEMO_WEB_FIXTURES, [mode],
                           { env: { ...process.env, ...env }, stdio: ['ignore', 'pipe', 'ignore'] });
  return ppm.subarray('P6\n639 476\n255\n'.length);
}

const well = { x: 51, y: 40, w: 150, h: 375 };  // inside the well's frame, whose pattern runs
export const cell = 15;

// The box of well pixels that differ from `empty`: the piece in play.
export function pieceBox(now, empty) {
  let box = null;
  for (let y = well.y; y < well.y + well.h; y++) {
    for (let x = well.x; x < well.x + well.w; x++) {
      const i = (y * 639 + x) * 4;
      if (now[i] === empty[i] && now[i + 1] === empty[i + 1] && now[i + 2] === empty[i + 2]) continue;
      box ??= { left: x, top: y, right: x, bottom: y };
      box.left = Math.min(box.left, x); box.right = Math.max(box.right, x);
      box.top = Math.min(box.top, y); box.bottom = Math.max(box.bottom, y);
    }
  }
  return box;
}

// Whether the game is paused: «Пауза» checked in the menu's model.
export const paused = (page) => page.evaluate(() => vemoMenu.model.items.N4.checked);

export async function waitFor(what, check, timeoutMs = 5000) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const value = await check();
    if (value) return value;
    if (Date.now() > end) assert.fail(`timed out waiting for ${what}`);
    await new Promise((r) => setTimeout(r, 20));
  }
}

// Past the title: a click (or `press`, a tap), the wipe that uncovers the
// background, and the well's frame drawn a quarter second later.
export async function readyScreen(page, press = clickSurface) {
  await waitFor('the title layer', async () => (await canvasPixels(page, 1, 1, 1, 1))[0] === title[0]);
  await press(page, 600, 380);
  const uncovered = async (x, y) => (await canvasPixels(page, x, y, 1, 1))[0] !== title[0];
  // Odd rows are uncovered from the left, even rows from the right: these last.
  await waitFor('the wipe', async () => (await uncovered(638, 1)) && (await uncovered(0, 474)), 8000);
  // The frame's colour in the left wall: the ready screen is complete.
  await waitFor('the well', async () => {
    const wall = await canvasPixels(page, 45, 100, 6, 100);
    for (let i = 0; i < wall.length; i += 4) if (wall[i] === 220 && wall[i + 1] === 205 && wall[i + 2] === 152) return true;
    return false;
  });
}

// A falling-block game at speed 5 played to its end with every piece dropped
// at once; the score (the records fixture's table is low) asks for `name`,
// and the records view shown then is closed.
export async function playToRecord(page, name) {
  await page.keyboard.press('F5');
  const over = page.locator('.window.message[data-kind=information]');
  while (!(await over.isVisible())) {
    await page.keyboard.down('ArrowDown');
    await page.waitForTimeout(250);
    await page.keyboard.up('ArrowDown');
  }
  await page.keyboard.press('Enter');
  await page.locator('.window[data-kind=name]').waitFor();
  await page.keyboard.type(name);
  await page.keyboard.press('Enter');
  const view = page.locator('.window[data-kind=records]');
  await view.waitFor();
  await page.keyboard.press('x');
  await view.waitFor({ state: 'detached' });
}

// The records view's names and scores, top first; the view is closed again.
export async function recordsTable(page) {
  await page.click('#menubar .top[data-name=N32]');
  const view = page.locator('.window[data-kind=records]');
  await view.waitFor();
  const texts = await view.locator('.label').allTextContents();
  await page.keyboard.press('x');
  await view.waitFor({ state: 'detached' });
  return { names: texts.slice(10, 20), scores: texts.slice(20, 30) };
}
export async function tableNames(page) {
  return (await recordsTable(page)).names;
}

// Whether the program that ran when `markProgram` was called has been followed
// by a fresh start: each start builds its menu bar anew.
export async function markProgram(page) {
  await page.evaluate(() => { document.querySelector('#menubar .top').dataset.marked = ''; });
}
export function startedAfresh(page) {
  return page.evaluate(() => {
    const top = document.querySelector('#menubar .top');
    return top !== null && !('marked' in top.dataset);
  });
}

// «Выход»: the closing sequence, then the program's fresh start.
export async function exitAndRestart(page) {
  await markProgram(page);
  await page.keyboard.press('Control+q');
  await waitFor('the fresh start', () => startedAfresh(page), 8000);
}
