#pragma once

#include "tui/canvas.h"
#include "tui/key.h"

#include <optional>

namespace kelvaro {

struct TerminalSize {
    int width = 0;
    int height = 0;
};

// The terminal the game is played in: its size, a whole screen to show, and the keys.
class Terminal {
  public:
    virtual ~Terminal() = default;

    virtual TerminalSize size() const = 0;
    virtual void show(const Canvas &canvas) = 0;
    // Waits for the next key. Nothing when the program must end at once: a signal asked it to
    // (SIGTERM, SIGHUP, SIGINT) or the terminal went away.
    virtual std::optional<Key> nextKey() = 0;
    // Whether a key has come that nextKey() has not given yet, as in a paste.
    virtual bool keyWaiting() = 0;
    // The exit status of the program once nextKey() gave nothing: 128 and the signal's
    // number, or 1 when the terminal went away.
    virtual int stopStatus() const = 0;
};

} // namespace kelvaro
