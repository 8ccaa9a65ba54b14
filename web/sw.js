// The page's service worker: after the first visit every file of the page is
// kept in one cache per build, so the page opens and plays with no network.
// The build writes the list of files with their SHA-256 sums in place of the
// empty one below; the cache's name comes from that list, so a new build
// fills a cache of its own, whole and checked, before it takes over, and a
// page is only ever served the files of one build.

const build = /* the page's files */ { version: '', files: {} };
const cacheName = `vemo-${build.version}`;

function hex(buffer) {
  return Array.from(new Uint8Array(buffer), (b) => b.toString(16).padStart(2, '0')).join('');
}

// Each file fetched afresh and checked against its sum: a server that has
// meanwhile got another build's file fails the install, and this build's
// worker never starts (the next visit finds the newer worker).
async function keep(cache, name) {
  const response = await fetch(name, { cache: 'no-cache' });
  if (!response.ok) throw new Error(`${name}: ${response.status}`);
  const sum = hex(await crypto.subtle.digest('SHA-256', await response.clone().arrayBuffer()));
  if (sum !== build.files[name]) throw new Error(`${name} is not this build's`);
  await cache.put(name, response);
}

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => Promise.all(Object.keys(build.files).map((name) => keep(cache, name))))
    .catch(async (error) => {
      await caches.delete(cacheName);
      throw error;
    }));
});

// The files of older builds go once this one serves the pages; a page of an
// older build has closed by then (this worker waits for that).
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith('vemo-') && name !== cacheName).map((name) => caches.delete(name)))));
});

// A file of the page comes from this build's cache; the page's address (with
// or without index.html, and whatever its query) is index.html.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const scope = new URL(self.registration.scope);
  const url = new URL(request.url);
  if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return;
  let name = url.pathname.slice(scope.pathname.length);
  if (name === '') name = 'index.html';
  if (!(name in build.files)) return;
  event.respondWith(caches.open(cacheName).then((cache) => cache.match(name)).then((kept) => kept ?? fetch(request)));
});
