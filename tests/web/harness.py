"""What the browser tests share: the page served from a build-web folder on 127.0.0.1 by the
test's own process, Debian's Chromium driven headless through chromedriver and the DevTools
protocol, a player's keys and taps, and readings of the page by its DOM contract's names.
Every process a test starts is stopped by its pid; every wait is for a condition, bounded.
"""

import calendar
import functools
import http.server
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

END_TO_END = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "end_to_end")
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-features=Translate", "--force-renderer-accessibility", "--mute-audio",
         # Only the page's server answers: Chromium's own calls home go nowhere.
         "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1"]
SCREENS = {False: {"width": 1920, "height": 1080, "deviceScaleFactor": 1, "mobile": False},
           True: {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True}}
KEYS = {"Tab": ("Tab", 9, ""), "space": (" ", 32, " "), "Return": ("Enter", 13, "\r"),
        "Escape": ("Escape", 27, ""), "F2": ("F2", 113, ""), "Up": ("ArrowUp", 38, ""),
        "Down": ("ArrowDown", 40, ""), "Left": ("ArrowLeft", 37, ""),
        "Right": ("ArrowRight", 39, ""),
        "alt": ("Alt", 18, 1), "ctrl": ("Control", 17, 2), "shift": ("Shift", 16, 8)}
CODES = {" ": "Space", "Alt": "AltLeft", "Control": "ControlLeft", "Shift": "ShiftLeft"}

# Readings of the page in its own terms, put before every script run in it.
PROBE = r"""
const win = id => document.getElementById(id);
const ctl = (w, name) => win(w)?.querySelector(`[data-name="${name}"]`);
const seen = e => !!e && e.isConnected && e.checkVisibility({visibilityProperty: true});
const stakes = () => ['Command1', 'Command2'].map(n => ctl('Form2', n));
const state = () => { const f = document.activeElement; return {
  welcome: seen(win('Form1')), game: seen(win('Form2')), about: seen(win('frmAbout')),
  message: seen(win('message')), messageText: win('message-text')?.textContent,
  focus: f?.dataset.name || f?.id || f?.tagName.toLowerCase(),
  focusWindow: f?.closest('#Form1, #Form2, #frmAbout, #message')?.id,
  stakesOn: seen(win('Form2')) && stakes().every(b => seen(b) && !b.disabled),
  balance: ctl('Form2', 'Label17')?.textContent, balanceShown: seen(ctl('Form2', 'Label17')),
  spoken: win('spoken')?.textContent}; };
// A point where the window is in front, away from its buttons and menus.
const inSight = id => { const r = win(id).getBoundingClientRect();
  for (let y = r.top + 2; y < r.bottom; y += 6)
    for (let x = r.left + 2; x < r.right; x += 6) {
      const hit = document.elementFromPoint(x, y);
      if (hit?.closest('#' + id) && !hit.closest('button, [role^=menu]')) return [x, y];
    }
  return null; };
"""


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def check(condition, message):
    if not condition:
        fail(message)


def wait_for(seconds, probe, what):
    """Polls `probe` until it answers something true, which it returns; else fails with
    `what` (or what `what()` says then)."""
    deadline = time.monotonic() + seconds
    while not (found := probe()):
        check(time.monotonic() < deadline, what() if callable(what) else what)
        time.sleep(0.03)
    return found


def moment_ms(name):
    """A still moment of played_game.sh ("winning" or "losing"), in ms since 1970 (UTC)."""
    with open(os.path.join(END_TO_END, "played_game.sh"), encoding="utf-8") as script:
        found = re.search(rf'^{name}_moment="([^"]+)"', script.read(), re.M)
    check(found, f"played_game.sh names no {name}_moment")
    return calendar.timegm(time.strptime(found[1], "%Y-%m-%d %H:%M:%S")) * 1000


def control(window, name):
    return f'#{window} [data-name="{name}"]'


