// Must not compile: the rules know nothing of the saved game.
#include "core/game_state.h"
#include "store/settings_store.h"
