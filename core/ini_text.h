#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

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

// The INI text with every given key set to its value, in the form QSettings writes and reads;
// only those keys' lines change, missing ones are added to their section; every other line
// stays byte for byte, even one that no reader understands.
std::string withIniValues(std::string_view text, const IniUpdates &updates);

} // namespace kelvaro
