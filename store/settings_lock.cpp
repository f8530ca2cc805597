#include "store/settings_lock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <optional>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvaro {

namespace {

// A lock younger than this may be one that its owner is still writing.
constexpr std::chrono::milliseconds writingTime{100};

std::string std8(const QString &text) { return text.toStdString(); }

// Why the thing at the path cannot serve as a lock file, if it cannot. Qt would wait forever
// on a folder there, and reading a pipe there would never return.
std::optional<std::string> notALockFile(const QString &path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return std::nullopt;
    const char *what = S_ISDIR(status.st_mode) ? "a folder" : "not a plain file";
    return std8(path) + " is " + what + " where the game keeps its lock file; it must be " +
           "removed before the game can save.";
}

std::chrono::milliseconds ageOf(const struct stat &status) {
    using namespace std::chrono;
    const auto modified = seconds(status.st_mtim.tv_sec) + nanoseconds(status.st_mtim.tv_nsec);
    const auto now = system_clock::now().time_since_epoch();
    const auto age = duration_cast<milliseconds>(now - modified);
    return age < milliseconds(0) ? -age : age;
}

// Whether the open lock file names an owner, as QLockFile writes it: a process number on its
// first line. Read from the open file, not by its name, which may by now be another file's.
bool namesAnOwner(int fd) {
    char text[64] = {};
    const ssize_t got = ::pread(fd, text, sizeof text - 1, 0);
    if (got <= 0 || text[0] < '1' || text[0] > '9')
        return false;
    for (ssize_t i = 1; i < got; ++i) {
        if (text[i] == '\n')
            return true;
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return false;
}

// Removes a lock file that is empty or unreadable, is not being written (its writer would hold
// the file's native lock, as QLockFile does) and is old enough not to be in the making. Such a
// lock names no owner, so QLockFile itself would wait for it to age: 30 s for QSettings.
bool removeAbandoned(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool removed = false;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ageOf(status) >= writingTime &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && !namesAnOwner(fd)) {
        // Only the file we judged, and only while it is still in place: once its owner removed
        // it, a new lock may be made at once under the same inode number.
        struct stat judged {};
        struct stat now {};
        removed = ::fstat(fd, &judged) == 0 && judged.st_nlink > 0 &&
                  ::lstat(name.constData(), &now) == 0 && now.st_ino == status.st_ino &&
                  now.st_dev == status.st_dev && ::unlink(name.constData()) == 0;
    }
    ::close(fd);
    return removed;
}

// Why the lock could not be had in time: a running owner that kept it, or a lock that no one
// holds and that cannot be removed, as in a folder the game may not write to.
std::string refusal(const QLockFile &lock, const QString &lockPath, const QString &settingsPath,
                    std::chrono::milliseconds waited) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", double(waited.count()) / 1000.0);
    const std::string within = std::string(" in the ") + seconds + " s the game waited.";
    qint64 pid = 0;
    QString host, application;
    const bool known = lock.getLockInfo(&pid, &host, &application) && pid > 0;
    if (known && !host.isEmpty() && host != QSysInfo::machineHostName())
        return "The saved game " + std8(settingsPath) + " is in use by a program on the computer " +
               std8(host) + ", which did not release its lock " + std8(lockPath) + within;
    if (known && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM)) {
        const QString name = application.isEmpty() ? QStringLiteral("a program") : application;
        return "The saved game " + std8(settingsPath) + " is in use by another running program (" +
               std8(name) + ", process " + std::to_string(pid) +
               "), which did not release its lock " + std8(lockPath) + within;
    }
    return "The lock file " + std8(lockPath) + " was left behind by a program that has stopped, " +
           "and cannot be removed; is its folder read-only?";
}

} // namespace

SettingsLock takeSettingsLock(const QString &lockPath, const QString &settingsPath,
                              std::chrono::milliseconds patience) {
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Never by age: a live owner's lock is never broken, and an ownerless one is handled here.
    lock->setStaleLockTime(0);
    const auto start = std::chrono::steady_clock::now();
    const QDeadlineTimer deadline(patience);
    // QLockFile takes over a dead owner's lock under this second lock.
    const QString removalLock = lockPath + QStringLiteral(".rmlock");
    for (;;) {
        for (const QString &path : {lockPath, removalLock}) {
            if (auto reason = notALockFile(path))
                return {nullptr, *reason};
        }
        errno = 0;
        if (lock->tryLock(0))
            return {std::move(lock), {}};
        if (lock->error() != QLockFile::LockFailedError) {
            const std::string cause = errno != 0 ? std::strerror(errno) : "it cannot be written";
            return {nullptr, "The lock file " + std8(lockPath) + " cannot be made: " + cause + "."};
        }
        if (removeAbandoned(lockPath) && !deadline.hasExpired())
            continue;
        removeAbandoned(removalLock);
        const qint64 left = deadline.remainingTime();
        if (left <= 0) {
            const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start);
            return {nullptr, refusal(*lock, lockPath, settingsPath, waited)};
        }
        // Often: another copy of the game that saves again and again lets the lock go only for
        // a moment between two of its Saves.
        QThread::usleep(static_cast<unsigned long>(std::min<qint64>(left * 1000, 500)));
    }
}

} // namespace kelvaro
