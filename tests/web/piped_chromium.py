"""Debian's Chromium with no driver between it and the test, spoken to over its DevTools pipe
(fd 3 in, fd 4 out, each message JSON ended by a NUL), which also carries the events of every
target the test attaches to (the page, its service worker). Either a real window on the test's
own X server, as a player sees it, whose keys go through the X server where a screen reader
hears them too; or headless, for measuring.
"""

import fcntl
import json
import os
import select
import signal
import subprocess
import time

from harness import PROBE, fail, wait_for

# Quiet towards the network, a profile of its own, and the accessibility tree built for the
# screen reader from the start. Translate off: a Norwegian page on an English browser would
# otherwise open a bubble read before the page. The crash handler stays: on a screen, Chromium
# without it loses its network service again and again ("FD ownership violation").
FLAGS = [
    "--force-renderer-accessibility", "--no-first-run", "--disable-features=Translate",
    "--no-sandbox", "--disable-background-networking", "--disable-component-update",
    "--disable-sync", "--disable-quic", "--no-default-browser-check", "--remote-debugging-pipe",
]


def started_at(pid):
    """A process's start time, which tells it from a later one with its number; None once it
    has ended (a zombie has ended, whoever is yet to reap it)."""
    try:
        with open(f"/proc/{pid}/stat", encoding="latin-1") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
    except OSError:
        return None
    return None if fields[0] == "Z" else fields[19]


def processes_of(root, folder):
    """{pid: start time} of `root`, every process under it, and every process that names
    `folder` on its command line (the crash handlers, which leave the tree as daemons do)."""
    children, found = {}, {}
    for pid in map(int, filter(str.isdigit, os.listdir("/proc"))):
        try:
            with open(f"/proc/{pid}/stat", encoding="latin-1") as stat:
                children.setdefault(int(stat.read().rsplit(")", 1)[1].split()[1]), []).append(pid)
            with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                if folder.encode() in cmdline.read() and (start := started_at(pid)):
                    found[pid] = start
        except OSError:
            continue  # gone meanwhile
    todo = [root]
    while todo:
        pid = todo.pop()
        if (start := started_at(pid)) is not None:
            found[pid] = start
            todo.extend(children.get(pid, []))
    return found


def still_clock_script(ms):
    """Date.now() and new Date() at `ms`, from the page's first script on; timers run on."""
    return f"""(() => {{
  const Real = Date, still = {ms};
  function Still(...args) {{
    if (!new.target) return new Real(still).toString();
    return args.length ? new Real(...args) : new Real(still);
  }}
  Still.prototype = Real.prototype;
  Object.assign(Still, {{now: () => still, UTC: Real.UTC, parse: Real.parse}});
  globalThis.Date = Still;
}})();"""


# Headless, measured at a desktop's size, silent.
HEADLESS = ["--headless=new", "--window-size=1920,1080", "--mute-audio"]


