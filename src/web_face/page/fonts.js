// A font of the design on an element: the design's family (or the platform's own, where the
// design names none), its size in pixels, its weight, and the desktop's distance between lines.
export function setFont(element, font) {
  if (!font) {
    return;
  }
  if (font.family) {
    element.style.fontFamily = `"${font.family}"`;
  }
  element.style.fontSize = `${font.pixels}px`;
  element.style.fontWeight = String(font.weight);
  if (font.lineSpacing) {
    element.style.lineHeight = `${font.lineSpacing}px`;
  }
}
