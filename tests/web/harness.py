"""What the browser tests share: the page served from a build-web folder on 127.0.0.1, Debian's
Chromium driven headless through chromedriver and the DevTools protocol, a player's keys and
taps, and readings of the page as the DOM contract names it. Every process a test starts is
stopped by its pid before the test ends; every wait is for a condition, bounded in time.
"""

import calendar
import functools
import http.server
import json
import os
import re
import shutil
import signal
import sys
import tempfile
import threading
import time
import traceback

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

HERE = os.path.dirname(os.path.abspath(__file__))
STEPS_FILE = os.path.join(HERE, "..", "end_to_end", "played_game.steps")
PLAYED_GAME = os.path.join(HERE, "..", "end_to_end", "played_game.sh")

# Chromium as a test runs it here: headless, as root, quiet towards the network, a profile of
# its own.
CHROMIUM_FLAGS = [
    "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-features=Translate", "--force-renderer-accessibility",
    "--disable-default-apps", "--mute-audio",
    # Nothing but the page's own server answers: Chromium's own calls home go nowhere.
    "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1",
]

DESKTOP = {"width": 1920, "height": 1080, "deviceScaleFactor": 1, "mobile": False}
PHONE = {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True}


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def check(condition, message):
    if not condition:
        fail(message)


def wait_for(seconds, probe, what):
    """Polls `probe` until it answers something true, which it returns; fails with `what`."""
    deadline = time.monotonic() + seconds
    while True:
        found = probe()
        if found:
            return found
        if time.monotonic() > deadline:
            fail(what)
        time.sleep(0.03)


def moment_ms(name):
    """A still moment of played_game.sh ("winning" or "losing") in milliseconds since 1970."""
    with open(PLAYED_GAME, encoding="utf-8") as script:
        found = re.search(rf'^{name}_moment="([^"]+)"', script.read(), re.M)
    check(found, f"played_game.sh names no {name}_moment")
    return calendar.timegm(time.strptime(found.group(1), "%Y-%m-%d %H:%M:%S")) * 1000


# --- the server -------------------------------------------------------------------------------


class Server:
    """build-web on 127.0.0.1 at a port the system picks, in a thread of the test's own process;
    it notes every request it answers."""

    def __init__(self, folder):
        check(os.path.isfile(os.path.join(folder, "index.html")), f"no index.html in {folder}")
        self.requests = []
        log = self.requests

        class Handler(http.server.SimpleHTTPRequestHandler):
            def end_headers(self):
                # Always the files as they are on disk, as a fresh build serves them.
                self.send_header("Cache-Control", "no-cache")
                super().end_headers()

            def log_message(self, *args):
                log.append((self.command, self.path, dict(self.headers)))

        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
        self.origin = f"http://127.0.0.1:{self.httpd.server_address[1]}"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        if self.httpd:
            self.httpd.shutdown()
            self.httpd.server_close()
            self.thread.join(10)
            self.httpd = None


# --- processes ----------------------------------------------------------------------------------


def _stat(pid):
    """(parent pid, start time) of a process, or None once it has gone."""
    try:
        with open(f"/proc/{pid}/stat", encoding="latin-1") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
    except OSError:
        return None
    return int(fields[1]), fields[19]


def _cmdline(pid):
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
            return cmdline.read().decode("utf-8", "replace")
    except OSError:
        return ""


def _process_tree(root, mark):
    """{pid: start time} of `root`, everything under it, and every process whose command line
    holds `mark` (Chromium's crash handlers leave the tree, but name the folder they write in)."""
    parents = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit() and (stat := _stat(int(entry))):
            parents[int(entry)] = stat
    tree = {root: parents[root][1]} if root in parents else {}
    tree.update({pid: started for pid, (_ppid, started) in parents.items()
                 if mark in _cmdline(pid)})
    grown = True
    while grown:
        grown = False
        for pid, (ppid, started) in parents.items():
            if ppid in tree and pid not in tree:
                tree[pid] = started
                grown = True
    return tree


def _alive(pid, started):
    stat = _stat(pid)
    return stat is not None and stat[1] == started


# --- the browser ------------------------------------------------------------------------------

KEYS = {  # xdotool's names: DOM key, code, Windows key code, text
    "Tab": ("Tab", "Tab", 9, ""), "space": (" ", "Space", 32, " "),
    "Return": ("Enter", "Enter", 13, "\r"), "Escape": ("Escape", "Escape", 27, ""),
    "F2": ("F2", "F2", 113, ""), "Up": ("ArrowUp", "ArrowUp", 38, ""),
    "Down": ("ArrowDown", "ArrowDown", 40, ""), "Left": ("ArrowLeft", "ArrowLeft", 37, ""),
    "Right": ("ArrowRight", "ArrowRight", 39, ""),
}
MODIFIERS = {"alt": ("Alt", "AltLeft", 18, 1), "ctrl": ("Control", "ControlLeft", 17, 2),
             "shift": ("Shift", "ShiftLeft", 16, 8)}

