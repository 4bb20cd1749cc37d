// After one visit the game plays with the network gone: its service worker keeps the page's
// files. The pictures come at the screen's density, so the page tells the worker which ones
// this screen shows, and it keeps those too.

let worker = null;

export function keepOffline() {
  if (!('serviceWorker' in navigator)) {
    return;
  }
  navigator.serviceWorker.register('service_worker.js').then(() => navigator.serviceWorker.ready).then((registration) => {
    worker = registration.active;
    keepPictures();
  }).catch(() => {
    // Without a worker (a private window, say) the game plays on line all the same.
  });
}

// Asks the worker to keep the pictures on the page, once they have come.
export function keepPictures() {
  const pictures = [...document.images];
  Promise.all(pictures.map((picture) => picture.decode().catch(() => {}))).then(() => {
    const shown = [...new Set(pictures.map((picture) => picture.currentSrc).filter(Boolean))];
    worker?.postMessage({ keep: shown });
  });
}
