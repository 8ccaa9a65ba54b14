// The page on phones, tablets and desktops at fractional pixel ratios: the
// window fits the screen with the surface on whole device pixels, and a game
// plays by touch alone. Touches go through the DevTools protocol, as a touch
// screen gives them.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { start, waitFor, readyScreen, clickSurface, whole, desktopPicture, pieceBox, cell, paused } from './browser.js';

const fixtures = process.env.VEMO_WEB_FIXTURES;  // build/tests/vemo_web_fixtures
const seed = '4242';
const phone = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const screens = [
  ['a phone in portrait', phone, 'below'],
  ['a phone in landscape', { ...phone, viewport: { width: 844, height: 390 } }, 'beside'],
  ['a tablet', { viewport: { width: 820, height: 1180 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true }, 'below'],
  ['a desktop at ratio 1.25', { deviceScaleFactor: 1.25 }, null],
  ['a desktop at ratio 1.5', { deviceScaleFactor: 1.5 }, null],
];

let browser;
before(async () => { browser = await start(); });
after(async () => { await browser?.stop(); });

async function centreOf(locator) {
  const box = await locator.boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

async function tap(page, locator) {
  const { x, y } = await centreOf(locator);
  await page.touchscreen.tap(x, y);
}

// A tap on the surface at a surface pixel, whatever its scale.
async function tapSurface(page, x, y) {
  const box = await page.locator('#screen').boundingBox();
  await page.touchscreen.tap(box.x + (x + 0.5) * box.width / 639, box.y + (y + 0.5) * box.height / 476);
}

// Fingers put down and lifted one at a time, each staying where it went down.
async function fingers(page) {
  const cdp = await page.context().newCDPSession(page);
  const down = new Map();
  const send = (type, touchPoints) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints });
  let next = 1;
  return {
    // A touch start names every finger down; a touch end, the one lifted.
    async down(locator) {
      const id = next++;
      down.set(id, { ...(await centreOf(locator)), id });
      await send('touchStart', [...down.values()]);
      return id;
    },
    async up(id) {
      const lifted = down.get(id);
      down.delete(id);
      await send('touchEnd', [lifted]);
    },
    async swipe(locator, dy) {
      const from = { ...(await centreOf(locator)), id: 99 };
      await send('touchStart', [from]);
      await send('touchMove', [{ ...from, y: from.y + dy }]);
      await send('touchEnd', [from]);
    },
  };
}

const key = (page, name) => page.getByRole('button', { name, exact: true });

// The device pixels the surface is shown on (its rectangle, each side rounded
// to a whole device pixel), and the rectangle as it is.
async function devicePixels(page) {
  const png = await page.screenshot();
  return page.evaluate(async (encoded) => {
    const image = new Image();
    image.src = `data:image/png;base64,${encoded}`;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const ctx = canvas.getContext('2d');
    ctx.drawImage(image, 0, 0);
    const ratio = devicePixelRatio;
    const box = document.getElementById('screen').getBoundingClientRect();
    const surface = [box.x, box.y, box.width, box.height].map((v) => v * ratio);
    const [x, y, width, height] = surface.map(Math.round);
    const data = ctx.getImageData(x, y, width, height).data;
    let binary = '';
    for (let i = 0; i < data.length; i += 0x8000) binary += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    return { width, height, surface, data: btoa(binary) };
  }, png.toString('base64')).then((shot) => ({ ...shot, data: Buffer.from(shot.data, 'base64') }));
}

// Where each device pixel of the shown surface takes its colour from: the
// surface pixel under its centre (nearest-neighbour); a centre on the border
// of two surface pixels may show either.
function differingFromScaled(shot, picture) {
  const [w, h] = [shot.width, shot.height];
  // The surface pixels under device pixel `i` of `n` showing `size` of them.
  const sources = (i, n, size) => {
    const twice = (2 * i + 1) * size;  // twice the centre, in surface pixels times n
    const s = Math.floor(twice / (2 * n));
    return twice % (2 * n) === 0 && s > 0 ? [s, s - 1] : [s];
  };
  const columns = Array.from({ length: w }, (_, i) => sources(i, w, 639));
  const found = [];
  for (let j = 0; j < h; j++) {
    const rows = sources(j, h, 476);
    for (let i = 0; i < w; i++) {
      const p = (j * w + i) * 4;
      const same = (sy, sx) => {
        const s = (sy * 639 + sx) * 3;
        return shot.data[p] === picture[s] && shot.data[p + 1] === picture[s + 1] && shot.data[p + 2] === picture[s + 2];
      };
      if (!rows.some((sy) => columns[i].some((sx) => same(sy, sx)))) found.push([i, j]);
    }
  }
  return found;
}

