// Keeps the game's own files, so that after one visit it plays with the network gone. The
// build writes the list of files and a version drawn from their contents: a new build is a new
// cache, and the old one goes once the new one is in place. Nothing but the game's files is
// kept, and nothing is fetched from anywhere but the game's own address.

const VERSION = '@VERSION@';
const FILES = @FILES@;
const CACHE = `kronesluk-${VERSION}`;

// The pictures an earlier version kept are those of this player's screen: the new version
// keeps them too, fetched anew, so that the game still plays off line before the page has
// named them again.
async function picturesKeptBefore() {
  const names = (await caches.keys()).filter((name) => name.startsWith('kronesluk-') && name !== CACHE);
  const kept = await Promise.all(names.map(async (name) => (await (await caches.open(name)).keys())
    .map((request) => request.url).filter((url) => new URL(url).pathname.includes('/pictures/'))));
  return [...new Set(kept.flat())];
}

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then(async (cache) => {
    await cache.addAll(FILES);
    await cache.addAll(await picturesKeptBefore()).catch(() => {});
  }).then(() => self.skipWaiting()));
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
      // Off line, a picture at a density this screen never showed (the screen has changed):
      // its twin at the other density stands in for it.
      const standIn = /\/pictures\//.test(event.request.url) && await cache.match(twin(event.request.url));
      if (standIn) {
        return standIn;
      }
      throw failure;
    }
  }));
});

function twin(url) {
  return /@2x\.png$/.test(url) ? url.replace(/@2x\.png$/, '.png') : url.replace(/\.png$/, '@2x.png');
}

// The page names the pictures its screen shows (their density is the screen's): keep those,
// all at once, so that a picture kept tells that all of them are.
self.addEventListener('message', (event) => {
  const keep = Array.isArray(event.data?.keep) ? event.data.keep.filter(ours) : [];
  event.waitUntil(caches.open(CACHE).then(async (cache) => {
    const kept = await Promise.all(keep.map((url) => cache.match(url)));
    await cache.addAll(keep.filter((url, index) => !kept[index])).catch(() => {});
  }));
});
