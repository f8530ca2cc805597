"""The page's figures: the size of its files, the time from the navigation to the first
greeting in headless Chromium, and the time of one day (Wait) in the page, boxes included.

The greeting is timed in a browser that is already running, as a player's is: Chromium is
started on a blank page and left to finish its own start-up before the navigation. On two
cores that start-up otherwise takes the CPU from the page; the time with a browser started
at that moment is printed as well.

Usage: page_bench.py PAGE_FOLDER [runs]   (run by scripts/bench)
"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "web", "tests"))

from page_session import BlankPage, PageServer, PageSession  # noqa: E402

DAYS = 2000

# Long enough for Chromium's own start-up work to be over on this machine.
SETTLE_SECONDS = 1.0


# A game of its own with every dialog answered at once (OK, No, an empty name); once it has
# begun, BODY runs with act(kind, command), the kind and command by their names in the module's
# vocabulary, and hands its figure to done().
OWN_GAME = """
const done = arguments[arguments.length - 1];
kelvaroPage.dialog = async () => 0;
const game = _kelvaro_new_game();
const words = kelvaroPage.vocabulary;
const act = (kind, command) => ccall('kelvaro_act', 'number',
  ['number', 'number', 'number', 'number'],
  [game, words.action[kind], 0, words.menuCommand[command]], { async: true });
ccall('kelvaro_begin', 'number', ['number'], [game], { async: true }).then(async () => { BODY });
"""

# DAYS days (Wait); the boxes are filled as in play. Milliseconds per day.
DAY_LOOP = OWN_GAME.replace("BODY", """
  const start = performance.now();
  for (let day = 0; day < %d; day++) await act('wait', 'none');
  done((performance.now() - start) / %d);
""" % (DAYS, DAYS))

# The first File > Save, a few seconds after the page has started, as a player's first Save
# comes: the save's date is written in the browser's language once every other language has
# been asked how it reads it. Milliseconds.
FIRST_SAVE = OWN_GAME.replace("BODY", """
  const start = performance.now();
  await act('menu', 'save');
  done(performance.now() - start);
""")


def main():
    folder = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    size = sum(os.path.getsize(os.path.join(folder, name)) for name in os.listdir(folder))
    print("%-40s %10.1f KiB  (goal: at most 512 KiB)" % ("page, all files", size / 1024))

    server = PageServer(folder)
    greetings = []
    cold_greetings = []
    days = []
    first_save = None
    first_greeting = "return performance.getEntriesByName('kelvaro-first-dialog')[0].startTime"
    try:
        for _ in range(runs):
            page = PageSession(stopped=False, server=BlankPage())
            try:
                time.sleep(SETTLE_SECONDS)
                page.driver.get(server.url)
                page.dialog()
                greetings.append(page.js(first_greeting))
                if not days:
                    page.driver.set_script_timeout(120)
                    time.sleep(3)
                    first_save = page.driver.execute_async_script(FIRST_SAVE)
                    days.append(page.driver.execute_async_script(DAY_LOOP))
            finally:
                page.close()
            page = PageSession(stopped=False, server=server)
            try:
                page.dialog()
                cold_greetings.append(page.js(first_greeting))
            finally:
                page.close()
    finally:
        server.stop()
    print("%-40s %10.0f ms   (goal: at most 300 ms; median of %d, fresh profiles, slowest %.0f)"
          % ("page, navigation to first greeting", statistics.median(greetings), runs,
             max(greetings)))
    print("%-40s %10.0f ms   (the same with the browser started at the navigation)"
          % ("page, first greeting, browser starting", statistics.median(cold_greetings)))
    print("%-40s %10.1f ms   (3 s after the start)" % ("page, first Save", first_save))
    print("%-40s %10.1f us   (the native day is advanceDayWithNullPorts above)"
          % ("page, one day (Wait) with its boxes", days[0] * 1000))


if __name__ == "__main__":
    main()
