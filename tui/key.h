#pragma once

namespace kelvaro {

// One key the player pressed, as the game's screen understands it.
struct Key {
    enum class Code {
        Character, // a printable character, possibly with Alt held
        Enter,
        Escape,
        Tab,
        BackTab,
        Up,
        Down,
        Left,
        Right,
        Home,
        End,
        Backspace,
        Delete,
        Function,  // a function key; `character` holds its number, 1 for F1
        Control,   // Ctrl and a letter; `character` holds the capital letter
        Interrupt, // Ctrl+C
        Resize,    // the terminal changed its size
        Other,     // anything else: ignored everywhere
    };

    Code code = Code::Other;
    char32_t character = 0;
    bool alt = false;

    static Key of(Code code) { return Key{code, 0, false}; }
    static Key typed(char32_t character) { return Key{Code::Character, character, false}; }
    static Key withAlt(char32_t character) { return Key{Code::Character, character, true}; }
    static Key function(int number) {
        return Key{Code::Function, static_cast<char32_t>(number), false};
    }
    static Key control(char letter) {
        return Key{Code::Control, static_cast<char32_t>(letter), false};
    }

    // A character that goes into a text: printable and without Alt.
    bool isText() const {
        return code == Code::Character && !alt && character >= 0x20 && character != 0x7F &&
               !(character >= 0x80 && character < 0xA0);
    }

    bool operator==(const Key &) const = default;
};

} // namespace kelvaro
