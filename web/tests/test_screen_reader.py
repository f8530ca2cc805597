"""A game in the page as a blind player hears it: Chromium on a private desktop with Orca, the
keys pressed as real X keys, and what Orca says compared with what the game shows: each box
with its caption and text, the name prompt taking "Reef" as typed, a Tab round, and the values
an action changed, read once.

The page's clock and random source are stopped (see page_session), so the game always deals
the same prices and events. What Orca said is also written, one utterance a line, to the file
named by KELVARO_SPOKEN_FILE.
"""

import os
import unittest

from page_session import PageSession, page_test_main
from screen_reader_desktop import ScreenReaderDesktop

def box(caption, text):
    """A box as it opens: its caption and text as the box's name and description (Chromium
    calls a focused box "clickable"), then its text as its content."""
    return [caption + " " + text + " clickable.", text]


def prompt(caption, question):
    """A prompt as it opens, then its field, named by the question, in focus mode."""
    return [caption + " " + question + " clickable.", question + " entry.", "Focus mode"]


def tabs(*focused):
    """One Tab for each control named, each heard before the next Tab."""
    return [(["Tab"], [line]) for line in focused]


class Once(str):
    """What the page says of the values an action changed: said once, not again."""


# Each step: what is pressed or typed, and what Orca must say for it, in this order. A step
# passes over Orca's own words around them (the keys it echoes, "Focus mode").
GAME = [
    ("the page opens", box("Congratulations!", "Congratulations, you've just won a Kelvaro!")),
    (["Return"], box("No fish!", "One little problem. You don't have any fish!")),
    (["Return"], box("\u20ac 1000", "But some nice people \u20ac 1000.")),
    (["Return"], prompt("Name", "How do you want to call your company?")),
    ("Reef", ["R", "e", "e", "f"]),
    # The Tab round, in the window's order, with a Buy and two days on the way.
    (["Return"], ["Money read only entry 1000."]),
    (["Tab"], ["Workers read only entry 0 selected."]),
    (["Tab"], ["Date read only entry 07 March 2025 selected."]),
    (["Tab"], ["Buy angler push button."]),
    (["Return"], prompt("Kelvaro", "How many fish do you want to buy?")),
    ("3", ["3"]),
    (["Return"], [Once("Angler stock 3, Money 829, Date 08 March 2025.")]),
    (["Tab"], ["Sell angler push button."]),
    (["Tab"], ["Wait push button."]),
    (["space"], [Once("Date 09 March 2025.")]),
    (["space"], box("Kelvaro", "There are 2 new fishes in aquarium 1 !")),
    (["Return"], box("Kelvaro", "There's a total of 2 new fishes!!!")),
    (["Return"], [Once("Date 10 March 2025, Angler stock 5.")]),
] + tabs("Angler stock entry 5 selected.", "Eels stock entry 0 selected.",
          "Salmon stock entry 0 selected.", "Trout stock entry 0 selected.",
          "Carp stock entry 0 selected.",
          "Angler price entry 52 selected.", "Eels price entry 79 selected.",
          "Salmon price entry 96 selected.", "Trout price entry 60 selected.",
          "Carp price entry 99 selected.",
          "Buy eels push button.", "Buy salmon push button.", "Buy trout push button.",
          "Buy carp push button.", "Sell eels push button.", "Sell salmon push button.",
          "Sell trout push button.", "Sell carp push button.") + [
]


def in_order(wanted, said):
    """Whether said holds every line of wanted, in that order."""
    rest = iter(said)
    return all(any(line == heard for heard in rest) for line in wanted)


class ScreenReaderTest(unittest.TestCase):
    def setUp(self):
        self.desktop = ScreenReaderDesktop()
        self.addCleanup(self.desktop.close)

    def test_a_game_is_heard_as_the_game_shows_it(self):
        desktop = self.desktop
        page = PageSession(headless=False, arguments=("--force-renderer-accessibility",))
        self.addCleanup(page.close)
        heard = []
        wrong = []
        start = 0
        try:
            for keys, wanted in GAME:
                if isinstance(keys, list):
                    desktop.keys(*keys)
                elif keys != "the page opens":
                    desktop.type(keys)
                desktop.wait_to_hear(wanted[-1], after=start)
                end = desktop.wait_for_quiet(1.0)
                said = desktop.spoken()[start:end]
                start = end
                heard.append(("%s:" % (keys if isinstance(keys, str) else " ".join(keys)), said))
                if not in_order(wanted, said) or any(
                        said.count(line) != 1 for line in wanted if isinstance(line, Once)):
                    wrong.append("after %s, wanted %s\n  heard %s" % (keys, wanted, said))
            self.assertEqual(page.text_of("lblNaam"), "Reef")
        finally:
            self.write_transcript(heard, desktop.spoken()[start:])
        self.assertEqual(wrong, [])

    @staticmethod
    def write_transcript(heard, rest):
        path = os.environ.get("KELVARO_SPOKEN_FILE")
        if not path:
            return
        with open(path, "w", encoding="utf-8") as out:
            for keys, said in heard:
                out.write(keys + "\n" + "".join("    " + line + "\n" for line in said))
            if rest:
                out.write("afterwards:\n" + "".join("    " + line + "\n" for line in rest))


if __name__ == "__main__":
    page_test_main()
