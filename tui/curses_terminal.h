#pragma once

#include "tui/terminal.h"

#include <memory>
#include <string>

namespace kelvaro {

// The terminal the program was started from, through ncursesw: the only place that draws
// and reads keys. While it is open the terminal is in raw mode (Ctrl+C, Ctrl+S and Ctrl+L come
// as keys), and SIGINT, SIGTERM and SIGHUP make nextKey() give nothing instead of killing
// the program, so that closing restores the terminal on every way out.
class CursesTerminal final : public Terminal {
  public:
    // Opens the terminal on standard input and output, in the user's locale. Nothing, and why
    // in `why`, when they are not a terminal or its type is unknown.
    static std::unique_ptr<CursesTerminal> open(std::string &why);
    ~CursesTerminal() override;

    CursesTerminal(const CursesTerminal &) = delete;
    CursesTerminal &operator=(const CursesTerminal &) = delete;

    TerminalSize size() const override;
    void show(const Canvas &canvas) override;
    std::optional<Key> nextKey() override;
    int stopStatus() const override;

  private:
    struct Opened;
    explicit CursesTerminal(std::unique_ptr<Opened> opened);

    std::unique_ptr<Opened> opened_;
};

} // namespace kelvaro
