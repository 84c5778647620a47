// The page kept for use offline: every file of one build, in a cache named
// after that build's content, served from there first. Each new build's
// worker takes over at once; a reload then loads the new build.
//
// A page goes on with the build it was loaded from: the files it loads are
// named after their content, and a build's cache is kept for as long as a
// page of that build is open. Each page served from a cache is noted in it,
// and a cache other than the newest goes once none of the pages noted in it
// is open. (The single-file edition, for opening from a download, is not
// kept.)

// Written by the build: the cache's name and the site's files.
const CACHE = 'beam-reactions';
const FILES = ['./'];
const NOTES = 'open-pages/'; // in a cache, one entry for each page it served

self.addEventListener('install', (event) => {
  // Checked with the server, as the browser's own cache may hold the last build.
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'no-cache' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(forgetClosedBuilds().then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  if (event.request.mode === 'navigate') {
    event.respondWith(caches.open(CACHE).then(async (cache) => {
      const kept = await cache.match(event.request, { ignoreSearch: true });
      if (!kept) return fetch(event.request);
      event.waitUntil(cache.put(NOTES + event.resultingClientId, new Response('')));
      return kept;
    }));
  } else {
    // This build's file, or an earlier build's where a page of it asks.
    event.respondWith(caches.match(event.request, { cacheName: CACHE, ignoreSearch: true })
      .then((kept) => kept ?? caches.match(event.request, { ignoreSearch: true }))
      .then((kept) => kept ?? fetch(event.request)));
  }
  event.waitUntil(forgetClosedBuilds());
});

// Drops the notes of pages that are closed, and the caches of earlier builds
// none of whose pages is open.
async function forgetClosedBuilds() {
  const open = new Set((await self.clients.matchAll({ type: 'window', includeUncontrolled: true }))
    .map(({ id }) => id));
  for (const name of await caches.keys()) {
    if (!name.startsWith('beam-reactions-')) continue;
    const cache = await caches.open(name);
    const notes = (await cache.keys()).filter(({ url }) => url.includes(`/${NOTES}`));
    const closed = notes.filter(({ url }) => !open.has(url.slice(url.lastIndexOf('/') + 1)));
    if (name !== CACHE && closed.length === notes.length) await caches.delete(name);
    else await Promise.all(closed.map((note) => cache.delete(note)));
  }
}
