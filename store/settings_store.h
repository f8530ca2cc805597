#pragma once

#include <optional>
#include <string>

namespace kelvaro {

// What a commit achieved: everything stored, or, when not, why not in words for the player.
struct CommitResult {
    bool stored = true;
    std::string reason;
};

// The per-user settings store: strings under an application, a section and a key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // Creates or replaces the value under the key.
    virtual void write(const std::string &application, const std::string &section,
                       const std::string &key, const std::string &value) = 0;
    // The value under the key, or nothing when the key does not exist.
    virtual std::optional<std::string> read(const std::string &application,
                                            const std::string &section,
                                            const std::string &key) const = 0;
    // Puts every write so far into lasting storage, all or nothing.
    virtual CommitResult commit() = 0;
};

} // namespace kelvaro
