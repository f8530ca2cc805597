"""A whole game in the page, by mouse: the start, Buy, Sell, Wait, Save, Load and Quit.

The page's clock is stopped at 7 March 2025 15:04:05 and its random source gives a fixed
stream, so every price, event and date below is the one that game always deals.
"""

import unittest

from page_session import BlankPage, PageServer, PageSession, page_test_main


class WholeGameTest(unittest.TestCase):
    def setUp(self):
        self.page = PageSession()
        self.addCleanup(self.page.close)

    def boxes(self):
        page = self.page
        return {
            "money": page.text_of("txtGeld"),
            "workers": page.text_of("txtWerkers"),
            "date": page.text_of("txtJaar"),
            "stock": [page.text_of("txtVissen%d" % kind) for kind in range(1, 6)],
            "prices": [page.text_of("txtMarktprijs%d" % kind) for kind in range(1, 6)],
        }

    def choose(self, menu, item):
        self.page.element(menu).click()
        self.page.element(item).click()

    def saved_text(self):
        return self.page.js("return localStorage.getItem('quira/quira.conf')")

    def test_a_whole_game_from_the_greetings_to_quit(self):
        page = self.page
        self.assertEqual(page.title(), "Kelvaro - Naam van het bedrijf")
        page.start_game(self, "Vis BV")
        self.assertEqual(page.title(), "Kelvaro - Vis BV")
        self.assertEqual(page.text_of("lblNaam"), "Vis BV")
        self.assertEqual(page.focused_id(), "txtGeld")
        self.assertEqual(self.boxes(), {
            "money": "1000", "workers": "0", "date": "07 March 2025",
            "stock": ["0", "0", "0", "0", "0"], "prices": ["57", "75", "64", "78", "76"]})

        # Buy three angler at 57: 171 euros, then the day passes.
        page.element("cmdKopen1").click()
        self.assertEqual(page.dialog(),
                         ["Kelvaro", "How many fish do you want to buy?", "", ["OK", "Cancel"]])
        page.answer("OK", "3")
        page.no_dialog()
        self.assertEqual(self.boxes(), {
            "money": "829", "workers": "0", "date": "08 March 2025",
            "stock": ["3", "0", "0", "0", "0"], "prices": ["83", "97", "60", "86", "73"]})

        page.element("cmdWachten").click()
        page.no_dialog()
        self.assertEqual(self.boxes()["date"], "09 March 2025")
        self.assertEqual(self.boxes()["prices"], ["63", "75", "81", "76", "72"])

        # Save shows nothing and keeps the game in the browser as a settings file's text.
        self.assertIsNone(self.saved_text())
        self.choose("Bestand", "opslaan")
        page.no_dialog()
        saved = self.saved_text().splitlines()
        self.assertEqual(saved[0], "[kelvaro]")
        for line in ("geld=829", "vissen1=3", "vissen2=0", "vissen5=0",
                     "datum=2025-03-09T15:04:05"):
            self.assertIn(line, saved)

        # The fish breed on the next day.
        page.element("cmdWachten").click()
        page.expect(self, "Kelvaro", "There are 2 new fishes in aquarium 1 !")
        page.expect(self, "Kelvaro", "There's a total of 2 new fishes!!!")
        page.no_dialog()
        self.assertEqual(self.boxes()["stock"], ["5", "0", "0", "0", "0"])

        # Sell two angler at 52, and the tax inspector comes.
        page.element("cmdVerkopen1").click()
        self.assertEqual(page.dialog(),
                         ["Kelvaro", "How many fish do you want to sell?", "", ["OK", "Cancel"]])
        page.answer("OK", "2")
        page.expect(self, "Kelvaro", "There's a tax inspector coming")
        page.expect(self, "Kelvaro", "Everything's allright!")
        page.no_dialog()
        self.assertEqual(self.boxes(), {
            "money": "933", "workers": "0", "date": "11 March 2025",
            "stock": ["3", "0", "0", "0", "0"], "prices": ["72", "77", "69", "81", "98"]})

        # Load brings back the money, the stock and the date in the saved form; the prices stay.
        self.choose("Bestand", "laden")
        self.assertEqual(page.dialog(),
                         ["Kelvaro", "Please give a new name:", "", ["OK", "Cancel"]])
        page.answer("OK", "Nieuwe Vis")
        page.no_dialog()
        self.assertEqual(self.boxes(), {
            "money": "829", "workers": "0", "date": "2025-03-09T15:04:05",
            "stock": ["3", "0", "0", "0", "0"], "prices": ["72", "77", "69", "81", "98"]})
        self.assertEqual(page.title(), "Kelvaro - Nieuwe Vis")
        self.assertEqual(page.text_of("lblNaam"), "Nieuwe Vis")

        # Quit answered No changes nothing; Yes ends the game and saves nothing.
        self.choose("Bestand", "afsluiten")
        self.assertEqual(page.dialog(), ["Quit", "Are you sure you want to quit?", "question",
                                         ["Yes", "No"]])
        page.answer("No")
        page.no_dialog()
        self.assertEqual(self.boxes()["date"], "2025-03-09T15:04:05")
        self.assertTrue(page.element("cmdWachten").is_displayed())

        saved_before_quit = self.saved_text()
        self.choose("Bestand", "afsluiten")
        page.answer("Yes")
        page.no_dialog()
        ended = page.element("gameEnded")
        self.assertTrue(ended.is_displayed())
        self.assertIn("The game has ended.", ended.text)
        self.assertFalse(page.element("window").is_displayed())
        self.assertEqual(page.title(), "Kelvaro")
        self.assertEqual(self.saved_text(), saved_before_quit)

        # A new game starts from the greetings, with the boxes as before any game.
        page.element("startNewGame").click()
        self.assertEqual(page.dialog()[0], "Congratulations!")
        self.assertEqual(page.title(), "Kelvaro - Naam van het bedrijf")
        page.start_game(self, "")
        self.assertEqual(page.title(), "Kelvaro - ")
        self.assertEqual(page.text_of("lblNaam"), "")
        self.assertEqual(self.boxes()["money"], "1000")

    def test_a_game_played_by_touch_on_a_phone_held_sideways(self):
        page = self.page
        page.hold(844, 340)
        page.start_game(self, "Vinger")
        # Tap Buy, type the amount on the screen's keyboard, tap OK.
        page.tap("#cmdKopen1")
        self.assertEqual(page.dialog()[1], "How many fish do you want to buy?")
        self.assertEqual(page.focused_id(), "dialogInput")
        page.type_on_screen("3")
        page.tap("#dialogButtons button")
        page.no_dialog()
        self.assertEqual(self.boxes()["money"], "829")
        self.assertEqual(self.boxes()["stock"][0], "3")
        # A menu opens with a tap and closes with a tap elsewhere; its command runs on a tap.
        shown = lambda item: page.element(item).is_displayed()  # noqa: E731
        page.tap("#Bestand")
        self.assertTrue(shown("opslaan"))
        page.tap("#lblNaam")
        self.assertFalse(shown("opslaan"))
        page.tap("#Bestand")
        page.tap("#opslaan")
        page.no_dialog()
        self.assertFalse(shown("opslaan"))
        self.assertIn("vissen1=3", self.saved_text().splitlines())
        page.tap("#cmdWachten")
        page.wait_for(lambda: self.boxes()["date"] == "09 March 2025", "the day to pass")
        self.assertEqual(page.focused_id(), "cmdWachten")

    def test_bankruptcy_ends_the_game_and_saves_nothing(self):
        page = self.page
        page.start_game(self)
        broke = ("[kelvaro]\ngeld=-5000\nvissen1=0\nvissen2=0\nvissen3=0\nvissen4=0\n"
                 "vissen5=0\ndatum=2025-03-07T15:04:05\n")
        page.js("localStorage.setItem('quira/quira.conf', arguments[0])", broke)
        self.choose("Bestand", "laden")
        page.answer("OK", "Failliet")
        page.no_dialog()
        self.assertEqual(self.boxes()["money"], "-5000")
        page.element("cmdWachten").click()
        page.expect(self, "Kelvaro", "All money gone.")
        page.expect(self, "Kelvaro", "All fishes will now be sold.")
        page.expect(self, "Kelvaro", "Sorry, you've gone bankrupt!!!")
        page.no_dialog()
        self.assertTrue(page.element("gameEnded").is_displayed())
        self.assertFalse(page.element("window").is_displayed())
        self.assertEqual(self.saved_text(), broke)
        self.assertEqual(page.title(), "Kelvaro")
        page.element("startNewGame").click()
        self.assertEqual(page.dialog()[0], "Congratulations!")

    def test_typed_amounts_that_are_no_number_trade_nothing(self):
        page = self.page
        page.start_game(self)
        page.element("cmdKopen2").click()
        page.answer("OK", "twee")
        page.expect(self, "Kelvaro", "Only numbers, please!")
        page.no_dialog()
        self.assertEqual(self.boxes()["money"], "1000")
        self.assertEqual(self.boxes()["date"], "08 March 2025")
        # What the player types into a price box is not read.
        page.element("txtMarktprijs1").clear()
        page.element("txtMarktprijs1").send_keys("1")
        page.element("cmdKopen1").click()
        page.answer("OK", "1")
        page.no_dialog()
        self.assertEqual(self.boxes()["money"], "917")

    def test_a_game_that_cannot_be_fetched_is_said_so_on_the_page(self):
        server = PageServer()
        self.addCleanup(server.stop)
        for blocked, reason in (("*/kelvaro.wasm?*", "Failed to fetch"),
                                ("*/kelvaro.js?*", "kelvaro.js could not be fetched")):
            with self.subTest(blocked):
                page = PageSession(server=BlankPage())
                try:
                    page.driver.execute_cdp_cmd("Network.enable", {})
                    page.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": [blocked]})
                    page.driver.get(server.url)
                    page.wait_for(lambda: page.element("cannotStart").is_displayed(),
                                  "the page to say why")
                    self.assertEqual(page.text_of("cannotStart"),
                                     "The game could not be started (" + reason +
                                     "). Reload the page to try again.")
                    self.assertFalse(page.js("return document.getElementById('dialog').open"))
                finally:
                    page.close()


if __name__ == "__main__":
    page_test_main()
