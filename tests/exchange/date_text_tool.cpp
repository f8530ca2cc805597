// The desktop's saved-date texts in the system's language (LC_ALL, LANG), many at a time, for
// the date sweep: reads lines "write YYYY-MM-DDThh:mm:ss" and "read TEXT" on its input and
// answers each on a line of its own: the text a Save writes, or the moment a Load reads as
// YYYY-MM-DDThh:mm:ss; "-" when refused. "language" answers the locale Qt took, "form TAG" the
// description of a language's form.

#include "store/locale_date_texts.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char *argv[]) {
    const QCoreApplication application(argc, argv);
    const kelvaro::LocaleDateTimeText dates;
    for (std::string line; std::getline(std::cin, line);) {
        if (line.rfind("write ", 0) == 0) {
            kelvaro::CivilDateTime m;
            char end = 0;
            const bool parsed =
                std::sscanf(line.c_str() + 6, "%d-%d-%dT%d:%d:%d%c", &m.year, &m.month, &m.day,
                            &m.hour, &m.minute, &m.second, &end) == 6;
            std::cout << (parsed ? dates.toText(m).value_or("-") : "-") << '\n';
        } else if (line.rfind("read ", 0) == 0) {
            const std::optional<kelvaro::CivilDateTime> m = dates.fromText(line.substr(5));
            char text[64] = "-";
            if (m)
                std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", m->year, m->month,
                              m->day, m->hour, m->minute, m->second);
            std::cout << text << '\n';
        } else if (line == "language") {
            std::cout << QLocale::system().name().toStdString() << '\n';
        } else if (line.rfind("form ", 0) == 0) {
            // A language's form as Qt describes it, its lines joined by " | ".
            const auto form = kelvaro::LocaleDateForms(QLocale::system()).formText(line.substr(5));
            std::cout << QString::fromStdString(form.value_or("-"))
                             .replace(QLatin1Char('\n'), QLatin1String(" | "))
                             .toStdString()
                      << '\n';
        } else {
            std::cout << "-\n";
        }
    }
    return 0;
}
