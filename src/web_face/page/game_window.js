// The game window's face of the game: the window built from its design, the eleven timers of
// the reveal (their intervals are the design's), and the game in the WebAssembly core, whose
// orders it carries out as they stand. It holds no rule, no timing and no text of its own.

import { beep } from './bell.js';
import { hush, say } from './speech.js';

export class GameWindow {
  // `window` is the loaded game window; `services` holds the messages and `gameOver`, called
  // when the game has ended and the player has been told.
  constructor(window, core, timers, services) {
    this.window = window;
    this.core = core;
    this.services = services;
    this.intervals = new Map(timers.map((timer) => [timer.name, timer.interval]));
    this.running = new Map();
    this.gone = false;
    for (const stake of window.buttons()) {
      stake.addEventListener('click', () => this.carry(core.stakePressed(stake.dataset.name)));
    }
  }

  // The window has been loaded: its timers start, and a new game begins.
  load() {
    this.carry(this.core.load());
  }

  // The window is being unloaded: no tick of it runs from now on.
  unload() {
    this.gone = true;
    for (const name of [...this.running.keys()]) {
      this.stopTimer(name);
    }
    this.core.unload();
    hush();
  }

  startTimer(name) {
    this.stopTimer(name);
    this.running.set(name, setInterval(() => this.carry(this.core.ticked(name)), this.intervals.get(name)));
  }

  stopTimer(name) {
    clearInterval(this.running.get(name));
    this.running.delete(name);
  }

  carry(orders) {
    for (const order of orders) {
      if (this.gone) {
        return;
      }
      switch (order.kind) {
        case 'StartTimer':
          this.startTimer(order.name);
          break;
        case 'StopTimer':
          this.stopTimer(order.name);
          break;
        case 'Show':
          this.window.setShown(order.name, true);
          break;
        case 'Hide':
          this.window.setShown(order.name, false);
          break;
        case 'SetText':
          this.window.control(order.name).textContent = order.text ?? '';
          break;
        case 'StakesOff':
          for (const stake of this.window.buttons()) {
            stake.disabled = true;
          }
          break;
        case 'StakesOn':
          this.bringBackTheStakes(order.name);
          break;
        case 'Beep':
          beep();
          break;
        case 'Say':
          say(order.text);
          break;
        case 'Hush':
          hush();
          break;
        case 'Tell':
          // The timers tick while the box is open, as on the desktop; what the game answers to
          // its closing may end the game and with it this window.
          this.services.messages.tell(order.text, this.window, () => {
            if (!this.gone) {
              this.carry(this.core.messageClosed());
            }
          });
          return;
        case 'GameOver':
          this.services.gameOver();
          return;
        default:
          throw new Error(`an order the page does not know: ${order.kind}`);
      }
    }
  }

  // Both stakes back; the one just played takes the keyboard, so Space plays it again. While
  // another window has the keyboard, the stake only keeps its place for when it comes back.
  bringBackTheStakes(played) {
    for (const stake of this.window.buttons()) {
      stake.disabled = false;
    }
    const stake = played && this.window.control(played);
    if (stake) {
      this.window.focusWidget = stake;
      if (this.window.isActive && !this.services.messages.open) {
        stake.focus();
      }
    }
  }
}
