// The window's scale and place on the page. The window (frame, caption, menu
// bar, surface, and the menus, dialogs and message boxes over it) is drawn at
// k device pixels per surface pixel:
// - until a touch is seen, k is the device pixel ratio rounded down, at least
//   1, as the desktop program rounds a fractional screen scale down; only a
//   viewport too small for the window makes it the largest fraction that fits;
// - once a touch is seen, k is the largest value for which the window and the
//   touch controls fit the visible viewport within its safe areas.
// The surface always lies on whole device pixels: it starts on one and is a
// whole number of them wide and high. Its sides are then scaled by slightly
// different factors (639 and 476 share no divisor, so no fraction makes both
// whole), and drawn nearest-neighbour each surface pixel shows as a block of
// the same colour, none lost while k is at least 1.

import { centredOffset } from './dialogs.js';

const root = document.documentElement;

// A fixed box the size of the viewport less its safe areas (a notch, rounded
// corners, the home bar): the browser works out the insets.
const safeArea = document.createElement('div');
safeArea.className = 'safe-area';
document.body.append(safeArea);

// The rectangle the page may use, in CSS pixels: the safe part of what shows
// of the viewport (the visual viewport: less when the on-screen keyboard is up).
function room() {
  const safe = safeArea.getBoundingClientRect();
  const view = window.visualViewport;
  const left = Math.max(safe.left, view?.offsetLeft ?? 0);
  const top = Math.max(safe.top, view?.offsetTop ?? 0);
  const right = Math.min(safe.right, view ? view.offsetLeft + view.width : safe.right);
  const bottom = Math.min(safe.bottom, view ? view.offsetTop + view.height : safe.bottom);
  return { left, top, width: Math.max(0, right - left), height: Math.max(0, bottom - top) };
}

// `mainWindow`: the window's element, whose unscaled size counts surface pixels;
// `canvas`: the surface inside it; `controls`: the touch controls (touch.js);
// `footer`: the page's commands, fixed at the foot of the viewport.
export function windowFit(mainWindow, canvas, controls, footer) {
  const fitted = [];

  // The largest k for which the window fits `width` x `height` CSS pixels,
  // with a device pixel to spare for putting the surface on whole ones.
  const largest = (width, height, ratio) =>
    Math.min((width * ratio - 1) / mainWindow.offsetWidth, (height * ratio - 1) / mainWindow.offsetHeight);

  // Centred in `area` (CSS pixels) by the desktop's rounding, counted in
  // surface pixels at scale `kx`, `ky`: where the window's top-left goes, in
  // device pixels.
  function centredIn(area, ratio, kx, ky) {
    return [area.left * ratio + Math.max(0, centredOffset(Math.floor(area.width * ratio / kx), mainWindow.offsetWidth)) * kx,
            area.top * ratio + Math.max(0, centredOffset(Math.floor(area.height * ratio / ky), mainWindow.offsetHeight)) * ky];
  }

  function fit() {
    const ratio = window.devicePixelRatio || 1;
    const whole = room();
    // The page's own commands: a row at the foot of the page, or, beside a
    // window with the touch keys at its sides, a column in the right-hand
    // corner under the keys, which leaves the window the whole height.
    if (footer) delete footer.dataset.placement;
    const footHeight = footer?.offsetHeight ?? 0;
    const space = { ...whole, height: Math.max(0, whole.height - footHeight) };
    let k = Math.max(1, Math.floor(ratio));
    let area = space;
    if (controls.shown) {
      if (footer) footer.dataset.placement = 'beside';
      const column = { width: footer?.offsetWidth ?? 0, height: footer?.offsetHeight ?? 0 };
      if (footer) delete footer.dataset.placement;
      // Beside the window or below it, whichever leaves it larger.
      const side = controls.measure('beside');
      const under = controls.measure('below');
      const right = Math.max(side.right, column.width);
      const beside = largest(whole.width - side.left - right, whole.height, ratio);
      const below = largest(space.width, space.height - under.bottom, ratio);
      if (beside >= below) {
        k = beside;
        area = { ...whole, left: whole.left + side.left, width: whole.width - side.left - right };
        controls.place('beside', { ...whole, height: Math.max(0, whole.height - column.height) });
        if (footer) footer.dataset.placement = 'beside';
      } else {
        k = below;
        area = { ...space, height: space.height - under.bottom };
        controls.place('below', space);
      }
    } else {
      const fitsIn = (s) => mainWindow.offsetWidth * k <= s.width * ratio && mainWindow.offsetHeight * k <= s.height * ratio;
      // Centred on the whole viewport, as the desktop centres on its screen,
      // while that leaves the commands at the foot uncovered.
      if (fitsIn(whole) && (whole.height * ratio + mainWindow.offsetHeight * k) / 2 <= space.height * ratio) area = whole;
      else if (!fitsIn(space)) k = largest(space.width, space.height, ratio);
    }
    // The surface's size in device pixels, whole, and the scales that give it.
    const kx = Math.max(1, Math.floor(canvas.width * k)) / canvas.width;
    const ky = Math.max(1, Math.floor(canvas.height * k)) / canvas.height;
    const [x, y] = centredIn(area, ratio, kx, ky);
    // The surface's top-left on a whole device pixel, the window around it.
    const inset = [mainWindow.clientLeft + canvas.offsetLeft, mainWindow.clientTop + canvas.offsetTop];
    const left = Math.ceil(x + inset[0] * kx) - inset[0] * kx;
    const top = Math.ceil(y + inset[1] * ky) - inset[1] * ky;
    // A transform, not left and top: layout would round them to its own unit.
    const sx = kx / ratio, sy = ky / ratio;
    mainWindow.style.transform = `translate(${left / ratio}px, ${top / ratio}px) scale(${sx}, ${sy})`;
    root.style.setProperty('--window-sx', String(sx));
    root.style.setProperty('--window-sy', String(sy));
    root.dataset.scale = String(k);
    for (const f of fitted) f();
  }

  // Again whenever the room or the ratio changes: a resize, a turn of the
  // device, the on-screen keyboard, a zoom, another screen.
  window.addEventListener('resize', fit);
  window.visualViewport?.addEventListener('resize', fit);
  screen.orientation?.addEventListener('change', fit);
  let ratioWatch = null;
  const watchRatio = () => {
    ratioWatch?.removeEventListener('change', onRatio);
    ratioWatch = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    ratioWatch.addEventListener('change', onRatio);
  };
  const onRatio = () => { watchRatio(); fit(); };
  watchRatio();
  fit();
  return {
    fit,
    // `then` runs after every fit (the windows over the main one follow it).
    onFit(then) { fitted.push(then); },
  };
}
