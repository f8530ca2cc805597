#pragma once

#include "core/action_routing.h"
#include "core/mixing_random.h"
#include "web/local_storage_settings.h"
#include "web/page_ports.h"

namespace kelvaro {

// One game in the page with every port it plays on; the page's script holds it from the game
// start until the game ends or the page goes. Each part refers only to parts above it.
struct WebGame {
    WebGame()
        : random(clock, browserEntropy()), platform{clock, random, monthNames},
          saveSlot{settings, dateTimeText}, ports{dialogs, view, platform, saveSlot} {}
    WebGame(const WebGame &) = delete;
    WebGame &operator=(const WebGame &) = delete;

    BrowserClock clock;
    MixingRandom random;
    BrowserDateTexts monthNames;
    Platform platform;
    LocalStorageSettings settings;
    BrowserDateTimeText dateTimeText;
    SaveSlot saveSlot;
    PageView view;
    PageDialogs dialogs;
    GamePorts ports;
    GameState state;
};

// A settings file the player opens in the page: its name, and its first bytes, at most one more
// than largestSettingsFile, or nothing when the browser could not read it.
struct OpenedFile {
    std::string name;
    std::optional<std::string> bytes;
};

// Keeps the file's text as the browser's saved game when a Load would take it. Otherwise the
// player is shown a box that says why (a Load's own box when it holds no sound saved game) and
// nothing changes. Either way, the line the page's saved-game panel then shows.
std::string keepOpenedFile(const OpenedFile &file, UserDialogs &dialogs);

} // namespace kelvaro
