#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>
#include <memory>
#include <string>

namespace kelvaro {

// The lock on a settings file, taken as QSettings takes it (QLockFile at "<file>.lock"), so
// other programs' QSettings wait for our write and we for theirs.
struct SettingsLock {
    std::unique_ptr<QLockFile> held; // empty when not taken
    std::string reason;              // why not, naming the lock file
};

// Takes the lock, waiting at most `patience` for another running program to let it go. A lock
// left by a program that no longer runs, or one left empty or unreadable by a program killed
// while taking it, is taken over at once. Anything else at the lock path is refused at once.
SettingsLock takeSettingsLock(const QString &lockPath, const QString &settingsPath,
                              std::chrono::milliseconds patience);

} // namespace kelvaro
