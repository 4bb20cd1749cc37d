// A font of the design on an element: the design's family (or the platform's own, where the
// design names none), its size in pixels, its weight, and the desktop's distance between lines.
// The page carries its own cut of each design family, under the name "Kronesluk <family>".
export function setFont(element, font) {
  if (!font) {
    return;
  }
  if (font.family) {
    // The face cut for the page (fonts.css), else the system's font of the design's family.
    element.style.fontFamily = `"Kronesluk ${font.family}", "${font.family}"`;
  }
  element.style.fontSize = `${font.pixels}px`;
  element.style.fontWeight = String(font.weight);
  if (font.lineSpacing) {
    element.style.lineHeight = `${font.lineSpacing}px`;
  }
}
