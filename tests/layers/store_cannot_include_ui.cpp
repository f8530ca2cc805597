// Must not compile: the saved game knows nothing of the window.
#include "store/qt_settings_store.h"
#include "ui/main_window.h"
