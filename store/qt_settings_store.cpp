#include "store/qt_settings_store.h"

#include "store/settings_file.h"
#include "store/settings_reading.h"

#include <QStandardPaths>

namespace kelvaro {

QString QtSettingsStore::fileOf(const std::string &application) {
    // QSettings itself would read the file as soon as it is made, and wait on a pipe there.
    const QString name = QString::fromStdString(application);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + name + QLatin1Char('/') + name + QStringLiteral(".conf");
}

void QtSettingsStore::write(const std::string &application, const std::string &section,
                            const std::string &key, const std::string &value) {
    if (application != pendingApplication_) {
        commit();
        pendingApplication_ = application;
    }
    pending_[section][key] = value;
}

StoredSection QtSettingsStore::readSection(const std::string &application,
                                           const std::string &section) const {
    // The file as it is now, so that a change made while the game runs is seen.
    StoredSection stored;
    const SettingsFileReading file = readSettingsFile(fileOf(application));
    if (file.outcome == SettingsFileReading::Outcome::Refused) {
        stored.failure = file.reason;
        return stored;
    }
    // Read in memory: a Load makes no file anywhere, so a kill can leave nothing behind.
    IniSectionReading reading = readIniSection(
        std::string_view(file.text.constData(), std::size_t(file.text.size())), section);
    if (reading.failure) {
        stored.failure = reading.failure;
        return stored;
    }
    stored.values = std::move(reading.values);
    if (application == pendingApplication_) {
        const auto pending = pending_.find(section);
        if (pending != pending_.end()) {
            for (const auto &[key, value] : pending->second)
                stored.values[key] = value;
        }
    }
    return stored;
}

CommitResult QtSettingsStore::commit() {
    if (pending_.empty())
        return {};
    const std::optional<std::string> failure =
        updateSettingsFile(fileOf(pendingApplication_), pending_);
    // A failed commit leaves no trace: its values are neither read nor written later.
    pending_.clear();
    if (failure)
        return {false, *failure};
    return {};
}

} // namespace kelvaro
