#!/usr/bin/python3
"""The browser edition in headless Chromium, each run with a fresh profile, the page served
from 127.0.0.1 by the tests' own server, everything read through the DevTools protocol:
  first visit   the bytes it fetches, encoded as they came over the wire (the sum of
                Network.loadingFinished of the page and of its service worker, until the worker
                keeps every picture shown), at 1x and at 2x device scale (target: at most 300 KB
                at 1x);
  navigation    from the start of the navigation to the presentation of the first frame that
                shows the welcome window with its fonts and pictures, against a bare page of one
                line of text served and measured the same way, alternating (target: at most 1.2
                times);
  stake         from a click on "1 Kr" (the click event's time) to the first frame drawn after
                the left reel shows (design: the first reel at 500 ms).
Every figure is the median of the runs.

    web_bench.py BUILD_WEB_FOLDER [RUNS=9]
"""

import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from harness import Failure, wait_for  # noqa: E402
from page_server import PageServer  # noqa: E402
from piped_chromium import PipedChromium  # noqa: E402

BYTES_TARGET = 300_000
RATIO_TARGET = 1.2
FIRST_REEL_MS = 500
BARE_PAGE = ('<!doctype html><html lang="nb"><meta charset="utf-8">'
             '<meta name="viewport" content="width=device-width, initial-scale=1">'
             '<title>Kronesluk</title><p>Press F2 for å starte spillet</p>')

# From the page's first script on: the moment `selector` is on screen with every text of it in
# its font and every picture of it decoded, and then drawn. Drawn is when the browser presents
# the frame that first shows it whole, as Element Timing reports it: a frame's work does not end
# when its requestAnimationFrame callbacks start, and a window that fills the screen takes longer
# to raster and composite than a line of text. The frame is marked by a dot put in it (a 2-pixel
# full stop in the top left corner), in the same callback that found the window ready.
PAINT_WATCH = """(() => {
  const ready = el => el && el.checkVisibility() && [...el.querySelectorAll('img')]
    .every(img => !img.checkVisibility() || (img.complete && img.naturalWidth > 0)) &&
    [el, ...el.querySelectorAll('*')].every(e => ![...e.childNodes].some(n => n.nodeType === 3 &&
      n.textContent.trim()) || document.fonts.check(getComputedStyle(e).font, e.textContent));
  const mark = () => {
    const dot = document.createElement('div');
    dot.setAttribute('elementtiming', 'ksl-drawn');
    dot.textContent = '.';
    Object.assign(dot.style, {position: 'fixed', left: '0', top: '0', font: '2px sans-serif',
                              pointerEvents: 'none'});
    new PerformanceObserver((entries, observer) => {
      const drawn = entries.getEntries().find(entry => entry.identifier === 'ksl-drawn');
      if (drawn) {
        observer.disconnect();
        dot.remove();
        window.kslPainted = drawn.renderTime;
      }
    }).observe({type: 'element'});
    document.documentElement.append(dot);
  };
  const look = () => {
    if (!ready(document.querySelector(%r))) return requestAnimationFrame(look);
    window.kslFrameBegun = performance.now();
    mark();
  };
  requestAnimationFrame(look);
})();"""

# The service worker keeps every picture on screen, and nothing is on its way.
KEPT = """(async () => {
  const worker = await navigator.serviceWorker.getRegistration();
  if (!worker || !worker.active || worker.active.state !== 'activated') return false;
  for (const image of document.images) {
    if (image.currentSrc && !(await caches.match(image.currentSrc))) return false;
  }
  return true;
})()"""

# A stake's click and the frame that first shows the left reel after it, in the page's time.
STAKE_WATCH = """(() => {
  const reel = document.querySelector('#Form2 [data-name="Label2"]');
  window.kslSpins = [];
  let clicked = null;
  document.addEventListener('click', event => {
    if (event.target.closest('[data-name="Command1"]')) clicked = event.timeStamp;
  }, true);
  new MutationObserver(() => {
    if (clicked === null || !reel.checkVisibility() || !reel.textContent.trim()) return;
    const at = clicked;
    clicked = null;
    requestAnimationFrame(() => requestAnimationFrame(() =>
      window.kslSpins.push(performance.now() - at)));
  }).observe(reel, {attributes: true, childList: true, characterData: true, subtree: true});
})()"""


