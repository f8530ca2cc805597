#include "assets.h"

#include <QtCore/QFile>
#include <QtGui/QGuiApplication>

// Q_INIT_RESOURCE must be used outside of any namespace.
static void registerKelvaroAssets() { Q_INIT_RESOURCE(kelvaro_assets); }

void kelvaro::initAssets() { registerKelvaroAssets(); }

QPixmap kelvaro::pixmap(const QString &name, qreal devicePixelRatio) {
    const QString path = name.startsWith(u':') ? name : QStringLiteral(":/kelvaro/") + name;
    if (devicePixelRatio <= 0)
        devicePixelRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;

    if (devicePixelRatio > 1.0) {
        const qsizetype dot = path.lastIndexOf(u'.');
        const QString sharp = dot < 0 ? path + QStringLiteral("@2x")
                                      : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
        if (QFile::exists(sharp)) {
            QPixmap result(sharp);
            result.setDevicePixelRatio(2.0);
            return result;
        }
    }
    return QPixmap(path);
}

QIcon kelvaro::appIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/kelvaro/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}
