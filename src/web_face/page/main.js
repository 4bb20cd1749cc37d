// Kronesluk in the browser: the game's core in WebAssembly, its windows built from the desktop's
// design, the shell that moves the player between them.

import createCore from './kronesluk_core.js';
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

const [design, module] = await Promise.all([
  fetch('design.json').then((response) => response.json()),
  createCore(),
]);
const stage = document.getElementById('stage');
fitToScreen(stage, design);
const shell = new Shell(design, gameCore(module), new Messages(design.messages), stage);
shell.start();
keepOffline();
// The About dialog's picture is built when it first opens.
new MutationObserver(keepPictures).observe(stage, { childList: true });
