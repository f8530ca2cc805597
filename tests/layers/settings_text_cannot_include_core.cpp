// Must not compile: the settings file's text knows nothing of the game's rules.
#include "settings_text/ini_text.h"

#include "core/game_state.h"
