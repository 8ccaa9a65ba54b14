// The page installed and played offline: Chromium finds nothing against
// installing it, a visited page opens and plays with no network, and a new
// build replaces the kept files only as a whole.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { start, site, persistentContext, readyScreen, canvasPixels, waitFor } from './browser.js';
import { serve } from '../../tools/serve.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const iconBorder = { 192: 6, 512: 16 };  // 60 pixels times 3 and 8, centred

let browser;
before(async () => { browser = await start(); });
after(async () => { await browser?.stop(); });

const workerReady = (page) => page.evaluate(async () => (await navigator.serviceWorker.ready).active.state);
const cacheNames = (page) => page.evaluate(() => caches.keys());

function scratch(t) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vemo-offline-'));
  t.after(() => fs.rmSync(dir, { recursive: true, force: true }));
  return dir;
}

test('installable: no installability errors, a standalone manifest, icons of the program picture', async (t) => {
  const context = await persistentContext(scratch(t));
  t.after(() => context.close());
  const page = context.pages()[0];
  await page.goto(browser.url);
  await workerReady(page);
  const cdp = await context.newCDPSession(page);
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  const { data, errors } = await cdp.send('Page.getAppManifest');
  assert.deepEqual(errors, []);
  const manifest = JSON.parse(data);
  assert.equal(manifest.name, 'Vemo');
  assert.equal(manifest.short_name, 'Vemo');
  assert.equal(manifest.display, 'standalone');
  assert.deepEqual(manifest.icons.map((icon) => icon.sizes), ['192x192', '512x512']);

  // The about box's picture, then each icon: that picture in whole pixels, on a clear square.
  await page.click('#menubar .top[data-name=N12]');
  const picture = await page.locator('.window[data-kind=about] canvas.picture').evaluate(
    (canvas) => Array.from(canvas.getContext('2d').getImageData(0, 0, 60, 60).data));
  await page.keyboard.press('Enter');
  for (const icon of manifest.icons) {
    const size = Number(icon.sizes.split('x')[0]);
    const pixels = await page.evaluate(async ([src, size]) => {
      const bitmap = await createImageBitmap(await (await fetch(src)).blob());
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      const ctx = canvas.getContext('2d');
      ctx.drawImage(bitmap, 0, 0);
      return [bitmap.width, bitmap.height, Array.from(ctx.getImageData(0, 0, size, size).data)];
    }, [icon.src, size]);
    assert.deepEqual(pixels.slice(0, 2), [size, size], icon.src);
    const rgba = pixels[2];
    const border = iconBorder[size], factor = (size - 2 * border) / 60;
    let wrong = 0;
    for (let y = 0; y < size; y++) {
      for (let x = 0; x < size; x++) {
        const i = (y * size + x) * 4;
        const px = Math.floor((x - border) / factor), py = Math.floor((y - border) / factor);
        const inside = px >= 0 && py >= 0 && px < 60 && py < 60;
        const want = inside ? [...picture.slice((py * 60 + px) * 4, (py * 60 + px) * 4 + 3), 255] : [undefined, undefined, undefined, 0];
        if (rgba[i + 3] !== want[3] || (inside && (rgba[i] !== want[0] || rgba[i + 1] !== want[1] || rgba[i + 2] !== want[2]))) wrong++;
      }
    }
    assert.equal(wrong, 0, `${icon.src}: pixels other than the program picture's`);
  }
});

test('once visited, the page opens and plays with no network', async () => {
  const context = await browser.context();
  const page = await browser.open(context);
  await readyScreen(page);
  await workerReady(page);
  await context.setOffline(true);
  await page.reload();
  assert.ok(await page.evaluate(() => fetch('absent.txt').then(() => false, () => true)), 'the network is gone');
  await readyScreen(page);
  const well = () => canvasPixels(page, 51, 40, 150, 375);
  const empty = await well();
  await page.keyboard.press('F1');
  await waitFor('the first piece in the well', async () => !(await well()).equals(empty));
  await context.close();
});

test('a new build takes over whole once the last page of the old one has closed; a mixed one never', async (t) => {
  // A copy of the page, changed as a new build would change it.
  const dir = scratch(t);
  fs.cpSync(site, dir, { recursive: true });
  const server = await serve(dir);
  t.after(() => server.close());
  const url = `http://127.0.0.1:${server.address().port}/`;
  const writeWorker = () => execFileSync('cmake', [`-DSITE=${dir}`, `-DWORKER=${path.join(root, 'web/sw.js')}`,
                                                  '-P', path.join(root, 'cmake/ServiceWorker.cmake')]);
  const context = await browser.context();
  const first = await context.newPage();
  await first.goto(url);
  await workerReady(first);
  // Served by the worker from now on (a first visit's page is the network's).
  await first.reload();
  assert.ok(await first.evaluate(() => navigator.serviceWorker.controller !== null));
  const [old] = await cacheNames(first);
  const served = async (page) => page.evaluate(() => fetch('index.html').then((r) => r.text()));
  const original = fs.readFileSync(path.join(dir, 'index.html'), 'utf8');

  // A build whose file the server has already replaced again: its worker
  // finds a file that is not its build's, and never installs.
  const licence = path.join(dir, 'fonts/fonts-liberation2.copyright');
  fs.appendFileSync(licence, '\nchanged\n');
  writeWorker();
  fs.appendFileSync(licence, '\nchanged again\n');
  await first.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()).catch(() => {}));
  await first.waitForTimeout(500);
  assert.deepEqual(await first.evaluate(async () => {
    const r = await navigator.serviceWorker.getRegistration();
    return [r.installing, r.waiting].map((w) => w?.state ?? null);
  }), [null, null], 'the mixed build\'s worker is gone');
  assert.deepEqual(await cacheNames(first), [old]);

  // A whole new build: it waits while a page of the old one is open, and that page's files stay the old ones.
  fs.appendFileSync(path.join(dir, 'index.html'), '<!-- build 2 -->\n');
  writeWorker();
  await first.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
  await waitFor('the new build\'s worker installed', () => first.evaluate(
    async () => (await navigator.serviceWorker.getRegistration()).waiting !== null));
  const second = await context.newPage();
  await second.goto(url);
  assert.equal(await served(second), original, 'a page opened meanwhile is still the old build\'s');
  await first.close();
  await second.close();

  const third = await context.newPage();
  await waitFor('the new build serving', async () => {
    await third.goto(url);
    return (await served(third)).endsWith('<!-- build 2 -->\n');
  }, 8000);
  const names = await cacheNames(third);
  assert.equal(names.length, 1, 'the old build\'s files are gone');
  assert.notEqual(names[0], old);
  await context.close();
});
