#pragma once

#include "core/settings_store.h"

#include <map>
#include <tuple>

namespace kelvaro::testing {

// A settings store in memory; every value can be read and set by the test.
class MemorySettingsStore final : public SettingsStore {
  public:
    using Address = std::tuple<std::string, std::string, std::string>;

    void write(const std::string &application, const std::string &section, const std::string &key,
               const std::string &value) override {
        values[{application, section, key}] = value;
    }
    StoredSection readSection(const std::string &application,
                              const std::string &section) const override {
        StoredSection stored;
        for (const auto &[address, value] : values) {
            if (std::get<0>(address) == application && std::get<1>(address) == section)
                stored.values[std::get<2>(address)] = value;
        }
        return stored;
    }
    CommitResult commit() override {
        ++commits;
        return {};
    }

    // The saved game's value under a key of application "quira", section "kelvaro".
    std::optional<std::string> saved(const std::string &key) const {
        const auto found = values.find({"quira", "kelvaro", key});
        if (found == values.end())
            return std::nullopt;
        return found->second;
    }
    void save(const std::string &key, const std::string &value) {
        write("quira", "kelvaro", key, value);
    }

    std::map<Address, std::string> values;
    int commits = 0;
};

} // namespace kelvaro::testing
