// The languages every platform asks about a saved date.
#include "core/saved_date_text.h"

#include <array>

namespace kelvaro {

namespace {

// Each language's date and time as Qt and Intl write them are the same but for blanks, the case
// of the day's halves and how many digits a number takes; languages the browser has no data for
// (Mongolian, Sinhala, Burmese and others in Chromium), or whose forms differ between the two
// (Tamil and Kannada write their day's halves in their own words in Qt only, Mexican Spanish
// has a 12-hour clock in Intl only), are left out: a text one side reads in such a language, the
// other could not.
constexpr std::array<std::string_view, 64> languages{
    "en-US", "en-GB", "en-CA", "en-AU", "en-IN", "de-DE",  "de-AT", "de-CH", "fr-FR", "fr-BE",
    "fr-CA", "es-ES", "ca-ES", "it-IT", "pt-PT", "pt-BR",  "nl-NL", "nl-BE", "sv-SE", "da-DK",
    "nb-NO", "fi-FI", "pl-PL", "cs-CZ", "sk-SK", "sl-SI",  "hr-HR", "sr-RS", "hu-HU", "ro-RO",
    "bg-BG", "el-GR", "ru-RU", "uk-UA", "lt-LT", "lv-LV",  "et-EE", "tr-TR", "he-IL", "ar-EG",
    "fa-IR", "ur-PK", "am-ET", "sw-KE", "af-ZA", "hi-IN",  "bn-BD", "mr-IN", "gu-IN", "te-IN",
    "ml-IN", "th-TH", "vi-VN", "id-ID", "ms-MY", "fil-PH", "ja-JP", "ko-KR", "zh-CN", "zh-TW",
    "zh-HK", "ar-SA", "bn-IN", "es-US",
};

} // namespace

std::span<const std::string_view> savedDateLanguages() { return languages; }

} // namespace kelvaro
