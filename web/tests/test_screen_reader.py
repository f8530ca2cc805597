"""A game in the page as a blind player hears it: Chromium, then Firefox, on a private desktop
with Orca, the keys pressed as real X keys, and what Orca says compared with what the game
shows: each box with its caption and text, the name prompt taking "Reef" as typed, a Tab
round, and the values an action changed, read once.

The page's clock and random source are stopped (see page_session), so the game always deals
the same prices and events. What Orca said is also written, one utterance a line, to the files
named by KELVARO_SPOKEN_FILE (with the browser's name in front of its extension).
"""

import os
import shutil
import subprocess
import tempfile
import unittest

from page_session import STOPPED_CLOCK_AND_DICE, PAGE_DIR, PageServer, PageSession, \
    page_test_main
from screen_reader_desktop import ScreenReaderDesktop

def tabs(*focused):
    """One Tab for each control named, each heard before the next Tab."""
    return [(["Tab"], [line]) for line in focused]


class Once(str):
    """What the page says of the values an action changed: said once, not again."""


def game():
    """Each step: what is pressed or typed, and what Orca must say for it, in this order. A
    step passes over Orca's own words around them (the keys it echoes, its hints). A box is
    heard as its caption and text, as the box's name and description, then its text. A
    prompt's field is named by its question and puts Orca in focus mode."""
    def box(caption, text):
        return [caption + " " + text, text]

    def prompt(caption, question):
        return [caption + " " + question, question + " entry.", "Focus mode"]

    return [
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
             "Sell trout push button.", "Sell carp push button.")


def in_order(wanted, said):
    """Whether said holds every line of wanted, in that order. Chromium may call a box that
    has the focus "clickable", as it does any element the page listens to clicks on."""
    rest = iter(said)
    return all(any(line == heard.removesuffix(" clickable.") for heard in rest)
               for line in wanted)


class FirefoxPage:
    """Firefox on the page, with a fresh profile. Firefox ESR has no driver here, so the page is
    served with the stopped clock and dice in its head, and the title is read from X."""

    PREFERENCES = ["browser.shell.checkDefaultBrowser", "browser.aboutwelcome.enabled",
                   "datareporting.policy.dataSubmissionEnabled",
                   "toolkit.telemetry.reportingpolicy.firstRun"]

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="kelvaro-firefox-")
        site = os.path.join(self.folder, "page")
        shutil.copytree(PAGE_DIR, site)
        index = os.path.join(site, "index.html")
        with open(index, encoding="utf-8") as page:
            html = page.read()
        # As a file of the page's own: its policy runs no inline script.
        with open(os.path.join(site, "stopped_clock.js"), "w", encoding="utf-8") as script:
            script.write(STOPPED_CLOCK_AND_DICE)
        with open(index, "w", encoding="utf-8") as page:
            page.write(html.replace("<head>", '<head><script src="stopped_clock.js"></script>', 1))
        profile = os.path.join(self.folder, "profile")
        os.mkdir(profile)
        with open(os.path.join(profile, "user.js"), "w") as preferences:
            preferences.writelines('user_pref("%s", false);\n' % name for name in self.PREFERENCES)
        self.server = PageServer(site)
        self.firefox = subprocess.Popen(
            ["firefox-esr", "--no-remote", "--profile", profile, "--kiosk", self.server.url],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            env=dict(os.environ, TZ="Europe/Amsterdam", LANG="en_US.UTF-8"))

    def company(self):
        title = subprocess.run(["xdotool", "getactivewindow", "getwindowname"],
                               capture_output=True, text=True).stdout.strip()
        return title.split(" - ", 1)[1].rsplit(" \u2014 ", 1)[0]

    def close(self):
        self.firefox.terminate()
        self.firefox.wait()
        self.server.stop()
        shutil.rmtree(self.folder, ignore_errors=True)


class ScreenReaderTest(unittest.TestCase):
    def setUp(self):
        self.desktop = ScreenReaderDesktop()
        self.addCleanup(self.desktop.close)

    def test_a_game_in_chromium(self):
        page = PageSession(headless=False, arguments=("--force-renderer-accessibility",))
        self.addCleanup(page.close)
        self.play("chromium", game(), lambda: page.text_of("lblNaam"))

    def test_a_game_in_firefox(self):
        page = FirefoxPage()
        self.addCleanup(page.close)
        self.play("firefox", game(), page.company)

    def play(self, browser, steps, company):
        desktop = self.desktop
        heard = []
        wrong = []
        start = 0
        try:
            for keys, wanted in steps:
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
            self.assertEqual(company(), "Reef")
        finally:
            self.write_transcript(browser, heard, desktop.spoken()[start:])
        self.assertEqual(wrong, [])

    @staticmethod
    def write_transcript(browser, heard, rest):
        path = os.environ.get("KELVARO_SPOKEN_FILE")
        if not path:
            return
        stem, extension = os.path.splitext(path)
        with open(stem + "-" + browser + extension, "w", encoding="utf-8") as out:
            for keys, said in heard:
                out.write(keys + "\n" + "".join("    " + line + "\n" for line in said))
            if rest:
                out.write("afterwards:\n" + "".join("    " + line + "\n" for line in rest))


if __name__ == "__main__":
    page_test_main()
