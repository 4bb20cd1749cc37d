// Start-up and the moves between the windows, as on the desktop: each window exists at most
// once and is loaded, shown, hidden and unloaded; the game window is the start-up window, and
// loading it puts the welcome window on screen and starts a new game. The menu commands and
// their shortcut keys are handled here.
//
// The page draws the welcome window first, from the design alone; the game's core is started
// once it is on screen, the game window is loaded hidden once the core has come, and what needs
// it (the welcome window's "Start Spill") waits for it.

import { beep } from './bell.js';
import { GameWindow } from './game_window.js';
import { withdrawInstruction, hush, instruct } from './speech.js';
import { altLetter, isShortcut } from './shortcuts.js';
import { PageWindow, active } from './windows.js';

// Resolves once what is on the page now has been drawn in its fonts (the page asks for them as
// it starts) and put on screen: a frame is rastered and composited while the next ones begin,
// and the work that waits for this would otherwise hold up the first frame that shows it.
function drawn() {
  const frame = () => new Promise((resolve) => requestAnimationFrame(resolve));
  return document.fonts.ready.then(frame).then(frame).then(frame)
    .then(() => new Promise((resolve) => setTimeout(resolve)));
}

export class Shell {
  // `startCore()` starts the game's core and answers a promise of it.
  constructor(design, startCore, messages, stage) {
    this.designs = new Map(design.windows.map((window) => [window.name, window]));
    this.timers = design.timers;
    this.systemInfoUnavailable = design.messages.systemInfoUnavailable;
    this.startCore = startCore;
    this.core = null;
    this.coreComing = null;
    // Counts the program's runs: what waited for the core is dropped if the program has ended
    // meanwhile.
    this.run = 0;
    this.messages = messages;
    this.stage = stage;
    this.form1 = null;
    this.form2 = null;
    this.about = null;
    document.addEventListener('keydown', (event) => this.onKey(event));
  }

  // Start-up: the game window is the start-up window, and loading it does the rest; its
  // welcome window is on screen first, and the game window is loaded once the welcome window
  // has been drawn and the core has come. Resolves then.
  start() {
    this.showWelcomeWindow();
    this.coreComing ??= drawn().then(this.startCore).then((core) => {
      this.core = core;
    });
    return this.withCore(() => this.loadGameWindow());
  }

  // Runs `action` now if the core is here, else once it has come, unless the program has ended
  // meanwhile.
  withCore(action) {
    if (this.core) {
      action();
      return Promise.resolve();
    }
    const run = this.run;
    return this.coreComing.then(() => {
      if (this.run === run) {
        action();
      }
    });
  }

  loadGameWindow() {
    if (this.form2) {
      return;
    }
    const window = new PageWindow(this.designs.get('Form2'), this.stage, (name) => this.gameWindowCommand(name));
    this.form2 = new GameWindow(window, this.core, this.timers, {
      messages: this.messages,
      gameOver: () => this.endGame(),
    });
    this.form2.load();
    // The window's load handler: hidden, the welcome window on screen (the new game has begun).
    // At start-up it is there already, and may have the player's menu open.
    window.hide();
    if (!this.form1?.shown) {
      this.showWelcomeWindow();
    }
  }

  showGameWindow() {
    this.loadGameWindow();
    this.form2.window.show();
  }

  unloadGameWindow() {
    if (this.form2) {
      this.form2.unload();
      this.form2.window.unload();
      this.form2 = null;
    }
  }

  loadWelcomeWindow() {
    if (!this.form1) {
      this.form1 = new PageWindow(this.designs.get('Form1'), this.stage, (name) => this.welcomeWindowCommand(name));
    }
  }

  showWelcomeWindow() {
    this.loadWelcomeWindow();
    this.form1.show();
    const says = this.form1.design.saysOnShow;
    if (says) {
      instruct(this.form1.control(says).textContent);
    }
  }

  hideWelcomeWindow() {
    if (this.form1) {
      this.form1.hide();
      withdrawInstruction();
    }
  }

  welcomeWindowCommand(name) {
    const commands = { mnuPlay: () => this.startGame(), mnuExit: () => this.exitProgram() };
    commands[name]?.();
  }

