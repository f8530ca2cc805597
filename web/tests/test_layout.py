"""The window as the page draws it: every control's rectangle, the rules, fonts, colours and
alignments, the names people and tests find the controls by, and the menus."""

import glob
import os
import re
import unittest

from page_session import PageSession, page_test_main

PAGE_SOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "page")

# Left, top, width and height in CSS pixels from the game area's top-left corner.
RECTANGLES = {
    "lblNaam": (8, 16, 657, 25),
    "Label7": (304, 80, 209, 25),
    "Label6": (40, 128, 209, 25),
    "Label5": (32, 192, 97, 25),
    "Label4": (32, 224, 97, 25),
    "Label3": (72, 256, 57, 17),
    "lblKabeljouw": (272, 120, 81, 25),
    "lblPaling": (272, 152, 73, 25),
    "lblZalm": (272, 184, 73, 25),
    "lblForel": (272, 216, 73, 25),
    "lblKarper": (272, 248, 73, 25),
    "txtVissen1": (360, 120, 105, 25),
    "txtVissen5": (360, 248, 105, 25),
    "txtMarktprijs1": (472, 120, 97, 25),
    "txtMarktprijs3": (472, 184, 97, 25),
    "cmdKopen1": (576, 120, 105, 25),
    "cmdKopen4": (576, 216, 105, 25),
    "cmdVerkopen2": (688, 152, 97, 25),
    "cmdVerkopen5": (688, 248, 97, 25),
    "txtJaar": (136, 192, 105, 19),
    "txtWerkers": (136, 222, 105, 19),
    "txtGeld": (136, 254, 105, 19),
    "cmdWachten": (400, 304, 209, 25),
    "Line1": (8, 63, 665, 3),
    "Line2": (40, 152, 209, 1),
    "Line3": (312, 104, 209, 1),
}

# Screens held sideways or on a tablet: the window is scaled to lie whole on them.
SCREENS = {"phone held sideways": (844, 340), "tablet": (1024, 700), "tablet upright": (700, 1024)}

# What a finger can tap; each at least 24 x 24 CSS pixels, or a 24-pixel circle round its middle
# clear of every other one and of every other small one's circle (WCAG 2.2, 2.5.8).
TOO_SMALL_TO_TAP = """
// What lies on top: an open box, else an open menu, else the window.
const where = document.querySelector('dialog[open]') ? 'dialog[open] :is(button, input:not([hidden]))'
  : document.querySelector('#menubar ul:not([hidden])') ? '#menubar :is(button, li)'
  : '#clientArea :is(button, input:not([readonly])), #menubar button';
const targets = [...document.querySelectorAll(where)]
  .filter((e) => e.getClientRects().length > 0 && e.getAttribute('aria-disabled') !== 'true')
  .map((e) => [e.id || e.textContent, e.getBoundingClientRect()]);
const small = (r) => r.width < 24 || r.height < 24;
const middle = (r) => [r.left + r.width / 2, r.top + r.height / 2];
const from = (p, r) => Math.hypot(Math.max(r.left - p[0], 0, p[0] - r.right),
                                  Math.max(r.top - p[1], 0, p[1] - r.bottom));
const apart = (r, o) => Math.hypot(middle(r)[0] - middle(o)[0], middle(r)[1] - middle(o)[1]);
return targets.filter(([name, r]) => small(r) && targets.some(([other, o]) => other !== name &&
    (from(middle(r), o) < 12 || (small(o) && apart(r, o) < 24))))
  .map(([name, r]) => name + ' ' + [r.width, r.height].map(Math.round).join('x'));
"""

RECTANGLE_SCRIPT = """
const area = document.getElementById('clientArea').getBoundingClientRect();
const box = document.getElementById(arguments[0]).getBoundingClientRect();
return [box.left - area.left, box.top - area.top, box.width, box.height].map(Math.round);
"""


class LayoutTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.page = PageSession()
        cls.page.start_game(unittest.TestCase(), "Vis BV")

    @classmethod
    def tearDownClass(cls):
        cls.page.close()

    def style(self, element_id, prop):
        return self.page.js("return getComputedStyle(document.getElementById(arguments[0]))"
                            "[arguments[1]]", element_id, prop)

    def test_each_control_and_rule_lies_where_the_window_has_it(self):
        for element_id, rectangle in RECTANGLES.items():
            with self.subTest(element_id):
                self.assertEqual(tuple(self.page.js(RECTANGLE_SCRIPT, element_id)), rectangle)
        self.assertEqual(self.page.js(
            "const r = document.getElementById('clientArea').getBoundingClientRect();"
            "return [r.width, r.height]"), [789, 375])

    def test_the_whole_area_scales_with_the_zoom(self):
        try:
            self.page.js("document.getElementById('window').style.zoom = 2")
            self.assertEqual(tuple(self.page.js(RECTANGLE_SCRIPT, "txtGeld")), (272, 508, 210, 38))
            self.assertEqual(tuple(self.page.js(RECTANGLE_SCRIPT, "cmdVerkopen5")),
                             (1376, 496, 194, 50))
        finally:
            self.page.js("document.getElementById('window').style.zoom = ''")

    def test_fonts_colours_and_alignments_follow_the_window(self):
        expected = {
            "lblNaam": ("21px", "700", "rgb(255, 192, 128)", "left"),
            "Label7": ("19px", "400", "rgb(255, 255, 255)", "center"),
            "Label5": ("13px", "700", "rgb(255, 255, 255)", "right"),
            "lblZalm": ("13px", "700", "rgb(255, 255, 255)", "left"),
            "txtGeld": ("13px", "700", "rgb(0, 0, 0)", "left"),
            "txtVissen2": ("11px", "400", "rgb(0, 0, 0)", "left"),
        }
        for element_id, (size, weight, colour, alignment) in expected.items():
            with self.subTest(element_id):
                self.assertEqual((self.style(element_id, "fontSize"),
                                  self.style(element_id, "fontWeight"),
                                  self.style(element_id, "color"),
                                  self.style(element_id, "textAlign")),
                                 (size, weight, colour, alignment))
        self.assertTrue(self.style("lblNaam", "fontFamily").startswith("Verdana"))
        self.assertTrue(self.style("txtGeld", "fontFamily").startswith("Tahoma"))
        self.assertEqual(self.style("Line1", "backgroundColor"), "rgb(255, 192, 128)")
        self.assertEqual(self.style("lblNaam", "backgroundColor"), "rgba(0, 0, 0, 0)")
        self.assertIn("background.svg", self.style("clientArea", "backgroundImage"))
        self.assertEqual(self.style("clientArea", "backgroundRepeat"), "no-repeat")

    def test_the_date_box_holds_the_longest_date_whole(self):
        # 30 September, the widest date in English and German; at twice the pixels too, and
        # after a Load of a saved date longer still.
        whole = ("const box = document.getElementById('txtJaar');"
                 "return [box.value, box.scrollWidth <= box.clientWidth]")
        for language, today, scale in (("en-US", "30 September 2025", 1),
                                       ("en-US", "30 September 2025", 2),
                                       ("de-DE", "30 September 2025", 1),
                                       ("ru-RU", "30 \u0441\u0435\u043d\u0442\u044f\u0431\u0440\u044f 2025", 2)):
            with self.subTest(language=language, scale=scale):
                page = PageSession(language=language,
                                   before_load="self.kelvaroStoppedAt = [2025, 8, 30, 15, 4, 5];")
                self.addCleanup(page.close)
                page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": 1280, "height": 800, "deviceScaleFactor": scale, "mobile": False})
                page.start_game(self, "Vis")
                self.assertEqual(page.js(whole), [today, True])
                page.js("localStorage.setItem('quira/quira.conf', arguments[0])",
                        "[kelvaro]\ngeld=1\nvissen1=1\nvissen2=2\nvissen3=3\nvissen4=4\n"
                        "vissen5=5\ndatum=2025-09-30T23:59:59\n")
                page.element("Bestand").click()
                page.element("laden").click()
                page.answer("OK", "Vis")
                page.no_dialog()
                shown, is_whole = page.js(whole)
                self.assertIn("2025", shown)
                self.assertTrue(is_whole, shown)

    def test_the_window_keeps_its_size_whatever_the_name(self):
        page = PageSession()
        self.addCleanup(page.close)
        page.start_game(self, "Vis")
        size = "const r = document.getElementById('window').getBoundingClientRect();" \
               "return [r.width, r.height]"
        before = page.js(size)
        for name in ("Zalm" * 35, "Z" * 100000):
            with self.subTest(length=len(name)):
                page.element("opties").click()
                page.element("andere_naam").click()
                page.dialog()
                page.js("document.getElementById('dialogInput').value = arguments[0]", name)
                page.answer("OK")
                page.no_dialog()
                self.assertEqual(page.text_of("lblNaam"), name)
                self.assertEqual(page.js(size), before)

    def test_a_phone_or_tablet_shows_the_whole_window_scaled_to_tap(self):
        page = PageSession(before_load="self.kelvaroStoppedAt = [2025, 8, 30, 15, 4, 5];")
        self.addCleanup(page.close)
        page.start_game(self, "Vis")
        seen = """const r = document.getElementById('window').getBoundingClientRect();
            const root = document.documentElement;
            return [r.left >= 0 && r.top >= 0 && r.right <= root.clientWidth &&
                    r.bottom <= root.clientHeight && root.scrollWidth <= root.clientWidth,
                    Number(document.getElementById('window').style.zoom || 1)]"""
        for screen, (width, height) in SCREENS.items():
            with self.subTest(screen):
                page.hold(width, height)
                whole, scale = page.js(seen)
                self.assertTrue(whole)
                self.assertGreater(scale, 0.75)
                # Scaled as a whole: each control where the window has it, at that scale.
                for element_id in ("cmdWachten", "txtGeld", "cmdVerkopen5", "Line1"):
                    measured = page.js(RECTANGLE_SCRIPT, element_id)
                    for got, window in zip(measured, RECTANGLES[element_id]):
                        self.assertAlmostEqual(got, window * scale, delta=1.5, msg=element_id)
                self.assertTrue(page.js("const box = document.getElementById('txtJaar');"
                                        "return box.scrollWidth <= box.clientWidth"))
                self.assertEqual(page.js(TOO_SMALL_TO_TAP), [])
                for menu in ("Bestand", "opties", "help"):
                    page.tap("#" + menu)
                    self.assertEqual(page.js(TOO_SMALL_TO_TAP), [], menu)
                    page.tap("#" + menu)
                self.assertFalse(page.element("turnDevice").is_displayed())
        # Back at a desktop's screen the window is one CSS pixel a window pixel again.
        page.hold(None, None)
        self.assertEqual(tuple(page.js(RECTANGLE_SCRIPT, "cmdWachten")), RECTANGLES["cmdWachten"])

    def test_a_phone_held_upright_asks_to_be_turned_and_the_game_waits(self):
        page = PageSession()
        self.addCleanup(page.close)
        page.hold(390, 844)
        notice = page.element("turnDevice")
        # From the page's start, before the first greeting.
        page.wait_for(notice.is_displayed, "the notice")
        self.assertEqual(notice.text, "Turn your device sideways to play Kelvaro.\n"
                                      "Your game waits for you just as you left it.")
        # The greetings come underneath it; turned, the game is there as it was.
        notice_colour = [0x3a, 0x4a, 0x5c]
        # Over the middle of the open box, the notice's colour.
        on_top = lambda: page.colour_at(*page.js(  # noqa: E731
            "const r = document.querySelector('dialog[open]').getBoundingClientRect();"
            "return [r.left + r.width / 2, r.top + r.height / 2]")) == notice_colour
        self.assertEqual(page.dialog()[0], "Congratulations!")
        self.assertTrue(on_top())
        page.hold(844, 340)
        self.assertFalse(notice.is_displayed())
        page.start_game(self, "Rechtop")
        page.tap("#cmdWachten")
        page.wait_for(lambda: page.text_of("txtJaar") == "08 March 2025", "a day to pass")
        page.hold(390, 844)
        self.assertTrue(notice.is_displayed())
        page.element("cmdKopen1").send_keys("\n")
        self.assertEqual(page.dialog()[1], "How many fish do you want to buy?")
        self.assertTrue(on_top())
        page.hold(844, 340)
        self.assertFalse(notice.is_displayed())
        self.assertEqual(page.dialog()[1], "How many fish do you want to buy?")
        self.assertEqual([page.text_of("lblNaam"), page.text_of("txtJaar")],
                         ["Rechtop", "08 March 2025"])

    def test_captions_names_and_descriptions(self):
        page = self.page
        captions = {"Label7": "Prices", "Label6": "Company size", "Label5": "Date ",
                    "Label4": "Workers ", "Label3": "Money ", "lblKabeljouw": "Angler:",
                    "lblKarper": "Carp:", "cmdKopen3": "Buy", "cmdVerkopen3": "Sell",
                    "cmdWachten": "Wait"}
        for element_id, caption in captions.items():
            self.assertEqual(page.text_of(element_id), caption)
        self.assertEqual(page.element("txtGeld").get_attribute("aria-label"), "Money")
        self.assertEqual(page.element("txtGeld").get_attribute("aria-description"),
                         "The company's money in euros")
        self.assertEqual(page.element("cmdKopen3").get_attribute("aria-label"), "Buy salmon")
        self.assertEqual(page.element("cmdWachten").get_attribute("aria-description"),
                         "Let a day pass")
        self.assertIsNotNone(page.element("txtGeld").get_attribute("readonly"))
        self.assertIsNone(page.element("txtVissen1").get_attribute("readonly"))
        # No member 0 of the per-kind arrays, and none past 5.
        self.assertEqual(page.js("return ['txtVissen0', 'cmdKopen0', 'txtMarktprijs6']"
                                 ".filter((id) => document.getElementById(id)).length"), 0)
        self.assertEqual(page.element("dialog").get_attribute("aria-labelledby"), "dialogCaption")
        self.assertEqual(page.element("dialog").get_attribute("aria-describedby"), "dialogText")

    def test_the_page_takes_every_enumeration_number_from_the_module(self):
        # Each table the module hands over numbers its words 0, 1, 2 ... with none twice, and
        # holds every word the page's scripts look up.
        vocabulary = self.page.js("return kelvaroPage.vocabulary")
        for table, words in vocabulary.items():
            self.assertEqual(sorted(words.values()), list(range(len(words))), table)
        scripts = {path: open(path, encoding="utf-8").read()
                   for path in glob.glob(os.path.join(PAGE_SOURCES, "*.js"))}
        used = set()
        for text in scripts.values():
            used |= set(re.findall(r"\bwords\.(\w+)\.(\w+)", text))
        self.assertTrue(used)
        for table, word in used:
            self.assertIn(word, vocabulary.get(table, {}), table)
        # No script keeps a table of numbers of its own: no words numbered 0, 1 ...
        for path, text in scripts.items():
            self.assertIsNone(re.search(r"\w+\s*:\s*0\s*,\s*\w+\s*:\s*1\b", text), path)
            self.assertNotIn("'information', 'exclamation'", text, path)

    def test_menus_hold_the_window_items_with_their_roles(self):
        menus = self.page.js("""
            return [...document.querySelectorAll('#menubar [role=menuitem]')].map((item) => [
                item.id, item.querySelector('.caption') ? item.querySelector('.caption')
                .textContent : item.textContent, (item.querySelector('.shortcut') || {})
                .textContent || '', item.getAttribute('aria-disabled') === 'true',
                item.closest('[role=menu]') ? item.closest('[role=menu]')
                .getAttribute('aria-label') : 'bar']);""")
        self.assertEqual(menus, [
            ["Bestand", "File", "", False, "bar"],
            ["nieuw_spel", "New game", "", False, "File"],
            ["laden", "Load", "Ctrl+L", False, "File"],
            ["opslaan", "Save", "Ctrl+S", False, "File"],
            ["afsluiten", "Quit", "", False, "File"],
            ["opties", "Options", "", False, "bar"],
            ["andere_naam", "Change company name", "", False, "Options"],
            ["break0", "--------------------", "", True, "Options"],
            ["skinz", "Skinz", "", False, "Options"],
            ["default", "Standard", "", False, "Skinz"],
            ["help", "Help", "", False, "bar"],
            ["info", "Info          ", "F1", False, "Help"],
            ["credits", "Credits", "", False, "Help"],
            ["break1", "--------------------", "", True, "Help"],
            ["new_release", "New release", "", False, "Help"],
        ])
        self.assertEqual(self.page.element("menubar").get_attribute("role"), "menubar")

    def test_hyphen_rows_and_skinz_standard_do_nothing(self):
        page = self.page
        before = [page.text_of("txtJaar"), page.text_of("txtGeld")]
        page.element("opties").click()
        page.element("break0").click()
        page.element("skinz").click()
        self.assertTrue(page.element("default").is_displayed())
        page.element("default").click()
        self.assertFalse(page.js("return document.getElementById('dialog').open"))
        self.assertEqual([page.text_of("txtJaar"), page.text_of("txtGeld")], before)
        self.assertFalse(page.element("default").is_displayed())


if __name__ == "__main__":
    page_test_main()
