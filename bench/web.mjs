// Measurements of the page in headless Chromium (figures in the README):
//   node bench/web.mjs [runs]      after bash tools/web.sh --build (npm ci in tests/web first)
// - the bytes of a first visit: every file the page loads, and every further
//   file its service worker keeps for offline play (and the worker itself),
//   each once, at its gzip -9 size (the worker's check of a file the page
//   already has is answered by its tag alone);
// - navigation to the title layer on the canvas, and to the first frame that
//   shows it (medians of `runs` first visits and as many returns), each beside
//   the floor page's (bench/floor/page), loads alternated, and their ratios;
// - an Up press to the canvas pixels it changes, and the fall period at speed 5;
// - the page's main-thread CPU idle at the ready screen and during a game at speed 5;
// - what keeping the records takes when the page is hidden or closed: a full
//   table, and a file of the 1 MiB limit;
// - on a phone, a touch of the on-screen «Вверх» to the canvas pixels it changes.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { start, clickSurface, site } from '../tests/web/browser.js';

const runs = Number(process.argv[2] ?? 9);
const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };
const percentile = (xs, p) => { const s = [...xs].sort((a, b) => a - b); return s[Math.min(s.length - 1, Math.floor(s.length * p))]; };
const fmt = (x) => x.toFixed(2);

// Notes the time of every canvas update, and for each whether the piece in
// the well moved (the box of pixels differing from the empty well).
const probe = () => {
  const put = CanvasRenderingContext2D.prototype.putImageData;
  window.benchPuts = [];
  window.benchFalls = [];
  let lastTop = null;
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    put.apply(this, args);
    const now = performance.now();
    benchPuts.push(now);
    // The frame that first shows the canvas: the browser paints only after the
    // program hands control back, so this is when a player sees the title.
    if (benchPuts.length === 1) requestAnimationFrame(() => { window.benchFirstFrame = performance.now(); });
    if (!window.benchEmpty) return;
    const data = this.getImageData(51, 40, 150, 375).data;
    let top = null;
    for (let i = 0; i < data.length && top === null; i += 4) {
      if (data[i] !== benchEmpty[i] || data[i + 1] !== benchEmpty[i + 1] || data[i + 2] !== benchEmpty[i + 2]) top = Math.floor(i / 4 / 150);
    }
    if (top !== null && lastTop !== null && top > lastTop) benchFalls.push(now);
    lastTop = top;
  };
};

async function cpuShare(page, ms) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Performance.enable');
  const busy = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  const before = await busy();
  const t0 = Date.now();
  await page.waitForTimeout(ms);
  const after = await busy();
  return (after - before) / ((Date.now() - t0) / 1000) * 100;
}

async function readyScreen(page) {
  await page.waitForFunction(() => window.benchPuts?.length > 0);
  await clickSurface(page, 600, 380);
  await page.waitForTimeout(2000);
}

// The page is served by its own server process, as tools/web.sh serves it,
// so that driving the browser does not hold up the responses.
const server = spawn(process.execPath, [new URL('../tools/serve.mjs', import.meta.url).pathname, site, '0'],
                     { stdio: ['ignore', 'pipe', 'inherit'] });
