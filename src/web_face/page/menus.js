// A window's menu bar, built from its design: menus that open by a click or a tap, by their
// access letter with Alt, or from the keyboard, and items that carry out a command by the
// design's name. Menus follow the WAI-ARIA menu bar: the arrows move, Enter and Space choose,
// Esc closes and gives the keyboard back to where it was.

import { accessLetter, letteredNodes } from './access_letters.js';
import { ariaShortcut, typedLetter } from './shortcuts.js';

function element(tag, className, attributes = {}) {
  const made = document.createElement(tag);
  made.className = className;
  for (const [name, value] of Object.entries(attributes)) {
    made.setAttribute(name, value);
  }
  return made;
}

export class MenuBar {
  // `command(name)` carries out the item named `name`.
  constructor(menus, command) {
    this.command = command;
    this.menus = [];
    this.openIndex = -1;
    this.returnFocus = null;
    this.element = element('div', 'menu-bar', { role: 'menubar' });
    menus.forEach((design, index) => this.addMenu(design, index));
    this.closeOnOutside = (event) => {
      if (this.openIndex >= 0 && !this.element.contains(event.target)) {
        this.close(false);
      }
    };
    document.addEventListener('pointerdown', this.closeOnOutside, true);
    // An open menu has the keyboard, wherever the focus is, as a desktop menu grabs it.
    this.onKey = (event) => this.onMenuKey(event);
  }

  addMenu(design, index) {
    const holder = element('div', 'menu-holder', { role: 'none' });
    const title = element('button', 'menu-title', {
      type: 'button', role: 'menuitem', 'aria-haspopup': 'menu', 'aria-expanded': 'false',
      'data-name': design.name, tabindex: '-1',
    });
    title.append(...letteredNodes(design.title));
    const popup = element('div', 'menu', { role: 'menu', 'aria-label': accessLetter(design.title).shown });
    popup.hidden = true;
    const items = design.items.map((item) => {
      const button = element('button', 'menu-item', {
        type: 'button', role: 'menuitem', 'data-name': item.name, tabindex: '-1',
      });
      const text = element('span', 'menu-text');
      text.append(...letteredNodes(item.text));
      button.append(text);
      if (item.shortcut) {
        button.setAttribute('aria-keyshortcuts', ariaShortcut(item.shortcut));
        const keys = element('span', 'menu-shortcut', { 'aria-hidden': 'true' });
        keys.textContent = item.shortcut;
        button.append(keys);
      }
      button.addEventListener('click', () => this.choose(item.name));
      popup.append(button);
      return { button, letter: accessLetter(item.text).letter };
    });
    title.addEventListener('click', () => (this.openIndex === index ? this.close() : this.open(index)));
    holder.append(title, popup);
    this.element.append(holder);
    this.menus.push({ title, popup, items, letter: accessLetter(design.title).letter });
  }

  get isOpen() {
    return this.openIndex >= 0;
  }

  open(index) {
    if (this.openIndex >= 0) {
      this.close(false);
    } else if (!this.element.contains(document.activeElement)) {
      this.returnFocus = document.activeElement;
    }
    const menu = this.menus[index];
    this.openIndex = index;
    menu.title.setAttribute('aria-expanded', 'true');
    menu.popup.hidden = false;
    document.addEventListener('keydown', this.onKey, true);
    menu.items[0]?.button.focus();
  }

  // Closes the open menu; the keyboard goes back where it was unless `restore` is false.
  close(restore = true) {
    const menu = this.menus[this.openIndex];
    if (!menu) {
      return;
    }
    this.openIndex = -1;
    document.removeEventListener('keydown', this.onKey, true);
    menu.title.setAttribute('aria-expanded', 'false');
    menu.popup.hidden = true;
    const back = this.returnFocus;
    this.returnFocus = null;
    if (restore && back && back.isConnected && back !== document.body) {
      back.focus();
    }
  }

  // Opens the menu whose access letter is `letter`; false if there is none.
  openByLetter(letter) {
    const index = this.menus.findIndex((menu) => menu.letter === letter);
    if (index < 0) {
      return false;
    }
    this.open(index);
    return true;
  }

  choose(name) {
    this.close();
    this.command(name);
  }

  onMenuKey(event) {
    const menu = this.menus[this.openIndex];
    if (!menu) {
      return;
    }
    const buttons = menu.items.map((item) => item.button);
    const at = buttons.indexOf(document.activeElement);
    const step = (by) => buttons[(at + by + buttons.length) % buttons.length].focus();
    const neighbour = (by) => this.open((this.openIndex + by + this.menus.length) % this.menus.length);
    const keys = {
      ArrowDown: () => step(1),
      ArrowUp: () => step(-1),
      Home: () => buttons[0].focus(),
      End: () => buttons[buttons.length - 1].focus(),
      ArrowRight: () => neighbour(1),
      ArrowLeft: () => neighbour(-1),
      Escape: () => this.close(),
      Tab: () => this.close(),
    };
    if (keys[event.key]) {
      keys[event.key]();
      event.preventDefault();
      event.stopPropagation();
      return;
    }
    const letter = typedLetter(event);
    const item = letter && menu.items.find((candidate) => candidate.letter === letter);
    if (item) {
      event.preventDefault();
      event.stopPropagation();
      item.button.click();
      return;
    }
    // Enter and Space choose the item with the focus; no other key reaches the window.
    const onItem = buttons.includes(document.activeElement);
    if (!(onItem && (event.key === 'Enter' || event.key === ' '))) {
      event.stopPropagation();
      if (event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
      }
    }
  }

  remove() {
    document.removeEventListener('pointerdown', this.closeOnOutside, true);
    this.close(false);
  }
}
