#include "app/display_check.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstring>

namespace kelvaro {

namespace {

QString environment(const char *name) { return qEnvironmentVariable(name); }

// Qt's own order: the option, the variable, the session type, the built-in default.
QStringList platformNames(const QString &platformArgument) {
    QString names = platformArgument;
    if (names.isEmpty())
        names = environment("QT_QPA_PLATFORM");
    if (names.isEmpty()) {
        const QString session = environment("XDG_SESSION_TYPE");
        names = session == QStringLiteral("wayland") ? QStringLiteral("wayland;xcb")
                                                     : QStringLiteral("xcb");
    }
    QStringList result;
    for (const QString &entry : names.split(u';', Qt::SkipEmptyParts))
        result << entry.section(u':', 0, 0).trimmed().toLower();
    return result;
}

std::optional<QString> unreachableX(const QString &displayArgument) {
    const QString display = displayArgument.isEmpty() ? environment("DISPLAY") : displayArgument;
    if (display.isEmpty())
        return QStringLiteral("no X display is set (DISPLAY is empty)");
    xcb_connection_t *connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return QStringLiteral("the X display %1 cannot be opened").arg(display);
    return std::nullopt;
}

std::optional<QString> unreachableWayland() {
    const QString name = environment("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return QStringLiteral("no Wayland display is set (WAYLAND_DISPLAY is empty)");
    const QString runtime = environment("XDG_RUNTIME_DIR");
    const QByteArray path = QFile::encodeName(name.startsWith(u'/') ? name : runtime + u'/' + name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    bool reached = false;
    if ((name.startsWith(u'/') || !runtime.isEmpty()) &&
        static_cast<std::size_t>(path.size()) < sizeof(address.sun_path)) {
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        reached = socket >= 0 && ::connect(socket, reinterpret_cast<const sockaddr *>(&address),
                                           sizeof(address)) == 0;
        if (socket >= 0)
            ::close(socket);
    }
    if (!reached)
        return QStringLiteral("the Wayland display %1 cannot be reached").arg(name);
    return std::nullopt;
}

} // namespace

std::optional<QString> missingDisplay(const QString &platformArgument,
                                      const QString &displayArgument) {
    QStringList reasons;
    const QStringList platforms = platformNames(platformArgument);
    if (platforms.isEmpty())
        return std::nullopt;
    for (const QString &platform : platforms) {
        std::optional<QString> reason;
        if (platform == QStringLiteral("xcb"))
            reason = unreachableX(displayArgument);
        else if (platform.startsWith(QStringLiteral("wayland")))
            reason = unreachableWayland();
        if (!reason)
            return std::nullopt;
        if (!reasons.contains(*reason))
            reasons << *reason;
    }
    return reasons.join(QStringLiteral("; "));
}

} // namespace kelvaro
