// The browser's date forms, asked of the page's script one language at a time.
#include "web/browser_date_forms.h"

#include "web/boundary_text.h"

#include <emscripten.h>

// clang-format off
// Fills *form with the language's description; 0 when the browser does not know the language.
EM_JS(int, kelvaro_js_date_form, (const char *tag, int tagSize, std::string *form), {
    const text = kelvaroPage.dateFormText(kelvaroPage.textAt(tag, tagSize));
    return text !== null && kelvaroPage.giveText(form, text) ? 1 : 0;
});
// clang-format on

namespace kelvaro {

namespace {

std::optional<std::string> askPage(const std::string &tag) {
    std::string form;
    if (kelvaro_js_date_form(tag.data(), page::byteCount(tag), &form) == 0)
        return std::nullopt;
    return form;
}

} // namespace

std::string BrowserDateForms::ownFormText() const { return askPage("").value_or(""); }

std::optional<std::string> BrowserDateForms::formText(std::string_view languageTag) const {
    return askPage(std::string(languageTag));
}

} // namespace kelvaro
