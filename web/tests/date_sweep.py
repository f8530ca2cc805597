"""Saved dates moved between the desktop and the page in many languages.

The desktop's side is kelvaro_date_text_tool of the desktop build, one run per locale (LC_ALL),
writing and reading every moment's text as its Save and Load do; the page's side is the module's
kelvaro_probe_saved_dates in one headless Chromium per page language. Each desktop text is read
in every page language and each page text in every desktop locale. A reading is right, another
moment, or refused. For years 1000 to 9999 the goal is 0 read as another moment and 0 refused;
for years 1 to 999, 0 read as another moment (those refused are counted).

  date_sweep.py [--sample]   (--sample: a few locales and moments; fails unless both are 0)
"""

import collections
import concurrent.futures
import os
import re
import subprocess
import sys

from page_session import PageSession

DESKTOP_BUILD = os.environ.get("KELVARO_DESKTOP_BUILD", "")
TOOL = os.path.join(DESKTOP_BUILD, "tests", "exchange", "kelvaro_date_text_tool")

# The desktop's locales, as the C library names them.
LOCALES = """
bn_BD mn_MN zh_TW ta_IN si_LK es_ES ca_ES ja_JP ko_KR ar_EG fa_IR th_TH hi_IN de_DE en_US en_GB
fr_FR ru_RU he_IL hu_HU zh_CN nl_NL pl_PL tr_TR vi_VN el_GR uk_UA it_IT pt_PT pt_BR sv_SE da_DK
nb_NO fi_FI is_IS cs_CZ sk_SK sl_SI hr_HR sr_RS bg_BG ro_RO lt_LT lv_LV et_EE be_BY kk_KZ ka_GE
hy_AM az_AZ uz_UZ ur_PK mr_IN gu_IN pa_IN te_IN kn_IN ml_IN ne_NP lo_LA km_KH my_MM id_ID ms_MY
fil_PH af_ZA sw_KE zu_ZA am_ET eu_ES gl_ES sq_AL mk_MK ga_IE cy_GB en_CA en_AU en_IN fr_CA de_CH
es_MX zh_HK de_AT fr_BE nl_BE
""".split()
SAMPLE_LOCALES = ["bn_BD", "zh_TW", "es_ES", "en_US", "ar_EG", "si_LK"]

PAGE_LANGUAGES = ["en-US", "de-DE", "ja-JP", "ar-EG"]
SAMPLE_PAGE_LANGUAGES = ["en-US", "ar-EG"]

YEARS = [1000, 1582, 1999, 2000, 2026, 2100, 5555, 9999]
EARLY_YEARS = [1, 9, 10, 99, 100, 999]
DAYS = [(3, 5), (11, 12), (1, 1), (12, 31), (2, 28)]
TIMES = [(0, 0, 0), (0, 30, 0), (12, 0, 0), (23, 59, 59)]


def moments(years, days=DAYS, times=TIMES):
    return ["%04d-%02d-%02dT%02d:%02d:%02d" % (year, month, day, *time)
            for year in years for (month, day) in days for time in times]


def supported_locales(names):
    """Those of the names that the C library can make with UTF-8."""
    with open("/usr/share/i18n/SUPPORTED", encoding="utf-8") as listing:
        supported = {line.split()[0] for line in listing if line.strip()}
    return [name for name in names if name in supported or name + ".UTF-8" in supported]


def desktop(locale, requests):
    environment = dict(os.environ, LC_ALL=locale + ".UTF-8", LANG=locale + ".UTF-8")
    ran = subprocess.run([TOOL], input="\n".join(["language"] + requests) + "\n",
                         env=environment, capture_output=True, text=True, timeout=600,
                         check=True)
    lines = ran.stdout.split("\n")
    return lines[0], lines[1:1 + len(requests)]


PROBE = """
return kelvaroPage.withText(arguments[0], (pointer, size) =>
    _kelvaro_probe_saved_dates(pointer, size)).then(() => kelvaroPage.probeAnswer);
"""


def page(language, requests):
    session = PageSession(language=language)
    try:
        session.wait_for(lambda: session.js(
            "return typeof runtimeInitialized !== 'undefined' && runtimeInitialized"),
            "the module", timeout=60)
        session.driver.set_script_timeout(600)
        answers = []
        for start in range(0, len(requests), 2000):
            chunk = requests[start:start + 2000]
            answers += session.js(PROBE, "\n".join(chunk) + "\n").split("\n")[:len(chunk)]
        return answers
    finally:
        session.close()