def evaluate(browser, expression):
    answer = browser.send("Runtime.evaluate", expression=expression, returnByValue=True,
                          awaitPromise=True)
    if "exceptionDetails" in answer:
        raise Failure(f"{expression[:60]}...: {answer['exceptionDetails']}")
    return answer["result"].get("value")


class FirstVisit:
    """One first visit of `url` in a fresh headless Chromium at `scale`: the bytes fetched by the
    page and its service worker, and when the `selector` was drawn."""

    def __init__(self, url, selector, scale=1, worker=True):
        with tempfile.TemporaryDirectory(prefix="ksl-bench-") as scratch:
            browser = PipedChromium(scratch, headless=True)
            try:
                self.measure(browser, url, selector, scale, worker)
            finally:
                browser.close()

    def measure(self, browser, url, selector, scale, worker):
        # The tab's network is watched from before the navigation; a service worker stops at
        # its start until its network is watched too.
        browser.send("Target.setAutoAttach", session=None, autoAttach=True,
                     waitForDebuggerOnStart=True, flatten=True)
        browser.send("Emulation.setDeviceMetricsOverride", width=1920, height=1080,
                     deviceScaleFactor=scale, mobile=False)
        browser.send("Page.enable")
        browser.send("Page.addScriptToEvaluateOnNewDocument", source=PAINT_WATCH % selector)
        browser.send("Network.enable")
        self.bytes = {"page": 0, "service_worker": 0}
        self.requests = 0
        watched, pending = {browser.session: "page"}, set()
        origin = url.rsplit("/", 1)[0]
        browser.send("Page.navigate", url=url)

        def settled():
            for event in browser.read_events(0.05):
                params, session = event["params"], event.get("sessionId")
                if event["method"] == "Target.attachedToTarget":
                    if params["targetInfo"]["type"] == "service_worker":
                        watched[params["sessionId"]] = "service_worker"
                        browser.send("Network.enable", session=params["sessionId"])
                    browser.send("Runtime.runIfWaitingForDebugger", session=params["sessionId"])
                elif session not in watched:
                    continue
                elif event["method"] == "Network.requestWillBeSent":
                    if params["request"]["url"].startswith(origin):
                        pending.add((session, params["requestId"]))
                elif event["method"] in ("Network.loadingFinished", "Network.loadingFailed"):
                    if (session, params["requestId"]) in pending:
                        pending.discard((session, params["requestId"]))
                        self.bytes[watched[session]] += params.get("encodedDataLength", 0)
                        self.requests += 1
            painted = evaluate(browser, "window.kslPainted ?? null")
            return (painted is not None and not pending and
                    (not worker or evaluate(browser, KEPT)) and painted)

        self.painted_ms = wait_for(30, settled, f"{url} was not drawn and kept within 30 s")
        self.first_contentful_ms = evaluate(
            browser, "performance.getEntriesByName('first-contentful-paint')[0]?.startTime")
        self.frame_begun_ms = evaluate(browser, "window.kslFrameBegun")


