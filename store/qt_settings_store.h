#pragma once

#include "core/settings_store.h"
#include "settings_text/ini_text.h"

#include <QString>

namespace kelvaro {

// The real per-user settings store, in QSettings' native form and place: on Linux each
// application is the INI file $XDG_CONFIG_HOME/<application>/<application>.conf (by default
// under ~/.config) with one [section] per section, read and written byte for byte as
// QSettings reads it. A reading takes the whole file at once; a commit updates the file in one
// step under QSettings' lock, and never waits long for that lock. Nothing at the path, not
// even a pipe, can make either wait.
class QtSettingsStore final : public SettingsStore {
  public:
    void write(const std::string &application, const std::string &section, const std::string &key,
               const std::string &value) override;
    StoredSection readSection(const std::string &application,
                              const std::string &section) const override;
    CommitResult commit() override;

    // Where the application's file is, found as QSettings finds it but without opening it.
    static QString fileOf(const std::string &application);

  private:
    // Writes not yet committed, all for one application.
    std::string pendingApplication_;
    IniUpdates pending_;
};

} // namespace kelvaro
