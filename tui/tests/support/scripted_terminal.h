#pragma once

#include "tui/terminal.h"

#include <deque>
#include <string>
#include <variant>
#include <vector>

namespace kelvaro::testing {

// A terminal that plays keys from a script and keeps every screen shown. When the script has
// run out it asks the program to stop, as SIGTERM does, with status 143.
class ScriptedTerminal final : public Terminal {
  public:
    explicit ScriptedTerminal(TerminalSize size = {80, 24}) : size_(size) {}

    void press(Key key) { keys_.push_back({key}); }
    void press(std::initializer_list<Key> keys) {
        for (const Key &key : keys)
            keys_.push_back({key});
    }
    void type(const std::u32string &text) {
        for (const char32_t c : text)
            keys_.push_back({Key::typed(c)});
    }
    // The text comes at once, as a paste does: the terminal has its keys waiting.
    void paste(const std::u32string &text) {
        for (const char32_t c : text)
            keys_.push_back({Key::typed(c), true});
    }
    // The terminal takes the size, and the next key read is Resize.
    void resizeTo(TerminalSize size) { keys_.push_back({size}); }
    bool allKeysUsed() const { return keys_.empty(); }

    TerminalSize size() const override { return size_; }
    void show(const Canvas &canvas) override {
        screens.push_back(canvas.lines());
        cursors.push_back({canvas.cursor(), canvas.cursorShown()});
    }
    std::optional<Key> nextKey() override {
        if (keys_.empty())
            return std::nullopt;
        const std::variant<Key, TerminalSize> step = keys_.front().step;
        keys_.pop_front();
        if (const auto *size = std::get_if<TerminalSize>(&step)) {
            size_ = *size;
            return Key::of(Key::Code::Resize);
        }
        return std::get<Key>(step);
    }
    bool keyWaiting() override { return !keys_.empty() && keys_.front().pasted; }
    int stopStatus() const override { return 143; }

    struct Cursor {
        std::optional<Position> at;
        bool shown = false;
    };
    std::vector<std::vector<std::string>> screens;
    std::vector<Cursor> cursors; // one for each screen
    const std::vector<std::string> &lastScreen() const { return screens.back(); }

  private:
    TerminalSize size_;
    struct Step {
        std::variant<Key, TerminalSize> step;
        bool pasted = false;
    };
    std::deque<Step> keys_;
};

// Shorter names for the keys in the tests' scripts.
inline const Key enter = Key::of(Key::Code::Enter);
inline const Key escape = Key::of(Key::Code::Escape);
inline const Key tab = Key::of(Key::Code::Tab);
inline const Key backTab = Key::of(Key::Code::BackTab);
inline const Key up = Key::of(Key::Code::Up);
inline const Key down = Key::of(Key::Code::Down);
inline const Key left = Key::of(Key::Code::Left);
inline const Key right = Key::of(Key::Code::Right);
inline const Key home = Key::of(Key::Code::Home);
inline const Key end = Key::of(Key::Code::End);
inline const Key backspace = Key::of(Key::Code::Backspace);
inline const Key deleteKey = Key::of(Key::Code::Delete);
inline const Key f1 = Key::function(1);
inline const Key f10 = Key::function(10);
inline const Key ctrlL = Key::control('L');
inline const Key ctrlS = Key::control('S');
inline const Key ctrlC = Key::of(Key::Code::Interrupt);
inline const Key space = Key::typed(U' ');

} // namespace kelvaro::testing