class Tally:
    def __init__(self):
        self.tries = self.other = self.refused = 0
        self.examples = []
        self.by_writer = collections.Counter()

    def count(self, moment, text, read, where):
        self.tries += 1
        if read == moment:
            return
        if read == "-":
            self.refused += 1
        else:
            self.other += 1
        writer = where.split(" ")[0]
        self.by_writer[writer] += 1
        if self.by_writer[writer] <= 2 and len(self.examples) < 24:
            self.examples.append("%s: %s written %r, read %s" % (where, moment, text, read))


def main():
    sample = "--sample" in sys.argv[1:]
    if not os.access(TOOL, os.X_OK):
        sys.exit("the desktop build has no %s: build the dev preset first" % TOOL)
    locales = supported_locales(SAMPLE_LOCALES if sample else LOCALES)
    languages = SAMPLE_PAGE_LANGUAGES if sample else PAGE_LANGUAGES
    late = moments([2026, 9999], [(3, 5), (11, 12)]) if sample else moments(YEARS)
    early = moments([999], [(3, 5)]) if sample else moments(EARLY_YEARS)
    everything = late + early
    writes = ["write " + moment for moment in everything]

    # The pages' Saves first: the desktop reads them in the same run as it writes its own.
    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        page_texts = dict(zip(languages, pool.map(lambda l: page(l, writes), languages)))
    page_reads = ["read " + text for language in languages for text in page_texts[language]]

    def run(locale):
        return desktop(locale, writes + page_reads)

    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        runs = dict(zip(locales, pool.map(run, locales)))
    unknown = [locale for locale in locales if runs[locale][0] in ("C", "")]
    locales = [locale for locale in locales if locale not in unknown]

    desktop_texts = {locale: runs[locale][1][:len(writes)] for locale in locales}
    desktop_reads = []
    for locale in locales:
        for text in desktop_texts[locale]:
            desktop_reads.append("read " + text)

    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        page_answers = dict(zip(languages, pool.map(lambda l: page(l, desktop_reads), languages)))

    tallies = {(direction, span): Tally() for direction in ("desktop to page", "page to desktop")
               for span in ("1000-9999", "1-999")}
    span_of = {moment: ("1000-9999" if moment in late else "1-999") for moment in everything}
    for language in languages:
        answers = iter(page_answers[language])
        for locale in locales:
            for moment, text in zip(everything, desktop_texts[locale]):
                tallies["desktop to page", span_of[moment]].count(
                    moment, text, next(answers), locale + " -> " + language)
    for locale in locales:
        answers = iter(runs[locale][1][len(writes):])
        for language in languages:
            for moment, text in zip(everything, page_texts[language]):
                tallies["page to desktop", span_of[moment]].count(
                    moment, text, next(answers), language + " -> " + locale)

    print("desktop locales: %d (%s)" % (len(locales), " ".join(locales)))
    if unknown:
        print("left out, unknown to Qt: " + " ".join(unknown))
    print("page languages: " + " ".join(languages))
    print("moments: %d in years 1000-9999, %d in years 1-999" % (len(late), len(early)))
    iso = re.compile(r"^[0-9]{4}-[0-9]{2}-[0-9]{2}(T[0-9:]{8})?$")
    for side, texts in (("desktop", [t for l in locales for t in desktop_texts[l]]),
                        ("page", [t for l in languages for t in page_texts[l]])):
        own = sum(1 for text in texts if not iso.match(text))
        print("%s texts in the language's own form: %d of %d (the others ISO 8601)"
              % (side, own, len(texts)))
    failed = False
    for (direction, span), tally in tallies.items():
        print("%-16s years %-9s %6d tries, %4d read as another moment, %4d refused"
              % (direction, span, tally.tries, tally.other, tally.refused))
        if tally.by_writer:
            print("    by the writer's language: " + ", ".join(
                "%s %d" % pair for pair in tally.by_writer.most_common()))
        for example in tally.examples:
            print("    " + example)
        failed |= tally.other > 0 or (span == "1000-9999" and tally.refused > 0)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
