// Keeps one build of the page's files so that the game plays with the server gone or hung.
// Every request asks the server first, past the browser's own cache, so a new build is taken as
// soon as it is there; a server that has not answered within a few seconds, or cannot be
// reached, is given up on and the kept copy answers. The code files carry their build's mark
// in their address (index.html asks for them so), and a copy is kept per build, so a page only
// ever runs files of one build.
'use strict';
const build = '@KELVARO_BUILD@';
const cacheName = 'kelvaro-' + build;
const marked = ['boot.js', 'style.css', 'kelvaro.js', 'kelvaro.wasm'].map((f) => f + '?v=' + build);
const files = ['./', ...marked, 'icon.svg', 'background.svg', 'manifest.webmanifest'];
const patience = 3000;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName)
    .then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

// Copies of earlier builds are dropped once this one is in charge.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('kelvaro') &&
      name !== cacheName).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The server's answer, or nothing once it has kept us waiting too long or cannot be reached.
// It is asked past the browser's own cache: a host may let the browser keep a file a while.
function withPatience(asked) {
  const late = new Promise((resolve) => setTimeout(resolve, patience, null));
  return Promise.race([asked.catch(() => null), late]);
}

async function answer(event) {
  const request = event.request;
  const url = new URL(request.url);
  const cache = await caches.open(cacheName);
  // A marked file never changes: the kept copy answers first.
  const marked = url.searchParams.has('v');
  if (marked) {
    const kept = await cache.match(request);
    if (kept) return kept;
  }
  const asked = fetch(request.mode === 'navigate' ? new Request(url, { cache: 'no-cache' })
    : new Request(request, { cache: marked ? 'default' : 'no-cache' }));
  const response = await withPatience(asked);
  if (response && response.ok) {
    event.waitUntil(cache.put(request, response.clone()));
    return response;
  }
  const kept = await cache.match(request);
  if (kept) return kept;
  // Nothing kept: the server's own answer, however late, or its error.
  return response || asked;
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(answer(event));
});
