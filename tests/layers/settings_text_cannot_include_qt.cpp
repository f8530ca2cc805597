// Must not compile: the settings file's text is standard C++, for the page as for the desktop.
#include "settings_text/ini_text.h"
#include <QString>
