"""The saved game in the browser's store when the browser refuses it, when it is damaged or
missing, and the page with its server gone."""

import json
import os
import shutil
import tempfile
import unittest

from page_session import PageServer, PageSession, page_test_main

# The browser refuses every write once the page sets window.refuseWrites.
REFUSING_STORAGE = """
(() => {
  const setItem = Storage.prototype.setItem;
  Storage.prototype.setItem = function (key, value) {
    if (window.refuseWrites) throw new DOMException('full', 'QuotaExceededError');
    return setItem.call(this, key, value);
  };
})();
"""

# The browser cannot read a chosen file once the page sets window.unreadableFiles.
UNREADABLE_FILES = """
(() => {
  const read = Blob.prototype.arrayBuffer;
  Blob.prototype.arrayBuffer = function () {
    if (window.unreadableFiles) return Promise.reject(new DOMException('gone', 'NotReadableError'));
    return read.call(this);
  };
})();
"""

SOUND_SAVE = ("[kelvaro]\ngeld=12\nvissen1=1\nvissen2=2\nvissen3=3\nvissen4=4\nvissen5=5\n"
              "datum=2025-03-07T15:04:05\n")
LARGEST_FILE = 8 * 1024 * 1024

STORAGE_SWITCHED_OFF = """
Object.defineProperty(window, 'localStorage', {
  get() { throw new DOMException('switched off', 'SecurityError'); } });
"""


