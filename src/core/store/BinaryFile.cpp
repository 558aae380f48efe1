#include "core/store/BinaryFile.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace tavolim::core::binaryfile {
namespace {

std::FILE* open(const std::filesystem::path& path, const char* mode)
{
    return std::fopen(path.string().c_str(), mode);
}

bool seek(std::FILE* f, std::uint64_t offset)
{
#ifdef _WIN32
    return _fseeki64(f, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
    return fseeko(f, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

} // namespace

std::uint64_t size(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto n = std::filesystem::file_size(path, ec);
    return ec ? 0 : n;
}

std::vector<std::uint8_t> readAt(const std::filesystem::path& path, std::uint64_t offset,
                                 std::size_t length, std::size_t* got)
{
    std::vector<std::uint8_t> bytes(length, 0);
    std::size_t n = 0;
    if (std::FILE* f = open(path, "rb")) {
        if (seek(f, offset)) {
            n = std::fread(bytes.data(), 1, length, f);
        }
        std::fclose(f);
    }
    if (got) {
        *got = n;
    }
    return bytes;
}

void readBlocks(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t length,
                std::size_t blockLength,
                const std::function<void(std::span<const std::uint8_t>)>& f)
{
    std::FILE* file = open(path, "rb");
    if (!file || blockLength == 0 || !seek(file, offset)) {
        if (file) {
            std::fclose(file);
        }
        return;
    }
    std::vector<std::uint8_t> buffer(blockLength);
    while (length > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(length, blockLength));
        const std::size_t got = std::fread(buffer.data(), 1, want, file);
        if (got > 0) {
            f(std::span<const std::uint8_t>(buffer.data(), got));
        }
        if (got < want) {
            break;
        }
        length -= got;
    }
    std::fclose(file);
}

bool writeAt(const std::filesystem::path& path, std::uint64_t offset,
             std::span<const std::uint8_t> bytes)
{
    std::FILE* f = open(path, "r+b");
    if (!f) {
        f = open(path, "w+b");
    }
    if (!f) {
        return false;
    }
    bool ok = seek(f, offset) &&
              (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size());
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

std::vector<std::uint8_t> readAll(const std::filesystem::path& path)
{
    return readAt(path, 0, static_cast<std::size_t>(size(path)));
}

bool writeAllAtomic(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    std::filesystem::path tmp = path;
    tmp += ".novo";
    std::FILE* f = open(tmp, "wb");
    if (!f) {
        return false;
    }
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        std::error_code ec;
        std::filesystem::remove(tmp, ec);
        return false;
    }
    return replace(tmp, path);
}

bool writeNew(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    std::FILE* f = open(path, "wb");
    if (!f) {
        return false;
    }
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

bool exists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

void remove(const std::filesystem::path& path)
{
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

bool replace(const std::filesystem::path& source, const std::filesystem::path& target)
{
    std::error_code ec;
    std::filesystem::rename(source, target, ec);
    if (ec) {
        // Some platforms refuse to rename over an existing file.
        std::filesystem::remove(target, ec);
        std::filesystem::rename(source, target, ec);
    }
    return !ec;
}

} // namespace tavolim::core::binaryfile
