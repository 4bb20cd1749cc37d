// The game's windows, each built from its design record by one factory: an element for the
// window (id = the design's name), and in it one element for each control (data-name = the
// control's name) with its box, text, font and colours, in the order a screen reader reads the
// desktop's window and stacked as the design stacks them. A window is loaded (built), shown,
// hidden and unloaded (removed) as the desktop's windows are; the one the player last used is
// the active window, in front of the others, with the keyboard.

import { accessLetter, letteredNodes } from './access_letters.js';
import { setFont } from './fonts.js';
import { MenuBar } from './menus.js';
import { buildStatusBar } from './status_bar.js';

const px = (value) => `${value}px`;

function place(element, [left, top, width, height]) {
  element.style.left = px(left);
  element.style.top = px(top);
  element.style.width = px(width);
  element.style.height = px(height);
}

function colour(element, property, value) {
  if (value) {
    element.style[property] = value;
  }
}

function label(design) {
  const element = document.createElement('div');
  element.className = design.sunken ? 'label sunken' : 'label';
  place(element, design.box);
  setFont(element, design.font);
  colour(element, 'color', design.colour);
  colour(element, 'backgroundColor', design.background);
  element.style.textAlign = design.align;
  if (design.lines) {
    // Broken where the desktop breaks it, each line whole.
    element.classList.add('desktop-lines');
    if (design.lines.length > 1) {
      element.append(...design.lines.map((text) => {
        const line = document.createElement('span');
        line.className = 'desktop-line';
        line.textContent = text;
        return line;
      }));
    } else {
      element.textContent = design.text ?? '';
    }
  } else {
    element.textContent = design.text ?? '';
  }
  element.hidden = !design.visible;
  if (design.accessibleName) {
    // What the label stands for ("Venstre hjul"), read before what it shows.
    element.setAttribute('role', 'group');
    element.setAttribute('aria-label', design.accessibleName);
  }
  return element;
}

// A line between two points across or down, `width` pixels wide, reaching half its width past
// each end; a line of odd width lies on whole pixels, as the desktop draws it.
function line(design) {
  const element = document.createElement('div');
  element.className = 'line';
  const [[x1, y1], [x2, y2]] = [design.from, design.to];
  const reach = design.width / 2 - (design.width % 2) / 2;
  place(element, [Math.min(x1, x2) - reach, Math.min(y1, y2) - reach,
    Math.abs(x2 - x1) + design.width, Math.abs(y2 - y1) + design.width]);
  element.style.backgroundColor = design.colour;
  return element;
}

// Where a picture's image comes from: drawn anew at twice the size for denser screens, the
// browser takes the one for its screen.
export function setPictureSource(element, design) {
  element.src = `pictures/${design.picture}`;
  if (design.twin) {
    element.srcset = `pictures/${design.picture} 1x, pictures/${design.twin} 2x`;
  }
  return element;
}

// A picture scaled to fill its box.
function picture(design) {
  const element = document.createElement('img');
  element.className = 'picture';
  place(element, design.box);
  setPictureSource(element, design);
  element.alt = design.accessibleName ?? '';
  element.draggable = false;
  return element;
}

function button(design) {
  const element = document.createElement('button');
  element.type = 'button';
  element.className = 'button';
  place(element, design.box);
  setFont(element, design.font);
  element.append(...letteredNodes(design.text));
  return element;
}

const Factory = { label, line, picture, button };

// Windows stack in the order they were last activated.
let frontmost = 0;
let activeWindow = null;

export function active() {
  return activeWindow && activeWindow.shown ? activeWindow : null;
}

