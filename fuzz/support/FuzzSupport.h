#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::fuzz {

// Ends the run the way a crash does, so libFuzzer keeps the input: something that must hold
// for any file did not.
[[noreturn]] void fail(const char* what, const char* file, int line);

#define FUZZ_CHECK(cond) ((cond) ? (void)0 : ::tavolim::fuzz::fail(#cond, __FILE__, __LINE__))

using Bytes = std::vector<std::uint8_t>;

// An input holding several files: pieces separated by kSeparator. Piece 0 steers the run (which
// values to write, which day to roll to, ...); piece i >= 1 is the i-th file the target names.
// A piece that is not there means the file is missing; an empty piece, an empty file.
inline constexpr std::string_view kSeparator = "|TVL|";

struct Pieces {
    std::string_view steering;
    std::vector<std::optional<std::string_view>> files;
};
Pieces splitPieces(std::span<const std::uint8_t> data, std::size_t fileCount);

// The data folder of one input: a folder of its own inside a private root made once per
// process. Each call of fresh() empties it. Files are limited in size (RLIMIT_FSIZE), so a
// damaged count that asks for gigabytes fails as a full disk would instead of filling one.
class Sandbox {
public:
    static constexpr std::uint64_t kFileSizeLimit = 16u << 20;

    static Sandbox& instance();

    // An empty data folder.
    const std::filesystem::path& fresh();
    const std::filesystem::path& folder() const { return m_folder; }

    // Writes a file of the data folder; nothing when `bytes` is nullopt.
    void put(std::string_view name, std::optional<std::string_view> bytes) const;

    // Every file of the data folder by name.
    std::map<std::string, Bytes> snapshot() const;

    // Nothing was written beside the data folder, and the folder holds only plain files
    // (a file name taken from the data can make neither a folder nor a link).
    void checkConfined() const;

private:
    Sandbox();
    ~Sandbox();

    std::filesystem::path m_root;
    std::filesystem::path m_folder;
};

// The bytes of a file, empty when it is missing.
Bytes readFile(const std::filesystem::path& path);
bool fileExists(const std::filesystem::path& path);

// The input reinterpreted as text of the Western code page, as the record files hold it.
std::string textOf(std::string_view bytes);

// Injects a failure (ENOSPC) into the n-th physical change to a file from now on (1-based);
// 0 injects none. Cleared by clearFault() or the next call.
void failWriteNumber(int n);
void clearFault();

} // namespace tavolim::fuzz
