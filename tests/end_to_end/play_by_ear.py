#!/usr/bin/python3
"""Plays Kronesluk from the keyboard under Orca as a blind player would, and checks what was
heard. At the welcome window it waits to be told how to start, starts with F2, plays four spins
at "1 Kr" and four at "2 Kr", pressing Space every 4 seconds (or, where a result is still being
spoken then, once it has been heard), opens the About dialog with Alt+A and G, and closes it.
Then it reads what Orca decided to speak and show in braille (its debug log) and what
speech-dispatcher actually played and cut off (its log), prints both for every step, and checks
them:
- the welcome window told how to start ("Press F2 ...");
- no push button was ever spoken as "grayed";
- for every spin, whether it won (and how much) and the new balance were heard to the end
  before the next key press, in braille too, and the balances heard add up from 30;
- the About dialog's texts were spoken when it opened.

    play_by_ear.py ORCA_DEBUG_LOG SPEECH_DISPATCHER_LOG [--measure-only]

With --measure-only it reports but checks nothing (for measuring a build that is known to
fail). The program, Orca and speech-dispatcher must be running (see screen_reader_test.sh).
"""

import datetime
import html
import re
import statistics
import subprocess
import sys
import time

PACE = 4.0  # seconds at least from one Space to the next
SPINS_PER_STAKE = 4
MODIFIER_HOLD = 0.15  # Orca misses modifiers pressed and released in the same instant

# What a spin must have told the player, in the game's Norwegian: the outcome and the balance.
LOSS = re.compile(r"\bingen gevinst\b", re.IGNORECASE)
# "Gevinst 100, 202 kr, ..." or "Ingen gevinst, 201 kr, ...": the balance is the amount after
# the outcome, never the prize.
WIN = re.compile(r"\bgevinst (\d+),", re.IGNORECASE)
BALANCE = re.compile(r"\bgevinst(?: \d+)?, (-?\d+) kr\b", re.IGNORECASE)
START_INSTRUCTION = "Press F2 for å starte spillet"
ABOUT_TEXTS = ["Versjon 2000 Pro", "Er du spillegal?", "Advarsel !"]


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


# ---------------------------------------------------------------------------------------------
# Playing


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=20)


def wait_for_window(pattern, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                               capture_output=True, text=True)
        if found.stdout.split():
            return found.stdout.split()[0]
        time.sleep(0.1)
    fail(f"no window {pattern!r} appeared")


def key(name):
    """A key press as the player makes it; returns the moment it went down."""
    now = time.time()
    xdotool("key", name)
    return now


def chord(modifier, name):
    """A modifier held down while a key is pressed, as a hand does it."""
    now = time.time()
    xdotool("keydown", modifier)
    time.sleep(MODIFIER_HOLD)
    xdotool("key", name)
    time.sleep(MODIFIER_HOLD)
    xdotool("keyup", modifier)
    return now


def sleep_until(moment):
    time.sleep(max(0.0, moment - time.time()))


def wait_until_quiet(speech_log, at_most):
    """Until everything queued has been spoken or cut off, or for `at_most` seconds."""
    deadline = time.time() + at_most
    time.sleep(1.0)
    while time.time() < deadline:
        utterances = read_speech_log(speech_log)
        if utterances and all(u.stopped is not None for u in utterances):
            return
        time.sleep(0.5)


def wait_until_heard(speech_log, since, heard, until):
    """Until `heard(words)` holds for the words spoken to the end since `since`, or the moment
    `until`. Quiet is no sign of it: between two utterances the log can show one ended and the
    next not yet begun."""
    while (now := time.time()) < until:
        if heard(" ".join(heard_between(read_speech_log(speech_log), since, now).split())):
            return
        time.sleep(0.2)


def wait_for_result(speech_log, pressed, at_most=20.0):
    """A player's pace after the spin started at `pressed`: PACE seconds, and longer while its
    outcome and balance are still being spoken (for `at_most` seconds in all)."""
    sleep_until(pressed + PACE)
    wait_until_heard(speech_log, pressed, BALANCE.search, pressed + at_most)


def play(speech_log):
    """Returns the steps played: (what, the moment its key went down, the stake of a spin)."""
    steps = [("welcome window", 0.0, None)]  # from the program's start
    welcome = wait_for_window("^Kronesluk$")
    time.sleep(8)  # the screen reader reads the new window

    xdotool("windowactivate", "--sync", welcome)
    steps.append(("F2", key("F2"), None))
    wait_for_window("Tindrevik")
    time.sleep(6)

    # "1 Kr" has the focus, and gets it back after each spin.
    for stake in (1, 2):
        if stake == 2:
            # Tab to "2 Kr" where the next Space would come, and let its name be said first.
            steps.append(("Tab", key("Tab"), None))
            time.sleep(1.5)
        for _ in range(SPINS_PER_STAKE):
            pressed = key("space")
            steps.append(("Space", pressed, stake))
            # How long the voice takes is the speech engine's: measured below, not judged.
            wait_for_result(speech_log, pressed)

    # The next key after the last spin, at the same pace: Alt+A, then G, opens the About dialog.
    steps.append(("Alt+A", chord("alt", "a"), None))
    time.sleep(1.0)
    steps.append(("G", key("g"), None))
    wait_for_window("^About Kronesluk$")
    wait_until_quiet(speech_log, 25)  # the dialog is read in full
    steps.append(("Escape", key("Escape"), None))
    time.sleep(1.5)
    return steps


