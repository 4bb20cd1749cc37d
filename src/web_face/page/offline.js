// After one visit the game plays with the network gone: its service worker keeps the page's
// files. The pictures come at the screen's density, so the page tells the worker which ones
// this screen shows, those of windows not yet opened too, and it keeps those.

import { setPictureSource } from './windows.js';

let worker = null;

export function keepOffline(design) {
  if (!('serviceWorker' in navigator)) {
    return;
  }
  navigator.serviceWorker.register('service_worker.js').then(() => navigator.serviceWorker.ready).then((registration) => {
    worker = registration.active;
    keepPictures(design);
  }).catch(() => {
    // Without a worker (a private window, say) the game plays on line all the same.
  });
}

// Every picture of the design as this screen shows it, and those in the windows on the page (a
// screen's density may have changed since they came).
function shownPictures(design) {
  const designed = design.windows.flatMap((window) => window.controls)
    .filter((control) => control.kind === 'picture')
    .map((control) => setPictureSource(new Image(), control));
  return [...designed, ...document.querySelectorAll('#stage img')];
}

// Asks the worker to keep the pictures, once they have come.
export function keepPictures(design) {
  if (!worker) {
    return;
  }
  const pictures = shownPictures(design);
  Promise.all(pictures.map((picture) => picture.decode().catch(() => {}))).then(() => {
    const shown = [...new Set(pictures.map((picture) => picture.currentSrc).filter(Boolean))];
    worker.postMessage({ keep: shown });
  });
}
