#!/usr/bin/python3
"""The played game in the page, from the steps every build of the game is played with
(tests/end_to_end/played_game.steps):

    played_game_test.py BUILD_WEB keyboard   at 1920 x 1080, every step from the keyboard
    played_game_test.py BUILD_WEB touch      on a 360 x 640 touch screen: taps where a phone
                                             has no key (a stake for Space, the menu for F2,
                                             OK for Enter and Esc)

The whole file is read first: a step this test does not know fails it before the page opens.
"""

import re

import harness as h
from harness import check, control, fail, wait_for

# When each step of a spin's reveal is designed to show, in milliseconds from the press.
DESIGNED = {"left": 500, "middle": 1200, "right": 1900, "balance": 2100, "buttons": 2500}
# The moment of the press is read as the stakes turn grey, a little after the handler started
# the timers; a timer may land that much, and Chromium's rounding of it, before its time.
EARLY_MS = 5
SENTENCE = re.compile(r"(Ingen gevinst|Gevinst \d+), (-?\d+) kr, hjul ([0-4]) ([0-4]) ([0-4])\.")

# Installed in the page just before a press: notes when each step of the reveal first shows
# (performance.now(), which the still wall clock does not touch) and what the live region says.
WATCH = r"""
const rec = window.kslSpin = {t0: null, said: [], message: false};
const reels = {left: 'Label2', middle: 'Label3', right: 'Label1'};
const look = () => {
  const now = performance.now();
  if (seen(win('message'))) rec.message = true;
  if (rec.t0 === null) {
    if (!stakes().every(b => b.disabled)) return;
    rec.t0 = now;
  }
  for (const [step, name] of Object.entries(reels))
    if (rec[step] === undefined && seen(ctl('Form2', name))) rec[step] = now;
  if (rec.balance === undefined && seen(ctl('Form2', 'Label17'))) rec.balance = now;
  const said = win('spoken').textContent;
  if (said !== rec.said.at(-1)?.text) rec.said.push({text: said, at: now});
  if (stakes().every(b => !b.disabled)) {
    Object.assign(rec, {buttons: now, won: !seen(ctl('Form2', 'Label13')),
      coins: [1, 2, 3, 4, 5].some(i => seen(ctl('Form2', 'Image' + i))),
      reels: Object.values(reels).map(n => ctl('Form2', n).textContent.trim()),
      figure: ctl('Form2', 'Label17').textContent.trim()});
    observer.disconnect();
  }
};
const observer = new MutationObserver(look);
observer.observe(document.body, {subtree: true, attributes: true, childList: true,
                                 characterData: true});
"""

# Where the game window and About overlap: which of them is in front.
FRONT = r"""
const a = win('Form2').getBoundingClientRect(), b = win('frmAbout').getBoundingClientRect();
const x = (Math.max(a.left, b.left) + Math.min(a.right, b.right)) / 2;
const y = (Math.max(a.top, b.top) + Math.min(a.bottom, b.bottom)) / 2;
return document.elementFromPoint(x, y)?.closest('#Form2, #frmAbout')?.id ?? null;
"""
# A point of the game window that About leaves bare, away from its buttons and menus.
BARE = r"""
const r = win('Form2').getBoundingClientRect();
for (let y = r.top + 4; y < r.bottom; y += 8)
  for (let x = r.left + 4; x < r.right; x += 8) {
    const hit = document.elementFromPoint(x, y);
    if (hit?.closest('#Form2') && !hit.closest('button, [role^=menu]')) return [x, y];
  }
return null;
"""

ARITY = {"game": (1, 1), "welcome_then_f2": (0, 0), "spin": (2, 3), "key": (1, 1),
         "balance_changed": (0, 0), "f2_starts_afresh": (0, 0), "about_closed_by": (1, 1),
         "about_and_game_in_front": (0, 0), "message_closed": (1, 99),
         "game_window_back": (0, 0), "welcome_window_back": (0, 0), "stakes_back": (0, 0),
         "quit": (1, 1)}
WORDS = {"game": {"winning", "losing"}, "key": {"Tab", "space", "F2", "Return", "Escape"},
         "about_closed_by": {"Return", "Escape"}, "quit": {"game", "welcome"}}


def read_steps(path):
    steps = []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            name, args = words[0], words[1:]
            low, high = ARITY.get(name, (-1, -1))
            known = low <= len(args) <= high and (name not in WORDS or args[0] in WORDS[name])
            if name == "spin":
                known = known and args[0] in "12" and args[1] in ("won", "lost", "any") and (
                    len(args) == 2 or args[2].isdigit())
            check(known, f"{path}, line {number}: no such step: {' '.join(words)}")
            steps.append((name, args))
    check(steps, f"{path} holds no step")
    return steps