# ---------------------------------------------------------------------------------------------
# Reading the logs


def speechd_time(stamp):
    """speech-dispatcher's "[Tue Dec  8 08:44:25 2026 : 534724]" as seconds since the epoch."""
    date, micro = stamp.rsplit(":", 1)
    when = datetime.datetime.strptime(" ".join(date.split()), "%a %b %d %H:%M:%S %Y")
    return when.timestamp() + int(micro) / 1e6


STAMP = r"\[(\w{3} \w{3} +\d+ \d\d:\d\d:\d\d \d{4} : \d+)\]"


class Utterance:
    def __init__(self, ssml, queued):
        self.ssml = ssml
        self.queued = queued
        self.begun = self.ended = self.cancelled = None
        self.marks = []

    @staticmethod
    def words(ssml):
        return html.unescape(re.sub(r"<[^>]*>", "", ssml)).strip()

    @property
    def text(self):
        return self.words(self.ssml)

    def heard_by(self, moment):
        """The words played to their end by `moment`: all of them once speech has ended, or
        else those before the last mark reached (the word after it may yet be cut off)."""
        if self.ended is not None and self.ended <= moment:
            return self.text
        reached = [name for name, when in self.marks if when <= moment]
        if not reached:
            return ""
        cut = self.ssml.find(f'<mark name="{reached[-1]}"/>')
        return self.words(self.ssml[:cut]) if cut >= 0 else ""

    def done_with(self, pattern, before):
        """When the words that `pattern` looks for had all been played, if that was before
        `before`."""
        moments = sorted([when for _name, when in self.marks] + [self.ended or before])
        for moment in moments:
            if moment <= before and pattern.search(self.heard_by(moment)):
                return moment
        return None

    @property
    def heard(self):
        return self.heard_by(float("inf"))

    @property
    def stopped(self):
        return self.ended if self.ended is not None else self.cancelled


def stamp_moments(text):
    """Every stamp's moment, by where it stands in the log. speech-dispatcher reads a stamp's
    second and its microseconds one after the other: just as a second turns, the second can
    still be the one before, an instant off by a whole second. The log is written in order
    and densely, so a stamp earlier than the one before it is such an instant."""
    moments = {}
    last = 0.0
    for match in re.finditer(STAMP, text):
        when = speechd_time(match.group(1))
        if when < last:
            when += 1.0
        moments[match.start()] = last = when
    return moments


def read_speech_log(path):
    """What speech-dispatcher was given to speak, and how far each went."""
    text = open(path, encoding="utf-8", errors="replace").read()
    moments = stamp_moments(text)
    utterances = {}
    pending = None
    for match in re.finditer(
        STAMP + r" speechd:\s+(?:Queueing message \|([^\n]*)\| with priority"
        r"|\d+:REPLY:\|225-(\d+)"
        r"|\d+:REPLY:\|(70[0-3])-(\d+)\n70[0-3]-\d+\n(?:700-([^\n]*)\n)?)",
        text,
    ):
        when = moments[match.start()]
        if match.group(2) is not None:
            pending = Utterance(match.group(2), when)
        elif match.group(3) is not None:
            if pending is not None:
                utterances[int(match.group(3))] = pending
                pending = None
        else:
            event, number = match.group(4), int(match.group(5))
            utterance = utterances.get(number)
            if utterance is None:
                continue
            if event == "700":
                utterance.marks.append((match.group(6), when))
            elif event == "701":
                utterance.begun = when
            elif event == "702":
                utterance.ended = when
            else:
                utterance.cancelled = when
    return [utterances[number] for number in sorted(utterances)]


def read_screen_reader_log(path):
    """Orca's decisions: (time, "SPEECH" or "BRAILLE", text), in order."""
    decisions = []
    now = datetime.datetime.now()
    today = now.replace(hour=0, minute=0, second=0, microsecond=0)
    for line in open(path, encoding="utf-8", errors="replace"):
        match = re.match(r"(\d\d):(\d\d):(\d\d\.\d+) - (SPEECH OUTPUT|BRAILLE LINE): +'(.*)'"
                         r"\s*(?:\{.*\})?$", line.rstrip("\n"))
        if match:
            hours, minutes, seconds = int(match.group(1)), int(match.group(2)), float(match.group(3))
            when = today.timestamp() + hours * 3600 + minutes * 60 + seconds
            # The log names no day: a time later than now was written before midnight.
            if when > now.timestamp() + 3600:
                when -= 24 * 3600
            kind = "SPEECH" if match.group(4) == "SPEECH OUTPUT" else "BRAILLE"
            decisions.append((when, kind, match.group(5)))
    return decisions


