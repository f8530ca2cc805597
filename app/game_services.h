#pragma once

#include "core/mixing_random.h"
#include "core/platform.h"
#include "core/system_clock.h"
#include "store/locale_date_texts.h"
#include "store/qt_settings_store.h"
#include "core/saved_game.h"

namespace kelvaro {

// The real services every front end plays on: the computer's clock, the random source, the
// month names and the saved-date form of the system's language, and the per-user settings
// store with its save slot. Each part refers only to parts above it.
struct GameServices {
    GameServices()
        : random(clock, systemEntropy()), platform{clock, random, monthNames}, saveSlot{
                                                                                   settings,
                                                                                   dateTimeText} {}
    GameServices(const GameServices &) = delete;
    GameServices &operator=(const GameServices &) = delete;

    SystemClock clock;
    MixingRandom random;
    LocaleDateTexts monthNames;
    Platform platform;
    QtSettingsStore settings;
    LocaleDateTimeText dateTimeText;
    SaveSlot saveSlot;
};

} // namespace kelvaro
