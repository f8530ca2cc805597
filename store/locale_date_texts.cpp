#include "store/locale_date_texts.h"

#include <algorithm>

#include <QDate>
#include <QRegularExpression>
#include <QSet>
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

// The locale's time of day with seconds, without the time zone: the game's date has none.
QString timeFormatOf(const QLocale &locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("[,\\s]*[\\(\\[]?t+[\\)\\]]?"));
    QString result;
    // Text between single quotes is literal and keeps any 't' it holds.
    const QStringList pieces = format.split(QLatin1Char('\''));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            result += QLatin1Char('\'');
        result += i % 2 == 0 ? QString(pieces[i]).remove(zone) : pieces[i];
    }
    return result.trimmed();
}

std::string std8(const QString &text) { return text.toStdString(); }

CivilDateTime civil(const QDate &date, const QTime &time) {
    return CivilDateTime{date.year(), date.month(),  date.day(),
                         time.hour(), time.minute(), time.second()};
}

std::optional<CivilDateTime> readInLocale(const QString &text, const QLocale &locale) {
    const QString dateFormat = dateFormatOf(locale);
    const QDate dateOnly = locale.toDate(text, dateFormat);
    if (dateOnly.isValid())
        return civil(dateOnly, QTime(0, 0));
    // Date and time are read apart, so that no time zone can shift or refuse the moment.
    const QString timeFormat = timeFormatOf(locale);
    for (qsizetype split = text.indexOf(QLatin1Char(' ')); split > 0;
         split = text.indexOf(QLatin1Char(' '), split + 1)) {
        const QDate date = locale.toDate(text.left(split), dateFormat);
        if (!date.isValid())
            continue;
        const QTime time = locale.toTime(text.mid(split + 1), timeFormat);
        if (time.isValid())
            return civil(date, time);
    }
    return std::nullopt;
}

// ISO 8601 as the game writes it, local time with no zone: "2026-01-09" or
// "2026-01-09T15:04:05" (seconds and a fraction of them may be left out or added). Nothing
// else: Qt's own ISO reading would also take "2026/01/09" or a date with anything after it.
std::optional<CivilDateTime> readIso(const QString &text) {
    static const QRegularExpression iso(QStringLiteral(
        "\\A[0-9]{4}-[0-9]{2}-[0-9]{2}(T[0-9]{2}:[0-9]{2}(:[0-9]{2}(\\.[0-9]+)?)?)?\\z"));
    if (!iso.match(text).hasMatch())
        return std::nullopt;
    const qsizetype split = text.indexOf(QLatin1Char('T'));
    if (split < 0) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? std::optional(civil(date, QTime(0, 0))) : std::nullopt;
    }
    const QDate day = QDate::fromString(text.left(split), Qt::ISODate);
    const QTime time = QTime::fromString(text.mid(split + 1), Qt::ISODate);
    if (!day.isValid() || !time.isValid())
        return std::nullopt;
    return civil(day, time);
}

// Far longer than any language's date and time with seconds.
constexpr qsizetype longestDateText = 100;

// Every locale we know, less those that would read a text exactly as an earlier one does.
const QList<QLocale> &distinctLocales() {
    static const QList<QLocale> distinct = [] {
        QList<QLocale> kept;
        QSet<QString> forms;
        for (const QLocale &locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            QStringList form{dateFormatOf(locale), timeFormatOf(locale), locale.zeroDigit(),
                             locale.amText(), locale.pmText()};
            for (int month = 1; month <= 12; ++month)
                form << locale.monthName(month, QLocale::LongFormat)
                     << locale.monthName(month, QLocale::ShortFormat);
            const QString key = form.join(QChar(0x1f));
            if (!forms.contains(key)) {
                forms.insert(key);
                kept.append(locale);
            }
        }
        return kept;
    }();
    return distinct;
}

// The C locale's form, then every language's, each once.
const QList<QLocale> &otherLocales() {
    static const QList<QLocale> others = [] {
        QList<QLocale> all{QLocale::c()};
        all += distinctLocales();
        return all;
    }();
    return others;
}

bool hasDigit(const QString &text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

} // namespace

LocaleDateTexts::LocaleDateTexts(QLocale locale) : locale_(std::move(locale)) {}

std::string LocaleDateTexts::monthName(int month) const {
    return std8(locale_.monthName(month, QLocale::LongFormat));
}

std::string LocaleDateTexts::monthAbbreviation(int month) const {
    return std8(locale_.monthName(month, QLocale::ShortFormat));
}

LocaleDateTimeText::LocaleDateTimeText(QLocale locale) : locale_(std::move(locale)) {}

std::string LocaleDateTimeText::toText(const CivilDateTime &moment) const {
    const QDate date(moment.year, moment.month, moment.day);
    const QTime time(moment.hour, moment.minute, moment.second);
    QString text = locale_.toString(date, dateFormatOf(locale_));
    if (!moment.isMidnight())
        text += QLatin1Char(' ') + locale_.toString(time, timeFormatOf(locale_));
    // A save must load again as the same moment, also under any other language: "09/01/2026"
    // is 9 January in Britain but 1 September in America. A text that this language cannot
    // read back, or that another reads as another moment, is written in ISO 8601 instead,
    // which every language reads alike.
    if (readInLocale(text, locale_) != moment || readByOthers(text) != moment) {
        text = date.toString(Qt::ISODate);
        if (!moment.isMidnight())
            text += QLatin1Char('T') + time.toString(Qt::ISODate);
    }
    return std8(text);
}

std::optional<CivilDateTime> LocaleDateTimeText::fromText(const std::string &saved) const {
    const QString text = QString::fromStdString(saved).trimmed();
    // Every form of a date has the day in digits, in one script or another, and none is long:
    // a long text tried at each of its blanks in every language would freeze the window.
    if (!hasDigit(text) || text.size() > longestDateText)
        return std::nullopt;
    if (auto moment = readIso(text))
        return moment;
    // As this language reads it: a save it wrote, even one from before saves were kept
    // unambiguous, loads as it always did.
    if (auto moment = readInLocale(text, locale_))
        return moment;
    return readByOthers(text);
}

// The one moment that every other language that reads the text reads; nothing when none does,
// or when two read two different moments.
std::optional<CivilDateTime> LocaleDateTimeText::readByOthers(const QString &text) const {
    std::optional<CivilDateTime> found;
    for (const QLocale &other : otherLocales()) {
        const std::optional<CivilDateTime> moment = readInLocale(text, other);
        if (moment && found && moment != found)
            return std::nullopt;
        if (moment)
            found = moment;
    }
    return found;
}

} // namespace kelvaro
