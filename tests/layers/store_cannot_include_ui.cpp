// Must not compile: the saved game knows nothing of the window.
#include "store/saved_game.h"
#include "ui/main_window.h"
