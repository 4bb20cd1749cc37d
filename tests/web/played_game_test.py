#!/usr/bin/python3
"""The played game in the page, from the steps every build is played with
(tests/end_to_end/played_game.steps), read whole first: a step not known fails the test.

    played_game_test.py BUILD_WEB keyboard   1920 x 1080, every step from the keyboard
    played_game_test.py BUILD_WEB touch      a 360 x 640 phone: taps where it has no key (the
                                             stake for Space, the menu for F2, OK for Enter/Esc)
"""

import re

import harness as h
from harness import check, control, fail, wait_for

GRAMMAR = {"game": "winning|losing", "welcome_then_f2": "",
           "spin": "[12] (won|lost|any)( [1-9][0-9]*)?",
           "key": "Tab|space|F2|Return|Escape", "balance_changed": "", "f2_starts_afresh": "",
           "about_closed_by": "Return|Escape", "about_and_game_in_front": "",
           "message_closed": ".+", "game_window_back": "", "welcome_window_back": "",
           "stakes_back": "", "quit": "game|welcome"}
# When each step of a spin's reveal is designed to show, in ms from the press: the last input
# event before the stakes turn grey, seen by a capture listener before the page's own handler
# starts the timers. Chromium's timers keep whole milliseconds.
DESIGNED = {"left": 500, "middle": 1200, "right": 1900, "balance": 2100, "buttons": 2500}
EARLY_MS = 1
SENTENCE = re.compile(r"(Ingen gevinst|Gevinst \d+), (-?\d+) kr, hjul ([0-4]) ([0-4]) ([0-4])\.")

# Put in the page before a press: when each step of the reveal first shows (performance.now,
# which the still wall clock leaves running), and what the live region says.
WATCH = r"""
const rec = window.kslSpin = {said: [], message: false};
const reels = {left: 'Label2', middle: 'Label3', right: 'Label1'};
let input;
const pressed = () => { input = performance.now(); };
const inputs = ['keydown', 'keyup', 'pointerdown', 'pointerup', 'click'];
for (const kind of inputs) document.addEventListener(kind, pressed, true);
const observer = new MutationObserver(() => {
  const now = performance.now();
  rec.message ||= seen(win('message'));
  if (rec.t0 === undefined && !stakes().every(b => b.disabled)) return;
  rec.t0 ??= input ?? now;
  for (const [step, name] of Object.entries({...reels, balance: 'Label17'}))
    if (rec[step] === undefined && seen(ctl('Form2', name))) rec[step] = now;
  const said = win('spoken').textContent;
  if (said !== rec.said.at(-1)?.text) rec.said.push({text: said, at: now});
  if (stakes().every(b => !b.disabled)) {
    Object.assign(rec, {buttons: now, won: !seen(ctl('Form2', 'Label13')),
      coins: [1, 2, 3, 4, 5].some(i => seen(ctl('Form2', 'Image' + i))),
      reels: Object.values(reels).map(n => ctl('Form2', n).textContent.trim()),
      figure: ctl('Form2', 'Label17').textContent.trim()});
    observer.disconnect();
    for (const kind of inputs) document.removeEventListener(kind, pressed, true);
  }
});
observer.observe(document.body, {subtree: true, attributes: true, childList: true,
                                 characterData: true});
"""
# Where the game window and About overlap, which of them is in front.
FRONT = r"""
const a = win('Form2').getBoundingClientRect(), b = win('frmAbout').getBoundingClientRect();
return document.elementFromPoint((Math.max(a.x, b.x) + Math.min(a.right, b.right)) / 2,
  (Math.max(a.y, b.y) + Math.min(a.bottom, b.bottom)) / 2)?.closest('#Form2, #frmAbout')?.id;
"""


def read_steps(path):
    steps = []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            if words := line.split("#", 1)[0].split():
                check(re.fullmatch(GRAMMAR.get(words[0], "(?!)"), " ".join(words[1:])),
                      f"{path}, line {number}: no such step: {' '.join(words)}")
                steps.append(words)
    check(steps, f"{path} holds no step")
    return steps


