// Offline play: the service worker (sw.js) keeps every file of the page after
// the first visit. It is registered once the program has started and the
// browser has a moment to spare, so a first visit's start waits for none of
// its work.

import { productName } from 'vemo-boundary/look.js';

let asked = false;

export function keepForOffline() {
  if (asked || !('serviceWorker' in navigator)) return;
  asked = true;
  const register = () => navigator.serviceWorker.register('sw.js').catch((error) => {
    console.warn(`${productName}: the page cannot be kept for offline play:`, error);
  });
  if (window.requestIdleCallback) requestIdleCallback(register, { timeout: 3000 });
  else setTimeout(register, 1000);
}