class Player:
    def __init__(self, browser):
        self.b = browser
        self.touch = browser.phone
        self.fresh_balance = None
        self.stake = 1  # on a phone: the stake the keyboard would be on, for "key space"

    def state(self):
        return self.b.state()

    def wait(self, what, probe, seconds=10):
        """Waits until `probe(state)` holds, and returns that state."""

        def look():
            state = self.state()
            return state if probe(state) else None

        return wait_for(seconds, look, what)

    # --- a player's hands, by keys or by taps ---

    def press(self, key):
        if not self.touch:
            self.b.key(key)
            return
        s = self.state()
        if key == "Tab":
            self.stake = 3 - self.stake
        elif key == "space":
            check(s["game"], "no stake to tap: the game window is not shown")
            self.b.tap(control("Form2", f"Command{self.stake}"))
        elif key == "F2":
            self.b.choose("Form2" if s["game"] else "Form1", "mnuSpill", "mnuPlay")
        elif s["message"]:
            self.b.tap("#message-ok")
        elif s["about"]:
            self.b.tap(control("frmAbout", "cmdOK"))
        else:
            fail(f"a phone has no {key} key, and nothing here to tap for it")

    def choose_about(self):
        check(self.state()["game"], "the game window is not shown")
        if self.touch:
            self.b.choose("Form2", "mnuAbout", "mnuContent")
        else:
            self.b.key("alt+a")
            self.b.key("g")
        self.wait("About > Game did not open About", lambda s: s["about"])
        self.wait("About did not take the keyboard", lambda s: s["focusWindow"] == "frmAbout")

    def fresh_game(self, s):
        return s["game"] and s["balanceShown"] and s["balance"] == self.fresh_balance

    # --- the steps ---

    def step_game(self, moment):
        self.b.freeze_clock(h.moment_ms(moment))
        self.b.open()
        self.fresh_balance, self.stake = None, 1

    def step_welcome_then_f2(self):
        s = self.state()
        check(s["welcome"] and not s["game"] and not s["about"],
              f"at start-up the welcome window is not alone: {s}")
        self.press("F2")
        s = self.wait("F2 did not show the game window alone",
                      lambda s: s["game"] and not s["welcome"])
        # The balance shows with the reveal's timers, as the window loads.
        s = self.wait("the game window never showed its balance", lambda s: s["balanceShown"])
        self.fresh_balance = s["balance"]
        print("PASS: the welcome window alone at start-up, and F2 shows the game window")

    def step_spin(self, stake, expected, times="1"):
        won = 0
        for _ in range(int(times)):
            won += self.spin(int(stake), expected)
        if int(times) > 1:
            print(f"PASS: {times} spins at {stake} kr ({expected}), {won} of them won")

    def spin(self, stake, expected):
        name = f"Command{stake}"
        self.wait(f"{stake} kr: the stake buttons are not enabled", lambda s: s["stakesOn"])
        if not self.touch:
            focus = self.state()["focus"]
            check(focus == name, f"{stake} kr: the keyboard is on {focus}, not on the stake")
        self.b.js(WATCH)
        if self.touch:
            self.b.tap(control("Form2", name))
            self.stake = stake
        else:
            self.b.key("space")
        rec = wait_for(15, lambda: self.b.js("return window.kslSpin.buttons !== undefined || "
                                             "window.kslSpin.message ? window.kslSpin : null;"),
                       f"{stake} kr: the spin never came to rest")
        check(not rec["message"], f"{stake} kr: a message opened: {self.state()['messageText']}")
        previous = 0
        for step, designed in DESIGNED.items():
            at = rec.get(step)
            check(at is not None, f"{stake} kr: the {step} step never showed")
            ms = at - rec["t0"]
            check(ms >= designed - EARLY_MS,
                  f"{stake} kr: the {step} step showed at {ms:.0f} ms, before {designed} ms")
            check(ms >= previous, f"{stake} kr: the {step} step showed out of order")
            previous = ms
        check(rec["coins"] == rec["won"],
              f"{stake} kr: won {rec['won']}, but coins shown {rec['coins']}")
        check(expected != "won" or rec["won"], f"{stake} kr: the spin did not win")
        check(expected != "lost" or not rec["won"], f"{stake} kr: the spin did not lose")
        self.check_sentence(stake, rec)
        steps = " ".join(f"{rec[s] - rec['t0']:.0f}" for s in DESIGNED)
        print(f"PASS: a {stake}-kr spin, {'won' if rec['won'] else 'lost'}"
              f"{' with its coins' if rec['coins'] else ''}, seen at {steps} (ms)")
        return rec["won"]

    @staticmethod
    def check_sentence(stake, rec):
        """The live region tells the spin as the screen shows it, as the first reel shows."""
        said = [s for s in rec["said"] if s["text"].strip()]
        check(said, f"{stake} kr: the live region said nothing of the spin")
        sentence = said[-1]
        check(rec["left"] <= sentence["at"] < rec["middle"],
              f"{stake} kr: {sentence['text']!r} was said at {sentence['at'] - rec['t0']:.0f} ms,"
              f" not as the first reel showed ({rec['left'] - rec['t0']:.0f} ms)")
        words = SENTENCE.fullmatch(sentence["text"].strip())
        check(words, f"{stake} kr: the live region said {sentence['text']!r}")
        check(words[1].startswith("Gevinst") == rec["won"] and words[2] == rec["figure"]
              and list(words.groups()[2:]) == rec["reels"],
              f"{stake} kr: said {sentence['text']!r}, but the screen shows the reels "
              f"{rec['reels']}, the balance {rec['figure']} and won {rec['won']}")

    def step_key(self, key):
        self.press(key)

    def step_balance_changed(self):
        s = self.state()
        check(s["balanceShown"] and s["balance"] != self.fresh_balance,
              f"the balance still shows {s['balance']} after the spins")
        print(f"PASS: the balance no longer shows {self.fresh_balance}, but {s['balance']}")

    def step_f2_starts_afresh(self):
        self.press("F2")
        self.stake = 1
        self.wait("F2 in the game window did not start afresh", self.fresh_game)
        print(f"PASS: F2 in the game window starts a new game at {self.fresh_balance} kr")

    def step_about_closed_by(self, key):
        self.choose_about()
        self.press(key)
        self.wait(f"{key} did not close the About dialog", lambda s: not s["about"])
        self.wait("the keyboard did not go back to the game window",
                  lambda s: s["focusWindow"] == "Form2")
        print(f"PASS: the About dialog opens and closes with {'OK' if self.touch else key}")

    def step_about_and_game_in_front(self):
        """The page stacks its windows as a desktop does: a click on the game window brings it
        in front of About, which stays open while the game is played; choosing About again
        brings About back to the front, with the keyboard."""
        self.choose_about()
        check(self.b.js(FRONT) == "frmAbout", "About opened behind the game window")
        bare = self.b.js(BARE)
        check(bare, "About covers the whole game window")
        self.b.tap(at=bare)
        wait_for(10, lambda: self.b.js(FRONT) == "Form2",
                 "the game window, clicked, stayed behind About")
        self.b.tap(control("Form2", f"Command{self.stake}"))
        self.wait("the game in front of About played no spin", lambda s: not s["stakesOn"])
        self.wait("the spin beside About never came to rest", lambda s: s["stakesOn"])
        check(self.state()["about"], "About did not stay open behind the game window")
        self.choose_about()
        check(self.b.js(FRONT) == "frmAbout", "choosing About again left it behind the game")
        count = self.b.js("return document.querySelectorAll('#frmAbout, dialog[open]').length;")
        check(count == 1, f"choosing About again left {count} dialogs")
        self.press("Escape")
        self.wait("About did not close", lambda s: not s["about"])
        print("PASS: a click on the game window brings it in front of About, which stays open "
              "while a spin plays, and choosing About again brings About back to the front")

    def step_message_closed(self, *what):
        what = " ".join(what)
        s = self.wait(f"{what} showed no message", lambda s: s["message"])
        check(s["focus"] == "message-ok", f"the message of {what} has the keyboard on {s['focus']}")
        text = s["messageText"]
        self.press("Return")
        self.wait(f"the message of {what} did not close", lambda s: not s["message"])
        print(f"PASS: {what} shows the message {text!r}, and "
              f"{'OK' if self.touch else 'Enter'} closes it")

    def step_game_window_back(self):
        self.wait("the game window is not shown", lambda s: s["game"])
        print("PASS: the game window is back, and the game goes on")

    def step_welcome_window_back(self):
        self.wait("the welcome window did not come back alone",
                  lambda s: s["welcome"] and not s["game"])
        print("PASS: the welcome window is back, and the game window is gone")

    def step_stakes_back(self):
        s = self.wait("the stake buttons did not come back", lambda s: s["stakesOn"])
        check(self.touch or s["focus"] in ("Command1", "Command2"),
              f"the stake buttons came back without the keyboard, which is on {s['focus']}")
        print("PASS: the stake buttons come back" + ("" if self.touch else ", with the keyboard"))

    def step_quit(self, window):
        s = self.state()
        check(s["game" if window == "game" else "welcome"], f"the {window} window is not shown")
        if self.touch:
            self.b.choose("Form2" if window == "game" else "Form1", "mnuSpill", "mnuExit")
        else:
            self.b.key("ctrl+q")
        self.wait(f"Exit in the {window} window left a window open",
                  lambda s: not (s["welcome"] or s["game"] or s["about"] or s["message"]))
        print(f"PASS: {'Exit' if self.touch else 'Ctrl+Q'} in the {window} window ends the game")


def test(folder, hands="keyboard"):
    check(hands in ("keyboard", "touch"), f"no such way to play: {hands}")
    steps = read_steps(h.STEPS_FILE)
    with h.Browser(folder, phone=hands == "touch") as browser:
        player = Player(browser)
        for name, args in steps:
            getattr(player, f"step_{name}")(*args)
            browser.note_processes()


if __name__ == "__main__":
    h.run(test, 600)
