#!/usr/bin/python3
"""Plays the window by ear: waits for Orca to say each thing before pressing the next key, and
checks that every message, prompt, value and change is said whole, in the game's own words.
The values are read from the window's accessibility tree (pyatspi) and compared with what was
spoken. Whatever fails, every utterance is written to the transcript file.

Usage: orca_window_game.py ORCA_DEBUG_FILE TRANSCRIPT_FILE
"""

import re
import subprocess
import sys
import time

import pyatspi

# Orca's debug file has one line per utterance: "SPEECH OUTPUT: 'words'" and its voice.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{.*\}$")

# The Tab order from the money box round to it again: each control's name and whether it is
# a box (which says its value) or a button (which says its description).
TAB_ROUND = (["Workers", "Date", "Buy angler", "Sell angler", "Wait"]
             + [kind + " stock" for kind in ("Angler", "Eels", "Salmon", "Trout", "Carp")]
             + [kind + " price" for kind in ("Angler", "Eels", "Salmon", "Trout", "Carp")]
             + ["Buy " + kind for kind in ("eels", "salmon", "trout", "carp")]
             + ["Sell " + kind for kind in ("eels", "salmon", "trout", "carp")]
             + ["Money"])
READ_ONLY = {"Money", "Workers", "Date"}
PRICES = [kind + " price" for kind in ("Angler", "Eels", "Salmon", "Trout", "Carp")]
# What a day may bring, each a box captioned "Kelvaro"; Orca ends a sentence with a full stop.
DAY_MESSAGES = re.compile(
    r"(?:There's a big whale in your aquarium with angler|Er zit een grote walvis .*"
    r"|Only \d+ fishes survived!|There's a tax inspector coming|Everything's allright!"
    r"|That doesn't look good!|\d+ € fine!|There are \d+ new fishes in aquarium \d !"
    r"|There's a total of \d+ new fishes!!!)\.?")


class Failure(Exception):
    pass


