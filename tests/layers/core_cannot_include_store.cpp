// Must not compile: the rules know the saved game only through the settings store's port.
#include "core/game_state.h"
#include "store/qt_settings_store.h"
