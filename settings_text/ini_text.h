// The settings file as QSettings reads and writes it in INI form, with no Qt: the desktop and
// the page share it, so both take and refuse the same files.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// A settings file larger than this is refused, read or written: no saved game comes near it,
// and reading a huge one would freeze the game.
inline constexpr std::int64_t largestSettingsFile = 8 * 1024 * 1024;

// Values to put into a settings file: section, then key, then value.
using IniUpdates = std::map<std::string, std::map<std::string, std::string>>;

// One section of an INI text as QSettings reads it: each key's value as text (a list value, from
// an unquoted comma, as its parts joined by ", "), or why the text cannot be read.
struct IniSectionReading {
    std::map<std::string, std::string> values;
    std::optional<std::string> failure;
};

// Reads the text as QSettings' INI parser does, with no file and no Qt: every section is parsed,
// sections in the order of their names and lines in file order, a later key over an earlier one.
// A value QSettings would decode as a stored Qt object (@Variant, @DateTime) is a failure.
IniSectionReading readIniSection(std::string_view text, const std::string &section);

// One key's value as written, after unescaping and before QSettings turns it into a value.
struct IniValue {
    bool isList = false;            // written with an unquoted comma
    std::vector<std::string> parts; // one part unless a list
    bool operator==(const IniValue &) const = default;
};

// Every key of the text by "section/key" (a key of [General] by its name alone): two texts
// whose keys are equal here read the same to QSettings.
std::map<std::string, IniValue> readIniKeys(std::string_view text);

// The new text, or why the text cannot take the values, in words for the player.
struct IniUpdated {
    std::string text;
    std::optional<std::string> failure;
};

// The INI text with every given key set to its value, in the form QSettings writes and reads.
// Only the bytes of those keys' values change, on every line of theirs, continued lines and
// all; missing keys are added after their section's last line, or in a new section at the end.
// Every other byte stays, even of lines that no reader understands. Refused, naming the text
// by shownName (a path, say): a value quoted over more than one line, whose end a reader of
// lines cannot see; a result larger than largestSettingsFile; and a result that would not read
// as the old text with exactly the new values (readsAsUpdated).
IniUpdated withIniValues(std::string_view text, const IniUpdates &updates,
                         const std::string &shownName);

// Whether the new text reads, as QSettings reads it, as the old one with exactly the values set.
bool readsAsUpdated(std::string_view before, std::string_view after, const IniUpdates &updates);

// Why a text that does not read as updated is left alone, naming it by shownName.
std::string cannotUpdateSafely(const std::string &shownName);

} // namespace kelvaro