test('the window fits each screen, its surface on whole device pixels, the desktop\'s pixels at its scale', async (t) => {
  for (const [what, device, placement] of screens) {
    await t.test(what, async () => {
      const made = await browser.context(null, device);
      const page = await browser.open(made, `?seed=${seed}`);
      await readyScreen(page, device.hasTouch ? tapSurface : clickSurface);
      await page.keyboard.press('F1');
      if (device.hasTouch) {
        await tap(page, key(page, 'Пауза'));
      } else {
        await page.keyboard.press('Delete');
        assert.equal(await key(page, 'Пауза').isVisible(), false, 'no touch controls for a mouse and keyboard player');
      }
      await waitFor('the pause', () => paused(page));
      // The preview follows the start by a tick of its own.
      await page.waitForTimeout(300);

      const view = await page.evaluate(() => ({
        width: innerWidth, height: innerHeight,
        scrolls: document.scrollingElement.scrollWidth > innerWidth || document.scrollingElement.scrollHeight > innerHeight,
        window: document.querySelector('.main-window').getBoundingClientRect().toJSON(),
        controls: [...document.querySelectorAll('#touch-controls button')].map((b) => b.getBoundingClientRect().toJSON()),
        commands: document.getElementById('page-commands').getBoundingClientRect().toJSON(),
      }));
      const inside = (box) => box.left >= 0 && box.top >= 0 && box.right <= view.width && box.bottom <= view.height;
      assert.ok(inside(view.window), `the window ${JSON.stringify(view.window)} inside the viewport`);
      const apart = (a, b) => a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
      assert.ok(inside(view.commands) && apart(view.commands, view.window), 'the page\'s commands clear of the window');
      for (const c of view.controls) assert.ok(apart(view.commands, c), 'the page\'s commands clear of the touch keys');
      assert.equal(view.scrolls, false, 'nothing to scroll');
      const shot = await devicePixels(page);
      for (const v of shot.surface) assert.ok(Math.abs(v - Math.round(v)) < 1e-3, `the surface ${shot.surface} on whole device pixels`);
      const [w, h] = [shot.width, shot.height];
      if (device.hasTouch) {
        assert.equal(view.controls.length, 5);
        for (const c of view.controls) {
          assert.ok(inside(c), 'each touch control inside the viewport');
          if (placement === 'below') assert.ok(c.top >= view.window.bottom, 'the controls below the window');
          else assert.ok(c.right <= view.window.left || c.left >= view.window.right, 'the controls beside the window');
        }
        // As large as the room allows: the window spans the side that limits it.
        if (placement === 'below') assert.ok(view.window.width > view.width - 1, `the window as wide as the screen (${view.window.width})`);
        else assert.ok(view.window.height > view.height - 1, `the window as high as the screen (${view.window.height})`);
        assert.ok(w >= 639 && h >= 476, 'at least one device pixel a surface pixel');
      } else {
        // The ratio rounded down: one device pixel a surface pixel.
        assert.deepEqual([w, h], [639, 476]);
      }
      if (fixtures) {
        const found = differingFromScaled(shot, desktopPicture('surface', { VEMO_TEST_SEED: seed }));
        assert.deepEqual(found.slice(0, 5), [], `every device pixel shows its surface pixel (${found.length} differ)`);
      }

      // The windows over the main one share its scale: the about box's client
      // area is its desktop size, 285 x 230 surface pixels.
      await (device.hasTouch ? tap(page, page.locator('#menubar .top', { hasText: 'О программе' }))
                             : page.click('#menubar .top[data-name=N12]'));
      const about = page.locator('.window[data-kind=about] .client');
      await about.waitFor();
      const size = await about.evaluate((client) => {
        const box = client.getBoundingClientRect();
        return [box.width, box.height].map((v) => v * devicePixelRatio);
      });
      assert.deepEqual(size.map((v, i) => Math.round(v / [w / 639, h / 476][i])), [285, 230]);
      await page.keyboard.press('Enter');
      await about.waitFor({ state: 'detached' });

      if (device.hasTouch) {
        // A swipe and a double tap neither scroll nor zoom the page.
        const hand = await fingers(page);
        await hand.swipe(page.locator('#screen'), -200);
        await hand.swipe(key(page, 'Вниз'), -200);
        await tapSurface(page, 300, 300);
        await tapSurface(page, 300, 300);
        await page.waitForTimeout(400);
        assert.deepEqual(await page.evaluate(() => [scrollX, scrollY, visualViewport.scale, visualViewport.pageTop]), [0, 0, 1, 0]);
      }
      await made.close();
    });
  }
});

