#include "web/local_storage_settings.h"

#include <emscripten.h>

#include <optional>
#include <vector>

// clang-format off
EM_JS(int, kelvaro_js_storage_read, (const char *key),
      { return kelvaroPage.storageRead(UTF8ToString(key)); });
EM_JS(int, kelvaro_js_storage_write, (const char *key, const char *text),
      { return kelvaroPage.storageWrite(UTF8ToString(key), UTF8ToString(text)); });
EM_JS(void, kelvaro_js_take_storage_text, (char *buffer, int size),
      { stringToUTF8(kelvaroPage.takeStorageText(), buffer, size); });
// clang-format on

namespace kelvaro {

namespace {

// The text the page's script last handed over: what was read, or why the browser refused.
std::string takeStorageText(int size) {
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\0');
    kelvaro_js_take_storage_text(buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(size));
}

struct StorageReading {
    std::string text;
    std::optional<std::string> failure;
};

// The script answers with the UTF-8 size of the text, negated when it is the browser's refusal.
StorageReading readStorage(const std::string &key) {
    const int answer = kelvaro_js_storage_read(key.c_str());
    if (answer < 0)
        return {{}, takeStorageText(-answer - 1)};
    return {takeStorageText(answer), std::nullopt};
}

} // namespace

std::string LocalStorageSettings::storageKey(const std::string &application) {
    return application + "/" + application + ".conf";
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
    const int refused = kelvaro_js_storage_write(key.c_str(), updated.text.c_str());
    if (refused > 0)
        return {false, takeStorageText(refused - 1)};
    return {};
}

} // namespace kelvaro
