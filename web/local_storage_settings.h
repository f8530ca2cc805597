#pragma once

#include "settings_text/ini_text.h"
#include "core/settings_store.h"

namespace kelvaro {

// The per-user settings store of a browser: each application's settings are the same INI text
// as its settings file on the desktop ("quira.conf"), kept whole under one localStorage key,
// "<application>/<application>.conf". A reading takes the whole text at once; a commit puts
// the updated text back in one step, or, when the browser refuses or the text cannot take the
// values safely (as the desktop's file could not), leaves the old one.
class LocalStorageSettings final : public SettingsStore {
  public:
    void write(const std::string &application, const std::string &section, const std::string &key,
               const std::string &value) override;
    StoredSection readSection(const std::string &application,
                              const std::string &section) const override;
    CommitResult commit() override;

    // The localStorage key that holds an application's settings text.
    static std::string storageKey(const std::string &application);

  private:
    std::string pendingApplication_;
    IniUpdates pending_;
};

} // namespace kelvaro
