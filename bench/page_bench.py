"""The page's figures: the size of its files, the time from the navigation to the first
greeting in headless Chromium, and the time of one day (Wait) in the page, boxes included.

Usage: page_bench.py PAGE_FOLDER [runs]   (run by scripts/bench)
"""

import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "web", "tests"))

from page_session import PageServer, PageSession  # noqa: E402

DAYS = 2000

# A game of its own with every dialog answered at once (OK, No, an empty name), then DAYS days;
# the boxes are filled as in play. Milliseconds per day.
DAY_LOOP = """
const done = arguments[arguments.length - 1];
kelvaroPage.dialog = async () => 0;
const game = _kelvaro_new_game();
ccall('kelvaro_begin', 'number', ['number'], [game], { async: true }).then(async () => {
  const start = performance.now();
  for (let day = 0; day < %d; day++)
    await ccall('kelvaro_act', 'number', ['number', 'number', 'number', 'number'],
                [game, 2, 0, 0], { async: true });
  done((performance.now() - start) / %d);
});
""" % (DAYS, DAYS)


def main():
    folder = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    size = sum(os.path.getsize(os.path.join(folder, name)) for name in os.listdir(folder))
    print("%-40s %10.1f KiB  (goal: at most 512 KiB)" % ("page, all files", size / 1024))

    server = PageServer(folder)
    greetings = []
    days = []
    try:
        for _ in range(runs):
            page = PageSession(stopped=False, server=server)
            try:
                page.dialog()
                greetings.append(page.js(
                    "return performance.getEntriesByName('kelvaro-first-dialog')[0].startTime"))
                if not days:
                    page.driver.set_script_timeout(120)
                    days.append(page.driver.execute_async_script(DAY_LOOP))
            finally:
                page.close()
    finally:
        server.stop()
    print("%-40s %10.0f ms   (goal: at most 300 ms; median of %d, fresh profiles)"
          % ("page, navigation to first greeting", statistics.median(greetings), runs))
    print("%-40s %10.1f us   (the native day is advanceDayWithNullPorts above)"
          % ("page, one day (Wait) with its boxes", days[0] * 1000))


if __name__ == "__main__":
    main()
