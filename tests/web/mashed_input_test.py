#!/usr/bin/python3
"""Mashed keys and taps: a fixed-seed run of random keys and clicks (keyboard, 1920 x 1080) or
random taps (touch, a 360 x 640 phone) on whatever of the page is on screen, never Exit. Then
the page must still play a spin, no script may have failed, and the balance must be what the
spoken sentences say: each names the new balance and the prize, so a win adds its prize to the
balance before it, a loss takes 1 or 2 kroner, and a refused stake (with a message) nothing.

    mashed_input_test.py BUILD_WEB keyboard|touch [ACTIONS]
"""

import random
import re

import harness as h
from harness import check, control, fail

KEYS = ["F2", "Return", "Escape", "space", "Tab", "alt+s", "alt+a", "Down", "Up", "Left",
        "Right", "1", "2", "s", "g", "x"]
SENTENCE = re.compile(r"(Ingen gevinst|Gevinst (\d+)), (-?\d+) kr, hjul [0-4] [0-4] [0-4]\.")

# Notes every spin: the balance label's text before and after the click writes it, whether a
# message came, and the sentence said of it. A new game window is a new game.
RECORD = r"""
const spins = window.kslSpins = [];
let label = null, balance = null, spin = null, said = '';
new MutationObserver(records => {
  const now = ctl('Form2', 'Label17');
  if (now !== label) {
    [label, balance, spin] = [now, now?.textContent, null];
  } else if (now && records.some(r => r.type !== 'attributes' && now.contains(r.target))) {
    spin = {before: balance, after: now.textContent, told: false};
    balance = now.textContent;
  }
  if (spin && seen(win('message'))) spin.told = true;
  const words = win('spoken').textContent;
  if (words && words !== said && spin && !spin.sentence) spins.push(Object.assign(spin, {sentence: words}));
  said = words;
}).observe(document.body, {subtree: true, childList: true, characterData: true, attributes: true});
"""
# What can be touched: the windows on screen and the open menu, and their controls but Exit.
TARGETS = r"""
const box = r => [r.x, r.y, r.width, r.height];
const open = [...document.querySelectorAll('#Form1, #Form2, #frmAbout, #message, [role=menu]')].filter(seen);
return {boxes: open.map(e => box(e.getBoundingClientRect())), menu: open.some(e => e.role === 'menu'),
  controls: [...document.querySelectorAll('button, [role=menuitem]')]
    .filter(e => seen(e) && e.dataset.name !== 'mnuExit').map(e => box(e.getBoundingClientRect()))};
"""
ON_EXIT = "return !!document.elementFromPoint(...arguments)?.closest('[data-name=mnuExit]');"


def mash(browser, rng, actions):
    for step in range(actions):
        targets = browser.js(TARGETS)
        check(targets["boxes"], f"nothing on screen after {step} actions")
        if not browser.phone and (targets["menu"] or rng.random() < 0.4):
            key = rng.choice(KEYS)
            if targets["menu"]:  # in an open menu only Return (never on Exit) or Escape
                exit_focused = browser.state()["focus"] == "mnuExit"
                key = "Return" if rng.random() < 0.5 and not exit_focused else "Escape"
            browser.key(key)
            continue
        x, y, width, height = rng.choice(targets["controls"] if targets["controls"] and
                                         rng.random() < 0.35 else targets["boxes"])
        point = [x + rng.random() * width, y + rng.random() * height]
        if not browser.js(ON_EXIT, *point):
            browser.tap(at=point)


def clear_away(browser):
    """Closes what the monkey left open (the message, About, a menu); waits out a spin."""
    for _ in range(20):
        s = browser.state()
        if s["message"]:
            browser.tap("#message-ok")
            browser.until("the message did not close", lambda s: not s["message"])
        elif s["about"]:
            # About may be hidden behind a window: a touch on it brings it in front, as does
            # choosing it again in the game window.
            if not (in_sight := browser.js("return inSight('frmAbout');")):
                if not s["game"]:
                    browser.choose("Form1", "mnuSpill", "mnuPlay")
                    browser.until("Start Spill showed no game", lambda s: s["game"])
                browser.choose("Form2", "mnuAbout", "mnuContent")
            browser.tap(at=in_sight) if in_sight else None
            browser.tap(control("frmAbout", "cmdOK"))
            browser.until("About did not close", lambda s: not s["about"])
        elif browser.js(TARGETS)["menu"]:
            browser.tap(at=[1, 1])
            h.wait_for(10, lambda: not browser.js(TARGETS)["menu"], "the menu did not close")
        elif s["game"] and not s["stakesOn"]:
            browser.until("a spin never came to rest", lambda s: s["stakesOn"] or s["message"])
        else:
            return s
    return fail(f"the page would not come to rest: {browser.state()}")


def test(folder, hands="keyboard", actions=None):
    check(hands in ("keyboard", "touch"), f"no such way to play: {hands}")
    actions = int(actions or (300 if hands == "keyboard" else 200))
    with h.Browser(folder, phone=hands == "touch") as browser:
        browser.freeze_clock(h.moment_ms("winning"))
        browser.open()
        browser.js(RECORD)
        mash(browser, random.Random(20261207), actions)
        if not clear_away(browser)["game"]:
            browser.choose("Form1", "mnuSpill", "mnuPlay")
        s = browser.until(f"no game to play after the monkey", lambda s: s["stakesOn"])
        told = len(browser.js("return window.kslSpins;"))
        if browser.phone or s["focus"] != "Command1":
            browser.tap(control("Form2", "Command1"))  # 1 Kr, never refused
        else:
            browser.key("space")
        h.wait_for(10, lambda: len(browser.js("return window.kslSpins;")) > told,
                   "after the monkey a spin was never told")
        s = clear_away(browser)
        spins = browser.js("return window.kslSpins;")
        for spin in spins:
            said = SENTENCE.fullmatch(spin["sentence"])
            before, after = int(spin["before"]), int(spin["after"])
            check(said and said[3] == spin["after"] and (
                after - before == int(said[2]) if said[2] else before - after in (1, 2) or (
                    after == before and spin["told"])),
                f"{spin['sentence']!r} was said as the balance went from {before} to {after}")
        last = SENTENCE.fullmatch(spins[-1]["sentence"])[3]
        check(not s["game"] or (s["balanceShown"] and s["balance"] == last),
              f"the balance shows {s['balance']}, but the last spin was told {last} kr")
        errors = [e["message"] for e in browser.driver.get_log("browser") if e["level"] == "SEVERE"]
        check(not errors, f"the page's scripts failed: {errors}")
        print(f"PASS: {actions} random {'taps' if browser.phone else 'keys and clicks'}, "
              f"{len(spins)} spins each told with the balance it left, the last "
              f"{spins[-1]['sentence']!r}")


if __name__ == "__main__":
    h.run(test, 240)
