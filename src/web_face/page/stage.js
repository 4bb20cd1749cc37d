// The stage the windows stand on, as large as the welcome and game windows with their menu
// bars, scaled as one to the largest size that fits the screen, its proportions kept, and set
// in the middle.

export function fitToScreen(stage, design) {
  const windows = design.windows.filter((window) => window.kind === 'window');
  const menuBar = parseFloat(getComputedStyle(stage).getPropertyValue('--menu-bar')) || 0;
  const width = Math.max(...windows.map((window) => window.client[0]));
  const height = Math.max(...windows.map((window) => window.client[1])) + menuBar;
  stage.style.width = `${width}px`;
  stage.style.height = `${height}px`;
  const fit = () => {
    const screenWidth = document.documentElement.clientWidth;
    const screenHeight = document.documentElement.clientHeight;
    const scale = Math.min(screenWidth / width, screenHeight / height);
    const left = (screenWidth - width * scale) / 2;
    const top = (screenHeight - height * scale) / 2;
    stage.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
  };
  window.addEventListener('resize', fit);
  fit();
}