export class PageWindow {
  // Loads the window of `design` onto `stage`, hidden. `command(name)` carries out its menu
  // items.
  constructor(design, stage, command = () => {}) {
    this.design = design;
    this.dialog = design.kind === 'dialog';
    this.controls = new Map();
    this.focusWidget = null;
    this.element = document.createElement(this.dialog ? 'dialog' : 'section');
    this.element.id = design.name;
    this.element.className = this.dialog ? 'window dialog' : 'window';
    this.element.tabIndex = -1;
    if (this.dialog) {
      const caption = document.createElement('div');
      caption.className = 'caption';
      caption.id = `${design.name}-caption`;
      caption.textContent = design.caption;
      this.element.setAttribute('aria-labelledby', caption.id);
      this.element.append(caption);
    } else {
      this.element.setAttribute('aria-label', design.spokenCaption);
      this.element.hidden = true;
    }
    if (design.menus.length > 0) {
      this.menuBar = new MenuBar(design.menus, command);
      this.element.append(this.menuBar.element);
    }
    this.face = this.buildFace();
    this.element.append(this.face);
    // The first button in the tab order has the keyboard when the window first shows.
    this.focusWidget = this.buttons()[0] ?? null;
    if (design.statusBar) {
      this.statusBar = buildStatusBar(design.statusBar);
      this.element.append(this.statusBar.element);
    }
    // The keyboard's place in the window, given back when the window is active again.
    this.element.addEventListener('focusin', (event) => {
      if (event.target !== this.element && !this.menuBar?.element.contains(event.target)) {
        this.focusWidget = event.target;
      }
      this.raise();
    });
    this.element.addEventListener('pointerdown', () => this.raise());
    // Tab goes round the window's own controls, as on the desktop, never out of the window.
    this.element.addEventListener('keydown', (event) => {
      if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey && this.moveFocus(event.shiftKey)) {
        event.preventDefault();
      }
    });
    stage.append(this.element);
  }

  buildFace() {
    const face = document.createElement('div');
    face.className = 'face';
    const [width, height] = this.design.client;
    face.style.width = px(width);
    face.style.height = px(height - (this.design.statusBar?.height ?? 0));
    face.style.backgroundColor = this.design.face;
    setFont(face, this.design.font);
    for (const design of this.design.controls) {
      const element = Factory[design.kind](design);
      element.dataset.name = design.name;
      element.style.zIndex = String(design.stacking);
      if (design.read === 'unread') {
        element.setAttribute('aria-hidden', 'true');
      }
      if (!this.controls.has(design.name)) {
        this.controls.set(design.name, element);
      }
      face.append(element);
    }
    this.coverPictures();
    return face;
  }

  control(name) {
    return this.controls.get(name);
  }

  buttons() {
    return this.design.controls.filter((design) => design.kind === 'button').map((design) => this.control(design.name));
  }

  // Shows or hides a control; a picture wholly behind a shown picture is out of sight.
  setShown(name, shown) {
    this.control(name).hidden = !shown;
    this.coverPictures();
  }

  coverPictures() {
    for (const design of this.design.controls) {
      if (design.kind === 'picture') {
        const covered = design.coveredBy.some((front) => !this.control(front).hidden);
        const picture = this.control(design.name);
        if (covered) {
          picture.setAttribute('aria-hidden', 'true');
        } else {
          picture.removeAttribute('aria-hidden');
        }
      }
    }
  }

  get isActive() {
    return active() === this;
  }

  get shown() {
    return this.element.isConnected && (this.dialog ? this.element.open : !this.element.hidden);
  }

  // Puts the window on screen, in front, with the keyboard.
  show() {
    if (this.dialog) {
      if (!this.element.open) {
        this.element.show();
        this.centre();
      }
    } else {
      this.element.hidden = false;
    }
    this.statusBar?.refresh();
    this.activate();
  }

  // A dialog opens in the middle of the stage.
  centre() {
    const stage = this.element.parentElement;
    this.element.style.left = px(Math.max(0, (stage.offsetWidth - this.element.offsetWidth) / 2));
    this.element.style.top = px(Math.max(0, (stage.offsetHeight - this.element.offsetHeight) / 2));
  }

  hide() {
    if (this.dialog) {
      this.element.close();
    } else {
      this.element.hidden = true;
    }
    this.menuBar?.close(false);
    if (activeWindow === this) {
      activeWindow = null;
    }
  }

  unload() {
    this.hide();
    this.menuBar?.remove();
    this.element.remove();
  }

  raise() {
    activeWindow = this;
    frontmost += 1;
    this.element.style.zIndex = String(frontmost);
  }

  activate() {
    this.raise();
    this.giveKeysBack();
  }

  // The keyboard goes back to the control that last had it, if it can take it, else to the
  // window itself.
  giveKeysBack() {
    const widget = this.focusWidget;
    if (widget && widget.isConnected && !widget.disabled && !widget.closest('[hidden]')) {
      widget.focus();
    } else {
      this.element.focus();
    }
  }

  // Gives the keyboard to the next control of the tab chain (the buttons that can take it, in
  // the design's order), or the one before; false where the window has none.
  moveFocus(backwards) {
    const chain = this.buttons().filter((element) => !element.disabled && !element.closest('[hidden]'));
    if (chain.length === 0) {
      return false;
    }
    const at = chain.indexOf(document.activeElement);
    const next = at < 0 ? (backwards ? chain.length - 1 : 0) : (at + (backwards ? -1 : 1) + chain.length) % chain.length;
    chain[next].focus();
    return true;
  }

  // Presses the button whose access letter is `letter`; false if there is none.
  pressByLetter(letter) {
    const design = this.design.controls.find((control) => control.kind === 'button' && accessLetter(control.text).letter === letter);
    const element = design && this.control(design.name);
    if (!element || element.disabled) {
      return false;
    }
    element.click();
    return true;
  }
}