# Readings of the page in its own terms, prepended to every script run in it.
PROBE = r"""
const win = id => document.getElementById(id);
const ctl = (w, name) => win(w) && win(w).querySelector(`[data-name="${name}"]`);
const seen = el => !!el && el.isConnected && el.checkVisibility({visibilityProperty: true});
const named = el => !el ? null : el.dataset.name || el.id || el.tagName.toLowerCase();
const stakes = () => ['Command1', 'Command2'].map(n => ctl('Form2', n));
const state = () => ({
  welcome: seen(win('Form1')), game: seen(win('Form2')), about: seen(win('frmAbout')),
  message: seen(win('message')), messageText: win('message-text')?.textContent ?? null,
  focus: named(document.activeElement), focusWindow: document.activeElement?.closest('#Form1,#Form2,#frmAbout,#message')?.id ?? null,
  stakesOn: seen(win('Form2')) && stakes().every(b => b && seen(b) && !b.disabled),
  balance: ctl('Form2', 'Label17')?.textContent ?? null,
  balanceShown: seen(ctl('Form2', 'Label17')),
  spoken: win('spoken')?.textContent ?? null,
});
"""


class Browser:
    """One Chromium behind one chromedriver, with a fresh profile, on the page served from
    `folder`. `phone` emulates a 360 x 640 touch screen; otherwise the window is 1920 x 1080."""

    def __init__(self, folder, phone=False, extra_flags=()):
        self.server = Server(folder)
        self.phone = phone
        self.profile = tempfile.mkdtemp(prefix="ksl-web-")
        self.clock_script = self.still = None
        self.when_closed = []  # reads of the profile once Chromium has gone
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in [*CHROMIUM_FLAGS, f"--user-data-dir={self.profile}/profile",
                     "--window-size=1920,1080", *extra_flags]:
            options.add_argument(flag.replace("{profile}", self.profile))
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        # The crash handler's folder under the profile, where the test finds it at the end.
        self.service = Service("/usr/bin/chromedriver", log_path=os.devnull,
                               env={**os.environ, "XDG_CONFIG_HOME": f"{self.profile}/config"})
        self.driver = None
        self.tree = {}
        try:
            self.driver = webdriver.Chrome(service=self.service, options=options)
            self.driver.set_script_timeout(30)
            self.note_processes()
            self.cdp("Emulation.setDeviceMetricsOverride", **(PHONE if phone else DESKTOP))
            if phone:
                self.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
                self.cdp("Emulation.setEmitTouchEventsForMouse", enabled=True,
                         configuration="mobile")
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    # Chromium starts renderers as it goes; note them while they live, so that each is waited
    # for at the end even once its parent has gone.
    def note_processes(self):
        if self.service.process:
            self.tree.update(_process_tree(self.service.process.pid, self.profile))

    def close(self):
        if self.driver:
            self.note_processes()
            try:
                self.driver.quit()
            except Exception:  # a driver already gone is stopped below by its pid
                pass
            self.driver = None
        elif getattr(self.service, "process", None):
            self.note_processes()
            self.service.stop()
        self.server.stop()
        deadline = time.monotonic() + 15
        while any(_alive(p, s) for p, s in self.tree.items()) and time.monotonic() < deadline:
            time.sleep(0.05)
        left = [p for p, s in self.tree.items() if _alive(p, s)]
        for pid in left:
            os.kill(pid, signal.SIGKILL)
        try:
            for read in self.when_closed:
                read(self.profile)
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)
            self.when_closed = []
        check(not left, f"Chromium's processes {left} outlived the browser and were killed")

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def js(self, script, *args):
        return self.driver.execute_script(PROBE + script, *args)

    def state(self):
        return self.js("return state();")

    def freeze_clock(self, ms):
        """From the next document on, the wall clock stands at `ms` (Date.now and new Date());
        the page's timers and performance.now run on."""
        if self.clock_script:
            self.cdp("Page.removeScriptToEvaluateOnNewDocument", identifier=self.clock_script)
        self.still = ms
        self.clock_script = self.cdp("Page.addScriptToEvaluateOnNewDocument", source=f"""(() => {{
  const Real = Date, still = {ms};
  function Still(...args) {{
    if (!new.target) return new Real(still).toString();
    return args.length ? new Real(...args) : new Real(still);
  }}
  Still.prototype = Real.prototype;
  Still.now = () => still;
  Still.UTC = Real.UTC;
  Still.parse = Real.parse;
  globalThis.Date = Still;
}})();""")["identifier"]

    def open(self, path="/"):
        self.driver.get(self.server.origin + path)
        wait_for(20, lambda: self.js("return document.readyState === 'complete' && "
                                     "seen(win('Form1'));"),
                 "the page never showed the welcome window")
        if self.still is not None:
            held = self.js("return [Date.now(), new Date().getTime()];")
            check(held == [self.still] * 2, f"the wall clock reads {held}, not {self.still}")
        self.note_processes()

    # --- the player's hands ----------------------------------------------------------------

    def key(self, name):
        """A key press as xdotool names it ("Tab", "space", "alt+a", "ctrl+q", "g")."""
        *mods, base = name.split("+")
        if base in KEYS:
            key, code, vk, text = KEYS[base]
        else:
            check(len(base) == 1, f"no such key {name!r}")
            key, text = base, base
            code = f"Key{base.upper()}" if base.isalpha() else f"Digit{base}"
            vk = ord(base.upper())
        flags = 0
        for mod in mods:
            mkey, mcode, mvk, bit = MODIFIERS[mod]
            flags |= bit
            self.cdp("Input.dispatchKeyEvent", type="rawKeyDown", key=mkey, code=mcode,
                     windowsVirtualKeyCode=mvk, modifiers=flags)
        typed = text if not flags & 3 else ""
        self.cdp("Input.dispatchKeyEvent", type="keyDown" if typed else "rawKeyDown", key=key,
                 code=code, windowsVirtualKeyCode=vk, text=typed, unmodifiedText=typed,
                 modifiers=flags)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                 windowsVirtualKeyCode=vk, modifiers=flags)
        for mod in reversed(mods):
            mkey, mcode, mvk, bit = MODIFIERS[mod]
            flags &= ~bit
            self.cdp("Input.dispatchKeyEvent", type="keyUp", key=mkey, code=mcode,
                     windowsVirtualKeyCode=mvk, modifiers=flags)

    def centre(self, selector):
        box = self.js("const el = document.querySelector(arguments[0]);"
                      "if (!seen(el)) return null;"
                      "el.scrollIntoView({block: 'nearest', inline: 'nearest'});"
                      "const r = el.getBoundingClientRect();"
                      "return [r.left + r.width / 2, r.top + r.height / 2];", selector)
        check(box, f"nothing to touch at {selector}: it is not on screen")
        return box

    def tap(self, selector=None, at=None):
        """A finger on the touch screen (or the mouse at 1920 x 1080): on the middle of what
        `selector` finds, or at a point of the viewport."""
        x, y = at or self.centre(selector)
        if self.phone:
            self.cdp("Input.dispatchTouchEvent", type="touchStart",
                     touchPoints=[{"x": x, "y": y}])
            self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        else:
            for kind in ("mousePressed", "mouseReleased"):
                self.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                         clickCount=1)

    def choose(self, window, menu, item):
        """A menu item chosen by touch (or the mouse): the menu's title, then the item."""
        self.tap(control(window, menu))
        wait_for(10, lambda: self.js("return seen(ctl(arguments[0], arguments[1]));",
                                     window, item), f"{menu} did not open its menu")
        self.tap(control(window, item))


