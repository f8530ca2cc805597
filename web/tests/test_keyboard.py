"""The game played with the keyboard alone: the dialogs' Enter and Escape, the focus order, the
menus, the shortcuts Ctrl+S, Ctrl+L and F1, and a page that takes nothing while a box is open."""

import unittest

from selenium.webdriver.common.action_chains import ActionChains

from page_session import Keys, PageSession, page_test_main

FOCUS_ORDER = [
    "txtGeld", "txtWerkers", "txtJaar", "cmdKopen1", "cmdVerkopen1", "cmdWachten",
    "txtVissen1", "txtVissen2", "txtVissen3", "txtVissen4", "txtVissen5",
    "txtMarktprijs1", "txtMarktprijs2", "txtMarktprijs3", "txtMarktprijs4", "txtMarktprijs5",
    "cmdKopen2", "cmdKopen3", "cmdKopen4", "cmdKopen5",
    "cmdVerkopen2", "cmdVerkopen3", "cmdVerkopen4", "cmdVerkopen5",
]


class KeyboardTest(unittest.TestCase):
    def setUp(self):
        self.page = PageSession()
        self.addCleanup(self.page.close)
        page = self.page
        # The greetings answer to Enter, the name prompt takes typing and Enter.
        for caption in ("Congratulations!", "No fish!", "\u20ac 1000"):
            self.assertEqual(page.dialog()[0], caption)
            page.press(Keys.ENTER)
        self.assertEqual(page.dialog()[0], "Name")
        page.press("Toetsen", Keys.ENTER)
        page.no_dialog()

    def ctrl(self, letter):
        ActionChains(self.page.driver).key_down(Keys.CONTROL).send_keys(letter) \
            .key_up(Keys.CONTROL).perform()

    def saved(self):
        return self.page.js("return localStorage.getItem('quira/quira.conf')")

    def test_tab_goes_round_the_window_in_its_focus_order(self):
        page = self.page
        self.assertEqual(page.text_of("lblNaam"), "Toetsen")
        seen = [page.focused_id()]
        for _ in FOCUS_ORDER[1:]:
            page.press(Keys.TAB)
            seen.append(page.focused_id())
        self.assertEqual(seen, FOCUS_ORDER)

    def test_buttons_answer_enter_and_space_and_the_focus_comes_back(self):
        page = self.page
        page.press(Keys.TAB, Keys.TAB, Keys.TAB)
        self.assertEqual(page.focused_id(), "cmdKopen1")
        page.press(Keys.ENTER)
        self.assertEqual(page.dialog()[1], "How many fish do you want to buy?")
        page.wait_for(lambda: page.focused_id() == "dialogInput", "the prompt's field")
        page.press("2", Keys.ENTER)
        page.no_dialog()
        self.assertEqual(page.text_of("txtGeld"), "886")
        self.assertEqual(page.text_of("txtVissen1"), "2")
        self.assertEqual(page.focused_id(), "cmdKopen1")
        # What changed is told to a screen reader once, in the order the game showed it.
        said = "Angler stock 2, Money 886, Date 08 March 2025."
        page.wait_for(lambda: page.text_of("valueChanges") == said, said)
        page.press(Keys.TAB, Keys.TAB, Keys.SPACE)
        page.no_dialog()
        self.assertEqual(page.text_of("txtJaar"), "09 March 2025")
        self.assertEqual(page.focused_id(), "cmdWachten")
        page.wait_for(lambda: page.text_of("valueChanges") == "Date 09 March 2025.", "the date")

    def test_escape_cancels_a_prompt_to_empty_text(self):
        page = self.page
        # F10 takes the focus to the menu bar; the arrows reach Options > Change company name.
        page.press(Keys.F10)
        self.assertEqual(page.focused_id(), "Bestand")
        page.press(Keys.ARROW_RIGHT, Keys.ARROW_DOWN)
        self.assertEqual(page.focused_id(), "andere_naam")
        page.press(Keys.ENTER)
        self.assertEqual(page.dialog(), ["Name", "How do you want to call your company?", "",
                                         ["OK", "Cancel"]])
        # Shift+Tab goes round the box backwards, from the field once it has the focus.
        page.wait_for(lambda: page.focused_id() == "dialogInput", "the prompt's field")
        ActionChains(page.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT) \
            .perform()
        self.assertEqual(page.js("return document.activeElement.textContent"), "Cancel")
        page.press(Keys.TAB)
        page.press("Weg", Keys.ESCAPE)
        page.no_dialog()
        self.assertEqual(page.text_of("lblNaam"), "")
        self.assertEqual(page.title(), "Kelvaro - ")
        # A buy cancelled the same way is an empty amount: nothing bought, yet the day passes.
        page.element("cmdKopen2").send_keys(Keys.ENTER)
        page.dialog()
        page.press("5", Keys.ESCAPE)
        self.assertEqual(page.dialog()[1], "Only numbers, please!")
        page.press(Keys.ESCAPE)
        page.no_dialog()
        self.assertEqual(page.text_of("txtVissen2"), "0")
        self.assertEqual(page.text_of("txtJaar"), "08 March 2025")

    def test_shortcuts_save_load_and_show_the_info(self):
        page = self.page
        self.assertIsNone(self.saved())
        self.ctrl("s")
        page.no_dialog()
        self.assertIn("geld=1000", self.saved().splitlines())
        page.element("cmdWachten").send_keys(Keys.ENTER)
        page.no_dialog()
        self.ctrl("l")
        self.assertEqual(page.dialog(), ["Kelvaro", "Please give a new name:", "",
                                         ["OK", "Cancel"]])
        page.press("Terug", Keys.ENTER)
        page.no_dialog()
        self.assertEqual(page.text_of("txtJaar"), "2025-03-07T15:04:05")
        self.assertEqual(page.title(), "Kelvaro - Terug")

        page.press(Keys.F1)
        caption, text, icon, buttons = page.dialog()
        self.assertEqual((caption, icon, buttons), ("Info", "information", ["OK"]))
        self.assertTrue(text.startswith("Kelvaro v2.8\n\nCreated by "), text)
        self.assertEqual(len(text.split("\n")), 4)
        # With a box open the shortcuts and the page behind take nothing.
        before = self.saved()
        self.ctrl("s")
        wait = page.element("cmdWachten")
        ActionChains(page.driver).move_to_element_with_offset(wait, 0, 0).click().perform()
        self.assertEqual(page.dialog()[0], "Info")
        page.press(Keys.ENTER)
        page.no_dialog()
        self.assertEqual(self.saved(), before)
        self.assertEqual(page.text_of("txtJaar"), "2025-03-07T15:04:05")

    def test_the_focus_comes_back_after_a_menu_command(self):
        page = self.page
        mouse = lambda menu, item: (page.element(menu).click(),  # noqa: E731
                                    page.element(item).click())
        # Each command, by mouse or by keys, with the answer to its box if it has one.
        commands = [
            ("File > Save", ("Bestand", "opslaan"),
             (Keys.F10, Keys.ENTER, Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ENTER), None),
            ("Options > Change company name", ("opties", "andere_naam"),
             (Keys.F10, Keys.ARROW_RIGHT, Keys.ENTER, Keys.ENTER), ("Nieuw", Keys.ENTER)),
            ("Quit answered No", ("Bestand", "afsluiten"),
             (Keys.F10, Keys.ENTER, Keys.ARROW_UP, Keys.ENTER), (Keys.TAB, Keys.TAB, Keys.ENTER)),
            ("Options > Skinz > Standard", None,
             (Keys.F10, Keys.ARROW_RIGHT, Keys.ENTER, Keys.ARROW_DOWN, Keys.ARROW_RIGHT,
              Keys.ESCAPE, Keys.ENTER, Keys.ENTER), None),
            ("Help > Info, leftwards round the bar", ("help", "info"),
             (Keys.F10, Keys.ARROW_LEFT, Keys.ENTER, Keys.ENTER), (Keys.ENTER,)),
            ("the menu bar left with Escape", None, (Keys.F10, Keys.ESCAPE), None),
        ]
        for what, by_mouse, by_keys, answer in commands:
            # With the focus nowhere before, it goes to the money box.
            for way, start, back in (("mouse", "cmdKopen3", "cmdKopen3"),
                                     ("keys", "cmdVerkopen2", "cmdVerkopen2"),
                                     ("mouse", "", "txtGeld")):
                if way == "mouse" and by_mouse is None:
                    continue
                with self.subTest(what, way=way, start=start):
                    page.js("const start = document.getElementById(arguments[0]);"
                            "if (start) start.focus(); else document.activeElement.blur()", start)
                    if way == "mouse":
                        mouse(*by_mouse)
                    else:
                        page.press(*by_keys)
                    if answer:
                        page.dialog()
                        page.press(*answer)
                    page.no_dialog()
                    self.assertEqual(page.focused_id(), back)
        self.assertTrue(page.element("window").is_displayed())
        self.assertEqual(page.text_of("lblNaam"), "Nieuw")

    def test_the_focus_stays_in_a_box_and_escape_answers_no(self):
        page = self.page
        page.press(Keys.F10, Keys.ARROW_DOWN)
        self.assertEqual(page.focused_id(), "nieuw_spel")
        page.press(Keys.ARROW_UP)
        self.assertEqual(page.focused_id(), "afsluiten")
        page.press(Keys.ENTER)
        self.assertEqual(page.dialog()[0], "Quit")
        # The box itself has the focus, for a screen reader to read it; Tab goes round its buttons.
        self.assertEqual(page.focused_id(), "dialog")
        labels = []
        for _ in range(4):
            page.press(Keys.TAB)
            labels.append(page.js("return document.activeElement.textContent"))
        self.assertEqual(labels, ["Yes", "No", "Yes", "No"])
        page.press(Keys.ESCAPE)
        page.no_dialog()
        self.assertTrue(page.element("window").is_displayed())
        # Enter answers Yes: the game ends, and the new game starts from the keyboard too.
        page.press(Keys.F10, Keys.ARROW_DOWN, Keys.ARROW_UP, Keys.ENTER)
        page.dialog()
        page.press(Keys.ENTER)
        page.wait_for(lambda: page.element("gameEnded").is_displayed(), "the end")
        self.assertEqual(page.focused_id(), "startNewGame")
        self.assertEqual(page.text_of("gameOver"), "The game has ended.")
        page.press(Keys.ENTER)
        self.assertEqual(page.dialog()[0], "Congratulations!")


if __name__ == "__main__":
    page_test_main()
