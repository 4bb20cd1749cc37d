#!/usr/bin/python3
"""Loses a whole game from the keyboard under Orca, as a blind player would, and checks that
both of the game's messages were heard in full when they opened, and the welcome window's
instruction after the game. The draws must all lose (a still clock gives that): 29 spins at
"1 Kr" leave 1 kr, a spin at "2 Kr" is refused with a message, and two more at "1 Kr" end the
game with another. OK on the last message leads back to the welcome window; F2 starts over.

    hear_messages.py ORCA_DEBUG_LOG SPEECH_DISPATCHER_LOG [--measure-only]

The program, Orca and speech-dispatcher must be running (see screen_reader_speech_test.sh).
"""

import os
import subprocess
import time

from play_by_ear import (START_INSTRUCTION, fail, heard_between, key, play_and_listen,
                         report_faults, report_step, wait_for_window, wait_until_heard,
                         wait_until_quiet)

WATCH_SPIN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "watch_spin.py")
SPINS_TO_ONE_KRONE = 29
REFUSAL = ("Du har ikke nok penger til å spille med 2 kroners innsats, spill med 1 kroners "
           "innsats!")
OUT_OF_MONEY = "Du har ikke mer penger å spille for !"


def wait_until_closed(pattern, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                               capture_output=True, text=True)
        if not found.stdout.split():
            return
        time.sleep(0.1)
    fail(f"the window {pattern!r} did not close")


def wait_until(condition, seconds, fault):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            fail(fault)
        time.sleep(0.1)


def stake_buttons_enabled(window):
    """Both stake buttons drawn enabled on the game window, as the player sees them."""
    return subprocess.run([WATCH_SPIN, window, "--enabled"], timeout=20).returncode == 0


def spins(count, window):
    """Each Space once the stake buttons are back, 2.5 s after the one before: a Space before
    then is lost, and the game would not be where the script thinks it is."""
    for _ in range(count):
        key("space")
        wait_until(lambda: not stake_buttons_enabled(window), 10, "Space started no spin")
        wait_until(lambda: stake_buttons_enabled(window), 20,
                   "the stake buttons did not come back after a spin")


def hear_message(speech_log):
    """The key that opens a message has just been pressed: lets Orca read it all, then OK."""
    wait_for_window("^KSL$")
    wait_until_quiet(speech_log, 25)
    return key("Return")


def play(speech_log):
    """Returns the steps that were listened to: (what, from, to)."""
    steps = []
    welcome = wait_for_window("^Kronesluk$")
    time.sleep(8)  # the screen reader reads the new window
    subprocess.run(["xdotool", "windowactivate", "--sync", welcome], check=True, timeout=20)
    key("F2")
    game = wait_for_window("Tindrevik")
    time.sleep(6)

    spins(SPINS_TO_ONE_KRONE, game)
    key("Tab")
    time.sleep(1.5)
    opened = key("space")
    steps.append(("the refusal", opened, hear_message(speech_log)))
    wait_until_closed("^KSL$")
    time.sleep(1.5)

    # The focus is back on "2 Kr": Tab to "1 Kr", lose the last krone, then one more.
    key("Tab")
    time.sleep(1.5)
    spins(1, game)
    opened = key("space")
    steps.append(("the end of the game", opened, hear_message(speech_log)))
    wait_for_window("^Kronesluk$")
    back = time.time()
    wait_until_heard(speech_log, back, lambda words: START_INSTRUCTION in words, back + 15)
    steps.append(("the welcome window again", back, key("F2")))
    wait_for_window("Tindrevik")
    time.sleep(2)
    return steps


def main():
    steps, utterances, decisions, measure_only = play_and_listen(play)

    expected = {"the refusal": REFUSAL, "the end of the game": OUT_OF_MONEY,
                "the welcome window again": START_INSTRUCTION}
    faults = []
    for what, start, end in steps:
        report_step(what, start, end, utterances, decisions)
        heard = heard_between(utterances, start, end)
        if expected[what] not in " ".join(heard.split()):
            faults.append(f"{what}: {expected[what]!r} was not heard in full, only {heard!r}")
    report_faults(faults, measure_only)


if __name__ == "__main__":
    main()
