#pragma once

#include "store/ini_text.h"
#include "store/settings_store.h"

namespace kelvaro {

// The real per-user settings store, in QSettings' native form and place: on Linux each
// application is the INI file $XDG_CONFIG_HOME/<application>/<application>.conf (by default
// under ~/.config) with one [section] per section. Reads go through QSettings; a commit
// updates the file in one step under QSettings' lock, and never waits long for that lock.
class QtSettingsStore final : public SettingsStore {
  public:
    void write(const std::string &application, const std::string &section, const std::string &key,
               const std::string &value) override;
    std::optional<std::string> read(const std::string &application, const std::string &section,
                                    const std::string &key) const override;
    CommitResult commit() override;

  private:
    // Writes not yet committed, all for one application.
    std::string pendingApplication_;
    IniUpdates pending_;
};

} // namespace kelvaro
