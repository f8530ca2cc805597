#include "store/settings_reading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kelvaro {

namespace {

std::string std8(const QString &text) { return text.toStdString(); }

const char *kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISREG(mode))
        return "a plain file";
    return "something else";
}

SettingsFileReading refused(std::string reason) {
    SettingsFileReading reading;
    reading.outcome = SettingsFileReading::Outcome::Refused;
    reading.reason = std::move(reason);
    return reading;
}

std::string notAPlainFile(const QString &path, mode_t mode) {
    return std8(path) + " is " + kindOf(mode) + ", not a plain file.";
}

// The first folder on the way to the path that is not one, when that is why it cannot be.
std::string notAFolderOnTheWay(const QString &path) {
    QString folder = QDir::cleanPath(QDir(path).absolutePath());
    for (QString parent = QFileInfo(folder).path(); parent != folder;
         folder = parent, parent = QFileInfo(folder).path()) {
        struct stat status {};
        if (::stat(QFile::encodeName(parent).constData(), &status) == 0 && !S_ISDIR(status.st_mode))
            return std8(parent) + " is " + kindOf(status.st_mode) + ", not a folder.";
    }
    return std8(path) + " cannot be read: " + std::strerror(ENOTDIR) + ".";
}

// Reads to the end, but stops past `limit` bytes, so that a file that grew meanwhile is
// noticed without reading all of it.
bool readUpTo(int fd, qint64 expected, qint64 limit, QByteArray &text) {
    text.resize(std::min(expected, limit) + 1);
    qint64 done = 0;
    for (;;) {
        if (done == text.size()) {
            if (done > limit)
                break;
            text.resize(std::min(2 * done, limit + 1));
        }
        const ssize_t got = ::read(fd, text.data() + done, static_cast<size_t>(text.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += got;
    }
    text.resize(done);
    return true;
}

} // namespace

SettingsFileReading readSettingsFile(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    // Judged before opening: opening a pipe or a device may wait or do something.
    struct stat before {};
    if (::stat(name.constData(), &before) != 0) {
        const int error = errno;
        if (error == ENOENT)
            return {};
        if (error == ENOTDIR)
            return refused(notAFolderOnTheWay(path));
        return refused(std8(path) + " cannot be read: " + std::strerror(error) + ".");
    }
    if (!S_ISREG(before.st_mode))
        return refused(notAPlainFile(path, before.st_mode));
    if (before.st_size > largestSettingsFile)
        return refused(std8(path) + " is larger than 8 MiB, too large to be a saved game.");

    // Not blocking, in case a pipe has been put there since.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return {};
        return refused(std8(path) + " cannot be read: " + std::strerror(error) + ".");
    }
    SettingsFileReading reading;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        reading = refused(std8(path) + " cannot be read: " + std::strerror(errno) + ".");
    } else if (!S_ISREG(status.st_mode)) {
        reading = refused(notAPlainFile(path, status.st_mode));
    } else if (!readUpTo(fd, status.st_size, largestSettingsFile, reading.text)) {
        reading = refused(std8(path) + " cannot be read: " + std::strerror(errno) + ".");
    } else if (reading.text.size() > largestSettingsFile) {
        reading = refused(std8(path) + " is larger than 8 MiB, too large to be a saved game.");
    } else {
        reading.outcome = SettingsFileReading::Outcome::Read;
        reading.status = status;
    }
    ::close(fd);
    return reading;
}

} // namespace kelvaro
