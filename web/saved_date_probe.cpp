// For the date sweep (scripts/date-sweep): the module's saved-date texts, written and read in
// the browser's language many at a time, as a Save and a Load would.
#include "web/page_ports.h"

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

// Takes lines "write YYYY-MM-DDThh:mm:ss" or "read TEXT" and answers each with a line: the text
// written, or the moment read as YYYY-MM-DDThh:mm:ss; "-" when refused. The answer is in memory
// the caller frees.
extern "C" EMSCRIPTEN_KEEPALIVE char *kelvaro_probe_saved_dates(const char *requests) {
    const kelvaro::BrowserDateTimeText dates;
    std::istringstream lines(requests);
    std::string answer;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("write ", 0) == 0) {
            kelvaro::CivilDateTime m;
            char end = 0;
            const bool parsed =
                std::sscanf(line.c_str() + 6, "%d-%d-%dT%d:%d:%d%c", &m.year, &m.month, &m.day,
                            &m.hour, &m.minute, &m.second, &end) == 6;
            answer += parsed ? dates.toText(m).value_or("-") : "-";
        } else if (line.rfind("read ", 0) == 0) {
            const std::optional<kelvaro::CivilDateTime> m = dates.fromText(line.substr(5));
            char text[64] = "-";
            if (m)
                std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", m->year, m->month,
                              m->day, m->hour, m->minute, m->second);
            answer += text;
        } else {
            answer += "-";
        }
        answer += '\n';
    }
    char *copy = static_cast<char *>(std::malloc(answer.size() + 1));
    std::memcpy(copy, answer.c_str(), answer.size() + 1);
    return copy;
}
