// What a screen reader is told without the focus moving: each spin's sentence in the polite
// live region #spoken, and a window's instruction as it comes to the front in #instruction.

const spoken = document.getElementById('spoken');
const instruction = document.getElementById('instruction');

export function say(text) {
  spoken.textContent = text;
}

export function hush() {
  spoken.textContent = '';
}

// Tells how to start once the window has come to the front, so that its name is heard first.
let pending = null;

export function instruct(text) {
  withdrawInstruction();
  pending = setTimeout(() => {
    pending = null;
    instruction.textContent = text;
  });
}

export function withdrawInstruction() {
  clearTimeout(pending);
  pending = null;
  instruction.textContent = '';
}