def stake_to_first_reel(folder, runs):
    """Milliseconds from each of `runs` clicks on "1 Kr" to its left reel drawn."""
    with tempfile.TemporaryDirectory(prefix="ksl-bench-") as scratch:
        browser = PipedChromium(scratch, headless=True)
        server = PageServer(folder)
        try:
            browser.send("Emulation.setDeviceMetricsOverride", width=1920, height=1080,
                         deviceScaleFactor=1, mobile=False)
            browser.send("Page.navigate", url=server.origin + "/")
            wait_for(20, lambda: evaluate(browser, "!!document.querySelector("
                                          "'#Form1')?.checkVisibility()"), "no welcome window")
            for kind in ("rawKeyDown", "keyUp"):
                browser.send("Input.dispatchKeyEvent", type=kind, key="F2", code="F2",
                             windowsVirtualKeyCode=113)
            # The game window is loaded once the core has come, which may be after F2.
            stakes_on = ("(stakes => stakes.length > 0 && stakes.every(b => b.checkVisibility() && "
                         "!b.disabled))([...document.querySelectorAll('#Form2 [data-name^=\"Command\"]')])")
            wait_for(10, lambda: evaluate(browser, stakes_on), "F2 showed no game window")
            evaluate(browser, STAKE_WATCH)
            box = evaluate(browser, "(() => { const r = document.querySelector('#Form2 "
                           "[data-name=\"Command1\"]').getBoundingClientRect();"
                           "return [r.x + r.width / 2, r.y + r.height / 2]; })()")
            for spin in range(1, runs + 1):
                wait_for(10, lambda: evaluate(browser, stakes_on), "the stakes did not come back")
                for kind in ("mousePressed", "mouseReleased"):
                    browser.send("Input.dispatchMouseEvent", type=kind, x=box[0], y=box[1],
                                 button="left", clickCount=1)
                wait_for(10, lambda: evaluate(browser, f"window.kslSpins.length >= {spin}"),
                         f"spin {spin}: the left reel was never drawn")
            return evaluate(browser, "window.kslSpins")
        finally:
            browser.close()
            server.stop()


def kilobytes(count):
    return f"{count / 1000:.1f} KB"


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(f"usage: {sys.argv[0]} BUILD_WEB_FOLDER [RUNS=9]")
    folder = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) == 3 else 9
    median = statistics.median
    with tempfile.TemporaryDirectory(prefix="ksl-bare-") as bare_folder:
        with open(os.path.join(bare_folder, "index.html"), "w", encoding="utf-8") as bare:
            bare.write(BARE_PAGE)
        game, bare = PageServer(folder), PageServer(bare_folder)
        try:
            visits = {1: [], 2: []}
            bare_visits = []
            for _ in range(runs):  # alternating, so that a busy moment falls on both
                for scale in (1, 2):
                    visits[scale].append(FirstVisit(game.origin + "/", "#Form1", scale))
                bare_visits.append(FirstVisit(bare.origin + "/", "body > p", worker=False))
        finally:
            game.stop()
            bare.stop()

    print(f"First visit: bytes fetched, encoded as they came (median of {runs} runs, "
          "a fresh profile each)")
    for scale, series in visits.items():
        total = median(sum(v.bytes.values()) for v in series)
        page = median(v.bytes["page"] for v in series)
        worker = median(v.bytes["service_worker"] for v in series)
        target = f" (target: at most {kilobytes(BYTES_TARGET)})" if scale == 1 else ""
        print(f"  at {scale}x: {kilobytes(total)}: the page {kilobytes(page)}, its service "
              f"worker {kilobytes(worker)}, {median(v.requests for v in series):.0f} "
              f"requests{target}")
    ours = median(v.painted_ms for v in visits[1])
    theirs = median(v.painted_ms for v in bare_visits)
    print(f"Navigation to the welcome window drawn (median of {runs} runs each, alternating, "
          "first visits at 1x)")
    print(f"  kronesluk {ours:.1f} ms, bare page with one line of text {theirs:.1f} ms: "
          f"ratio {ours / theirs:.3f} (target: at most {RATIO_TARGET:.2f})")
    print(f"  for scale: the frame that shows it begun (its requestAnimationFrame callbacks) "
          f"kronesluk {median(v.frame_begun_ms for v in visits[1]):.1f} ms, bare page "
          f"{median(v.frame_begun_ms for v in bare_visits):.1f} ms; first contentful paint "
          f"kronesluk {median(v.first_contentful_ms for v in visits[1]):.1f} ms, bare page "
          f"{median(v.first_contentful_ms for v in bare_visits):.1f} ms")
    spins = stake_to_first_reel(folder, runs)
    print(f"A stake's click to its first reel drawn (median of {runs} spins)")
    print(f"  {median(spins):.1f} ms (from {min(spins):.1f} to {max(spins):.1f} ms; the "
          f"design shows it at {FIRST_REEL_MS} ms: {median(spins) - FIRST_REEL_MS:+.1f} ms)")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        sys.exit(f"web_bench: {failure}")
