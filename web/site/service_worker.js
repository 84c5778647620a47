// The page kept for use offline: every file of one build, in a cache named
// after that build's content, served from there first. Each new build's
// worker takes over at once and deletes the caches of the builds before it.
// (The single-file edition, for opening from a download, is not kept.)

// Written by the build: the cache's name and the site's files.
const CACHE = 'beam-reactions';
const FILES = ['./'];

self.addEventListener('install', (event) => {
  // Checked with the server, as the browser's own cache may hold the last build.
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'no-cache' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('beam-reactions-') &&
      name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { cacheName: CACHE, ignoreSearch: true })
    .then((kept) => kept ?? fetch(event.request)));
});
