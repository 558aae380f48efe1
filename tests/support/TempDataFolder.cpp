#include "support/TempDataFolder.h"

#include <atomic>
#include <random>
#include <string>

namespace tavolim::test {

TempDataFolder::TempDataFolder()
{
    static std::atomic<int> counter{0};
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    do {
        m_path = base / ("tavolim-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    } while (std::filesystem::exists(m_path));
    std::filesystem::create_directories(m_path);
}

TempDataFolder::~TempDataFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

} // namespace tavolim::test