test('touch keys: a tap of «Вправо» moves, a held «Вниз» drops fast until released, two fingers at once, «Пауза»; a turn refits', async () => {
  const made = await browser.context(null, phone);
  const page = await browser.open(made);
  const shown = () => key(page, 'Вниз').isVisible();
  assert.equal(await shown(), false, 'no controls before the first touch');
  await readyScreen(page, tapSurface);
  assert.equal(await shown(), true, 'shown by the first touch');
  const empty = await whole(page);
  const at = async () => pieceBox(await whole(page), empty);
  const pause = async () => {
    await tap(page, key(page, 'Пауза'));
    await waitFor('the pause', () => paused(page));
  };
  const resume = async () => {
    await tap(page, key(page, 'Пауза'));
    await waitFor('the resume', async () => !(await paused(page)));
  };
  await page.keyboard.press('F1');
  await pause();
  const first = await at();
  await page.waitForTimeout(1200);
  assert.deepEqual(await at(), first, 'paused: the piece stays where it is');

  await resume();
  await tap(page, key(page, 'Вправо'));
  await pause();
  const moved = await at();
  assert.equal(moved.left - first.left, cell, 'a tap of «Вправо» moves one column');
  assert.equal(moved.right - first.right, cell);

  // Held «Вниз»: the fast drop; its release ends it.
  const hand = await fingers(page);
  await resume();
  // (Short holds: at 25 ms a row the piece must not land before it is measured.)
  const down = await hand.down(key(page, 'Вниз'));
  await page.waitForTimeout(200);
  await hand.up(down);
  const dropped = await at();
  await page.waitForTimeout(350);
  const after = await at();
  assert.ok(dropped.top - moved.top >= 4 * cell, `held «Вниз» drops fast (${dropped.top - moved.top} px)`);
  assert.ok(after.top - dropped.top <= cell, `and stops at its release (${after.top - dropped.top} px)`);

  // «Вниз» held by one finger while another taps «Влево»: both keys count.
  await pause();
  const before2 = await at();
  await resume();
  const holding = await hand.down(key(page, 'Вниз'));
  const left = await hand.down(key(page, 'Влево'));
  await hand.up(left);
  await page.waitForTimeout(120);
  await hand.up(holding);
  await pause();
  const both = await at();
  assert.equal(both.left - before2.left, -cell, 'moved one column left');
  assert.ok(both.top - before2.top >= 3 * cell, `while dropping fast (${both.top - before2.top} px)`);

  // Turned on its side, the phone fits the window again, the keys beside it.
  const fitted = () => page.evaluate(() => ({
    window: document.querySelector('.main-window').getBoundingClientRect().toJSON(),
    pad: document.querySelector('#touch-controls .turn').getBoundingClientRect().toJSON(),
  }));
  const upright = await fitted();
  await page.setViewportSize({ width: 844, height: 390 });
  await waitFor('the new fit', async () => (await fitted()).window.bottom <= 390);
  const turned = await fitted();
  assert.ok(turned.window.height > 389 && turned.window.width > upright.window.width, 'larger, as high as the screen');
  assert.ok(turned.pad.left >= turned.window.right, 'the turn and drop keys right of the window');
  await made.close();
});

test('a game by touch alone: the menu, the fast drops, the game-over box, the name entry, the records view', { skip: !fixtures }, async () => {
  const records = execFileSync(fixtures, ['records']).toString('latin1');
  const made = await browser.context(records, phone);
  const page = await browser.open(made, `?seed=${seed}`);
  await readyScreen(page, tapSurface);
  // A tap opens «Файл», then the falling-block game's speeds, and runs the fifth.
  await tap(page, page.locator('#menubar .top', { hasText: 'Файл' }));
  await tap(page, page.locator('.menu .item', { hasText: 'Игра в Тетрис' }));
  await tap(page, page.locator('.menu .item', { hasText: 'пятой скорости' }).last());
  await waitFor('the game', async () => (await page.locator('#caption').textContent()) === 'Vemo score : 0');
  const over = page.locator('.window.message[data-kind=information]');
  const hand = await fingers(page);
  await waitFor('the end of the game', async () => {
    if (await over.isVisible()) return true;
    const id = await hand.down(key(page, 'Вниз'));
    await page.waitForTimeout(250);
    await hand.up(id);
    return false;
  }, 120000);
  await tap(page, over.locator('.button'));
  const name = page.locator('.window[data-kind=name]');
  await name.waitFor();
  assert.equal(await page.evaluate(() => document.activeElement.matches('.window[data-kind=name] input')), true,
               'the name entry\'s edit box has the focus, for the on-screen keyboard');
  await page.keyboard.type('Палец');
  // The on-screen keyboard's Enter, which names no physical key.
  await page.locator('.window[data-kind=name] input').dispatchEvent('keydown', { key: 'Enter', code: '', bubbles: true });
  const view = page.locator('.window[data-kind=records]');
  await view.waitFor();
  assert.ok((await view.locator('.label').allTextContents()).includes('Палец'));
  await tap(page, view.locator('.client'));
  await view.waitFor({ state: 'detached' });
  await made.close();
});