def stat(pid):
    """(parent, start time) of a process, None once it has gone."""
    try:
        with open(f"/proc/{pid}/stat", "rb") as numbers:
            fields = numbers.read().rsplit(b")", 1)[1].split()
        return int(fields[1]), fields[19]
    except OSError:
        return None


def processes(root, mark):
    """{pid: start time} of `root`, what runs under it, and what names `mark` (Chromium's crash
    handlers leave the tree, but name the folder they write in)."""
    table = {}
    for pid in map(int, filter(str.isdigit, os.listdir("/proc"))):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                table[pid] = (*stat(pid), mark.encode() in cmdline.read())
        except (OSError, TypeError):
            continue  # gone meanwhile
    tree = {pid: start for pid, (_, start, marked) in table.items() if pid == root or marked}
    while grown := {pid: start for pid, (parent, start, _) in table.items()
                    if parent in tree and pid not in tree}:
        tree.update(grown)
    return tree


class Browser:
    """One Chromium behind one chromedriver with a fresh profile, on the page served from
    `folder`: 1920 x 1080, or with `phone` a 360 x 640 touch screen."""

    def __init__(self, folder, phone=False, flags=()):
        check(os.path.isfile(f"{folder}/index.html"), f"no index.html in {folder}")
        self.phone, self.when_closed, self.tree = phone, [], {}
        self.clock_script = self.still = self.driver = None
        self.profile = tempfile.mkdtemp(prefix="ksl-web-")

        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=folder))
        self.origin = f"http://127.0.0.1:{self.httpd.server_address[1]}"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in [*FLAGS, "--user-data-dir={profile}/user", *flags]:
            options.add_argument(flag.replace("{profile}", self.profile))
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        # The crash handlers write under the profile, and so name it.
        self.service = Service("/usr/bin/chromedriver", log_path=os.devnull,
                               env={**os.environ, "XDG_CONFIG_HOME": f"{self.profile}/config"})
        try:
            self.driver = webdriver.Chrome(service=self.service, options=options)
            self.driver.set_script_timeout(30)
            self.cdp("Emulation.setDeviceMetricsOverride", **SCREENS[phone])
            if phone:
                self.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
            self.note_processes()
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def note_processes(self):
        """Chromium starts processes as it goes: each is noted, to be waited for at the end."""
        if getattr(self.service, "process", None):
            self.tree.update(processes(self.service.process.pid, self.profile))

    def close(self):
        self.note_processes()
        try:
            if self.driver:
                self.driver.quit()
            elif getattr(self.service, "process", None):
                self.service.stop()
        except Exception:  # pylint: disable=broad-except # what is left goes by its pid
            pass
        self.driver = None
        self.stop_server()
        deadline = time.monotonic() + 15
        while (left := [p for p, s in self.tree.items() if (stat(p) or (0, 0))[1] == s]) \
                and time.monotonic() < deadline:
            time.sleep(0.05)
        for pid in left:
            os.kill(pid, signal.SIGKILL)
        try:
            for read in self.when_closed:
                read(self.profile)
        finally:
            self.when_closed = []
            shutil.rmtree(self.profile, ignore_errors=True)
        check(not left, f"Chromium's processes {left} outlived the browser and were killed")

    def stop_server(self):
        if self.httpd:
            self.httpd.shutdown()
            self.httpd.server_close()
            self.httpd = None

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def js(self, script, *args):
        return self.driver.execute_script(PROBE + script, *args)

    def state(self):
        return self.js("return state();")

    def until(self, what, probe, seconds=10):
        """Waits until `probe(state)` holds, and returns that state."""
        return wait_for(seconds, lambda: (s := self.state()) and probe(s) and s, what)

    def freeze_clock(self, ms):
        """From the next document on, the wall clock (Date.now, new Date()) stands at `ms`; the
        page's timers and performance.now run on."""
        if self.clock_script:
            self.cdp("Page.removeScriptToEvaluateOnNewDocument", identifier=self.clock_script)
        self.still = ms
        self.clock_script = self.cdp("Page.addScriptToEvaluateOnNewDocument", source=f"""{{
  const Real = Date;
  function Still(...args) {{
    if (!new.target) return new Real({ms}).toString();
    return args.length ? new Real(...args) : new Real({ms});
  }}
  Object.assign(Still, {{prototype: Real.prototype, now: () => {ms}, UTC: Real.UTC,
                        parse: Real.parse}});
  globalThis.Date = Still;
}}""")["identifier"]

    def open(self):
        self.driver.get(self.origin + "/")
        wait_for(20, lambda: self.js("return seen(win('Form1'));"),
                 "the page never showed the welcome window")
        if self.still is not None:
            held = self.js("return [Date.now(), new Date().getTime()];")
            check(held == [self.still] * 2, f"the wall clock reads {held}, not {self.still}")
        self.note_processes()

    def key(self, name):
        """A key press as xdotool names it ("Tab", "space", "alt+a", "shift+Tab", "g")."""
        *held, base = name.split("+")
        key, virtual, text = KEYS[base] if base in KEYS else (base, ord(base.upper()), base)
        flags = 0
        for modifier in held:
            flags |= KEYS[modifier][2]
            self.press("rawKeyDown", *KEYS[modifier][:2], modifiers=flags)
        text = "" if flags & 3 else text  # Alt and Ctrl type nothing
        self.press("keyDown" if text else "rawKeyDown", key, virtual, text=text, modifiers=flags)
        self.press("keyUp", key, virtual, modifiers=flags)
        for modifier in reversed(held):
            flags &= ~KEYS[modifier][2]
            self.press("keyUp", *KEYS[modifier][:2], modifiers=flags)

    def press(self, kind, key, virtual, **more):
        code = CODES.get(key, key if len(key) > 1 else f"Key{key.upper()}" if key.isalpha()
                         else f"Digit{key}")
        self.cdp("Input.dispatchKeyEvent", type=kind, key=key, code=code,
                 windowsVirtualKeyCode=virtual, **more)

    def tap(self, selector=None, at=None):
        """A finger on the phone's screen (the mouse at 1920 x 1080), on the middle of what
        `selector` finds, or at a point."""
        x, y = at or self.js(
            "const e = document.querySelector(arguments[0]); if (!seen(e)) return null;"
            "const r = e.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2];",
            selector) or fail(f"nothing to touch: {selector} is not on screen")
        if self.phone:
            self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
            self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        else:
            for kind in ("mousePressed", "mouseReleased"):
                self.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                         clickCount=1)

    def choose(self, window, menu, item):
        """A menu item chosen by touch (or the mouse): the menu's title, then the item."""
        self.tap(control(window, menu))
        wait_for(10, lambda: self.js("return seen(ctl(...arguments));", window, item),
                 f"{menu} did not open its menu")
        self.tap(control(window, item))


def run(test, seconds):
    """Runs `test(BUILD_WEB, ARGS...)` from the command line, bounded by `seconds` (or by
    KSL_TEST_SECONDS, which ctest sets); prints PASS or FAIL and exits 0 or 1."""
    seconds = int(os.environ.get("KSL_TEST_SECONDS", seconds))
    sys.stdout.reconfigure(line_buffering=True)

    def out_of_time(*_):
        raise Failure(f"the test took longer than {seconds} s, or was stopped")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, out_of_time)  # stopped: still stop what it started
    signal.alarm(seconds)
    started = time.monotonic()
    try:
        test(os.path.abspath(sys.argv[1]), *sys.argv[2:])
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    except Exception:  # pylint: disable=broad-except
        traceback.print_exc(file=sys.stdout)
        print("FAIL: the test broke off")
        sys.exit(1)
    finally:
        signal.alarm(0)
    print(f"({time.monotonic() - started:.1f} s)")
