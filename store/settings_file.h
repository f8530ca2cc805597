#pragma once

#include "settings_text/ini_text.h"

#include <QString>

#include <optional>
#include <string>

namespace kelvaro {

// The name part that marks a temporary file as one of our own saves.
inline constexpr char ownTemporaryMark[] = ".kelvaro-save.";

// Puts the values into the INI settings file at the path, so that every reader sees either the
// old file or the new one whole: under the lock QSettings uses, through a temporary file
// beside it that is renamed over it, with the old file's owner, group and mode. Waits for the
// lock at most three seconds, far longer than another copy's Save holds it. Every byte but
// the values' stays as it was (withIniValues, which may refuse), and the new file is read back
// before it replaces the old. A file the player may not write is left alone. Returns nothing
// when done; otherwise why not, in words for the player naming the file, and the file is as
// it was.
std::optional<std::string> updateSettingsFile(const QString &path, const IniUpdates &updates);

} // namespace kelvaro
