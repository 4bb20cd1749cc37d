#!/usr/bin/python3
"""Mashed keys and taps: a fixed-seed run of random key presses and clicks (keyboard, at
1920 x 1080) or random taps (touch, on a 360 x 640 phone) on whatever of the page is on screen,
never Exit. Afterwards the page must still play a spin, no script may have failed, and the
balance must be what the spoken sentences say: each spin's sentence names the new balance and
the prize, so a win adds its prize to the balance before it, a loss takes 1 or 2 kroner, and a
refused stake (told by a message) leaves it as it was.

    mashed_input_test.py BUILD_WEB keyboard|touch [ACTIONS]
"""

import random
import re

import harness as h
from harness import check, control, fail, wait_for

KEYS = ["F2", "Return", "Escape", "space", "Tab", "alt+s", "alt+a", "Down", "Up", "Left",
        "Right", "1", "2", "s", "g", "x"]
SENTENCE = re.compile(r"(Ingen gevinst|Gevinst (\d+)), (-?\d+) kr, hjul [0-4] [0-4] [0-4]\.")

# Notes every spin: the balance label's text before and after the click wrote it, whether a
# message came with it, and the sentence said of it. A new game window starts a new game.
RECORD = r"""
const spins = window.kslSpins = [];
let label = null, balance = null, spin = null, said = '';
new MutationObserver(records => {
  const now = ctl('Form2', 'Label17');
  if (now !== label) {
    [label, balance, spin] = [now, now?.textContent, null];
  } else if (now && records.some(r => r.type !== 'attributes' && now.contains(r.target))) {
    spin = {before: balance, after: now.textContent, told: false, sentence: null};
    balance = now.textContent;
  }
  if (spin && seen(win('message'))) spin.told = true;
  const words = win('spoken').textContent;
  if (words && words !== said && spin && !spin.sentence) {
    spin.sentence = words;
    spins.push(spin);
  }
  said = words;
}).observe(document.body, {subtree: true, childList: true, characterData: true,
                           attributes: true});
"""

# What can be touched: the boxes of the windows on screen and of the open menu, and the
# controls in them, never Exit.
TARGETS = r"""
const boxes = [...document.querySelectorAll('#Form1, #Form2, #frmAbout, #message, [role=menu]')]
  .filter(seen).map(e => e.getBoundingClientRect()).map(r => [r.left, r.top, r.width, r.height]);
const controls = [...document.querySelectorAll('button, [role=menuitem]')]
  .filter(e => seen(e) && e.dataset.name !== 'mnuExit').map(e => {
    const r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; });
return {boxes, controls, menu: [...document.querySelectorAll('[role=menu]')].some(seen)};
"""
# A point of a window where it is in front, away from its controls.
IN_SIGHT = r"""
const r = win(arguments[0]).getBoundingClientRect();
for (let y = r.top + 2; y < r.bottom; y += 6)
  for (let x = r.left + 2; x < r.right; x += 6) {
    const hit = document.elementFromPoint(x, y);
    if (hit?.closest('#' + arguments[0]) && !hit.closest('button, [role^=menu]')) return [x, y];
  }
return null;
"""
ON_EXIT = ("return !!document.elementFromPoint(arguments[0], arguments[1])"
           "?.closest('[data-name=mnuExit]');")


def mash(browser, rng, actions):
    for step in range(actions):
        targets = browser.js(TARGETS)
        check(targets["boxes"], f"nothing on screen after {step} actions")
        if not browser.phone and (targets["menu"] or rng.random() < 0.4):
            # In an open menu only Return (never on Exit) or Escape, as a player who stays.
            key = rng.choice(KEYS)
            if targets["menu"]:
                on_exit = browser.state()["focus"] == "mnuExit"
                key = "Return" if rng.random() < 0.5 and not on_exit else "Escape"
            browser.key(key)
            continue
        if targets["controls"] and rng.random() < 0.35:
            point = rng.choice(targets["controls"])
        else:
            left, top, width, height = rng.choice(targets["boxes"])
            point = [left + rng.random() * width, top + rng.random() * height]
        if not browser.js(ON_EXIT, *point):
            browser.tap(at=point)


