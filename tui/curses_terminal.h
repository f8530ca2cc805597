#pragma once

#include "tui/terminal.h"

#include <memory>
#include <string>

namespace kelvaro {

// The terminal the program was started from, through ncursesw: the only place that draws
// and reads keys. While it is open the terminal is in raw mode (Ctrl+C and every Ctrl+letter
// come as keys), and SIGINT, SIGTERM and SIGHUP make nextKey() give nothing instead of killing
// the program, so that closing restores the terminal on every way out. Ctrl+Z and SIGTSTP
// suspend the game with the terminal given back; after `fg` nextKey() gives Resize.
class CursesTerminal final : public Terminal {
  public:
    // Opens the terminal on standard input and output, in the user's locale. Nothing, and why
    // in `why`, when they are not a terminal, or its type is unknown or cannot place the cursor.
    static std::unique_ptr<CursesTerminal> open(std::string &why);
    ~CursesTerminal() override;

    CursesTerminal(const CursesTerminal &) = delete;
    CursesTerminal &operator=(const CursesTerminal &) = delete;

    TerminalSize size() const override;
    void show(const Canvas &canvas) override;
    std::optional<Key> nextKey() override;
    bool keyWaiting() override;
    int stopStatus() const override;

  private:
    struct Opened;
    explicit CursesTerminal(std::unique_ptr<Opened> opened);
    std::optional<Key> readKey();
    void suspend();

    std::unique_ptr<Opened> opened_;
};

} // namespace kelvaro
