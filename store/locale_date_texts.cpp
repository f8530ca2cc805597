// Month names and the saved game's date forms, from Qt's locale data.
#include "store/locale_date_texts.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTime>

namespace kelvaro {

namespace {

// The locale's short date with the year widened to four digits, so that it reads back
// to the right century.
QString dateFormatOf(const QLocale &locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

// The locale's time of day with seconds, without the time zone: the game's date has none. Qt
// writes the flexible day period "B" (Chinese in Taiwan) as a literal letter; the language's
// morning and afternoon stand in its place.
QString timeFormatOf(const QLocale &locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("[,\\s]*[\\(\\[]?t+[\\)\\]]?"));
    QString result;
    // Text between single quotes is literal and keeps any letter it holds.
    const QStringList pieces = format.split(QLatin1Char('\''));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            result += QLatin1Char('\'');
        result += i % 2 == 0 ? QString(pieces[i]).remove(zone).replace(QLatin1Char('B'),
                                                                       QLatin1String("AP"))
                             : pieces[i];
    }
    return result.trimmed();
}

// The form's description, as core reads it: patterns, digits, day halves and month names.
QString formTextOf(const QLocale &locale) {
    const QString time = timeFormatOf(locale);
    // "AP" writes the day's half in capitals, "ap" in small letters, as Qt does.
    const QString period =
        time.contains(QLatin1Char('A')) ? QStringLiteral("AP") : QStringLiteral("ap");
    const QString date = dateFormatOf(locale);
    const char32_t zero = locale.zeroDigit().toUcs4().value(0, U'0');
    QStringList lines{date, time, QString(), locale.toString(QTime(1, 0), period),
                      locale.toString(QTime(13, 0), period)};
    for (char32_t digit = zero; digit < zero + 10; ++digit)
        lines[2] += QString::fromUcs4(&digit, 1);
    const auto names =
        date.contains(QLatin1String("MMMM")) ? QLocale::LongFormat : QLocale::ShortFormat;
    for (int month = 1; month <= 12; ++month)
        lines << locale.monthName(month, names);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

LocaleDateTexts::LocaleDateTexts(QLocale locale) : locale_(std::move(locale)) {}

std::string LocaleDateTexts::monthName(int month) const {
    return locale_.monthName(month, QLocale::LongFormat).toStdString();
}

std::string LocaleDateTexts::monthAbbreviation(int month) const {
    return locale_.monthName(month, QLocale::ShortFormat).toStdString();
}

LocaleDateForms::LocaleDateForms(QLocale own) : own_(std::move(own)) {}

std::string LocaleDateForms::ownFormText() const { return formTextOf(own_).toStdString(); }

std::optional<std::string> LocaleDateForms::formText(std::string_view languageTag) const {
    const QLocale locale(QString::fromUtf8(languageTag.data(), qsizetype(languageTag.size())));
    if (locale.language() == QLocale::C)
        return std::nullopt;
    return formTextOf(locale).toStdString();
}

LocaleDateTimeText::LocaleDateTimeText(QLocale locale) : forms_(std::move(locale)), text_(forms_) {}

std::optional<std::string> LocaleDateTimeText::toText(const CivilDateTime &moment) const {
    return text_.toText(moment);
}

std::optional<CivilDateTime> LocaleDateTimeText::fromText(const std::string &text) const {
    return text_.fromText(text);
}

} // namespace kelvaro