class Ear:
    """What Orca has said, read from its debug file as it grows."""

    def __init__(self, path):
        self.path = path
        self.said = []
        self.next = 0  # the first utterance not yet matched

    def _read(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                lines = log.read().splitlines()
        except FileNotFoundError:
            return
        self.said = [m.group(1).strip() for m in map(UTTERANCE.search, lines) if m]

    def hear(self, wanted, timeout=30):
        """Waits until Orca says an utterance equal to `wanted` (a string) or matching it (a
        compiled pattern), after what was heard before; returns it."""
        deadline = time.monotonic() + timeout
        while True:
            self._read()
            for i in range(self.next, len(self.said)):
                words = self.said[i]
                if (words == wanted if isinstance(wanted, str) else wanted.fullmatch(words)):
                    self.next = i + 1
                    return words
            if time.monotonic() > deadline:
                raise Failure("Orca did not say %r; after the last step it said %r"
                              % (getattr(wanted, "pattern", wanted), self.said[self.next:]))
            time.sleep(0.05)

    def hear_one_of(self, patterns, timeout=30):
        return self.hear(re.compile("|".join("(?:%s)" % p for p in patterns)), timeout)


def window(title):
    """The visible window titled exactly so, waiting for it to appear."""
    pattern = "^" + re.sub(r"([.\[\]()*+?{}|^$\\])", r"\\\1", title) + "$"
    deadline = time.monotonic() + 30
    while True:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        if time.monotonic() > deadline:
            raise Failure("no window titled %r appeared" % title)
        time.sleep(0.1)


def focus(title):
    # A window just closed may still be searched and gone by the time it is focused.
    subprocess.run(["xdotool", "windowfocus", "--sync", window(title)], capture_output=True)


def keys(title, *names):
    """Presses the keys in the window of that title, as the player would."""
    focus(title)
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def type_text(title, text):
    focus(title)
    subprocess.run(["xdotool", "type", "--delay", "120", text], check=True)


def window_values():
    """The text of every named box of the game's main window, by its accessible name."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or "kelvaro" not in (app.name or "").lower():
            continue
        values = {}
        for window in app:
            if window is None or not (window.name or "").startswith("Kelvaro - "):
                continue
            found = pyatspi.findAllDescendants(
                window, lambda o: o.getRole() == pyatspi.ROLE_TEXT and o.name)
            for box in found:
                values[box.name] = box.queryText().getText(0, -1)
        if values:
            return values
    raise Failure("the game's window is not in the accessibility tree")


def answer_day_messages(ear):
    """Answers each box a day brings, checking each is heard whole; returns the notification
    of what the action changed."""
    while True:
        words = ear.hear_one_of([r"alert Kelvaro\.?", r"notification .*"])
        if words.startswith("notification "):
            return words[len("notification "):].rstrip(".")
        ear.hear(DAY_MESSAGES)
        keys("Kelvaro", "Return")


def check_changes(spoken, before, after, order):
    """The changed boxes, each with its new value, in the game's order; nothing else."""
    expected = ", ".join("%s %s" % (name, after[name]) for name in order
                         if before[name] != after[name])
    if spoken != expected:
        raise Failure("the changes were announced as %r, not %r" % (spoken, expected))


def play(ear):
    # The greetings, each with its caption, the icon's kind and its text.
    for caption, icon, text in [
            ("Congratulations!", "Information", "Congratulations, you've just won a Kelvaro!"),
            ("No fish!", "Exclamation", "One little problem. You don't have any fish!"),
            ("€ 1000.", "Information", "But some nice people € 1000.")]:
        ear.hear("alert " + caption)
        ear.hear(icon + " " + text)
        keys(caption.rstrip("."), "Return")

    # The name prompt: its question, the field named by it, each letter as typed.
    question = "How do you want to call your company?"
    ear.hear("Name dialog " + question)
    ear.hear(question + " text.")
    type_text("Name", "Reef")
    for letter in "Reef":
        ear.hear(letter)
    keys("Name", "Return")
    ear.hear("Kelvaro - Reef frame.")
    ear.hear("Money read only text.")
    values = window_values()
    ear.hear(values["Money"] + ".")

    # A Tab round: every box says its name and its whole value, every button its name.
    for name in TAB_ROUND:
        keys("Kelvaro - Reef", "Tab")
        if name in values:
            ear.hear(name + (" read only text." if name in READ_ONLY else " text."))
            ear.hear(values[name] + " selected.")
        else:
            ear.hear(name + " push button.")

    # Wait: what the day changed, once, without the focus leaving the button.
    keys("Kelvaro - Reef", "Tab", "Tab", "Tab", "Tab", "Tab")
    ear.hear("Wait push button.")
    keys("Kelvaro - Reef", "space")
    changes = answer_day_messages(ear)
    after = window_values()
    check_changes(changes, values, after, PRICES + ["Date", "Money", "Workers"])
    values = after

    # Buy two angler through the prompt.
    keys("Kelvaro - Reef", "shift+Tab", "shift+Tab")
    ear.hear("Buy angler push button.")
    keys("Kelvaro - Reef", "space")
    question = "How many fish do you want to buy?"
    ear.hear("Kelvaro dialog " + question)
    ear.hear(question + " text.")
    type_text("Kelvaro", "2")
    ear.hear("2")
    keys("Kelvaro", "Return")
    changes = answer_day_messages(ear)
    after = window_values()
    check_changes(changes, values, after,
                  ["Angler stock", "Money", "Workers"] + PRICES + ["Date"])


def main():
    debug_file, transcript_file = sys.argv[1:3]
    ear = Ear(debug_file)
    try:
        ear.hear("Screen reader on.", timeout=60)
        play(ear)
        return 0
    except Failure as failure:
        print("FAIL:", failure, file=sys.stderr)
        return 1
    finally:
        ear._read()
        with open(transcript_file, "w", encoding="utf-8") as transcript:
            transcript.writelines(words + "\n" for words in ear.said)


if __name__ == "__main__":
    sys.exit(main())
