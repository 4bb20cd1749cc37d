// Texts of menus and buttons as the design writes them: an ampersand before the access letter
// ("&Spill", "E&xit"), and "&&" for an ampersand itself.

// The text as shown, and its access letter (lower case), if it has one.
export function accessLetter(text) {
  let shown = '';
  let letter = null;
  let at = -1;
  for (let i = 0; i < text.length; i++) {
    if (text[i] === '&' && i + 1 < text.length) {
      i++;
      if (text[i] !== '&' && letter === null) {
        letter = text[i].toLowerCase();
        at = shown.length;
      }
    }
    shown += text[i];
  }
  return { shown, letter, at };
}

// The text as nodes, its access letter underlined.
export function letteredNodes(text) {
  const { shown, at } = accessLetter(text);
  if (at < 0) {
    return [document.createTextNode(shown)];
  }
  const underlined = document.createElement('u');
  underlined.textContent = shown[at];
  return [
    document.createTextNode(shown.slice(0, at)),
    underlined,
    document.createTextNode(shown.slice(at + 1)),
  ];
}
