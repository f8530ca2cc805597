// The languages every platform asks about a saved date.
#include "core/saved_date_text.h"

#include <array>

namespace kelvaro {

namespace {

constexpr std::array<std::string_view, 88> languages{
    "en-US", "en-GB", "en-CA", "en-AU", "en-IN", "de-DE", "de-AT", "de-CH", "fr-FR", "fr-BE",
    "fr-CA", "es-ES", "es-MX", "ca-ES", "eu-ES", "gl-ES", "it-IT", "pt-PT", "pt-BR", "nl-NL",
    "nl-BE", "sv-SE", "da-DK", "nb-NO", "fi-FI", "is-IS", "ga-IE", "cy-GB", "pl-PL", "cs-CZ",
    "sk-SK", "sl-SI", "hr-HR", "sr-RS", "hu-HU", "ro-RO", "bg-BG", "mk-MK", "sq-AL", "el-GR",
    "ru-RU", "uk-UA", "be-BY", "lt-LT", "lv-LV", "et-EE", "tr-TR", "az-AZ", "kk-KZ", "uz-UZ",
    "ka-GE", "hy-AM", "mn-MN", "he-IL", "ar-EG", "fa-IR", "ur-PK", "am-ET", "sw-KE", "af-ZA",
    "zu-ZA", "hi-IN", "bn-BD", "mr-IN", "gu-IN", "pa-IN", "ta-IN", "te-IN", "kn-IN", "ml-IN",
    "si-LK", "ne-NP", "th-TH", "lo-LA", "km-KH", "my-MM", "vi-VN", "id-ID", "ms-MY", "fil-PH",
    "ja-JP", "ko-KR", "zh-CN", "zh-TW", "zh-HK", "ar-SA", "bn-IN", "es-US",
};

} // namespace

std::span<const std::string_view> savedDateLanguages() { return languages; }

} // namespace kelvaro
