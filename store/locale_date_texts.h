#pragma once

#include "core/date_time_text.h"
#include "core/platform.h"

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

// The standard date-time text of a locale (by default the system's): its short date with a
// four-digit year, then, unless it is midnight, its time of day with seconds; or ISO 8601
// ("2026-01-09", "2026-01-09T15:04:05") where another language would read that text as another
// moment. Reading takes ISO 8601, then the locale's own form, then the one moment that every
// other language reading the text agrees on; a text that two languages read differently and
// the locale cannot read is refused.
class LocaleDateTimeText final : public DateTimeText {
  public:
    explicit LocaleDateTimeText(QLocale locale = QLocale::system());
    std::string toText(const CivilDateTime &moment) const override;
    std::optional<CivilDateTime> fromText(const std::string &text) const override;

  private:
    std::optional<CivilDateTime> readByOthers(const QString &text) const;
    QLocale locale_;
};

} // namespace kelvaro
