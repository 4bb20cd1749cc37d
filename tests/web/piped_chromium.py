"""Debian's Chromium with no driver between it and the test, spoken to over its DevTools pipe
(fd 3 in, fd 4 out, NUL after each JSON message), which also brings the events of every target
attached (the tab, its service worker). Either a real window on the test's X server, whose keys
a screen reader hears as the page does, or headless, for measuring.
"""

import fcntl
import json
import os
import select
import signal
import subprocess
import time

from harness import PROBE, fail, processes, stat, wait_for

# Quiet towards the network, and the accessibility tree built from the start. Translate off: a
# Norwegian page on an English browser would open a bubble read before the page. The crash
# handler stays: on a screen, Chromium without it loses its network service again and again.
FLAGS = ["--force-renderer-accessibility", "--no-first-run", "--disable-features=Translate",
         "--no-sandbox", "--disable-background-networking", "--disable-component-update",
         "--disable-sync", "--disable-quic", "--no-default-browser-check",
         "--remote-debugging-pipe"]
HEADLESS = ["--headless=new", "--window-size=1920,1080", "--mute-audio"]
ON_SCREEN = ["--window-position=0,0", "--window-size=1024,768"]


def still_clock_script(ms):
    """Date.now() and new Date() at `ms`, from the page's first script on; timers run on."""
    return f"""{{ const Real = Date;
  function Still(...args) {{
    if (!new.target) return new Real({ms}).toString();
    return args.length ? new Real(...args) : new Real({ms});
  }}
  Object.assign(Still, {{prototype: Real.prototype, now: () => {ms}, UTC: Real.UTC,
                        parse: Real.parse}});
  globalThis.Date = Still; }}"""


class PipedChromium:
    """Chromium on an empty page (so that the page, not the address bar, has the keyboard),
    attached to its tab; profile, crash reports and chromium.log in `folder`, a fresh one."""

    def __init__(self, folder, headless=False):
        self.folder, self.log, self.tree, self.events = folder, f"{folder}/chromium.log", {}, []
        self._next_id, self._buffer, self.session = 0, b"", None
        to_browser, self._to_browser = os.pipe()
        self._from_browser, from_browser = os.pipe()
        ends = [fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10) for fd in (to_browser, from_browser)]
        os.close(to_browser)
        os.close(from_browser)
        # The flag alone still lets Chromium 156 offer to translate: the profile says no.
        os.makedirs(f"{folder}/profile/Default")
        with open(f"{folder}/profile/Default/Preferences", "w", encoding="utf-8") as prefs:
            json.dump({"translate": {"enabled": False}}, prefs)
        with open(self.log, "wb") as out:
            # bash puts the pipe at 3 and 4 and becomes Chromium: no Python runs between fork
            # and exec, where the caller's threads (the page's server) would make it unsafe.
            self.process = subprocess.Popen(
                ["/bin/bash", "-c", 'exec 3<&"$1" 4>&"$2"; shift 2; exec "$@"', "chromium",
                 *map(str, ends), "/usr/bin/chromium", *FLAGS, *(HEADLESS if headless else
                                                                ON_SCREEN),
                 f"--user-data-dir={folder}/profile", "data:text/html,"],
                env={**os.environ, "XDG_CONFIG_HOME": f"{folder}/config"},  # crash reports
                stdin=subprocess.DEVNULL, stdout=out, stderr=out, pass_fds=ends)
        for fd in ends:
            os.close(fd)
        self.pid = self.process.pid
        try:
            tab = wait_for(30, lambda: next((t for t in self.send(
                "Target.getTargets", session=None)["targetInfos"] if t["type"] == "page"), None),
                "Chromium opened no tab")
            self.session = self.send("Target.attachToTarget", targetId=tab["targetId"],
                                     flatten=True, session=None)["sessionId"]
            self.note_processes()
        except BaseException:
            self.close()
            raise

    def send(self, method, session="tab", **params):
        """One DevTools command, to the tab unless `session` names another (None: the
        browser); its result. Events that come meanwhile are kept."""
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params}
        if session is not None:
            message["sessionId"] = self.session if session == "tab" else session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + 30
        while (answer := self._receive(deadline)) is not None:
            if answer.get("id") == self._next_id:
                return answer["result"] if "error" not in answer else \
                    fail(f"{method}: {answer['error']}")
            self.events.append(answer)
        fail(f"Chromium did not answer {method}")

    def _receive(self, deadline):
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._from_browser], [], [], left)[0]:
                return None
            chunk = os.read(self._from_browser, 1 << 16)
            self._buffer += chunk or fail("Chromium closed its DevTools pipe")
        raw, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(raw)

    def read_events(self, seconds=0.0):
        """The events kept so far and those that come within `seconds`, taken."""
        deadline = time.monotonic() + seconds
        while (message := self._receive(deadline)) is not None:
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
        self.tree.update(processes(self.pid, self.folder))

    def close(self):
        """Asks Chromium to close and waits for each of its processes to end; kills, and names
        as a fault, any that would outlive it."""
        self.note_processes()
        try:
            self.send("Browser.close", session=None)
        except Exception:  # pylint: disable=broad-except # one that cannot hear is stopped
            self.process.terminate()
        try:
            self.process.wait(15)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait(5)
        deadline = time.monotonic() + 10
        while (left := [p for p, s in self.tree.items() if (stat(p) or (0, 0))[1] == s]) \
                and time.monotonic() < deadline:
            time.sleep(0.05)
        for pid in left:
            os.kill(pid, signal.SIGKILL)
        os.close(self._to_browser)
        os.close(self._from_browser)
        if left:
            fail(f"Chromium's processes {left} outlived the browser and were killed")
