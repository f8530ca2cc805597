"""One saved game for the desktop and the browser: a quira.conf saved by the desktop's own Save
opens and loads in the page, and the page's download loads in the desktop's own Load.

The desktop's side is kelvaro_saved_game_tool of the desktop build (KELVARO_DESKTOP_BUILD): the
window's settings store, date form and rules, run from the command line.
"""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

from page_session import PageSession, page_test_main

DESKTOP_BUILD = os.environ.get("KELVARO_DESKTOP_BUILD", "")
TOOL = os.path.join(DESKTOP_BUILD, "tests", "exchange", "kelvaro_saved_game_tool")


class ExchangeTest(unittest.TestCase):
    def setUp(self):
        if not os.access(TOOL, os.X_OK):
            self.fail("the desktop build has no %s: build the dev preset first" % TOOL)
        self.folder = tempfile.mkdtemp(prefix="kelvaro-exchange-")
        self.addCleanup(shutil.rmtree, self.folder, True)
        self.config = os.path.join(self.folder, "config")
        self.downloads = os.path.join(self.folder, "downloads")
        os.makedirs(os.path.join(self.config, "quira"))
        os.makedirs(self.downloads)
        self.desktop_file = os.path.join(self.config, "quira", "quira.conf")

    def desktop(self, locale, *arguments):
        """The desktop's Save or Load in that locale, which must succeed; its output's lines."""
        environment = dict(os.environ, XDG_CONFIG_HOME=self.config, LC_ALL=locale, LANG=locale,
                           QT_QPA_PLATFORM="offscreen")
        ran = subprocess.run([TOOL, *arguments], env=environment, capture_output=True,
                             text=True, timeout=60)
        self.assertEqual(ran.returncode, 0, ran.stdout + ran.stderr)
        return ran.stdout.splitlines()

    def page(self, language):
        page = PageSession(language=language, downloads=self.downloads)
        self.addCleanup(page.close)
        page.start_game(self, "Vis BV")
        return page

    def open_in_page(self, page, path):
        page.element("openSavedGame").send_keys(path)
        page.wait_for(lambda: page.text_of("savedGameStatus"), "the page to read the file")

    def load_in_page(self, page):
        page.element("Bestand").click()
        page.element("laden").click()
        page.answer("OK", "Van de desktop")
        page.no_dialog()
        return ([page.text_of("txtGeld")] +
                [page.text_of("txtVissen%d" % kind) for kind in range(1, 6)] +
                [page.text_of("txtJaar")])

    def save_in_page_and_load_on_desktop(self, page, locale):
        """File > Save in the page, its download put where the desktop keeps its saved game,
        and the desktop's Load of it: the Load's output's lines."""
        page.element("Bestand").click()
        page.element("opslaan").click()
        page.no_dialog()
        page.element("downloadSavedGame").click()
        path = os.path.join(self.downloads, "quira.conf")
        page.wait_for(lambda: os.path.exists(path), "the download")
        time.sleep(0.2)
        shutil.move(path, self.desktop_file)
        return self.desktop(locale, "load")

    def test_a_desktop_save_loads_in_the_page_and_a_page_save_on_the_desktop(self):
        self.desktop("en_US.UTF-8", "save", "829", "3", "0", "1", "0", "-2", "2025-03-09T15:04:05")
        page = self.page("en-US")
        self.open_in_page(page, self.desktop_file)
        self.assertEqual(page.text_of("savedGameStatus"),
                         "quira.conf was opened: choose File > Load to play it.")
        self.assertEqual(self.load_in_page(page),
                         ["829", "3", "0", "1", "0", "-2", "2025-03-09T15:04:05"])

        # The page's own game: three angler bought on 7 March, so it is 8 March, 15:04:05.
        page.element("Bestand").click()
        page.element("nieuw_spel").click()
        page.answer("OK", "Nieuw")
        page.element("cmdKopen1").click()
        page.answer("OK", "3")
        page.no_dialog()
        lines = self.save_in_page_and_load_on_desktop(page, "en_US.UTF-8")
        self.assertEqual(lines[1:6], ["vissen1=3", "vissen2=0", "vissen3=0", "vissen4=0",
                                      "vissen5=0"])
        self.assertEqual(lines[6:], ["datum=2025-03-08T15:04:05",
                                     "shown=2025-03-08T15:04:05"])

    def test_the_exchange_in_german_and_at_midnight(self):
        self.desktop("de_DE.UTF-8", "save", "40", "0", "0", "0", "0", "7", "2025-12-31T00:00:00")
        page = self.page("de-DE")
        self.assertEqual(page.text_of("txtJaar"), "07 M\u00e4rz 2025")
        self.open_in_page(page, self.desktop_file)
        self.assertEqual(self.load_in_page(page), ["40", "0", "0", "0", "0", "7", "31.12.2025"])
        page.element("cmdWachten").click()
        page.expect(self, "Kelvaro", "There are 2 new fishes in aquarium 5 !")
        page.expect(self, "Kelvaro", "There's a total of 2 new fishes!!!")
        page.no_dialog()
        self.assertEqual(self.save_in_page_and_load_on_desktop(page, "de_DE.UTF-8"),
                         ["geld=40", "vissen1=0", "vissen2=0", "vissen3=0", "vissen4=0",
                          "vissen5=9", "datum=2026-01-01T00:00:00", "shown=01.01.2026"])

    def test_the_exchange_in_languages_with_their_own_time_and_digits(self):
        # The desktop writes each language's full time without its zone, in its own digits;
        # the page writes the same form in Latin digits.
        rlm = "\u200f"  # the right-to-left mark in an Arabic date
        cases = [
            ("ja_JP.UTF-8", "ja", "2025/03/19 15時04分05秒", "2025/03/19 15時04分05秒"),
            ("ko_KR.UTF-8", "ko", "2025. 3. 19. 오후 3시 4분 5초",
             "2025. 3. 19. 오후 3시 4분 5초"),
            ("ar_EG.UTF-8", "ar", "١٩" + rlm + "/٣" + rlm + "/٢٠٢٥ ٣:٠٤:٠٥ م",
             "19" + rlm + "/3" + rlm + "/2025 3:04:05 م"),
        ]
        for locale, language, desktop_text, page_text in cases:
            with self.subTest(language=language):
                self.desktop(locale, "save", "5", "1", "2", "3", "4", "5", "2025-03-19T15:04:05")
                with open(self.desktop_file, encoding="utf-8") as file:
                    self.assertIn("datum=" + desktop_text + "\n", file.read())
                page = PageSession(language=language, downloads=self.downloads)
                try:
                    page.start_game(self, "Vis BV")
                    self.open_in_page(page, self.desktop_file)
                    self.assertEqual(self.load_in_page(page),
                                     ["5", "1", "2", "3", "4", "5", page_text])
                    self.assertEqual(self.save_in_page_and_load_on_desktop(page, locale)[6:],
                                     ["datum=2025-03-19T15:04:05", "shown=" + desktop_text])
                finally:
                    page.close()

    def test_iso_dates_load_and_a_damaged_file_is_refused_with_nothing_changed(self):
        page = self.page("en-US")
        iso = os.path.join(self.folder, "quira.conf")
        with open(iso, "w", encoding="utf-8") as file:
            file.write("[General]\nkleur=blauw\n\n[kelvaro]\ngeld=12\nvissen1=1\nvissen2=2\n"
                       "vissen3=3\nvissen4=4\nvissen5=5\ndatum=2025-03-07T15:04:05\n")
        self.open_in_page(page, iso)
        stored = page.js("return localStorage.getItem('quira/quira.conf')")
        self.assertIn("kleur=blauw", stored)

        damaged = os.path.join(self.folder, "damaged", "quira.conf")
        os.makedirs(os.path.dirname(damaged))
        with open(damaged, "w", encoding="utf-8") as file:
            file.write("[kelvaro]\ngeld=veel\nvissen1=1\nvissen2=2\nvissen3=3\nvissen4=4\n"
                       "vissen5=5\ndatum=2025-03-07T15:04:05\n")
        page.element("openSavedGame").send_keys(damaged)
        page.expect(self, "Kelvaro", "The saved game is damaged and cannot be loaded.\n"
                    "\"geld\" is \"veel\", which is not a number.")
        page.wait_for(lambda: "not opened" in page.text_of("savedGameStatus"), "the refusal")
        self.assertEqual(page.text_of("savedGameStatus"), "quira.conf was not opened: it holds "
                         "no saved game that can be loaded. Nothing changed.")
        self.assertEqual(page.js("return localStorage.getItem('quira/quira.conf')"), stored)
        self.assertEqual(page.text_of("txtGeld"), "1000")
        self.assertEqual(self.load_in_page(page),
                         ["12", "1", "2", "3", "4", "5", "2025-03-07T15:04:05"])


if __name__ == "__main__":
    page_test_main()
