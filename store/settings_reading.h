#pragma once

#include "settings_text/ini_text.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <sys/stat.h>

namespace kelvaro {

// A settings file as it was at one moment.
struct SettingsFileReading {
    enum class Outcome { Missing, Read, Refused };
    Outcome outcome = Outcome::Missing;
    QByteArray text;                   // the whole file, when read
    std::optional<struct stat> status; // the file's status, when read
    std::string reason;                // why it was refused, in words for the player naming it
};

// Reads the whole file in one go, never blocking: anything at the path but a plain file of at
// most largestSettingsFile bytes (a pipe, a socket, a device, a folder) is refused unopened or
// opened without waiting. A missing file, or one under a missing folder, is Missing.
SettingsFileReading readSettingsFile(const QString &path);

} // namespace kelvaro
