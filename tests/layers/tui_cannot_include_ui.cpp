// Must not compile: the terminal game knows nothing of the window.
#include "tui/screen.h"
#include "ui/main_window.h"