class PipedChromium:
    """Starts Chromium on a page with nothing in it (so the page, not the address bar, has the
    keyboard) and attaches to that tab. Its profile, its crash reports and its log
    (chromium.log) are in `folder`, a fresh one."""

    def __init__(self, folder, headless=False):
        self.folder = folder
        self.events = []  # every event, in order, until read_events takes them
        to_browser, self._to_browser = os.pipe()
        self._from_browser, from_browser = os.pipe()
        # The ends the browser gets, out of the way of the numbers 3 and 4 they must end up at.
        ends = [fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10) for fd in (to_browser, from_browser)]
        os.close(to_browser)
        os.close(from_browser)

        # The flag alone still lets Chromium 156 offer to translate a Norwegian page, in a
        # bubble a screen reader reads before the page: the profile says no to translation.
        os.makedirs(f"{folder}/profile/Default")
        with open(f"{folder}/profile/Default/Preferences", "w", encoding="utf-8") as prefs:
            json.dump({"translate": {"enabled": False}}, prefs)
        self.log = os.path.join(folder, "chromium.log")
        with open(self.log, "wb") as out:
            # bash puts the ends at 3 and 4 and becomes Chromium: no Python runs between fork
            # and exec, which the test's threads (the page's server) would make unsafe.
            self.process = subprocess.Popen(
                ["/bin/bash", "-c", 'exec 3<&"$1" 4>&"$2"; shift 2; exec "$@"', "chromium",
                 *map(str, ends), "/usr/bin/chromium", *FLAGS, f"--user-data-dir={folder}/profile",
                 *(HEADLESS if headless else ["--window-position=0,0", "--window-size=1024,768"]),
                 "data:text/html,"],
                env={**os.environ, "XDG_CONFIG_HOME": f"{folder}/config"},
                stdin=subprocess.DEVNULL, stdout=out, stderr=out, pass_fds=ends)
        for fd in ends:
            os.close(fd)
        self.pid = self.process.pid
        self.tree = {}
        self._next_id = 0
        self._buffer = b""
        self.session = None
        try:
            tab = wait_for(30, self._tab, "Chromium opened no tab")
            self.session = self.send("Target.attachToTarget", targetId=tab["targetId"],
                                     flatten=True, session=None)["sessionId"]
            self.note_processes()
        except BaseException:
            self.close()
            raise

    def _tab(self):
        targets = self.send("Target.getTargets", session=None)["targetInfos"]
        return next((t for t in targets if t["type"] == "page"), None)

    def send(self, method, session="tab", **params):
        """One DevTools command, to the tab unless `session` says otherwise; its result."""
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params}
        if session is not None:
            message["sessionId"] = self.session if session == "tab" else session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + 30
        while True:
            answer = self._receive(deadline)
            if answer is None:
                fail(f"Chromium did not answer {method}")
            if answer.get("id") == self._next_id:
                if "error" in answer:
                    fail(f"{method}: {answer['error']}")
                return answer["result"]
            if "method" in answer:
                self.events.append(answer)

    def _receive(self, deadline):
        """The next message from Chromium, or None if none came by `deadline`."""
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._from_browser], [], [], left)[0]:
                return None
            chunk = os.read(self._from_browser, 1 << 16)
            if not chunk:
                fail("Chromium closed its DevTools pipe")
            self._buffer += chunk
        raw, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(raw)

    def read_events(self, seconds=0.0):
        """The events that came since the last call, and those coming within `seconds`."""
        deadline = time.monotonic() + seconds
        while (message := self._receive(deadline)) is not None:
            if "method" in message:
                self.events.append(message)
        events, self.events = self.events, []
        return events

    def evaluate(self, expression):
        """The value of a script in the page; it may use the readings of harness.PROBE."""
        answer = self.send("Runtime.evaluate", returnByValue=True,
                           expression=f"(() => {{ {PROBE}\n return ({expression}); }})()")
        if "exceptionDetails" in answer:
            fail(f"the page could not evaluate {expression}: {answer['exceptionDetails']}")
        return answer["result"].get("value")

    def open(self, url, still_ms=None):
        """Opens `url`, its wall clock held at `still_ms` if given."""
        if still_ms is not None:
            self.send("Page.enable")  # without it the script is kept but never run
            self.send("Page.addScriptToEvaluateOnNewDocument", source=still_clock_script(still_ms))
        self.send("Page.navigate", url=url)
        self.note_processes()

    def note_processes(self):
        """Chromium starts processes as it goes: note them while they live, to see each end."""
        self.tree.update(processes_of(self.pid, self.folder))

    def close(self):
        """Asks Chromium to close, waits for every process of it to end, and kills (and names
        as a fault) whatever would outlive it."""
        self.note_processes()
        try:
            self.send("Browser.close", session=None)
        except Exception:  # noqa: BLE001 - a browser that cannot hear is stopped below
            self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(15)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(5)
        deadline = time.monotonic() + 10
        while any(started_at(p) == s for p, s in self.tree.items()) and time.monotonic() < deadline:
            time.sleep(0.05)
        left = [p for p, s in self.tree.items() if started_at(p) == s]
        for pid in left:
            os.kill(pid, signal.SIGKILL)
        os.close(self._to_browser)
        os.close(self._from_browser)
        if left:
            fail(f"Chromium's processes {left} outlived the browser and were killed")
