// The browser's date forms, asked of the page's script one language at a time.
#include "web/browser_date_forms.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

// clang-format off
// The description in memory the module frees, or null when the browser does not know the language.
EM_JS(char *, kelvaro_js_date_form, (const char *tag), {
    const text = kelvaroDateForms.formText(UTF8ToString(tag));
    if (text === null) return 0;
    const size = lengthBytesUTF8(text) + 1;
    const buffer = _malloc(size);
    stringToUTF8(text, buffer, size);
    return buffer;
});
// clang-format on

namespace kelvaro {

namespace {

std::optional<std::string> askPage(const std::string &tag) {
    const std::unique_ptr<char, decltype(&std::free)> text(kelvaro_js_date_form(tag.c_str()),
                                                           &std::free);
    if (!text)
        return std::nullopt;
    return std::string(text.get());
}

} // namespace

std::string BrowserDateForms::ownFormText() const { return askPage("").value_or(""); }

std::optional<std::string> BrowserDateForms::formText(std::string_view languageTag) const {
    return askPage(std::string(languageTag));
}

} // namespace kelvaro

// The languages the page prepares forms for, separated by spaces.
extern "C" EMSCRIPTEN_KEEPALIVE const char *kelvaro_saved_date_languages() {
    static const std::string tags = [] {
        std::string joined;
        for (const std::string_view tag : kelvaro::savedDateLanguages())
            joined += (joined.empty() ? "" : " ") + std::string(tag);
        return joined;
    }();
    return tags.c_str();
}