  gameWindowCommand(name) {
    const commands = {
      mnuPlay: () => this.restartGame(),
      mnuExit: () => this.exitProgram(),
      mnuContent: () => this.openAbout(),
    };
    commands[name]?.();
  }

  // The welcome window's "Start Spill" (F2), as soon as there is a game to play.
  startGame() {
    this.withCore(() => {
      this.loadGameWindow();
      this.showGameWindow();
      this.hideWelcomeWindow();
    });
  }

  // The game window's "Start spill på nytt" (F2).
  restartGame() {
    this.unloadGameWindow();
    this.loadGameWindow();
    this.showGameWindow();
    this.hideWelcomeWindow();
  }

  // The game is over and the player has been told.
  endGame() {
    this.unloadGameWindow();
    this.loadWelcomeWindow();
    this.showWelcomeWindow();
  }

  openAbout() {
    beep();
    if (!this.about) {
      this.about = new PageWindow(this.designs.get('frmAbout'), this.stage);
      this.connectAbout(this.about);
    }
    this.about.show();
  }

  // OK closes the About dialog, as do Enter (but on System Info) and Esc; System Info tells
  // that the tool is not there, as the desktop does where it cannot find it.
  connectAbout(about) {
    about.control('cmdOK').addEventListener('click', () => this.closeAbout());
    about.control('cmdSysInfo').addEventListener('click', () => this.messages.tell(this.systemInfoUnavailable, about));
    about.element.addEventListener('keydown', (event) => {
      const onButton = event.target instanceof HTMLButtonElement;
      if (event.key === 'Escape' || (event.key === 'Enter' && !onButton)) {
        event.preventDefault();
        this.closeAbout();
      }
    });
    about.element.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.closeAbout();
    });
  }

  closeAbout() {
    if (this.about) {
      this.about.unload();
      this.about = null;
      this.activateFrontWindow();
    }
  }

  // Exit: the program ends at once, every window with it. A page may close its own tab only
  // where the browser allows it (an installed game's window, a tab the game opened); where the
  // tab stays, the game has ended all the same, and what is left is its icon to start it again.
  exitProgram() {
    this.run += 1;
    // Only where the browser lets a page close itself (a window the game was opened into, its
    // first page, or the installed game's own window): elsewhere it would only complain.
    const own = window.opener || history.length === 1 || !matchMedia('(display-mode: browser)').matches;
    if (own) {
      window.close();
    }
    this.messages.dismiss();
    if (this.about) {
      this.about.unload();
      this.about = null;
    }
    this.unloadGameWindow();
    if (this.form1) {
      this.form1.unload();
      this.form1 = null;
    }
    withdrawInstruction();
    hush();
    this.showLauncher();
  }

  showLauncher() {
    const launcher = document.getElementById('launcher');
    const name = this.designs.get('Form1').caption;
    launcher.querySelector('span').textContent = name;
    launcher.hidden = false;
    launcher.focus();
    launcher.onclick = () => {
      launcher.hidden = true;
      this.start();
    };
  }

  // The window in front among those on screen gets the keyboard, as a desktop gives it when
  // the active window goes.
  activateFrontWindow() {
    const shown = [this.about, this.form2?.window, this.form1].filter((window) => window && window.shown);
    shown.sort((a, b) => Number(b.element.style.zIndex) - Number(a.element.style.zIndex));
    shown[0]?.activate();
  }

  // Shortcut keys and access letters act in the active window only, and not while a message
  // box stands over everything.
  onKey(event) {
    if (this.messages.open || event.defaultPrevented) {
      return;
    }
    const window = active();
    if (!window || window.menuBar?.isOpen) {
      return;
    }
    for (const menu of window.design.menus) {
      const item = menu.items.find((candidate) => isShortcut(event, candidate.shortcut));
      if (item) {
        event.preventDefault();
        window.menuBar.command(item.name);
        return;
      }
    }
    // Tab where nothing has the keyboard (a stake just turned grey) starts the window's chain.
    if (event.key === 'Tab' && !window.element.contains(event.target) && !event.ctrlKey && !event.altKey && !event.metaKey) {
      if (window.moveFocus(event.shiftKey)) {
        event.preventDefault();
      }
      return;
    }
    const letter = altLetter(event);
    if (letter && (window.menuBar?.openByLetter(letter) || window.pressByLetter(letter))) {
      event.preventDefault();
    }
  }
}
