#pragma once

// The game's pictures, rendered from background.svg and icon.svg when the game is built and
// embedded as Qt resources by the kelvaro_assets library:
//
//     :/kelvaro/background.png     789 x 498, with background@2x.png (1578 x 996) for screens
//                                  with a device pixel ratio of 2
//     :/kelvaro/icon-16.png, icon-32.png, icon-48.png, icon-64.png, icon-128.png, icon-256.png
//
// Linking kelvaro_assets with CMake is enough to use these paths: the resources register
// themselves when the program starts, no call is needed.
//
// Note that a plain QPixmap(":/kelvaro/background.png") always loads the small picture; Qt
// looks for the @2x file only in QIcon and in style sheets. kelvaro::pixmap() below does that
// lookup for a pixmap.

#include <QtCore/QString>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>

namespace kelvaro {

// Loads a picture, "background.png" or ":/kelvaro/background.png", taking its @2x version when
// the device pixel ratio is above 1 (by default the application's highest one). The @2x pixmap
// has devicePixelRatio() 2, so its deviceIndependentSize() is the same as the small one's and
// QPainter::drawPixmap(QPointF, ...) draws it at the same size, only sharper.
QPixmap pixmap(const QString &name, qreal devicePixelRatio = 0);

// The application icon with all its sizes, for QWidget::setWindowIcon() and the like.
QIcon appIcon();

// Registers the resources explicitly. Not needed when the program links kelvaro_assets through
// CMake; for code that must be sure, e.g. before static initialisation is over. Calling it more
// than once is harmless.
void initAssets();

} // namespace kelvaro