class Player:
    def __init__(self, browser):
        self.b, self.touch = browser, browser.phone
        self.fresh_balance, self.stake = None, 1  # a phone's stake for "key space"

    def press(self, key):
        """A key, or on a phone the tap that does what the key does."""
        if not self.touch:
            return self.b.key(key)
        s = self.b.state()
        if key == "Tab":
            self.stake = 3 - self.stake
        elif key == "space":
            self.b.tap(control("Form2", f"Command{self.stake}"))
        elif key == "F2":
            self.b.choose("Form2" if s["game"] else "Form1", "mnuSpill", "mnuPlay")
        elif s["message"] or s["about"]:
            self.b.tap("#message-ok" if s["message"] else control("frmAbout", "cmdOK"))
        else:
            fail(f"a phone has no {key} key, and nothing here to tap for it")
        return None

    def choose_about(self):
        check(self.b.state()["game"], "the game window is not shown")
        if self.touch:
            self.b.choose("Form2", "mnuAbout", "mnuContent")
        else:
            self.b.key("alt+a")
            self.b.key("g")
        self.b.until("About > Game did not open About, with the keyboard",
                     lambda s: s["about"] and s["focusWindow"] == "frmAbout")

    def step_game(self, moment):
        self.b.freeze_clock(h.moment_ms(moment))
        self.b.open()
        self.fresh_balance, self.stake = None, 1

    def step_welcome_then_f2(self):
        s = self.b.state()
        check(s["welcome"] and not s["game"] and not s["about"], f"at start-up: {s}")
        self.press("F2")
        # The balance shows with the reveal's timers, as the window loads.
        s = self.b.until("F2 did not show the game window alone, with its balance",
                         lambda s: s["game"] and not s["welcome"] and s["balanceShown"])
        self.fresh_balance = s["balance"]
        print("PASS: the welcome window alone at start-up, and F2 shows the game window")

    def step_spin(self, stake, expected, times="1"):
        won = sum(self.spin(int(stake), expected) for _ in range(int(times)))
        if times != "1":
            print(f"PASS: {times} spins at {stake} kr ({expected}), {won} of them won")

    def spin(self, stake, expected):
        s = self.b.until(f"{stake} kr: the stake buttons are not enabled", lambda s: s["stakesOn"])
        check(self.touch or s["focus"] == f"Command{stake}",
              f"{stake} kr: the keyboard is on {s['focus']}, not on the stake")
        self.b.js(WATCH)
        if self.touch:
            self.b.tap(control("Form2", f"Command{stake}"))
            self.stake = stake
        else:
            self.b.key("space")
        rec = wait_for(15, lambda: self.b.js("const r = window.kslSpin;"
                                             "return r.buttons || r.message ? r : null;"),
                       f"{stake} kr: the spin never came to rest")
        check(not rec["message"], f"{stake} kr: a message: {self.b.state()['messageText']}")
        previous = 0
        for step, designed in DESIGNED.items():
            check(step in rec, f"{stake} kr: the {step} step never showed")
            ms = rec[step] - rec["t0"]
            check(ms >= designed - EARLY_MS, f"{stake} kr: {step} at {ms:.0f} ms, before {designed}")
            check(ms >= previous, f"{stake} kr: the {step} step showed out of order")
            previous = ms
        check(rec["coins"] == rec["won"], f"{stake} kr: won {rec['won']}, coins {rec['coins']}")
        check(expected != "won" or rec["won"], f"{stake} kr: the spin did not win")
        check(expected != "lost" or not rec["won"], f"{stake} kr: the spin did not lose")
        # The live region tells the spin as the screen shows it, as the first reel shows.
        said = ([s for s in rec["said"] if s["text"].strip()] or fail(
            f"{stake} kr: the live region said nothing"))[-1]
        words = SENTENCE.fullmatch(said["text"].strip())
        check(rec["left"] <= said["at"] < rec["middle"],
              f"{stake} kr: {said['text']!r} was said at {said['at'] - rec['t0']:.0f} ms, "
              f"not as the first reel showed")
        check(words and words[1].startswith("Gevinst") == rec["won"] and words[2] ==
              rec["figure"] and list(words.groups()[2:]) == rec["reels"],
              f"{stake} kr: said {said['text']!r}, but shows the reels {rec['reels']}, the "
              f"balance {rec['figure']}, won {rec['won']}")
        seen = " ".join(f"{rec[step] - rec['t0']:.0f}" for step in DESIGNED)
        print(f"PASS: a {stake}-kr spin, {'won' if rec['won'] else 'lost'}, told "
              f"{said['text']!r}, seen at {seen} ms")
        return rec["won"]

    def step_key(self, key):
        self.press(key)

    def step_balance_changed(self):
        s = self.b.state()
        check(s["balanceShown"] and s["balance"] != self.fresh_balance,
              f"the balance still shows {s['balance']}")
        print(f"PASS: the balance no longer shows {self.fresh_balance}, but {s['balance']}")

    def step_f2_starts_afresh(self):
        self.press("F2")
        self.stake = 1
        self.b.until("F2 in the game window did not start afresh", lambda s: s["game"] and
                     s["balanceShown"] and s["balance"] == self.fresh_balance)
        print(f"PASS: F2 in the game window starts a new game at {self.fresh_balance} kr")

    def step_about_closed_by(self, key):
        self.choose_about()
        self.press(key)
        self.b.until(f"{key} did not close About, giving the keyboard back to the game",
                     lambda s: not s["about"] and s["focusWindow"] == "Form2")
        print(f"PASS: the About dialog opens and closes with {'OK' if self.touch else key}")

    def step_about_and_game_in_front(self):
        """The page stacks its windows as a desktop does: a click on the game window brings it
        in front of About, which stays open while the game plays; choosing About again brings
        About back to the front, with the keyboard."""
        self.choose_about()
        check(self.b.js(FRONT) == "frmAbout", "About opened behind the game window")
        self.b.tap(at=self.b.js("return inSight('Form2');") or fail("About hides the game"))
        wait_for(10, lambda: self.b.js(FRONT) == "Form2", "the game, clicked, stayed behind")
        self.b.tap(control("Form2", f"Command{self.stake}"))
        self.b.until("the game in front of About played no spin", lambda s: not s["stakesOn"])
        self.b.until("the spin beside About never came to rest", lambda s: s["stakesOn"])
        check(self.b.state()["about"], "About did not stay open behind the game window")
        self.choose_about()
        check(self.b.js(FRONT) == "frmAbout", "choosing About again left it behind the game")
        count = self.b.js("return document.querySelectorAll('#frmAbout, dialog[open]').length;")
        check(count == 1, f"choosing About again left {count} dialogs")
        self.press("Escape")
        self.b.until("About did not close", lambda s: not s["about"])
        print("PASS: a click on the game window brings it in front of About, which stays open "
              "while a spin plays, and choosing About again brings About back to the front")

    def step_message_closed(self, *what):
        what = " ".join(what)
        s = self.b.until(f"{what} showed no message", lambda s: s["message"])
        check(s["focus"] == "message-ok", f"the message of {what}: the keyboard on {s['focus']}")
        self.press("Return")
        self.b.until(f"the message of {what} did not close", lambda s: not s["message"])
        print(f"PASS: {what} shows {s['messageText']!r}, closed by "
              f"{'OK' if self.touch else 'Enter'}")

    def step_game_window_back(self):
        self.b.until("the game window is not shown", lambda s: s["game"])
        print("PASS: the game window is back, and the game goes on")

    def step_welcome_window_back(self):
        self.b.until("the welcome window did not come back alone",
                     lambda s: s["welcome"] and not s["game"])
        print("PASS: the welcome window is back, and the game window is gone")

    def step_stakes_back(self):
        self.b.until("the stake buttons did not come back, with the keyboard", lambda s: s[
            "stakesOn"] and (self.touch or s["focus"] in ("Command1", "Command2")))
        print("PASS: the stake buttons come back" + ("" if self.touch else ", with the keyboard"))

    def step_quit(self, window):
        check(self.b.state()["game" if window == "game" else "welcome"], f"no {window} window")
        if self.touch:
            self.b.choose("Form2" if window == "game" else "Form1", "mnuSpill", "mnuExit")
        else:
            self.b.key("ctrl+q")
        self.b.until(f"Exit in the {window} window left a window open",
                     lambda s: not (s["welcome"] or s["game"] or s["about"] or s["message"]))
        print(f"PASS: {'Exit' if self.touch else 'Ctrl+Q'} in the {window} window ends the game")


def test(folder, hands="keyboard"):
    check(hands in ("keyboard", "touch"), f"no such way to play: {hands}")
    steps = read_steps(f"{h.END_TO_END}/played_game.steps")
    with h.Browser(folder, phone=hands == "touch") as browser:
        player = Player(browser)
        for name, *args in steps:
            getattr(player, f"step_{name}")(*args)
            browser.note_processes()


if __name__ == "__main__":
    h.run(test, 600)
