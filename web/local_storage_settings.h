#pragma once

#include "core/settings_store.h"
#include "settings_text/ini_text.h"

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

    // Puts a whole settings text in place of the application's stored one: nothing when it is
    // kept, otherwise why not, and the stored text stays as it was.
    static std::optional<std::string> replaceText(const std::string &application,
                                                  const std::string &text);

    // The localStorage key that holds an application's settings text.
    static std::string storageKey(const std::string &application);

  private:
    std::string pendingApplication_;
    IniUpdates pending_;
};

} // namespace kelvaro
