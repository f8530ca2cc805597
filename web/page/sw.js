// Keeps the page's files so that the game plays with the server gone. Each request asks the
// server first, so a new build is taken as soon as it is there, and falls back to the copy.
const cacheName = 'kelvaro';
const files = ['./', 'index.html', 'style.css', 'kelvaro.js', 'kelvaro.wasm', 'icon.svg',
  'background.svg', 'manifest.webmanifest'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(fetch(event.request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(cacheName).then((cache) => cache.put(event.request, copy));
    }
    return response;
  }).catch(() => caches.match(event.request, { ignoreSearch: true })));
});
