#include "store/qt_settings_store.h"

#include <QSettings>
#include <QStringList>

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

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::~QtSettingsStore() = default;

void QtSettingsStore::write(const std::string &application, const std::string &section,
                            const std::string &key, const std::string &value) {
    if (!pending_ || application != pendingApplication_) {
        commit();
        pending_ = openSettings(application);
        pendingApplication_ = application;
    }
    const QString path = qt(section) + QLatin1Char('/') + qt(key);
    if (!before_.contains(path))
        before_.insert(path, pending_->value(path));
    pending_->setValue(path, qt(value));
}

std::optional<std::string> QtSettingsStore::read(const std::string &application,
                                                 const std::string &section,
                                                 const std::string &key) const {
    // Read the file as it is now, so a change made while the game runs is seen.
    std::unique_ptr<QSettings> fresh;
    QSettings *settings = pending_.get();
    if (!settings || application != pendingApplication_) {
        fresh = openSettings(application);
        settings = fresh.get();
    }
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

bool QtSettingsStore::commit() {
    if (!pending_)
        return true;
    pending_->sync();
    const bool written = pending_->status() == QSettings::NoError;
    if (!written) {
        // Qt keeps unwritten values in a cache shared by every QSettings on the file, and
        // would show them to the next reader and write them later. Put back what the file
        // holds, so a failed save leaves no trace.
        for (auto entry = before_.cbegin(); entry != before_.cend(); ++entry) {
            if (entry.value().isValid())
                pending_->setValue(entry.key(), entry.value());
            else
                pending_->remove(entry.key());
        }
    }
    before_.clear();
    pending_.reset();
    return written;
}

} // namespace kelvaro
