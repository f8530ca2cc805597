#pragma once

#include "core/date_form.h"
#include "core/date_time_text.h"

#include <set>
#include <span>
#include <string_view>
#include <vector>

namespace kelvaro {

// The languages whose reading of a saved date is asked before a language's own form is
// written, and which are asked to read a text that is neither ISO 8601 nor in the player's
// own form: the same list on every platform, as language tags that Qt and Intl both know.
std::span<const std::string_view> savedDateLanguages();

// What the platform knows of languages' date forms.
class DateForms {
  public:
    virtual ~DateForms() = default;
    // The description of the player's own language's form (see dateFormOf).
    virtual std::string ownFormText() const = 0;
    // The description of a language's form, or nothing when the platform does not know it.
    virtual std::optional<std::string> formText(std::string_view languageTag) const = 0;
};

// ISO 8601 as the game writes it, local time with no zone: "2026-01-09" at midnight, else
// "2026-01-09T15:04:05"; nothing for a year outside 1 to 9999.
std::optional<std::string> isoText(const CivilDateTime &moment);
// Only "YYYY-MM-DD" or "YYYY-MM-DDThh:mm", with ":ss" and then ".fff" (any number of digits)
// allowed after it.
std::optional<CivilDateTime> readIso(std::string_view text);

// The saved game's date text. Written in the player's own form when that form reads it back and
// every other listed language that reads it reads the same moment (and at least one does);
// else in ISO 8601, which every language reads alike. Read as ISO 8601, then in the own form,
// then as the one moment that every listed language that reads it agrees on. A text with no
// digit or longer than 100 characters is refused at once; a year outside 1 to 9999 is not
// written at all.
class SavedDateText final : public DateTimeText {
  public:
    explicit SavedDateText(const DateForms &forms);
    std::optional<std::string> toText(const CivilDateTime &moment) const override;
    std::optional<CivilDateTime> fromText(const std::string &text) const override;

  private:
    const std::optional<DateForm> &ownForm() const;
    const std::vector<DateForm> &otherForms() const;
    std::optional<CivilDateTime> readByOthers(std::string_view text) const;
    bool hasDigit(std::string_view text) const;

    const DateForms &forms_;
    mutable bool ownMade_ = false;
    mutable std::optional<DateForm> own_;
    mutable std::optional<std::vector<DateForm>> others_;
    mutable std::optional<std::set<char32_t>> digits_;
};

} // namespace kelvaro
