#pragma once

#include <QString>

#include <optional>

namespace kelvaro {

// Whether the window system Qt is going to pick can be reached. The platforms come from
// `platformArgument` (the -platform option), else QT_QPA_PLATFORM, else the desktop session's
// type, else X; a list such as "wayland;xcb" is tried in order. X needs a display that opens
// (`displayArgument`, the -display option, else DISPLAY), Wayland a compositor's socket;
// the other platforms (offscreen, eglfs, ...) need no display server. Returns nothing when one
// of them can start, else why none can, in one line.
std::optional<QString> missingDisplay(const QString &platformArgument,
                                      const QString &displayArgument);

} // namespace kelvaro
