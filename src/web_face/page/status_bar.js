// The status bar along the bottom of the welcome and game windows: the time and the date in the
// player's own short forms, kept current by the bar itself, then the title. A form too wide for
// its panel gives way to the numeric 24-hour time or the numeric date with a two-digit year.

import { setFont } from './fonts.js';

const Forms = {
  time: [{ timeStyle: 'short' }, { hour: '2-digit', minute: '2-digit', hourCycle: 'h23' }],
  date: [{ dateStyle: 'short' }, { year: '2-digit', month: '2-digit', day: '2-digit' }],
};

// A browser readies its calendars and time zones for the first formatter it makes, which takes
// a while: each form's formatter is made once.
const formatters = new Map();

function format(what, form, now) {
  const key = `${what} ${form}`;
  if (!formatters.has(key)) {
    formatters.set(key, new Intl.DateTimeFormat(undefined, Forms[what][form]));
  }
  return formatters.get(key).format(now);
}

const bars = new Set();
let wake = null;
let measuring = false;

function panel(width) {
  const span = document.createElement('span');
  span.style.width = `${width}px`;
  return span;
}

function show(bar, now) {
  bar.now = now;
  for (const what of ['time', 'date']) {
    bar[what].textContent = format(what, bar.form[what], now);
  }
  measureSoon();
}

// Whether a form fits is measured in its own font, on screen, where the next frame lays the
// bars out anyway (before it is drawn): once too wide, the narrower form for good.
function measureSoon() {
  if (measuring) {
    return;
  }
  measuring = true;
  document.fonts.ready.then(() => requestAnimationFrame(() => {
    measuring = false;
    for (const bar of bars) {
      for (const what of ['time', 'date']) {
        const span = bar[what];
        if (bar.form[what] === 0 && span.clientWidth > 0 && span.scrollWidth > span.clientWidth) {
          bar.form[what] = 1;
          span.textContent = format(what, 1, bar.now);
        }
      }
    }
  }));
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
  sleep(now);
}

function sleep(now) {
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
  const now = new Date();
  show(bar, now);
  if (wake === null) {
    sleep(now);
  }
  return { element, refresh: tick };
}
