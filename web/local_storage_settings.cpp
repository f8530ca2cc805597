#include "web/local_storage_settings.h"

#include "web/boundary_text.h"

#include <emscripten.h>

#include <optional>

// clang-format off
EM_JS(int, kelvaro_js_storage_read, (const char *key, int keySize, std::string *text),
      { return kelvaroPage.storageRead(kelvaroPage.textAt(key, keySize), text); });
EM_JS(int, kelvaro_js_storage_write,
      (const char *key, int keySize, const char *text, int textSize, std::string *refusal), {
          return kelvaroPage.storageWrite(kelvaroPage.textAt(key, keySize),
                                          kelvaroPage.textAt(text, textSize), refusal);
      });
// clang-format on

namespace kelvaro {

namespace {

struct StorageReading {
    std::string text;
    std::optional<std::string> failure;
};

// The whole stored text, every byte of it, or why the browser refused to hand it over.
StorageReading readStorage(const std::string &key) {
    std::string text;
    if (kelvaro_js_storage_read(key.data(), page::byteCount(key), &text) == 0)
        return {{}, std::move(text)};
    return {std::move(text), std::nullopt};
}

} // namespace

std::string LocalStorageSettings::storageKey(const std::string &application) {
    return application + "/" + application + ".conf";
}

std::optional<std::string> LocalStorageSettings::replaceText(const std::string &application,
                                                             const std::string &text) {
    const std::string key = storageKey(application);
    std::string refusal;
    if (kelvaro_js_storage_write(key.data(), page::byteCount(key), text.data(),
                                 page::byteCount(text), &refusal) == 0)
        return refusal;
    return std::nullopt;
}

void LocalStorageSettings::write(const std::string &application, const std::string &section,
                                 const std::string &key, const std::string &value) {
    if (application != pendingApplication_) {
        pending_.clear();
        pendingApplication_ = application;
    }
    pending_[section][key] = value;
}

StoredSection LocalStorageSettings::readSection(const std::string &application,
                                                const std::string &section) const {
    const StorageReading reading = readStorage(storageKey(application));
    if (reading.failure)
        return {{}, reading.failure};
    IniSectionReading values = readIniSection(reading.text, section);
    return {std::move(values.values), std::move(values.failure)};
}

CommitResult LocalStorageSettings::commit() {
    if (pending_.empty())
        return {};
    const std::string key = storageKey(pendingApplication_);
    const IniUpdates updates = std::move(pending_);
    pending_.clear();
    const StorageReading reading = readStorage(key);
    if (reading.failure)
        return {false, *reading.failure};
    const IniUpdated updated = withIniValues(reading.text, updates, "this browser's quira.conf");
    if (updated.failure)
        return {false, *updated.failure};
    std::string refusal;
    if (kelvaro_js_storage_write(key.data(), page::byteCount(key), updated.text.data(),
                                 page::byteCount(updated.text), &refusal) == 0)
        return {false, refusal};
    return {};
}

} // namespace kelvaro
