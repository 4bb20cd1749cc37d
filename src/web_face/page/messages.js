// Messages to the player: the one modal message box of the page, captioned as the design
// captions it, with the message's words and one OK. Whatever closes it (OK, Enter, Esc), the
// keyboard goes back to the window the player was using, and whoever told the message hears
// that it was closed.

export class Messages {
  constructor(design) {
    this.box = document.getElementById('message');
    this.words = document.getElementById('message-text');
    this.ok = document.getElementById('message-ok');
    document.getElementById('message-caption').textContent = design.caption;
    this.ok.textContent = design.ok;
    this.ok.addEventListener('click', () => this.box.close());
    this.box.addEventListener('close', () => this.closed());
    this.owner = null;
    this.onClosed = null;
  }

  get open() {
    return this.box.open;
  }

  // Tells the player `text` over the window `owner`; `onClosed` runs once the box is closed.
  tell(text, owner, onClosed = () => {}) {
    this.words.textContent = text;
    this.owner = owner;
    this.onClosed = onClosed;
    this.box.showModal();
    this.ok.focus();
  }

  // Takes the box away unread, as when the program ends.
  dismiss() {
    this.owner = null;
    this.onClosed = null;
    if (this.box.open) {
      this.box.close();
    }
  }

  closed() {
    const { owner, onClosed } = this;
    this.owner = null;
    this.onClosed = null;
    if (owner && owner.shown) {
      owner.activate();
    }
    onClosed?.();
  }
}
