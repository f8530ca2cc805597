"""One headless Chromium on the page, served from its build folder on a loopback port of its own.

Each session has a fresh browser profile (an empty localStorage), so sessions can run side by
side. A session may stop the clock and the random source of the page, so that a game always
deals the same prices and events; what the page does with them is what is tested.
"""

import base64
import os
import shutil
import tempfile
import threading
import sys
import unittest
import zlib

from selenium import webdriver
from selenium.common.exceptions import StaleElementReferenceException, TimeoutException
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

# The page is served to the tests as scripts/run --web serves it to the player.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                                "lib"))
from serve_page import serve  # noqa: E402

PAGE_DIR = os.environ.get("KELVARO_PAGE_DIR", "")

# 7 March 2025, 15:04:05 in Amsterdam, and a fixed stream of random words.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "stopped_clock.js"),
          encoding="utf-8") as _script:
    STOPPED_CLOCK_AND_DICE = _script.read()


class PageServer:
    """The page's folder over http on a free loopback port, until stop()."""

    def __init__(self, folder=PAGE_DIR):
        self.httpd = serve(folder, 0)
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class BlankPage:
    """A server stand-in for a session that starts on a blank page and is sent on by hand."""
    url = "about:blank"

    def stop(self):
        pass


class PageSession:
    """A browser on the page. stopped=True stops the page's clock and random source."""

    def __init__(self, stopped=True, language="en-US", time_zone="Europe/Amsterdam",
                 server=None, before_load="", downloads=None, profile=None, headless=True,
                 arguments=()):
        self.server = server or PageServer()
        self.own_server = server is None
        self.profile = profile or tempfile.mkdtemp(prefix="kelvaro-chromium-")
        self.own_profile = profile is None
        options = webdriver.ChromeOptions()
        for argument in (("--headless=new",) if headless else ()) + tuple(arguments) + (
                         "--no-sandbox", "--disable-gpu",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync", "--no-first-run", "--disable-dev-shm-usage",
                         "--window-size=1280,800", "--lang=" + language,
                         "--user-data-dir=" + self.profile):
            options.add_argument(argument)
        options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        prefs = {"intl.accept_languages": language}
        if downloads:
            prefs.update({"download.default_directory": downloads,
                          "download.prompt_for_download": False})
        options.add_experimental_option("prefs", prefs)
        service = ChromeService(executable_path=shutil.which("chromedriver"))
        self.driver = webdriver.Chrome(options=options, service=service)
        try:
            self.driver.execute_cdp_cmd("Emulation.setTimezoneOverride",
                                        {"timezoneId": time_zone})
            self.driver.execute_cdp_cmd("Emulation.setLocaleOverride", {"locale": language})
            source = before_load + (STOPPED_CLOCK_AND_DICE if stopped else "")
            if source:
                self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                            {"source": source})
            if downloads:
                self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                            {"behavior": "allow", "downloadPath": downloads})
            self.driver.get(self.server.url)
        except Exception:
            self.close()
            raise

    def close(self):
        self.driver.quit()
        if self.own_server:
            self.server.stop()
        if self.own_profile:
            shutil.rmtree(self.profile, ignore_errors=True)

    # ---- Reading the page ----

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def element(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def text_of(self, element_id):
        return self.js("const e = document.getElementById(arguments[0]);"
                       "return e instanceof HTMLInputElement ? e.value : e.textContent;",
                       element_id)

    def wait_for(self, condition, what, timeout=10):
        try:
            return WebDriverWait(self.driver, timeout, poll_frequency=0.02).until(
                lambda _: condition())
        except TimeoutException:
            # What the page said on its console is often why.
            console = [entry["message"] for entry in self.driver.get_log("browser")]
            raise AssertionError("waited in vain for " + what +
                                 "".join("\n  console: " + line for line in console)) from None

    def dialog(self, timeout=30):
        """The open dialog as (caption, text, icon, buttons), once one is open. The first one
        waits for the module to compile, which takes long on a busy machine."""
        return self.wait_for(lambda: self.js("""
            const box = document.getElementById('dialog');
            if (!box || !box.open) return null;
            const icon = document.getElementById('dialogIcon');
            return [document.getElementById('dialogCaption').textContent,
                    document.getElementById('dialogText').textContent,
                    icon.hidden ? '' : icon.className.replace('icon', '').trim(),
                    [...document.querySelectorAll('#dialogButtons button')]
                        .map((b) => b.textContent)];"""), "a dialog", timeout)

    def no_dialog(self):
        self.wait_for(lambda: not self.js("const b = document.getElementById('dialog'); return !!b && b.open"),
                      "the dialog to close")

    def answer(self, button, typed=None):
        """Answers the open dialog: types into its text box, if given, then clicks the button."""
        self.dialog()
        if typed is not None:
            # The field takes the focus a moment after its box opens.
            self.wait_for(lambda: self.focused_id() == "dialogInput", "the prompt's field")
            box = self.element("dialogInput")
            box.clear()
            box.send_keys(typed)
        # The first box is shown anew a moment after the page has loaded (for a screen
        # reader); a button found just before that is gone, and the new box's is taken.
        for _ in range(3):
            try:
                for candidate in self.driver.find_elements(By.CSS_SELECTOR,
                                                           "#dialogButtons button"):
                    if candidate.text == button:
                        candidate.click()
                        return
            except StaleElementReferenceException:
                continue
            break
        raise AssertionError("no button " + button)

    def expect(self, test, caption, text, icon="", buttons=("OK",)):
        """Checks the open dialog, then closes it with its first button."""
        shown = self.dialog()
        test.assertEqual(shown, [caption, text, icon, list(buttons)])
        self.answer(buttons[0])

    def start_game(self, test, name="Vis BV"):
        """Through the greetings and the name prompt of a new game."""
        self.expect(test, "Congratulations!", "Congratulations, you've just won a Kelvaro!",
                    "information")
        self.expect(test, "No fish!", "One little problem. You don't have any fish!",
                    "exclamation")
        self.expect(test, "\u20ac 1000", "But some nice people \u20ac 1000.", "information")
        test.assertEqual(self.dialog(),
                         ["Name", "How do you want to call your company?", "", ["OK", "Cancel"]])
        self.answer("OK", name)
        self.wait_for(lambda: self.js(
            "return !document.getElementById('window').classList.contains('starting')"),
            "the game area")

    def press(self, *keys):
        webdriver.ActionChains(self.driver).send_keys(*keys).perform()

    def title(self):
        """The page's title as set, with its blanks (document.title trims them)."""
        return self.js("return document.querySelector('title').textContent")

    def focused_id(self):
        return self.js("return document.activeElement && document.activeElement.id")

    # ---- A phone or tablet ----

    def hold(self, width, height):
        """The page on a touch screen of width x height CSS pixels, as Chromium's mobile
        emulation has it; hold(None, None) gives the desktop back."""
        if width is None:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        else:
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 3, "mobile": True})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                    {"enabled": width is not None, "maxTouchPoints": 5})
        self.wait_for(lambda: self.js(
            "return matchMedia('(pointer: coarse)').matches === arguments[0] &&"
            "document.documentElement.clientWidth === (arguments[1] || innerWidth)",
            width is not None, width), "the screen to change")
        # The page answers the change before it next draws.
        self.js("return new Promise((done) => requestAnimationFrame(() => done(true)))")

    def colour_at(self, x, y):
        """The colour drawn on the screen at x, y (CSS pixels) as [red, green, blue]."""
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "format": "png", "clip": {"x": x, "y": y, "width": 1, "height": 1, "scale": 1}})
        png = base64.b64decode(shot["data"])
        at, pixels = 8, b""
        while at < len(png):
            size = int.from_bytes(png[at:at + 4], "big")
            if png[at + 4:at + 8] == b"IDAT":
                pixels += png[at + 8:at + 8 + size]
            at += 12 + size
        # The first pixel of the first row is stored as it is, whatever the row's filter.
        return list(zlib.decompress(pixels)[1:4])

    def tap(self, selector):
        """A finger's tap on the middle of the element, as the screen sends it."""
        x, y = self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2]", selector)
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})

    def type_on_screen(self, text):
        """Text typed on the on-screen keyboard into the focused box."""
        self.driver.execute_cdp_cmd("Input.insertText", {"text": text})


def page_test_main():
    if not PAGE_DIR or not os.path.exists(os.path.join(PAGE_DIR, "kelvaro.wasm")):
        raise SystemExit("KELVARO_PAGE_DIR must name the built page's folder")
    unittest.main(verbosity=2)


__all__ = ["BlankPage", "PageServer", "PageSession", "Keys", "By", "page_test_main"]
