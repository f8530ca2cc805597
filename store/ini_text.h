#pragma once

#include <QByteArray>

#include <map>
#include <string>

namespace kelvaro {

// Values to put into a settings file: section, then key, then value.
using IniUpdates = std::map<std::string, std::map<std::string, std::string>>;

// The INI text with every given key set to its value, in the form QSettings writes and reads.
// Only the lines of those keys change, and missing ones are added to their section; every
// other line stays byte for byte, even one that no reader understands.
QByteArray withIniValues(const QByteArray &text, const IniUpdates &updates);

} // namespace kelvaro
