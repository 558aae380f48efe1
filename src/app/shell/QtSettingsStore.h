#pragma once

#include "core/ports/SettingsStore.h"

namespace tavolim::app {

// The per-user settings store through QSettings: organisation "Tavolim", the application as
// given, one group per section. Values are kept as text, whatever they hold.
class QtSettingsStore final : public core::SettingsStore {
public:
    std::string read(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& defaultValue) const override;
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;
    std::vector<core::SettingValue> allValues(const std::string& application) const override;
};

} // namespace tavolim::app
