#include "store/settings_file.h"

#include "store/settings_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvaro {

namespace {

using namespace std::chrono_literals;

// How long a Save waits for another program's lock: the window stays frozen meanwhile, and
// writing the file after it may take a few hundred milliseconds on a busy disk.
constexpr std::chrono::milliseconds lockPatience = 700ms;

std::string std8(const QString &text) { return text.toStdString(); }
QByteArray native(const QString &path) { return QFile::encodeName(path); }

// The file as it is: its bytes and, when it exists, its status.
struct Current {
    QByteArray text;
    std::optional<struct stat> status;
};

std::optional<std::string> readCurrent(const QString &path, Current &current) {
    // Not blocking, in case a pipe lies there.
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        return std8(path) + " cannot be read: " + std::strerror(errno) + ".";
    }
    struct stat status {};
    std::optional<std::string> failure;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        failure = std8(path) + " is not a plain file.";
    } else {
        QFile file;
        if (!file.open(fd, QIODevice::ReadOnly) ||
            (current.text = file.readAll()).size() != status.st_size)
            failure = std8(path) + " cannot be read whole.";
        current.status = status;
    }
    ::close(fd);
    return failure;
}

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
std::optional<std::string> writeTemporary(const QString &target, const Current &current,
                                          const QByteArray &text, QString &temporary) {
    QByteArray name = native(target + QLatin1String(ownTemporaryMark) + QStringLiteral("XXXXXX"));
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return "A new file cannot be made beside " + std8(target) + ": " + std::strerror(errno) +
               ".";
    temporary = QFile::decodeName(name);
    const mode_t mode = current.status ? current.status->st_mode & 07777 : 0644;
    bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, text);
    struct stat status {};
    if (written && current.status && ::fstat(fd, &status) == 0 &&
        millisecondsOf(status.st_mtim) <= millisecondsOf(current.status->st_mtim)) {
        const std::int64_t later = millisecondsOf(current.status->st_mtim) + 1;
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

// Whether the new file reads, to QSettings, as the old one with exactly the values set.
bool readsAsIntended(const QString &oldPath, const QString &newPath, const IniUpdates &updates) {
    const QSettings before(oldPath, QSettings::IniFormat);
    const QSettings after(newPath, QSettings::IniFormat);
    QStringList keys = before.allKeys() + after.allKeys();
    keys.removeDuplicates();
    for (const QString &key : keys) {
        const qsizetype slash = key.indexOf(QLatin1Char('/'));
        const std::string section = slash < 0 ? std::string() : std8(key.left(slash));
        const std::string name = std8(key.mid(slash + 1));
        const auto values = updates.find(section);
        if (values != updates.end() && values->second.count(name))
            continue;
        if (before.value(key) != after.value(key))
            return false;
    }
    for (const auto &[section, values] : updates) {
        for (const auto &[key, value] : values) {
            const QVariant read = after.value(QString::fromStdString(section + '/' + key));
            if (read.userType() != QMetaType::QString || read.toString().toStdString() != value)
                return false;
        }
    }
    return true;
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
    if (!QDir().mkpath(info.absolutePath()))
        return "The folder " + std8(info.absolutePath()) +
               " for the saved game does not exist and cannot be made.";
    const SettingsLock lock = takeSettingsLock(path + QStringLiteral(".lock"), path, lockPatience);
    if (!lock.held)
        return lock.reason;

    // A settings file that is a link to one kept elsewhere stays a link.
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const QFileInfo targetInfo(target);
    removeOwnLeftovers(targetInfo);
    Current current;
    if (auto failure = readCurrent(target, current))
        return failure;
    QString temporary;
    if (auto failure =
            writeTemporary(target, current, withIniValues(current.text, updates), temporary)) {
        QFile::remove(temporary);
        return failure;
    }
    if (!readsAsIntended(target, temporary, updates)) {
        QFile::remove(temporary);
        return std8(path) + " holds lines that the game cannot update safely, so it was left " +
               "as it was.";
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
