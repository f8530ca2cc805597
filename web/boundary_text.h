#pragma once

#include <string>

// Text crosses between the module and the page's script in one way only: as its UTF-8 bytes
// and their count, never as a C string, so that a NUL or any other byte passes whole.
//
// To the script: hand it text.data() and byteCount(text); the script decodes exactly that
// many bytes. From the script: hand it a std::string * to fill; the script encodes its text
// into the module's memory and calls kelvaro_receive_text with it.
namespace kelvaro::page {

inline int byteCount(const std::string &text) { return static_cast<int>(text.size()); }

} // namespace kelvaro::page

extern "C" {
// Called by the script: replaces *target with size bytes from bytes.
void kelvaro_receive_text(std::string *target, const char *bytes, int size);
}
