// The status bar along the bottom of the welcome and game windows: the time and the date in the
// player's own short forms, kept current by the bar itself, then the title. A form too wide for
// its panel gives way to the numeric 24-hour time or the numeric date with a two-digit year.

import { setFont } from './fonts.js';

const Forms = {
  time: [{ timeStyle: 'short' }, { hour: '2-digit', minute: '2-digit', hourCycle: 'h23' }],
  date: [{ dateStyle: 'short' }, { year: '2-digit', month: '2-digit', day: '2-digit' }],
};

const bars = new Set();
let wake = null;

function panel(width) {
  const span = document.createElement('span');
  span.style.width = `${width}px`;
  return span;
}

function show(bar, now) {
  for (const what of ['time', 'date']) {
    const span = bar[what];
    span.textContent = new Intl.DateTimeFormat(undefined, Forms[what][bar.form[what]]).format(now);
    // Measured only on screen; once too wide, the narrower form for good.
    if (bar.form[what] === 0 && span.clientWidth > 0 && span.scrollWidth > span.clientWidth) {
      bar.form[what] = 1;
      span.textContent = new Intl.DateTimeFormat(undefined, Forms[what][1]).format(now);
    }
  }
}

// Shows the time on every bar still on the page, then sleeps until the next minute.
function tick() {
  clearTimeout(wake);
  const now = new Date();
  for (const bar of bars) {
    if (bar.element.isConnected) {
      show(bar, now);
    } else {
      bars.delete(bar);
    }
  }
  wake = bars.size > 0 ? setTimeout(tick, 60000 - (now.getSeconds() * 1000 + now.getMilliseconds())) : null;
}

export function buildStatusBar(design) {
  const element = document.createElement('div');
  element.className = 'status-bar';
  element.dataset.name = 'StatusBar1';
  element.style.height = `${design.height}px`;
  element.style.columnGap = `${design.gap}px`;
  setFont(element, design.font);
  const bar = { element, time: panel(design.clockWidth), date: panel(design.clockWidth), form: { time: 0, date: 0 } };
  const title = document.createElement('span');
  title.style.minWidth = `${design.titleMinimumWidth}px`;
  title.textContent = design.title;
  element.append(bar.time, bar.date, title);
  bars.add(bar);
  show(bar, new Date());
  if (wake === null) {
    tick();
  }
  return { element, refresh: tick };
}