class SavedGameTest(unittest.TestCase):
    def session(self, before_load=""):
        page = PageSession(before_load=before_load)
        self.addCleanup(page.close)
        page.start_game(self, "Vis BV")
        return page

    def menu(self, page, item):
        page.element("Bestand").click()
        page.element(item).click()

    def saved(self, page):
        return page.js("return localStorage.getItem('quira/quira.conf')")

    def test_a_save_the_browser_refuses_says_so_and_keeps_the_save_before(self):
        page = self.session(REFUSING_STORAGE)
        self.menu(page, "opslaan")
        page.no_dialog()
        first = self.saved(page)
        self.assertIn("datum=2025-03-07T15:04:05", first.splitlines())
        page.js("window.refuseWrites = true")
        page.element("cmdWachten").click()
        page.no_dialog()
        self.menu(page, "opslaan")
        page.expect(self, "Save", "The game could not be saved.\n"
                    "The browser's storage for this page is full.", "exclamation")
        page.no_dialog()
        self.assertEqual(self.saved(page), first)
        self.assertEqual(page.text_of("txtJaar"), "08 March 2025")
        self.menu(page, "laden")
        page.answer("OK", "Vis BV")
        page.no_dialog()
        self.assertEqual(page.text_of("txtJaar"), "2025-03-07T15:04:05")

    def test_storage_switched_off_refuses_save_load_and_download_in_words(self):
        page = self.session(STORAGE_SWITCHED_OFF)
        reason = "The browser does not let this page keep anything (its storage is switched off)."
        self.menu(page, "opslaan")
        page.expect(self, "Save", "The game could not be saved.\n" + reason, "exclamation")
        self.menu(page, "laden")
        page.expect(self, "Kelvaro", "The saved game cannot be loaded.\n" + reason)
        page.no_dialog()
        page.element("downloadSavedGame").click()
        self.assertEqual(page.text_of("savedGameStatus"), reason)
        self.assertEqual(page.text_of("txtGeld"), "1000")

    def test_nothing_saved_or_a_damaged_save_loads_nothing(self):
        page = self.session()
        self.menu(page, "laden")
        page.expect(self, "Kelvaro", "There is no saved game to load.")
        page.element("downloadSavedGame").click()
        self.assertEqual(page.text_of("savedGameStatus"),
                         "There is no saved game to download yet: choose File > Save first.")
        page.js("localStorage.setItem('quira/quira.conf', arguments[0])",
                "[kelvaro]\ngeld=12\nvissen1=1\nvissen2=2\nvissen3=3\nvissen4=4\nvissen5=5\n"
                "datum=31/31/2025\n")
        self.menu(page, "laden")
        page.expect(self, "Kelvaro", "The saved game is damaged and cannot be loaded.\n"
                    "\"datum\" is \"31/31/2025\", which cannot be read as one date and time.")
        page.no_dialog()
        self.assertEqual([page.text_of("txtGeld"), page.text_of("txtVissen1"),
                          page.text_of("txtJaar"), page.title()],
                         ["1000", "0", "07 March 2025", "Kelvaro - Vis BV"])

    def test_a_file_the_page_will_not_open_is_refused_with_a_box_that_says_why(self):
        page = self.session(REFUSING_STORAGE + UNREADABLE_FILES)
        folder = tempfile.mkdtemp(prefix="kelvaro-files-")
        self.addCleanup(shutil.rmtree, folder)
        padded = lambda size: ("[General]\nopvulling=" + "x" * (size - len(SOUND_SAVE) - 22) +  # noqa: E731
                               "\n\n" + SOUND_SAVE)
        kept = "[kelvaro]\ngeld=1\n"
        page.js("localStorage.setItem('quira/quira.conf', arguments[0])", kept)
        refused = " was not opened: %s Nothing changed."
        # The file's name and text, what the browser does with it, the box and the panel's line.
        cases = [
            ("groot.conf", padded(LARGEST_FILE + 1), "",
             ("Kelvaro", "groot.conf" + refused % "it is too large to be a saved game.",
              "exclamation"), None),
            ("weg.conf", SOUND_SAVE, "window.unreadableFiles = true",
             ("Kelvaro", "weg.conf" + refused % "the browser could not read it.", "exclamation"),
             None),
            ("vol.conf", SOUND_SAVE, "window.refuseWrites = true",
             ("Kelvaro", "vol.conf" + refused % "The browser's storage for this page is full.",
              "exclamation"), None),
            ("notities.conf", "boodschappen\n", "",
             ("Kelvaro", "There is no saved game to load.", ""),
             "notities.conf" + refused % "it holds no saved game that can be loaded."),
            # Not too large, yet more than Chromium keeps for a page.
            ("precies.conf", padded(LARGEST_FILE), "",
             ("Kelvaro", "precies.conf" + refused % "The browser's storage for this page is full.",
              "exclamation"), None),
            ("goed.conf", padded(64 * 1024), "", None,
             "goed.conf was opened: choose File > Load to play it."),
        ]
        for name, text, browser, box, line in cases:
            with self.subTest(name):
                path = os.path.join(folder, name)
                with open(path, "w", encoding="utf-8") as file:
                    file.write(text)
                self.assertEqual(os.path.getsize(path), len(text))
                page.js("window.unreadableFiles = window.refuseWrites = false;" + browser)
                page.js("document.getElementById('savedGameStatus').textContent = ''")
                page.element("openSavedGame").send_keys(path)
                if box:
                    page.expect(self, *box)
                    page.no_dialog()
                page.wait_for(lambda: page.text_of("savedGameStatus"), "the panel's line", 30)
                self.assertEqual(page.text_of("savedGameStatus"), line or box[1])
                self.assertEqual(self.saved(page), text if box is None else kept)
                self.assertEqual(page.text_of("txtGeld"), "1000")

    def test_a_nul_in_the_stored_text_passes_whole_through_a_save_and_a_load(self):
        # A NUL at the very start, and one in a section before the game's: every byte outside
        # the game's values stays through a Save, and a Load takes the game.
        page = self.session()
        game = ("[kelvaro]\ngeld=12\nvissen1=1\nvissen2=2\nvissen3=3\nvissen4=4\nvissen5=5\n"
                "datum=2025-03-09T15:04:05\n")
        for before in ("\0[notes]\nkeep=this\n", "[notes]\nkeep=a\0b\n; and this\n"):
            with self.subTest(repr(before)):
                page.js("localStorage.setItem('quira/quira.conf', arguments[0])", before + game)
                self.menu(page, "laden")
                page.answer("OK", "Nul")
                page.no_dialog()
                self.assertEqual(page.text_of("txtGeld"), "12")
                self.menu(page, "opslaan")
                page.no_dialog()
                saved = self.saved(page)
                self.assertTrue(saved.startswith(before + "[kelvaro]\n"), repr(saved))
                self.assertIn("vissen5=5", saved.splitlines())
                self.menu(page, "laden")
                page.answer("OK", "Nul")
                page.no_dialog()
                self.assertEqual(page.text_of("txtVissen5"), "5")
                self.assertEqual(self.saved(page), saved)

    def test_the_saved_date_reads_back_in_the_browser_language(self):
        # Japanese writes its months as a number and a sign, and its time, as the desktop does,
        # with signs too; Korean puts the half of the day before the hour; no listed language
        # reads a British date with its 24-hour time as another day.
        expected = {"en-GB": ("07 March 2025", "09/03/2025 15:04:05"),
                    "ja-JP": ("07 3\u6708 2025", "2025/03/09 15\u664204\u520605\u79d2"),
                    "ko-KR": ("07 3\uc6d4 2025",
                              "2025. 3. 9. \uc624\ud6c4 3\uc2dc 4\ubd84 5\ucd08")}
        for language, (today, saved) in expected.items():
            with self.subTest(language):
                page = PageSession(language=language)
                self.addCleanup(page.close)
                page.start_game(self, "Vis")
                self.assertEqual(page.text_of("txtJaar"), today)
                page.js("localStorage.setItem('quira/quira.conf', arguments[0])",
                        "[kelvaro]\ngeld=1\nvissen1=1\nvissen2=2\nvissen3=3\nvissen4=4\n"
                        "vissen5=5\ndatum=2025-03-09T15:04:05\n")
                for _ in range(2):
                    self.menu(page, "laden")
                    page.answer("OK", "Vis")
                    page.no_dialog()
                    self.assertEqual(page.text_of("txtJaar"), saved)
                    self.menu(page, "opslaan")
                    page.no_dialog()
                    self.assertIn("datum=" + saved, self.saved(page).splitlines())

    def test_odd_lines_are_saved_as_on_the_desktop_or_refused_in_words(self):
        page = self.session()
        rest = "".join(f"vissen{k}=0\r" for k in range(1, 6))
        page.js("localStorage.setItem('quira/quira.conf', arguments[0])",
                "[kelvaro]\rgeld=829\r; keep this note\r[other]\rkept=yes\r")
        self.menu(page, "opslaan")
        page.no_dialog()
        self.assertEqual(self.saved(page),
                         "[kelvaro]\rgeld=1000\r; keep this note\rdatum=2025-03-07T15:04:05\r"
                         + rest + "[other]\rkept=yes\r")
        quoted = "[kelvaro]\ngeld=\"82\n9\"\n"
        page.js("localStorage.setItem('quira/quira.conf', arguments[0])", quoted)
        self.menu(page, "opslaan")
        page.expect(self, "Save", "The game could not be saved.\nIn this browser's quira.conf, "
                    "the value of geld in [kelvaro] opens a quote that runs over more than one "
                    "line, so the game cannot tell where the value ends, and left the file as it "
                    "was.", "exclamation")
        page.no_dialog()
        self.assertEqual(self.saved(page), quoted)

    def test_the_page_plays_with_its_server_gone_and_can_be_installed(self):
        server = PageServer()
        page = PageSession(server=server)
        self.addCleanup(page.close)
        # One copy, of this build, marked as the page's own address of its script marks it.
        page.wait_for(lambda: page.js("""
            return caches.keys().then((names) => names.length === 1 &&
                names[0] === 'kelvaro-' + new URL(document.querySelector('script').src)
                    .searchParams.get('v') && caches.open(names[0]))
                .then((cache) => cache && cache.keys()).then((keys) => keys ? keys.length : 0)
            """) >= 8, "the page's files in the cache")
        manifest = page.driver.execute_cdp_cmd("Page.getAppManifest", {})
        self.assertEqual(manifest["errors"], [])
        data = json.loads(manifest["data"])
        self.assertEqual((data["name"], data["icons"][0]["src"]), ("Kelvaro", "icon.svg"))
        # Installed, it opens as an app of its own, without the browser's bars.
        self.assertEqual(data["display"], "standalone")

        server.stop()
        page.driver.refresh()
        page.start_game(self, "Offline")
        page.wait_for(lambda: page.js("""
            const icon = document.getElementById('captionIcon');
            return icon.complete && icon.naturalWidth > 0"""), "the caption's icon")
        self.assertEqual(page.js("return document.querySelector('link[rel=icon]').href"),
                         server.url + "icon.svg")
        page.element("cmdWachten").click()
        page.no_dialog()
        self.assertEqual(page.text_of("txtJaar"), "08 March 2025")
        self.assertEqual(page.js("return !!navigator.serviceWorker.controller"), True)


if __name__ == "__main__":
    page_test_main()
