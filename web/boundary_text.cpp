#include "web/boundary_text.h"

#include <emscripten.h>

extern "C" {

EMSCRIPTEN_KEEPALIVE void kelvaro_receive_text(std::string *target, const char *bytes, int size) {
    target->assign(bytes, size > 0 ? static_cast<std::size_t>(size) : 0);
}
}