def clear_away(browser):
    """Closes what the monkey left open (the message, About, a menu) and waits out a spin."""
    phone = browser.phone
    for _ in range(20):
        s = browser.state()
        if s["message"]:
            browser.tap("#message-ok") if phone else browser.key("Return")
            wait_for(10, lambda: not browser.state()["message"], "the message did not close")
        elif s["about"]:
            # About may stand behind another window: a touch on it brings it in front, as
            # does choosing it again in the game window (started for it if need be).
            if in_sight := browser.js(IN_SIGHT, "frmAbout"):
                browser.tap(at=in_sight)
            else:
                if not s["game"]:
                    browser.choose("Form1", "mnuSpill", "mnuPlay")
                    wait_for(10, lambda: browser.state()["game"], "Start Spill showed no game")
                browser.choose("Form2", "mnuAbout", "mnuContent")
            browser.tap(control("frmAbout", "cmdOK"))
            wait_for(10, lambda: not browser.state()["about"],
                     f"About did not close: {browser.state()}")
        elif browser.js(TARGETS)["menu"]:
            browser.tap(at=[1, 1]) if phone else browser.key("Escape")
            wait_for(10, lambda: not browser.js(TARGETS)["menu"], "the menu did not close")
        elif s["game"] and not s["stakesOn"]:
            wait_for(10, lambda: (s := browser.state())["stakesOn"] or s["message"],
                     "a spin the monkey started never came to rest")
        else:
            return s
    fail(f"the page would not come to rest: {browser.state()}")


def check_spins(spins):
    for spin in spins:
        said = SENTENCE.fullmatch(spin["sentence"])
        check(said, f"a spin was told {spin['sentence']!r}")
        before, after = int(spin["before"]), int(spin["after"])
        check(said[3] == spin["after"], f"{spin['sentence']!r}, but the balance is {after}")
        if said[2]:
            check(after - before == int(said[2]), f"{spin['sentence']!r} after {before} kr")
        else:
            check(before - after in (1, 2) or (after == before and spin["told"]),
                  f"{spin['sentence']!r} after {before} kr")


def test(folder, hands="keyboard", actions=None):
    check(hands in ("keyboard", "touch"), f"no such way to play: {hands}")
    actions = int(actions or (300 if hands == "keyboard" else 200))
    with h.Browser(folder, phone=hands == "touch") as browser:
        browser.freeze_clock(h.moment_ms("winning"))
        browser.open()
        browser.js(RECORD)
        mash(browser, random.Random(20261207), actions)
        s = clear_away(browser)
        if not s["game"]:
            if browser.phone:
                browser.choose("Form1", "mnuSpill", "mnuPlay")
            else:
                browser.key("F2")
        s = wait_for(10, lambda: (s := browser.state())["stakesOn"] and s,
                     f"no game to play after the monkey: {browser.state()}")
        before = len(browser.js("return window.kslSpins;"))
        if browser.phone:
            browser.tap(control("Form2", "Command1"))
        else:
            for _ in range(3):  # the keyboard onto 1 Kr, which is never refused
                if browser.state()["focus"] == "Command1":
                    break
                browser.key("Tab")
            browser.key("space")
        wait_for(10, lambda: len(browser.js("return window.kslSpins;")) > before,
                 "after the monkey a spin was never told")
        s = clear_away(browser)
        spins = browser.js("return window.kslSpins;")
        check_spins(spins)
        last = SENTENCE.fullmatch(spins[-1]["sentence"])[3]
        if s["game"]:
            check(s["balanceShown"] and s["balance"] == last,
                  f"the balance shows {s['balance']}, but the last spin was told {last} kr")
        errors = [e["message"] for e in browser.driver.get_log("browser")
                  if e["level"] == "SEVERE"]
        check(not errors, f"the page's scripts failed: {errors}")
        print(f"PASS: {actions} random {'taps' if browser.phone else 'keys and clicks'}, "
              f"{len(spins)} spins each with the balance its sentence gives, "
              f"then a spin told {spins[-1]['sentence']!r}")


if __name__ == "__main__":
    h.run(test, 240)
