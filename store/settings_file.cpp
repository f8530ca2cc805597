#include "store/settings_file.h"

#include "store/settings_lock.h"
#include "store/settings_reading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvaro {

namespace {

using namespace std::chrono_literals;

// How long a Save waits for another program's lock: longer than another copy's Save takes
// even on a slow disk that syncs for seconds, yet short enough for a frozen window.
constexpr std::chrono::milliseconds lockPatience = 3000ms;

std::string std8(const QString &text) { return text.toStdString(); }
QByteArray native(const QString &path) { return QFile::encodeName(path); }

// Removes temporary files that a killed Save of ours left beside the file. Only called while
// holding the lock, when no Save of any running copy can be using one.
void removeOwnLeftovers(const QFileInfo &file) {
    QDir folder = file.absoluteDir();
    const QStringList leftovers =
        folder.entryList({file.fileName() + QLatin1String(ownTemporaryMark) + QLatin1Char('*')},
                         QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : leftovers)
        folder.remove(name);
}

bool writeAll(int fd, const QByteArray &bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

std::int64_t millisecondsOf(const timespec &time) {
    return std::int64_t(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

// Writes the new file, durable on disk, under a temporary name of our own. Readers such as
// QSettings notice a changed file by its size and modification time to the millisecond, so a
// new file that matches the old in both is dated a millisecond later.
std::optional<std::string> writeTemporary(const QString &target,
                                          const std::optional<struct stat> &old,
                                          const QByteArray &text, QString &temporary) {
    QByteArray name = native(target + QLatin1String(ownTemporaryMark) + QStringLiteral("XXXXXX"));
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return "A new file cannot be made beside " + std8(target) + ": " + std::strerror(errno) +
               ".";
    temporary = QFile::decodeName(name);
    // The file stays its owner's, even when root saves over it. Owner first: a change of owner
    // clears the set-user and set-group bits that the mode may hold.
    struct stat made {};
    if (old &&
        (::fstat(fd, &made) != 0 || made.st_uid != old->st_uid || made.st_gid != old->st_gid)) {
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
            const int error = errno;
            ::close(fd);
            return std8(target) + " cannot be replaced by a file with the same owner and " +
                   "group: " + std::strerror(error) + ".";
        }
    }
    const mode_t mode = old ? old->st_mode & 07777 : 0644;
    bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, text);
    struct stat status {};
    if (written && old && ::fstat(fd, &status) == 0 &&
        millisecondsOf(status.st_mtim) <= millisecondsOf(old->st_mtim)) {
        const std::int64_t later = millisecondsOf(old->st_mtim) + 1;
        const timespec times[2] = {{0, UTIME_OMIT}, {later / 1000, (later % 1000) * 1000000}};
        written = ::futimens(fd, times) == 0;
    }
    written = written && ::fsync(fd) == 0;
    const int error = errno;
    written = ::close(fd) == 0 && written;
    if (!written)
        return std8(target) + " cannot be written: " + std::strerror(error ? error : EIO) + ".";
    return std::nullopt;
}

std::string_view viewOf(const QByteArray &bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

// Why the player may not replace the file, if so. The folder's permission is not enough: a
// file its owner made read-only, or another user's file, stays as it is.
std::optional<std::string> notWritable(const QString &path, const QString &shownPath) {
    if (::faccessat(AT_FDCWD, native(path).constData(), W_OK, AT_EACCESS) == 0)
        return std::nullopt;
    const int error = errno;
    if (error == EACCES || error == EPERM || error == EROFS)
        return std8(shownPath) + " is read-only, so the game left it as it was.";
    return std8(shownPath) + " cannot be written: " + std::strerror(error) + ".";
}

// Why the saved game's folder cannot be used, if it cannot: something that is not a folder
// in its place, or a folder that cannot be made.
std::optional<std::string> unusableFolder(const QString &folder) {
    struct stat status {};
    if (::stat(native(folder).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return std::nullopt;
        return std8(folder) + " is not a folder, so the saved game cannot be kept in it.";
    }
    if (QDir().mkpath(folder))
        return std::nullopt;
    return "The folder " + std8(folder) + " for the saved game does not exist and cannot be made.";
}

void syncFolder(const QString &folder) {
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<std::string> updateSettingsFile(const QString &path, const IniUpdates &updates) {
    const QFileInfo info(path);
    if (auto failure = unusableFolder(info.absolutePath()))
        return failure;
    const SettingsLock lock = takeSettingsLock(path + QStringLiteral(".lock"), path, lockPatience);
    if (!lock.held)
        return lock.reason;

    // A settings file that is a link to one kept elsewhere stays a link.
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QFileInfo targetInfo(target);
    removeOwnLeftovers(targetInfo);
    const SettingsFileReading current = readSettingsFile(target);
    if (current.outcome == SettingsFileReading::Outcome::Refused)
        return current.reason;
    if (current.outcome == SettingsFileReading::Outcome::Read) {
        if (auto failure = notWritable(target, path))
            return failure;
    }
    IniUpdated updated = withIniValues(viewOf(current.text), updates, std8(path));
    if (updated.failure)
        return updated.failure;
    const QByteArray text = QByteArray::fromStdString(updated.text);

    QString temporary;
    if (auto failure = writeTemporary(target, current.status, text, temporary)) {
        QFile::remove(temporary);
        return failure;
    }
    // The new file, read back from the disk as a Load will read it: the very text that was
    // found to read as intended.
    const SettingsFileReading written = readSettingsFile(temporary);
    if (written.outcome != SettingsFileReading::Outcome::Read || written.text != text) {
        QFile::remove(temporary);
        return "The new " + std8(path) + " could not be read back after writing, so the old " +
               "one was kept.";
    }
    if (::rename(native(temporary).constData(), native(target).constData()) != 0) {
        const int error = errno;
        QFile::remove(temporary);
        return std8(path) + " cannot be replaced: " + std::strerror(error) + ".";
    }
    syncFolder(targetInfo.absolutePath());
    return std::nullopt;
}

} // namespace kelvaro
