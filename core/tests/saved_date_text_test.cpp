#include "core/saved_date_text.h"

#include <gtest/gtest.h>

#include <map>

namespace kelvaro {
namespace {

// Forms as a platform describes them: date pattern, time pattern, digits, AM, PM.
const std::string american = "M/d/yyyy\nh:mm:ss AP\n0123456789\nAM\nPM";
const std::string british = "dd/MM/yyyy\nHH:mm:ss\n0123456789\nam\npm";
const std::string german = "dd.MM.yyyy\nHH:mm:ss\n0123456789\nAM\nPM";
const std::string arabic = "d\u200f/M\u200f/yyyy\nh:mm:ss AP\n\u0660\u0661\u0662\u0663\u0664"
                           "\u0665\u0666\u0667\u0668\u0669\n\u0635\n\u0645";
const std::string chinese = "yyyy/M/d\nAPh:mm:ss\n0123456789\n\u4e0a\u5348\n\u4e0b\u5348";
const std::string korean = "yyyy. M. d.\nAP h'\uc2dc' m'\ubd84' s'\ucd08'\n0123456789\n"
                           "\uc624\uc804\n\uc624\ud6c4";
const std::string named = "d MMM yyyy\nHH:mm:ss\n0123456789\nAM\nPM\nJan\nFeb\nMar\nApr\nMay\n"
                          "Jun\nJul\nAug\nSep\nOct\nNov\nDec";

DateForm form(const std::string &text) {
    const std::optional<DateForm> made = dateFormOf(text);
    EXPECT_TRUE(made.has_value()) << text;
    return made.value_or(DateForm{});
}

TEST(DateFormTest, writesTheLanguagesDateThenItsTimeUnlessMidnight) {
    const CivilDateTime evening{2026, 3, 5, 21, 4, 5};
    const struct {
        std::string form;
        CivilDateTime moment;
        const char *text;
    } cases[] = {
        {american, evening, "3/5/2026 9:04:05 PM"},
        {american, CivilDateTime{2026, 3, 5, 0, 30, 0}, "3/5/2026 12:30:00 AM"},
        {american, CivilDateTime{999, 3, 5, 12, 0, 0}, "3/5/0999 12:00:00 PM"},
        {british, CivilDateTime{2026, 3, 5, 0, 0, 0}, "05/03/2026"},
        {german, evening, "05.03.2026 21:04:05"},
        {arabic, evening,
         "\u0665\u200f/\u0663\u200f/\u0662\u0660\u0662\u0666 "
         "\u0669:\u0660\u0664:\u0660\u0665 \u0645"},
        {chinese, evening, "2026/3/5 \u4e0b\u53489:04:05"},
        {korean, evening, "2026. 3. 5. \uc624\ud6c4 9\uc2dc 4\ubd84 5\ucd08"},
        {named, CivilDateTime{2026, 11, 12, 0, 0, 0}, "12 Nov 2026"},
        // Every blank a platform writes in a pattern is written as a space.
        {"d.M.yyyy\nH:mm:ss\u202f'h'\n0123456789\n\n", evening, "5.3.2026 21:04:05 h"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(writeInForm(form(c.form), c.moment), c.text) << c.form;
    for (const CivilDateTime &outside :
         {CivilDateTime{10000, 1, 1, 0, 0, 0}, CivilDateTime{0, 1, 1, 0, 0, 0},
          CivilDateTime{2026, 2, 30, 0, 0, 0}})
        EXPECT_FALSE(writeInForm(form(german), outside).has_value()) << outside.year;
    // A form with a weekday, or without a year, is none the saved date can use.
    for (const char *unusable :
         {"dddd d/M/yyyy\nHH:mm\n0123456789\nAM\nPM", "d/M\nHH:mm\n0123456789\nAM\nPM",
          "d/M/yyyy\nHH:mm", "", "d/M/yyyy\nHH:mm\n012345678\nAM\nPM",
          "d MMM yyyy\nHH:mm\n0123456789\nAM\nPM\nJan"})
        EXPECT_FALSE(dateFormOf(unusable).has_value()) << unusable;
}

TEST(DateFormTest, readsWhatPlatformsWriteDifferentlyAndNothingElse) {
    const CivilDateTime evening{2026, 3, 5, 21, 4, 5};
    const CivilDateTime fifthOfMarch{2026, 3, 5, 0, 0, 0};
    const struct {
        std::string form;
        const char *text;
        std::optional<CivilDateTime> moment;
    } cases[] = {
        {american, "3/5/2026 9:04:05 PM", evening},
        {american, "03/05/2026 09:04:05 pm", evening},
        {american, "3/5/2026\u00a09:04:05\u202fPM", evening},
        {american, "  3/5/2026 9:04:05PM ", evening},
        {american, "3/5/2026 12:00:00 AM", fifthOfMarch},
        {american, "3/5/2026", fifthOfMarch},
        {american, "3/5/2026 13:04:05 PM", std::nullopt},
        {american, "3/5/2026 21:04:05", std::nullopt},
        {american, "3/5/26", std::nullopt},
        {american, "3/5/02026", std::nullopt},
        {american, "003/5/2026", std::nullopt},
        {american, "2/30/2026", std::nullopt},
        {american, "3/5/2026 9:04:05 PM later", std::nullopt},
        {american, "\u0663/\u0665/\u0662\u0660\u0662\u0666", std::nullopt},
        {german, "05.03.2026 21:04:05", evening},
        {german, "5.3.2026 21.04.05", evening},
        {german, "05.03.2026 24:00:00", std::nullopt},
        // Arabic digits or ASCII ones, with or without the right-to-left marks.
        {arabic, "\u0665\u200f/\u0663\u200f/\u0662\u0660\u0662\u0666", fifthOfMarch},
        {arabic, "\u0665/\u0663/\u0662\u0660\u0662\u0666 \u0669:\u0660\u0664:\u0660\u0665 \u0645",
         evening},
        {arabic, "5/3/2026 9:04:05 \u0645", evening},
        {chinese, "2026/3/5 \u4e0b\u5348 9:04:05", evening},
        {chinese, "2026/3/5 B9:04:05", std::nullopt},
        {korean, "2026. 3. 5. \uc624\ud6c4 9\uc2dc 4\ubd84 5\ucd08", evening},
        {named, "5 mar 2026", fifthOfMarch},
        {named, "5 Mars 2026", std::nullopt},
        {"yyyyMMdd\nHHmmss\n0123456789\n\n", "20260305 210405", evening},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readInForm(form(c.form), c.text), c.moment) << c.form << ": " << c.text;
}

// A platform that knows the languages it is given, and whose player speaks `own`.
class FakeForms final : public DateForms {
  public:
    FakeForms(std::string own, std::map<std::string, std::string, std::less<>> known)
        : own_(std::move(own)), known_(std::move(known)) {}
    std::string ownFormText() const override { return own_; }
    std::optional<std::string> formText(std::string_view tag) const override {
        ++asked;
        const auto found = known_.find(tag);
        return found == known_.end() ? std::nullopt : std::optional(found->second);
    }
    mutable int asked = 0;

  private:
    std::string own_;
    std::map<std::string, std::string, std::less<>> known_;
};

const std::map<std::string, std::string, std::less<>> world{{"en-US", american}, {"en-GB", british},
                                                            {"de-DE", german},   {"ar-EG", arabic},
                                                            {"zh-TW", chinese},  {"ko-KR", korean}};

TEST(SavedDateTextTest, writesTheOwnFormOnlyWhereEveryOtherLanguageReadsTheSameMoment) {
    const struct {
        std::string own;
        CivilDateTime moment;
        std::optional<std::string> text;
    } cases[] = {
        // 5 March to the British is 3 May to Americans.
        {british, CivilDateTime{2026, 3, 5, 0, 0, 0}, "2026-03-05"},
        {british, CivilDateTime{2026, 3, 13, 0, 0, 0}, "13/03/2026"},
        {british, CivilDateTime{2026, 3, 5, 0, 30, 0}, "05/03/2026 00:30:00"},
        {american, CivilDateTime{2026, 3, 5, 0, 0, 0}, "2026-03-05"},
        {american, CivilDateTime{2026, 3, 5, 15, 4, 5}, "3/5/2026 3:04:05 PM"},
        {german, CivilDateTime{2026, 3, 5, 15, 4, 5}, "05.03.2026 15:04:05"},
        {arabic, CivilDateTime{2026, 3, 5, 0, 0, 0},
         "\u0665\u200f/\u0663\u200f/\u0662\u0660\u0662\u0666"},
        {chinese, CivilDateTime{2026, 3, 5, 0, 30, 0}, "2026/3/5 \u4e0a\u534812:30:00"},
        // A form that cannot carry the time of day gives way to ISO 8601.
        {"dd.MM.yyyy\nHH:mm\n0123456789\n\n", CivilDateTime{2026, 3, 5, 15, 4, 5},
         "2026-03-05T15:04:05"},
        {"", CivilDateTime{2026, 3, 5, 15, 4, 5}, "2026-03-05T15:04:05"},
        {german, CivilDateTime{999, 3, 5, 0, 0, 0}, "05.03.0999"},
        {german, CivilDateTime{10000, 1, 1, 0, 0, 0}, std::nullopt},
        {german, CivilDateTime{32767, 12, 31, 23, 59, 59}, std::nullopt},
    };
    for (const auto &c : cases) {
        const FakeForms forms(c.own, world);
        EXPECT_EQ(SavedDateText(forms).toText(c.moment), c.text) << c.own;
    }
}

TEST(SavedDateTextTest, readsIsoThenTheOwnFormThenWhatEveryLanguageAgreesOn) {
    const CivilDateTime afternoon{2026, 3, 5, 15, 4, 5};
    const CivilDateTime fifthOfMarch{2026, 3, 5, 0, 0, 0};
    const struct {
        std::string own;
        std::string text;
        std::optional<CivilDateTime> moment;
    } cases[] = {
        {german, "2026-03-05", fifthOfMarch},
        {german, "2026-03-05T15:04", CivilDateTime{2026, 3, 5, 15, 4, 0}},
        {german, "2026-03-05T15:04:05", afternoon},
        {german, "2026-03-05T15:04:05.250", afternoon},
        {german, "2026-3-05", std::nullopt},
        {german, "2026-03-05 15:04:05", std::nullopt},
        {german, "2026-03-05T15", std::nullopt},
        {german, "2026-03-05T15:04:05.", std::nullopt},
        {german, "2026-03-05T15:04:05Z", std::nullopt},
        {german, "+2026-03-05", std::nullopt},
        {german, "2026-02-29", std::nullopt},
        {german, "0000-01-01", std::nullopt},
        // Read in the own form first: a save from before saves were kept unambiguous.
        {british, "05/03/2026", fifthOfMarch},
        {american, "05/03/2026", CivilDateTime{2026, 5, 3, 0, 0, 0}},
        // Not the own form: the one moment the languages that read it agree on, if any.
        {german, "3/13/2026 3:04:05 PM", CivilDateTime{2026, 3, 13, 15, 4, 5}},
        {german, "2026/3/5 \u4e0b\u53483:04:05", afternoon},
        {german, "\u0665/\u0663/\u0662\u0660\u0662\u0666", fifthOfMarch},
        {german, "05/03/2026", std::nullopt},
        {german, "yesterday", std::nullopt},
        {german, "", std::nullopt},
        {german, std::string(92, ' ') + "5.3.2026", fifthOfMarch},
        {german, std::string(93, ' ') + "5.3.2026", std::nullopt},
    };
    for (const auto &c : cases) {
        const FakeForms forms(c.own, world);
        EXPECT_EQ(SavedDateText(forms).fromText(c.text), c.moment) << c.text;
    }
}

TEST(SavedDateTextTest, asksNoLanguageForIsoAndEachOnceOtherwise) {
    const FakeForms forms(german, world);
    const SavedDateText text(forms);
    EXPECT_TRUE(text.fromText("2026-03-05").has_value());
    EXPECT_FALSE(text.fromText(std::string(200, '5')).has_value());
    EXPECT_EQ(forms.asked, 0);
    EXPECT_FALSE(text.fromText("no date at all").has_value());
    EXPECT_FALSE(text.fromText("05/03/2026").has_value());
    EXPECT_FALSE(text.fromText("06/03/2026").has_value());
    EXPECT_EQ(forms.asked, static_cast<int>(savedDateLanguages().size()));
}

TEST(SavedDateTextTest, everyPlatformAsksTheseLanguages) {
    std::string joined;
    for (const std::string_view tag : savedDateLanguages())
        joined += std::string(tag) + ' ';
    EXPECT_EQ(joined,
              "en-US en-GB en-CA en-AU en-IN de-DE de-AT de-CH fr-FR fr-BE fr-CA es-ES ca-ES it-IT "
              "pt-PT pt-BR nl-NL nl-BE sv-SE da-DK nb-NO fi-FI pl-PL cs-CZ sk-SK sl-SI hr-HR sr-RS "
              "hu-HU ro-RO bg-BG el-GR ru-RU uk-UA lt-LT lv-LV et-EE tr-TR he-IL ar-EG fa-IR ur-PK "
              "am-ET sw-KE af-ZA hi-IN bn-BD mr-IN gu-IN te-IN ml-IN th-TH vi-VN id-ID ms-MY "
              "fil-PH ja-JP ko-KR zh-CN zh-TW zh-HK ar-SA bn-IN es-US ");
}

} // namespace
} // namespace kelvaro
