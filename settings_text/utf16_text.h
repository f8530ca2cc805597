// Text as QString holds it (UTF-16), and the UTF-8 conversions Qt makes, for the settings codec.
#pragma once

#include <string>
#include <string_view>

namespace kelvaro::ini_detail {

using Units = std::u16string; // so that keys sort as QSettings sorts them

// UTF-8 as QString::fromUtf8 reads it: a leading byte-order mark is dropped, and every byte
// that does not begin a well-formed sequence becomes U+FFFD.
Units fromUtf8(std::string_view bytes);

// UTF-16 as QString::toStdString writes it: an unpaired surrogate becomes "?".
std::string toUtf8(const Units &units);

bool startsWith(const Units &text, std::u16string_view prefix);

// UTF-8 fed in pieces to one decoder, as QSettings decodes a value between its escapes: a
// sequence may span pieces, one cut short at the very end is dropped, and a byte-order mark is
// dropped only as the first thing decoded. Where a carried-over sequence turns out wrong, Qt
// also drops the byte of the new piece that showed it; so does this.
class Utf8Stream {
  public:
    void append(Units &out, std::string_view piece);

  private:
    void put(Units &out, char32_t code);
    std::string pending_;
    bool headerDone_ = false;
};

} // namespace kelvaro::ini_detail
