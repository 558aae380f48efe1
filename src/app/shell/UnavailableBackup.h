#pragma once

#include "core/ports/Backup.h"

namespace tavolim::app {

// Stands in until the program ships its backup component: nothing is offered or copied.
class UnavailableBackup final : public core::Backup {
public:
    bool available() const override { return false; }
    bool backup(const std::string&) override { return false; }
    bool backupOnExit(const std::string&) override { return false; }
    bool restore() override { return false; }
};

} // namespace tavolim::app
