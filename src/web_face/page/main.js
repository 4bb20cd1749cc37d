// Kronesluk in the browser: the game's core in WebAssembly, its windows built from the desktop's
// design, the shell that moves the player between them.

import createCore from './kronesluk_core.js';
// Written by the build from the desktop's design records.
import design from './design.js';
import { Messages } from './messages.js';
import { keepOffline, keepPictures } from './offline.js';
import { Shell } from './shell.js';
import { fitToScreen } from './stage.js';

// The core's few calls, each answering with the game's orders.
function gameCore(module) {
  const orders = (name, argumentTypes = []) => {
    const call = module.cwrap(name, 'string', argumentTypes);
    return (...values) => JSON.parse(call(...values));
  };
  return {
    load: orders('ksl_load_game_window'),
    unload: module.cwrap('ksl_unload_game_window', null, []),
    stakePressed: orders('ksl_stake_pressed', ['string']),
    ticked: orders('ksl_ticked', ['string']),
    messageClosed: orders('ksl_message_closed'),
  };
}

function pageLoaded() {
  return document.readyState === 'complete' ? Promise.resolve()
    : new Promise((resolve) => window.addEventListener('load', resolve, { once: true }));
}

// The page's fonts are asked for as its code starts, so that they are there for the welcome
// window's first frame rather than asked for by it.
for (const face of document.fonts) {
  face.load().catch(() => {}); // a face that cannot come gives way to the system's, as CSS says
}
const stage = document.getElementById('stage');
fitToScreen(stage, design);
const shell = new Shell(design, () => createCore().then(gameCore), new Messages(design.messages), stage);
await shell.start();
// The worker's first filling fetches every file again: not before the page has what it shows.
await pageLoaded();
keepOffline(design);
// The About dialog's picture is built when it first opens.
new MutationObserver(() => keepPictures(design)).observe(stage, { childList: true });
