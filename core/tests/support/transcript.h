#pragma once

#include <string>
#include <vector>

namespace kelvaro::testing {

// One ordered record of everything the player is shown or asked, and of every reseed of
// the random generator, written by the recording fakes below.
struct Transcript {
    std::vector<std::string> lines;

    void add(std::string line) { lines.push_back(std::move(line)); }
    void clear() { lines.clear(); }
};

} // namespace kelvaro::testing
