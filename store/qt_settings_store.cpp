#include "store/qt_settings_store.h"

#include "store/settings_file.h"

#include <QSettings>
#include <QStringList>

#include <memory>

namespace kelvaro {

namespace {

QString qt(const std::string &text) { return QString::fromStdString(text); }

std::unique_ptr<QSettings> openSettings(const std::string &application) {
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                qt(application), qt(application));
    // Only the user's own file counts: never the system-wide or organisation-wide ones.
    settings->setFallbacksEnabled(false);
    return settings;
}

} // namespace

void QtSettingsStore::write(const std::string &application, const std::string &section,
                            const std::string &key, const std::string &value) {
    if (application != pendingApplication_) {
        commit();
        pendingApplication_ = application;
    }
    pending_[section][key] = value;
}

std::optional<std::string> QtSettingsStore::read(const std::string &application,
                                                 const std::string &section,
                                                 const std::string &key) const {
    if (application == pendingApplication_) {
        const auto values = pending_.find(section);
        if (values != pending_.end()) {
            const auto value = values->second.find(key);
            if (value != values->second.end())
                return value->second;
        }
    }
    // Read the file as it is now, so a change made while the game runs is seen. QSettings is
    // only ever read, never written: its own write waits for the lock without end.
    const std::unique_ptr<QSettings> settings = openSettings(application);
    settings->beginGroup(qt(section));
    const QVariant value = settings->value(qt(key));
    settings->endGroup();
    if (!value.isValid())
        return std::nullopt;
    // A hand-edited value with an unquoted comma comes back as a list of its parts.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

CommitResult QtSettingsStore::commit() {
    if (pending_.empty())
        return {};
    const QString path = openSettings(pendingApplication_)->fileName();
    const std::optional<std::string> failure = updateSettingsFile(path, pending_);
    // A failed commit leaves no trace: its values are neither read nor written later.
    pending_.clear();
    if (failure)
        return {false, *failure};
    return {};
}

} // namespace kelvaro
