#pragma once

#include "store/settings_store.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

namespace kelvaro {

// The real per-user settings store (QSettings, native format, user scope). On Linux each
// application is the file $XDG_CONFIG_HOME/<application>/<application>.conf (by default under
// ~/.config) with one [section] per section.
class QtSettingsStore final : public SettingsStore {
  public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    void write(const std::string &application, const std::string &section, const std::string &key,
               const std::string &value) override;
    std::optional<std::string> read(const std::string &application, const std::string &section,
                                    const std::string &key) const override;
    bool commit() override;

  private:
    // Writes not yet committed, all for one application, and the values they replace.
    std::unique_ptr<QSettings> pending_;
    std::string pendingApplication_;
    QHash<QString, QVariant> before_;
};

} // namespace kelvaro
