// For the date sweep (scripts/date-sweep): the module's saved-date texts, written and read in
// the browser's language many at a time, as a Save and a Load would.
#include "web/boundary_text.h"
#include "web/page_ports.h"

#include <emscripten.h>

#include <cstdio>
#include <sstream>

// clang-format off
EM_JS(void, kelvaro_js_probe_answer, (const char *answer, int size),
      { kelvaroPage.probeAnswer = kelvaroPage.textAt(answer, size); });
// clang-format on

// Takes size bytes of lines "write YYYY-MM-DDThh:mm:ss" or "read TEXT" and answers each with a
// line, left in kelvaroPage.probeAnswer: the text written, or the moment read as
// YYYY-MM-DDThh:mm:ss; "-" when refused.
extern "C" EMSCRIPTEN_KEEPALIVE void kelvaro_probe_saved_dates(const char *requests, int size) {
    const kelvaro::BrowserDateTimeText dates;
    std::istringstream lines(std::string(requests, static_cast<std::size_t>(size)));
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
    kelvaro_js_probe_answer(answer.data(), kelvaro::page::byteCount(answer));
}
