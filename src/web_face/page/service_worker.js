// Keeps the game's own files, so that after one visit it plays with the network gone. The
// build writes the list of files and a version drawn from their contents: a new build is a new
// cache, and the old one goes once the new one is in place. Nothing but the game's files is
// kept, and nothing is fetched from anywhere but the game's own address.

const VERSION = '@VERSION@';
const FILES = @FILES@;
const CACHE = `kronesluk-${VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('kronesluk-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

function ours(url) {
  return new URL(url, self.location.href).origin === self.location.origin;
}

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || !ours(event.request.url)) {
    return;
  }
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    const kept = await cache.match(event.request, { ignoreSearch: true });
    if (kept) {
      return kept;
    }
    try {
      return await fetch(event.request);
    } catch (failure) {
      // Off line, a picture drawn for denser screens that this screen never showed: the
      // ordinary one stands in for it.
      const ordinary = event.request.url.replace(/@2x(\.png)$/, '$1');
      const standIn = ordinary !== event.request.url && await cache.match(ordinary);
      if (standIn) {
        return standIn;
      }
      throw failure;
    }
  }));
});

// The page names the pictures its screen shows (their density is the screen's): keep those.
self.addEventListener('message', (event) => {
  const keep = Array.isArray(event.data?.keep) ? event.data.keep.filter(ours) : [];
  event.waitUntil(caches.open(CACHE).then((cache) => Promise.all(keep.map((url) => cache.match(url)
    .then((kept) => kept ?? cache.add(url).catch(() => {}))))));
});
