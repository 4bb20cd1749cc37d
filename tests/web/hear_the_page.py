#!/usr/bin/python3
"""Plays the browser edition by ear, as play_by_ear.py plays the desktop program: a visible
Chromium opens the page, its wall clock held at the desktop speech test's moment; the player
waits to hear how to start, presses F2, plays four spins at "1 Kr" and four at "2 Kr", Space
every 4 seconds (or, while a result is still being spoken, once it has been heard). Then the
logs of Orca and speech-dispatcher are checked as for the desktop:
- the welcome window told how to start ("Press F2 ...");
- for every spin, whether it won (and how much) and the new balance were heard to the end
  before the next key press, in braille too, the balances heard add up from 30, and they are
  the words the page put in its live region;
- the stake that takes the keyboard (after F2, after Tab) is named;
- no button was ever spoken as grayed: the keyboard never rests on a stake that is off.

    hear_the_page.py BUILD_WEB_FOLDER ORCA_DEBUG_LOG SPEECH_DISPATCHER_LOG [--measure-only]

Orca and speech-dispatcher must be running (screen_reader_test.sh starts them); this starts
and stops Chromium and the page's server.
"""

import calendar
import os
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "end_to_end"))

import harness  # noqa: E402
from play_by_ear import (BALANCE, SPINS_PER_STAKE, START_INSTRUCTION, check_spin,  # noqa: E402
                         heard_between, key, read_screen_reader_log, read_speech_log,
                         report_faults, report_step, wait_for_result, wait_until_heard,
                         wait_until_quiet)
from page_server import PageServer  # noqa: E402
from piped_chromium import PipedChromium  # noqa: E402

SPEECH_TEST = os.path.join(HERE, "..", "end_to_end", "screen_reader_speech_test.sh")


def spins_moment_ms():
    """The desktop speech test's moment for its spins: the longest results at both stakes."""
    with open(SPEECH_TEST, encoding="utf-8") as script:
        found = re.search(r'spins\) player=play_by_ear\.py moment="([^"]+)"', script.read())
    harness.check(found, "screen_reader_speech_test.sh names no moment for its spins")
    return calendar.timegm(time.strptime(found.group(1), "%Y-%m-%d %H:%M:%S")) * 1000


# The stake that has the keyboard is named as it takes it, before the next Space.
NAMED_STAKE = {"F2": "1 Kr", "Tab": "2 Kr"}


def take_stake(browser, speech_log, name, caption, fault):
    """The stake button `name` takes the keyboard with the stakes on; its caption is heard."""
    since = time.time()
    try:
        harness.wait_for(10, lambda: browser.evaluate(
            f"state().game && state().stakesOn && state().focus === '{name}'"), fault)
    except harness.Failure:
        harness.fail(f"{fault}; the page: {browser.evaluate('state()')}")
    wait_until_heard(speech_log, since, lambda words: caption in words, since + 10)


def play(browser, origin, speech_log):
    """Returns the steps played, (what, the moment its key went down, the stake of a spin), and
    the page's live-region sentence after each spin."""
    opened, still = time.time(), spins_moment_ms()
    browser.open(origin + "/", still_ms=still)
    harness.wait_for(30, lambda: browser.evaluate("seen(win('Form1'))"),
                     "the page never showed the welcome window")
    harness.check(browser.evaluate("Date.now()") == still, "the page's wall clock runs on")
    windows = harness.wait_for(20, lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(browser.pid)],
        capture_output=True, text=True).stdout.split(), "Chromium showed no window")
    subprocess.run(["xdotool", "windowactivate", "--sync", windows[-1]], check=True, timeout=20)
    steps = [("welcome window", opened, None)]
    wait_until_heard(speech_log, opened, lambda words: START_INSTRUCTION in words, opened + 45)
    # A player hears the window out: a key pressed while Orca still reads the page on its own
    # ends that reading where it was, and Orca moves the caret there, away from the keyboard's
    # place in the page.
    wait_until_quiet(speech_log, 30)

    steps.append(("F2", key("F2"), None))
    take_stake(browser, speech_log, "Command1", "1 Kr", "F2 did not show the game window")
    sentences = []
    for stake in (1, 2):
        if stake == 2:
            steps.append(("Tab", key("Tab"), None))
            take_stake(browser, speech_log, "Command2", "2 Kr", "Tab did not reach \"2 Kr\"")
        for _ in range(SPINS_PER_STAKE):
            pressed = key("space")
            steps.append(("Space", pressed, stake))
            wait_for_result(speech_log, pressed)
            sentences.append(browser.evaluate("state().spoken"))
            browser.note_processes()
    steps.append(("the end", time.time(), None))
    return steps, sentences


def check(steps, sentences, utterances, decisions):
    faults = []
    balance, took, spin = 30, [], 0
    for (what, start, stake), (_, end, _) in zip(steps, steps[1:]):
        spin += what == "Space"
        report_step(f"spin {spin} at {stake} kr (Space)" if what == "Space" else what,
                    start, end, utterances, decisions)
        heard = " ".join(heard_between(utterances, start, end).split())
        if what == "welcome window" and START_INSTRUCTION not in heard:
            faults.append(f"the welcome window did not say how to start, only {heard!r}")
        if what in NAMED_STAKE and NAMED_STAKE[what] not in heard:
            faults.append(f"after {what} the stake with the keyboard was not named: {heard!r}")
        if what == "Space":
            balance, seconds, spin_faults = check_spin(spin, stake, start, end, balance,
                                                       utterances, decisions)
            faults.extend(spin_faults)
            page = BALANCE.search(sentences[spin - 1] or "")
            said = page and sentences[spin - 1][:page.end()]
            if not said or said.lower() not in heard.lower():
                faults.append(f"spin {spin}: the page said {sentences[spin - 1]!r}, "
                              f"but {heard!r} was heard")
            if seconds is not None:
                took.append(seconds)
    grayed = [text for _when, kind, text in decisions if kind == "SPEECH" and "grayed" in text]
    if grayed:
        faults.append(f"spoken as grayed: {grayed}")
    print(f"--- results heard to the end: {len(took)} of {spin} spins")
    if took:
        print(f"--- Space to the end of the spoken outcome and balance: median "
              f"{statistics.median(took):.2f} s (from {min(took):.2f} to {max(took):.2f} s)")
    return faults


def main():
    folder, orca_log, speech_log = [arg for arg in sys.argv[1:] if not arg.startswith("--")]

    def out_of_time(*_):
        harness.fail("stopped from outside")

    signal.signal(signal.SIGTERM, out_of_time)
    with tempfile.TemporaryDirectory(prefix="ksl-heard-") as scratch:
        browser = PipedChromium(scratch)
        try:
            with PageServer(folder) as server:
                steps, sentences = play(browser, server.origin, speech_log)
        except harness.Failure as failure:
            with open(browser.log, encoding="utf-8", errors="replace") as log:
                harness.fail(f"{failure}\nChromium's last words:\n{log.read()[-1500:]}")
        finally:
            browser.close()
    wait_until_quiet(speech_log, 15)  # the last words are in the logs
    utterances = read_speech_log(speech_log)
    harness.check(utterances, "speech-dispatcher spoke nothing")
    faults = check(steps, sentences, utterances, read_screen_reader_log(orca_log))
    report_faults(faults, "--measure-only" in sys.argv)


if __name__ == "__main__":
    try:
        main()
    except harness.Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