def control(window, name):
    return f'#{window} [data-name="{name}"]'


# --- running a test -----------------------------------------------------------------------------


def run(test, seconds):
    """Runs `test(folder, ARGS...)` with the build-web folder and arguments given on the command
    line, bounded in time (`seconds`, or KSL_TEST_SECONDS where ctest sets it); prints PASS or
    FAIL and exits 0 or 1."""
    seconds = int(os.environ.get("KSL_TEST_SECONDS", seconds))
    if len(sys.argv) < 2:
        sys.exit(f"usage: {sys.argv[0]} BUILD_WEB_FOLDER [ARGS...]")

    def out_of_time(*_):
        raise Failure(f"the test took longer than {seconds} s")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, out_of_time)  # ctest's own timeout: stop what we started
    signal.alarm(seconds)
    started = time.monotonic()
    try:
        test(os.path.abspath(sys.argv[1]), *sys.argv[2:])
    except Failure as failure:
        print(f"FAIL: {failure}", flush=True)
        sys.exit(1)
    except Exception:
        traceback.print_exc()
        print("FAIL: the test broke off", flush=True)
        sys.exit(1)
    finally:
        signal.alarm(0)
    print(f"({time.monotonic() - started:.1f} s)", flush=True)


def json_dump(value):
    return json.dumps(value, ensure_ascii=False)
