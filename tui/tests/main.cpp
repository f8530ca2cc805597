// The terminal's tests measure characters in a UTF-8 locale, as the game does in one, whatever
// locale they are started in.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

int main(int argc, char **argv) {
    if (!std::setlocale(LC_CTYPE, "C.UTF-8")) {
        std::fprintf(stderr, "the C.UTF-8 locale is missing\n");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
