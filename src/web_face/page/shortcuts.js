// Shortcut keys as the design writes them ("F2", "Ctrl+Q"), and whether a key press is one.

const Modifiers = { Ctrl: 'ctrlKey', Alt: 'altKey', Shift: 'shiftKey', Meta: 'metaKey' };

function parse(shortcut) {
  const parts = shortcut.split('+');
  const key = parts.pop();
  return { key, modifiers: new Set(parts) };
}

export function isShortcut(event, shortcut) {
  if (!shortcut) {
    return false;
  }
  const { key, modifiers } = parse(shortcut);
  for (const [name, flag] of Object.entries(Modifiers)) {
    if (event[flag] !== modifiers.has(name)) {
      return false;
    }
  }
  if (key.length === 1) {
    // A letter on any keyboard layout: by the character, or by the key that writes it in Latin.
    return event.key.toUpperCase() === key.toUpperCase() || event.code === `Key${key.toUpperCase()}`;
  }
  return event.key === key;
}

// The shortcut in the words of aria-keyshortcuts ("Control+Q").
export function ariaShortcut(shortcut) {
  return shortcut.replace(/\bCtrl\b/g, 'Control');
}

// The letter a key press types, in lower case: the character where it is a letter, else the
// Latin letter of its key (Alt on some systems types other characters); null for other keys.
export function typedLetter(event) {
  if (event.ctrlKey || event.metaKey) {
    return null;
  }
  if (/^\p{L}$/u.test(event.key)) {
    return event.key.toLowerCase();
  }
  const code = /^Key([A-Z])$/.exec(event.code);
  return code ? code[1].toLowerCase() : null;
}

// The access letter a key press asks for with Alt, if any.
export function altLetter(event) {
  return event.altKey ? typedLetter(event) : null;
}
