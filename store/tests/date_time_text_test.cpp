#include "store/locale_date_texts.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

const CivilDateTime afternoon{2025, 3, 7, 15, 4, 5};
const CivilDateTime midnight{2026, 12, 31, 0, 0, 0};

// The system's form where every language reads it as the one moment it is; ISO 8601 where
// another would read it as another ("3/7/2025" is 3 July in Australia).
TEST(DateTimeTextTest, shortDateHasAFourDigitYearAndTheTimeUnlessMidnightOrElseIso) {
    const struct {
        const char *locale;
        CivilDateTime moment;
        const char *text;
    } cases[] = {
        {"en_US", afternoon, "2025-03-07T15:04:05"},
        {"en_US", CivilDateTime{2025, 3, 13, 15, 4, 5}, "3/13/2025 3:04:05 PM"},
        {"en_US", midnight, "12/31/2026"},
        {"en_GB", CivilDateTime{2026, 1, 9, 0, 0, 0}, "2026-01-09"},
        {"en_GB", CivilDateTime{2026, 1, 13, 0, 0, 0}, "13/01/2026"},
        {"fr_FR", CivilDateTime{2026, 1, 13, 9, 8, 7}, "13/01/2026 09:08:07"},
        {"de_DE", afternoon, "07.03.2025 15:04:05"},
        {"nl_NL", afternoon, "07-03-2025 15:04:05"},
        {"de_DE", CivilDateTime{2025, 3, 7, 0, 0, 1}, "07.03.2025 00:00:01"},
        // The day's half in the language's own words, not Qt's stand-in letter "B".
        {"zh_TW", CivilDateTime{2026, 12, 10, 10, 52, 55}, "2026/12/10 \u4e0a\u534810:52:55"},
        // Bengali digits: no language that reads ASCII digits reads them as another day.
        {"bn_BD", CivilDateTime{2026, 3, 5, 0, 0, 0}, "\u09eb/\u09e9/\u09e8\u09e6\u09e8\u09ec"},
        {"es_ES", CivilDateTime{2026, 3, 5, 0, 30, 0}, "5/3/2026 0:30:00"},
        {"es_ES", CivilDateTime{2026, 3, 5, 0, 0, 0}, "2026-03-05"},
        // A language the browser does not describe alike is written in ISO 8601.
        {"mn_MN", CivilDateTime{2026, 12, 10, 10, 52, 55}, "2026-12-10T10:52:55"},
        {"ta_IN", CivilDateTime{2026, 3, 5, 0, 30, 0}, "2026-03-05T00:30:00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LocaleDateTimeText(QLocale(c.locale)).toText(c.moment), c.text) << c.locale;
}

TEST(DateTimeTextTest, everyLocaleReadsBackWhatItWroteToTheSecond) {
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale &locale : locales) {
        const LocaleDateTimeText text(locale);
        for (const CivilDateTime &moment :
             {afternoon, midnight, CivilDateTime{1999, 11, 28, 23, 59, 59}}) {
            EXPECT_EQ(text.fromText(text.toText(moment).value_or("")), moment)
                << locale.name().toStdString() << ": " << text.toText(moment).value_or("");
        }
    }
}

TEST(DateTimeTextTest, aSaveWrittenUnderAnotherLanguageStillReads) {
    const CivilDateTime ninthOfJanuary{2026, 1, 9, 0, 0, 0};
    const struct {
        const char *writer;
        const char *reader;
        CivilDateTime moment;
    } cases[] = {
        {"de_DE", "en_US", afternoon},
        {"en_US", "de_DE", afternoon},
        {"nl_NL", "en_GB", afternoon},
        {"C", "ja_JP", afternoon},
        {"en_GB", "en_US", ninthOfJanuary},
        {"en_US", "en_GB", ninthOfJanuary},
        {"en_AU", "en_US", afternoon},
        {"fr_FR", "en_US", CivilDateTime{2026, 1, 13, 0, 0, 0}},
        {"bn_BD", "en_US", CivilDateTime{2026, 3, 5, 0, 0, 0}},
        {"zh_TW", "ja_JP", CivilDateTime{2026, 3, 5, 0, 30, 0}},
        {"si_LK", "en_US", CivilDateTime{2026, 3, 5, 0, 30, 0}},
    };
    for (const auto &c : cases) {
        const std::string written =
            LocaleDateTimeText(QLocale(c.writer)).toText(c.moment).value_or("");
        EXPECT_EQ(LocaleDateTimeText(QLocale(c.reader)).fromText(written), c.moment)
            << c.writer << " -> " << c.reader << ": " << written;
    }
    // Saved before saves were kept unambiguous: read as this language reads it, as ever.
    EXPECT_EQ(LocaleDateTimeText(QLocale("en_GB")).fromText("09/01/2026"), ninthOfJanuary);
    EXPECT_EQ(LocaleDateTimeText(QLocale("en_US")).fromText("2025-03-07T15:04:05"), afternoon);
    EXPECT_EQ(LocaleDateTimeText(QLocale("en_US")).fromText("2026-12-31"), midnight);
}

TEST(DateTimeTextTest, textThatIsNoDateIsRefused) {
    const LocaleDateTimeText text(QLocale("en_US"));
    for (const char *garbled : {"", "   ", "yesterday", "13/45/2025", "2/30/2025 1:00:00 PM",
                                "3/7/2025 25:00:00", "3/7/2025 3:04:05 PM trailing", "3/7"})
        EXPECT_FALSE(text.fromText(garbled).has_value()) << garbled;
    // Neither this language's form nor ISO 8601, and 9 January to some, 1 September to others.
    EXPECT_FALSE(LocaleDateTimeText(QLocale("de_DE")).fromText("09/01/2026").has_value());
    EXPECT_FALSE(text.fromText("2026/01/09 trailing").has_value());
}

TEST(DateTimeTextTest, monthNamesComeFromTheLocale) {
    EXPECT_EQ(LocaleDateTexts(QLocale("en_US")).monthName(12), "December");
    EXPECT_EQ(LocaleDateTexts(QLocale("en_US")).monthAbbreviation(12), "Dec");
    EXPECT_EQ(LocaleDateTexts(QLocale("nl_NL")).monthName(3), "maart");
    EXPECT_EQ(LocaleDateTexts(QLocale("de_DE")).monthName(3), "März");
    // The form a month takes inside a date, not the one it takes on its own ("декабрь").
    EXPECT_EQ(LocaleDateTexts(QLocale("ru_RU")).monthName(12), "декабря");
}

} // namespace
} // namespace kelvaro
