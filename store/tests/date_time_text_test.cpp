#include "store/locale_date_texts.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

const CivilDateTime afternoon{2025, 3, 7, 15, 4, 5};
const CivilDateTime midnight{2026, 12, 31, 0, 0, 0};

TEST(DateTimeTextTest, shortDateHasAFourDigitYearAndTheTimeUnlessMidnight) {
    const struct {
        const char *locale;
        CivilDateTime moment;
        const char *text;
    } cases[] = {
        {"en_US", afternoon, "3/7/2025 3:04:05 PM"},
        {"en_US", midnight, "12/31/2026"},
        {"de_DE", afternoon, "07.03.2025 15:04:05"},
        {"nl_NL", afternoon, "07-03-2025 15:04:05"},
        {"de_DE", CivilDateTime{2025, 3, 7, 0, 0, 1}, "07.03.2025 00:00:01"},
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
            EXPECT_EQ(text.fromText(text.toText(moment)), moment)
                << locale.name().toStdString() << ": " << text.toText(moment);
        }
    }
}

TEST(DateTimeTextTest, aSaveWrittenUnderAnotherLanguageStillReads) {
    const struct {
        const char *writer;
        const char *reader;
    } cases[] = {{"de_DE", "en_US"}, {"en_US", "de_DE"}, {"nl_NL", "en_GB"}, {"C", "ja_JP"}};
    for (const auto &c : cases) {
        const std::string written = LocaleDateTimeText(QLocale(c.writer)).toText(afternoon);
        EXPECT_EQ(LocaleDateTimeText(QLocale(c.reader)).fromText(written), afternoon)
            << c.writer << " -> " << c.reader << ": " << written;
    }
    EXPECT_EQ(LocaleDateTimeText(QLocale("en_US")).fromText("2025-03-07T15:04:05"), afternoon);
    EXPECT_EQ(LocaleDateTimeText(QLocale("en_US")).fromText("2026-12-31"), midnight);
}

TEST(DateTimeTextTest, textThatIsNoDateIsRefused) {
    const LocaleDateTimeText text(QLocale("en_US"));
    for (const char *garbled : {"", "   ", "yesterday", "13/45/2025", "2/30/2025 1:00:00 PM",
                                "3/7/2025 25:00:00", "3/7/2025 3:04:05 PM trailing", "3/7"})
        EXPECT_FALSE(text.fromText(garbled).has_value()) << garbled;
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