def within(items, start, end, when=lambda item: item[0]):
    return [item for item in items if start <= when(item) < end]


def heard_between(utterances, start, end):
    """The words queued from `start` that were played to their end by `end`."""
    return " ".join(u.heard_by(end) for u in within(utterances, start, end, lambda u: u.queued))


# ---------------------------------------------------------------------------------------------
# Checking


def report_step(title, start, end, utterances, decisions):
    print(f"--- {title}")
    if start == 0.0 and utterances:
        start = utterances[0].queued  # from the first words spoken
    for when, kind, text in within(decisions, start, end):
        print(f"  {when - start:5.2f} s  Orca {kind:7} {text!r}")
    for utterance in within(utterances, start, end, lambda u: u.queued):
        if utterance.ended is not None:
            fate = f"played to the end at {utterance.ended - start:5.2f} s"
        elif utterance.cancelled is not None:
            fate = (f"cut off at {utterance.cancelled - start:5.2f} s, heard to the end "
                    f"{utterance.heard!r}")
        else:
            fate = "never played"
        begun = "" if utterance.begun is None else f" from {utterance.begun - start:5.2f} s"
        print(f"  {utterance.queued - start:5.2f} s  spoke {utterance.text!r}{begun}, {fate}")


def check_spin(number, stake, start, end, balance_before, utterances, decisions):
    """Returns the balance heard, the time from Space to the end of the spoken result, and
    the faults found."""
    faults = []
    spoken = within(utterances, start, end, lambda u: u.queued)
    heard = " ".join(u.heard_by(end) for u in spoken)
    outcome_win, outcome_loss = WIN.search(heard), LOSS.search(heard)
    balance = BALANCE.search(heard)
    if not (outcome_win or outcome_loss):
        faults.append(f"spin {number}: the outcome was not heard, only {heard!r}")
    if not balance:
        faults.append(f"spin {number}: the balance was not heard, only {heard!r}")
    balance_heard = int(balance.group(1)) if balance else None
    if balance and (outcome_win or outcome_loss):
        change = int(outcome_win.group(1)) if outcome_win else -stake
        if balance_before is not None and balance_heard != balance_before + change:
            faults.append(f"spin {number}: heard balance {balance_heard} after {balance_before} "
                          f"and a change of {change}")
    braille = [text for _when, kind, text in within(decisions, start, end) if kind == "BRAILLE"]
    if not any(BALANCE.search(text) and (WIN.search(text) or LOSS.search(text))
               for text in braille):
        faults.append(f"spin {number}: braille showed no result: {braille}")
    finished = [u.done_with(BALANCE, end) for u in spoken]
    finished = [moment for moment in finished if moment is not None]
    took = finished[0] - start if finished else None
    return balance_heard, took, faults


def play_and_listen(player):
    """Plays with `player(speech_log)` as the command line says, then reads what was heard:
    returns the steps played, the utterances, Orca's decisions, and whether only to measure."""
    measure_only = "--measure-only" in sys.argv
    orca_log, speech_log = [arg for arg in sys.argv[1:] if not arg.startswith("--")]
    steps = player(speech_log)
    time.sleep(1.0)  # the logs catch up
    utterances = read_speech_log(speech_log)
    if not utterances:
        fail("speech-dispatcher spoke nothing")
    return steps, utterances, read_screen_reader_log(orca_log), measure_only


def main():
    steps, utterances, decisions, measure_only = play_and_listen(play)

    faults = []
    ends = [step[1] for step in steps[1:]] + [time.time()]
    balance = 30
    took = []
    spin = 0
    about_heard = ""
    for (what, start, stake), end in zip(steps, ends):
        spin += what == "Space"
        title = f"spin {spin} at {stake} kr (Space)" if what == "Space" else what
        report_step(title, start, end, utterances, decisions)
        heard = heard_between(utterances, start, end)
        if what == "welcome window" and START_INSTRUCTION not in heard:
            faults.append(f"the welcome window did not say how to start, only {heard!r}")
        if what == "Space":
            balance, seconds, spin_faults = check_spin(spin, stake, start, end, balance,
                                                       utterances, decisions)
            faults.extend(spin_faults)
            if seconds is not None:
                took.append(seconds)
        if what == "G":
            about_heard = heard
    for text in ABOUT_TEXTS:
        if text not in about_heard:
            faults.append(f"the About dialog did not say {text!r}: {about_heard!r}")
    grayed = [text for _when, kind, text in decisions if kind == "SPEECH" and "grayed" in text]
    if grayed:
        faults.append(f"spoken as grayed: {grayed}")

    print(f"--- results heard to the end: {len(took)} of {spin} spins")
    if took:
        print(f"--- Space to the end of the spoken outcome and balance: median {statistics.median(took):.2f} s"
              f" (from {min(took):.2f} to {max(took):.2f} s)")
    report_faults(faults, measure_only)


def report_faults(faults, measure_only):
    for fault in faults:
        print(f"FAULT: {fault}")
    if faults and not measure_only:
        fail(f"{len(faults)} faults in what the player heard")


if __name__ == "__main__":
    main()
