#pragma once

#include <optional>

namespace kelvaro {

// Reads the command line before any window system is touched, the Qt way (QCommandLineParser):
// --help (-h) and --version (-v) print to standard output, an unknown option or argument to
// standard error, and a start without any reachable display gives one line on standard error.
// Qt's own window-system options (-platform, -display, -style, ...) are let through.
// --text (-t) asks for the game in the terminal instead; it needs no display, so the display
// check is left out for it.
struct CommandLineAnswer {
    // The program's exit code when it must end here; nothing when the game may start.
    std::optional<int> exitCode;
    bool inTerminal = false;
};
CommandLineAnswer answerCommandLine(int argc, char *argv[]);

} // namespace kelvaro
