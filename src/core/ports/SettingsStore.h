#pragma once

#include <string>

namespace tavolim::core {

// The platform's per-user settings store (application, section, key), text values.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::string read(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& defaultValue) const = 0;
    virtual void write(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& value) = 0;
};

} // namespace tavolim::core
