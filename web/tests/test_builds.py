"""How the page is served and kept: the headers it is sent with, one build at a time after a
new build is served by a host that sends only Last-Modified, and a server that hangs."""

import os
import re
import shutil
import socket
import subprocess
import tempfile
import time
import unittest
import urllib.request

from page_session import PAGE_DIR, PageServer, PageSession, page_test_main

SOURCE_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "page")
DAY = 24 * 3600


def marks_in_use(page):
    """The build marks of the document's script and of every file the page has fetched."""
    return page.js("""
        const own = new URL(document.querySelector('script').src).searchParams.get('v');
        const fetched = performance.getEntriesByType('resource').map((entry) => entry.name)
            .filter((name) => /kelvaro\\.(js|wasm)|style\\.css|boot\\.js/.test(name))
            .map((name) => new URL(name).searchParams.get('v'));
        return [own, ...fetched];""")


def policy_of(folder):
    with open(os.path.join(folder, "index.html"), encoding="utf-8") as page:
        return re.search(r'Content-Security-Policy" content="([^"]*)"', page.read()).group(1)


def aged(folder, seconds):
    then = time.time() - seconds
    for name in os.listdir(folder):
        os.utime(os.path.join(folder, name), (then, then))


class BuildsTest(unittest.TestCase):
    def copy_of_page(self, headers=True):
        folder = tempfile.mkdtemp(prefix="kelvaro-page-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copytree(PAGE_DIR, folder, dirs_exist_ok=True)
        if not headers:
            os.remove(os.path.join(folder, "_headers"))
        return folder

    def served(self, folder):
        server = PageServer(folder)
        self.addCleanup(server.stop)
        return server

    def installed(self, server):
        """A page that has been visited once, its copy kept by its service worker."""
        page = PageSession(server=server)
        self.addCleanup(page.close)
        page.start_game(self, "Vis")
        page.wait_for(lambda: page.js("return !!navigator.serviceWorker.controller"),
                      "the service worker in charge")
        return page

    def test_the_page_is_sent_with_its_policy_and_kept_fresh(self):
        server = self.served(PAGE_DIR)
        with urllib.request.urlopen(server.url) as response:
            headers = response.headers
            page = response.read().decode()
        policy = headers["Content-Security-Policy"]
        self.assertIn("script-src 'self' 'wasm-unsafe-eval';", policy)
        self.assertNotIn("unsafe-inline", policy)
        self.assertIn('<meta http-equiv="Content-Security-Policy" content="%s">' % policy, page)
        self.assertEqual(headers["X-Content-Type-Options"], "nosniff")
        self.assertEqual(headers["Cache-Control"], "no-cache")
        self.assertNotIn("<script>", page)
        with self.assertRaises(urllib.error.HTTPError) as refused:
            urllib.request.urlopen(server.url + "_headers")
        self.assertEqual(refused.exception.code, 404)
        # A whole day under the policy: nothing refused, nothing missing (no /favicon.ico).
        page = PageSession(server=server)
        self.addCleanup(page.close)
        page.start_game(self, "Vis")
        page.element("cmdWachten").click()
        page.no_dialog()
        complaints = [entry["message"] for entry in page.driver.get_log("browser")
                      if entry["level"] == "SEVERE"]
        self.assertEqual(complaints, [])

    def test_a_new_build_is_taken_whole_at_the_next_reload(self):
        folder = self.copy_of_page(headers=False)
        aged(folder, 2 * DAY)
        server = self.served(folder)
        page = self.installed(server)
        old = marks_in_use(page)[0]
        self.assertEqual(set(marks_in_use(page)), {old})
        # A new build, its files a day old, as a host that sends only Last-Modified serves a
        # copy made yesterday: a browser left to itself takes its own copies for fresh.
        with open(os.path.join(folder, "kelvaro.js"), "a", encoding="utf-8") as script:
            script.write("\n// another build\n")
        subprocess.run(["cmake", "-DSOURCE_DIR=" + SOURCE_DIR, "-DPAGE_DIR=" + folder,
                        "-DCSP=" + policy_of(folder), "-P",
                        os.path.join(SOURCE_DIR, "..", "stamp_page.cmake")], check=True)
        os.remove(os.path.join(folder, "_headers"))
        aged(folder, DAY)
        # The player comes back to the page, then reloads it.
        for reload, visit in enumerate((lambda: page.driver.get(server.url), page.driver.refresh)):
            with self.subTest(reload=reload):
                visit()
                page.start_game(self, "Vis")
                marks = marks_in_use(page)
                self.assertEqual(set(marks), {marks[0]}, "files of two builds")
                self.assertNotEqual(marks[0], old)

    def test_a_server_that_hangs_is_given_up_on(self):
        server = self.served(PAGE_DIR)
        page = self.installed(server)
        port = server.httpd.server_address[1]
        server.stop()
        # A server that takes every connection and answers nothing.
        hung = socket.socket()
        self.addCleanup(hung.close)
        hung.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        hung.bind(("127.0.0.1", port))
        hung.listen(64)
        # Far longer than the page waits for it, far shorter than a browser waits on its own.
        page.driver.set_page_load_timeout(20)
        page.driver.refresh()
        page.start_game(self, "Vis")
        self.assertEqual(page.js("return document.getElementById('cannotStart').hidden"), True)


if __name__ == "__main__":
    page_test_main()
