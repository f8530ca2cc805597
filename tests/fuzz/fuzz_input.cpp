#include "fuzz_input.h"

#include <cstdio>
#include <cstdlib>

namespace kelvaro::fuzzing {

void brokenInvariant(const char *what) {
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::abort();
}

} // namespace kelvaro::fuzzing
