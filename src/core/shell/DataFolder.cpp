#include "core/shell/DataFolder.h"

namespace tavolim::core {

std::filesystem::path chooseDataFolder(const std::optional<std::filesystem::path>& given,
                                       const std::filesystem::path& programFolder,
                                       const std::filesystem::path& perUserFolder)
{
    if (given && !given->empty()) {
        return *given;
    }
    std::error_code ec;
    if (!programFolder.empty() && std::filesystem::exists(programFolder / "tavolim.ini", ec)) {
        return programFolder;
    }
    return perUserFolder;
}

} // namespace tavolim::core
