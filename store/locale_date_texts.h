#pragma once

#include "core/date_time_text.h"
#include "core/platform.h"
#include "core/saved_date_text.h"

#include <QLocale>

namespace kelvaro {

// Month names of a locale (by default the system's), for the date box.
class LocaleDateTexts final : public DateTexts {
  public:
    explicit LocaleDateTexts(QLocale locale = QLocale::system());
    std::string monthName(int month) const override;
    std::string monthAbbreviation(int month) const override;

  private:
    QLocale locale_;
};

// Languages' date forms as Qt knows them: the short date with its year widened to four digits,
// and the long time of day without its time zone; the player's language is the given locale.
class LocaleDateForms final : public DateForms {
  public:
    explicit LocaleDateForms(QLocale own);
    std::string ownFormText() const override;
    std::optional<std::string> formText(std::string_view languageTag) const override;

  private:
    QLocale own_;
};

// The saved game's date text in a locale (by default the system's); see SavedDateText.
class LocaleDateTimeText final : public DateTimeText {
  public:
    explicit LocaleDateTimeText(QLocale locale = QLocale::system());
    std::optional<std::string> toText(const CivilDateTime &moment) const override;
    std::optional<CivilDateTime> fromText(const std::string &text) const override;

  private:
    LocaleDateForms forms_;
    SavedDateText text_;
};

} // namespace kelvaro