const [address] = await once(server.stdout, 'data');
const browser = await start(String(address).match(/http:\S+/)[0]);
try {
  // First visit: what is fetched, compressed as a server would (the page's
  // address is its index.html).
  const page = await (await browser.context()).newPage();
  const sizes = new Map();
  page.on('response', async (response) => {
    const file = new URL(response.url()).pathname.replace(/\/$/, '/index.html');
    try { sizes.set(file, zlib.gzipSync(await response.body(), { level: 9 }).length); } catch {}
  });
  await page.goto(browser.url);
  await page.waitForTimeout(1500);
  const pageTotal = [...sizes.values()].reduce((a, b) => a + b, 0);
  // What the worker fetched is not among the page's responses: its files, as
  // its cache holds them, and its own script.
  const kept = await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    const names = await caches.keys();
    const cache = await caches.open(names[0]);
    return (await cache.keys()).map((request) => new URL(request.url).pathname);
  });
  for (const file of [...kept, '/sw.js']) {
    if (!sizes.has(file)) sizes.set(file, zlib.gzipSync(fs.readFileSync(path.join(site, file)), { level: 9 }).length);
  }
  let total = 0;
  console.log('First visit, gzip -9 bytes:');
  for (const [file, size] of [...sizes].sort()) { console.log(`  ${file.padEnd(40)} ${size}`); total += size; }
  console.log(`  the page's own files: ${pageTotal} bytes (${(pageTotal / 1024).toFixed(0)} KiB)`);
  console.log(`  total with the service worker's: ${total} bytes (${(total / 1024).toFixed(0)} KiB)`);
  await page.context().close();

  // Navigation to the title layer: the first canvas update, from the
  // navigation's start. A first visit, in a fresh profile, and then a return
  // to the page (the records kept; the files come from the service worker
  // once it has kept them, else from the server, revalidated by their tags).
  // The floor page (bench/floor/page), served the same way, is loaded in turn
  // with the game's, so both see the same machine.
  const floorServer = spawn(process.execPath, [new URL('../tools/serve.mjs', import.meta.url).pathname,
                                               new URL('floor/page', import.meta.url).pathname, '0'],
                            { stdio: ['ignore', 'pipe', 'inherit'] });
  const floorUrl = String((await once(floorServer.stdout, 'data'))[0]).match(/http:\S+/)[0];
  const loads = { vemo: { url: browser.url, first: [], back: [] }, floor: { url: floorUrl, first: [], back: [] } };
  const titleTimes = (p) => p.evaluate(() => new Promise((resolve) => {
    const check = () => (window.benchFirstFrame ? resolve([benchPuts[0], benchFirstFrame]) : setTimeout(check, 5));
    check();
  }));
  for (let i = 0; i < runs; i++) {
    for (const which of i % 2 ? ['floor', 'vemo'] : ['vemo', 'floor']) {
      const context = await browser.browser.newContext();
      await context.addInitScript(probe);
      const p = await context.newPage();
      await p.goto(loads[which].url);
      loads[which].first.push(await titleTimes(p));
      await p.goto('about:blank');
      await p.goto(loads[which].url);
      loads[which].back.push(await titleTimes(p));
      await context.close();
    }
  }
  floorServer.kill();
  const medians = {};
  for (const [which, name] of [['vemo', 'the title layer'], ['floor', 'the floor page\'s canvas']]) {
    for (const visit of ['first', 'back']) {
      for (const [i, what] of [[0, 'on the canvas'], [1, 'in the first frame showing it']]) {
        const times = loads[which][visit].map((load) => load[i]);
        medians[`${which}.${visit}.${i}`] = median(times);
        console.log(`Navigation to ${name} ${what}, ${visit === 'first' ? 'first visit' : 'return'}: ` +
                    `median ${fmt(median(times))} ms, min ${fmt(Math.min(...times))}, max ${fmt(Math.max(...times))} (${runs} loads)`);
      }
    }
  }
  for (const visit of ['first', 'back']) {
    const ratio = (i) => (medians[`vemo.${visit}.${i}`] / medians[`floor.${visit}.${i}`]).toFixed(2);
    console.log(`${visit === 'first' ? 'First visit' : 'Return'} against the floor page: ${ratio(0)}x to the canvas, ` +
                `${ratio(1)}x to the first frame`);
  }

  // A game at speed 5: CPU idle first, then Up presses, then the fall period.
  const context = await browser.browser.newContext();
  await context.addInitScript(probe);
  const game = await context.newPage();
  await game.goto(browser.url);
  await readyScreen(game);
  console.log(`CPU of the page idle at the ready screen: ${fmt(await cpuShare(game, 10000))} % of a core (10 s)`);
  await game.evaluate(() => { window.benchEmpty = document.getElementById('screen').getContext('2d').getImageData(51, 40, 150, 375).data; });
  await game.keyboard.press('F5');
  await game.evaluate(() => {
    window.benchUps = [];
    document.addEventListener('keydown', (e) => { if (e.code === 'ArrowUp') benchUps.push([e.timeStamp, benchPuts.length]); }, true);
  });
  for (let i = 0; i < 40; i++) {
    await game.keyboard.press('ArrowUp');
    await game.waitForTimeout(120);
  }
  const ups = await game.evaluate(() => benchUps.map(([t, n]) => (benchPuts[n] ?? NaN) - t).filter((d) => d >= 0));
  console.log(`Up press to the changed canvas: median ${fmt(median(ups))} ms, p95 ${fmt(percentile(ups, 0.95))}, max ${fmt(Math.max(...ups))} (${ups.length} presses)`);
  await game.keyboard.press('F5');
  await game.evaluate(() => { benchFalls.length = 0; });
  const cpu = await cpuShare(game, 10000);
  const falls = await game.evaluate(() => benchFalls.slice());
  const periods = falls.slice(1).map((t, i) => t - falls[i]).filter((d) => d > 50 && d < 200);
  console.log(`Fall period at speed 5: median ${fmt(median(periods))} ms, p95 ${fmt(percentile(periods, 0.95))}, min ${fmt(Math.min(...periods))}, max ${fmt(Math.max(...periods))} (${periods.length} steps)`);
  console.log(`CPU of the page during a game at speed 5: ${fmt(cpu)} % of a core (10 s)`);

  // Keeping the records as the page does at pagehide: the table's bytes built
  // by the program and stored. Timed in batches (the page's clock is coarse).
  const keepTime = (p) => p.evaluate(() => {
    const batches = [];
    for (let b = 0; b < 9; b++) {
      const t = performance.now();
      for (let i = 0; i < 20; i++) Module._vemo_keep_records();
      batches.push((performance.now() - t) / 20);
    }
    batches.sort((a, b) => a - b);
    return [batches[4], localStorage.getItem('vemo.data').length];
  });
  const [tableMs, tableBytes] = await keepTime(game);
  console.log(`Keeping the records at pagehide, a full table (${tableBytes} bytes): median ${fmt(tableMs)} ms`);
  const table = await game.evaluate(() => localStorage.getItem('vemo.data'));
  await context.close();
  const line = 'x'.repeat(998) + '\r\n';
  const large = await browser.context(table + line.repeat(Math.floor((1024 * 1024 - table.length) / line.length)));
  const page1 = await browser.open(large);
  await page1.waitForFunction(() => window.Module?._vemo_keep_records);
  await page1.waitForTimeout(300);
  await clickSurface(page1, 600, 380);
  await page1.waitForTimeout(2000);
  const [largeMs, largeBytes] = await keepTime(page1);
  console.log(`Keeping the records at pagehide, a file near 1 MiB (${largeBytes} bytes): median ${fmt(largeMs)} ms`);
  await large.close();

  // On a phone: a touch of the on-screen «Вверх» (touch-down) to the canvas it changes.
  const phone = await browser.browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3,
                                                   isMobile: true, hasTouch: true });
  await phone.addInitScript(probe);
  const touchGame = await phone.newPage();
  await touchGame.goto(browser.url);
  await touchGame.waitForFunction(() => window.benchPuts?.length > 0);
  const surface = await touchGame.locator('#screen').boundingBox();
  await touchGame.touchscreen.tap(surface.x + surface.width / 2, surface.y + surface.height / 2);
  await touchGame.waitForTimeout(2000);
  await touchGame.keyboard.press('F5');
  await touchGame.evaluate(() => {
    window.benchTouches = [];
    document.addEventListener('pointerdown', (e) => { if (e.pointerType === 'touch') benchTouches.push([e.timeStamp, benchPuts.length]); }, true);
  });
  const upKey = await touchGame.getByRole('button', { name: 'Вверх' }).boundingBox();
  const cdp = await phone.newCDPSession(touchGame);
  const point = { x: upKey.x + upKey.width / 2, y: upKey.y + upKey.height / 2 };
  for (let i = 0; i < 40; i++) {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [point] });
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [point] });
    await touchGame.waitForTimeout(120);
  }
  const touches = await touchGame.evaluate(() => benchTouches.map(([t, n]) => (benchPuts[n] ?? NaN) - t).filter((d) => d >= 0));
  console.log(`Touch-down on «Вверх» to the changed canvas: median ${fmt(median(touches))} ms, p95 ${fmt(percentile(touches, 0.95))}, max ${fmt(Math.max(...touches))} (${touches.length} touches)`);
  await phone.close();
} finally {
  await browser.stop();
  server.kill();
}
