#pragma once

#include <map>
#include <optional>
#include <string>

namespace kelvaro {

// What a commit achieved: everything stored, or, when not, why not in words for the player.
struct CommitResult {
    bool stored = true;
    std::string reason;
};

// One section of the store as it was at a single moment, all values from the same reading.
struct StoredSection {
    std::map<std::string, std::string> values; // by key; empty when nothing is stored there
    std::optional<std::string> failure;        // why the store could not be read, for the player
};

// The per-user settings store: strings under an application, a section and a key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // Creates or replaces the value under the key.
    virtual void write(const std::string &application, const std::string &section,
                       const std::string &key, const std::string &value) = 0;
    // Every value of the section, read at once, so that a writer in between cannot mix two
    // states of the store.
    virtual StoredSection readSection(const std::string &application,
                                      const std::string &section) const = 0;
    // Puts every write so far into lasting storage, all or nothing.
    virtual CommitResult commit() = 0;
};

} // namespace kelvaro
