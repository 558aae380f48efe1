#pragma once

#include <string>

namespace tavolim::core {

// The backup component: copies the data folder to removable media and back. Each call takes
// the date text of the last backup ("UltDiaFezBak") and is true when the copy completed.
class Backup {
public:
    virtual ~Backup() = default;

    // False while the program has no backup component; its menu items stay disabled.
    virtual bool available() const = 0;
    virtual bool backup(const std::string& lastBackup) = 0;
    virtual bool backupOnExit(const std::string& lastBackup) = 0;
    virtual bool restore() = 0;
};

} // namespace tavolim::core
