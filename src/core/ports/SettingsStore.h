#pragma once

#include <string>
#include <vector>

namespace tavolim::core {

// One value of the settings store.
struct SettingValue {
    std::string section;
    std::string key;
    std::string value;

    bool operator==(const SettingValue&) const = default;
};

// The platform's per-user settings store (application, section, key), text values.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::string read(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& defaultValue) const = 0;
    virtual void write(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& value) = 0;
    // Every value the application holds, for the backup; a store that cannot list its
    // values gives none.
    virtual std::vector<SettingValue> allValues(const std::string& application) const
    {
        (void)application;
        return {};
    }
};

} // namespace tavolim::core
