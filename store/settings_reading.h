#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace kelvaro {

// A settings file larger than this is refused: no saved game comes near it, and reading a huge
// file would freeze the window.
inline constexpr qint64 largestSettingsFile = 8 * 1024 * 1024;

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

// Every key of an INI text as QSettings reads it, by "section/key", or why it cannot be read.
struct IniReading {
    std::map<QString, QVariant> values;
    std::optional<std::string> failure;
};

// Reads the text with QSettings' own parser, from a private copy that no other program can
// change or replace, and with every section parsed: a key looked up alone can be missed when
// a subgroup section such as [kelvaro/a] sorts before it.
IniReading readIniText(const QByteArray &text);

// The values of one section, as text: a value that QSettings reads as a list (an unquoted
// comma) is its parts joined by ", ".
std::map<std::string, std::string> sectionTexts(const IniReading &reading,
                                                const std::string &section);

} // namespace kelvaro
