// UTF-8 to UTF-16 and back, judged byte for byte as Qt judges it.
#include "settings_text/utf16_text.h"

namespace kelvaro::ini_detail {

namespace {

constexpr char16_t replacement = 0xFFFD;

bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void appendCode(Units &out, char32_t code) {
    if (code < 0x10000) {
        out += char16_t(code);
    } else {
        out += char16_t(0xD800 + ((code - 0x10000) >> 10));
        out += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
}

enum class Step { Character, Error, Incomplete };

// One UTF-8 sequence at the start of the bytes, judged as Qt's decoder judges it: a sequence cut
// short by the end of the bytes is incomplete, not wrong.
Step decodeOne(std::string_view bytes, char32_t &code, std::size_t &length) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    length = 1;
    code = lead;
    if (lead < 0x80)
        return Step::Character;
    std::size_t following = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead < 0xE0) {
        following = 1, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        following = 2, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        following = 3, code = lead & 0x07, least = 0x10000;
    } else {
        return Step::Error;
    }
    for (std::size_t k = 1; k <= following; ++k) {
        if (k >= bytes.size())
            return Step::Incomplete;
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0) != 0x80)
            return Step::Error;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || isSurrogate(code) || code > 0x10FFFF)
        return Step::Error;
    length = following + 1;
    return Step::Character;
}

// UTF-8 as QString::fromUtf8 reads it: a leading byte-order mark is dropped, and every byte
// that does not begin a well-formed sequence becomes U+FFFD.
void appendUtf8(Units &out, std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    while (!bytes.empty()) {
        char32_t code = 0;
        std::size_t length = 1;
        if (decodeOne(bytes, code, length) == Step::Character)
            appendCode(out, code);
        else
            out += replacement;
        bytes.remove_prefix(length);
    }
}

} // namespace

void Utf8Stream::append(Units &out, std::string_view piece) {
    if (!pending_.empty()) {
        std::string joined = pending_ + std::string(piece.substr(0, 4 - pending_.size()));
        char32_t code = 0;
        std::size_t length = 1;
        switch (decodeOne(joined, code, length)) {
        case Step::Incomplete:
            pending_ = joined;
            return;
        case Step::Error:
            out += replacement;
            piece.remove_prefix(1);
            break;
        case Step::Character:
            put(out, code);
            piece.remove_prefix(length - pending_.size());
            break;
        }
        headerDone_ = true;
        pending_.clear();
    }
    while (!piece.empty()) {
        char32_t code = 0;
        std::size_t length = 1;
        const Step step = decodeOne(piece, code, length);
        if (step == Step::Incomplete) {
            pending_ = std::string(piece);
            return;
        }
        if (step == Step::Error)
            out += replacement;
        else
            put(out, code);
        headerDone_ = true;
        piece.remove_prefix(length);
    }
}

void Utf8Stream::put(Units &out, char32_t code) {
    if (headerDone_ || code != 0xFEFF)
        appendCode(out, code);
}

Units fromUtf8(std::string_view bytes) {
    Units units;
    appendUtf8(units, bytes);
    return units;
}

std::string toUtf8(const Units &units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t code = units[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else if (isSurrogate(code)) {
            out += '?';
            continue;
        }
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3F));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}

bool startsWith(const Units &text, std::u16string_view prefix) {
    return text.size() >= prefix.size() &&
           std::u16string_view(text).substr(0, prefix.size()) == prefix;
}

} // namespace kelvaro::ini_detail
