#include "support/FuzzSupport.h"

#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include <sys/resource.h>
#include <unistd.h>

namespace tavolim::fuzz {

void fail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "\n*** Falhou: %s (%s:%d)\n", what, file, line);
    std::abort();
}

Pieces splitPieces(std::span<const std::uint8_t> data, std::size_t fileCount)
{
    const std::string_view all(reinterpret_cast<const char*>(data.data()), data.size());
    Pieces pieces;
    pieces.files.assign(fileCount, std::nullopt);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= fileCount; ++i) {
        const auto end = all.find(kSeparator, start);
        const auto piece =
            all.substr(start, end == std::string_view::npos ? all.npos : end - start);
        if (i == 0) {
            pieces.steering = piece;
        } else {
            pieces.files[i - 1] = piece;
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + kSeparator.size();
    }
    return pieces;
}

Sandbox& Sandbox::instance()
{
    static Sandbox sandbox;
    return sandbox;
}

Sandbox::Sandbox()
{
    // A write past the limit fails with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kFileSizeLimit, kFileSizeLimit};
    setrlimit(RLIMIT_FSIZE, &limit);

    // Memory-backed where there is one: the journal syncs every file it writes.
    std::error_code ec;
    const std::filesystem::path shm = "/dev/shm";
    const auto base = std::filesystem::is_directory(shm, ec) && access(shm.c_str(), W_OK) == 0
                          ? shm
                          : std::filesystem::temp_directory_path();
    std::string pattern = (base / "tavolim-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        fail("mkdtemp", __FILE__, __LINE__);
    }
    m_root = pattern;
    m_folder = m_root / "dados";
    std::filesystem::create_directory(m_folder);
}

Sandbox::~Sandbox()
{
    std::error_code ec;
    std::filesystem::remove_all(m_root, ec);
}

const std::filesystem::path& Sandbox::fresh()
{
    std::error_code ec;
    std::filesystem::remove_all(m_root, ec);
    std::filesystem::create_directories(m_folder, ec);
    if (ec) {
        fail("create_directories", __FILE__, __LINE__);
    }
    core::binaryfile::clearFailure();
    clearFault();
    return m_folder;
}

void Sandbox::put(std::string_view name, std::optional<std::string_view> bytes) const
{
    if (!bytes) {
        return;
    }
    std::ofstream out(m_folder / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    if (!out) {
        fail("put", __FILE__, __LINE__);
    }
}

std::map<std::string, Bytes> Sandbox::snapshot() const
{
    std::map<std::string, Bytes> files;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder)) {
        files[entry.path().filename().string()] = readFile(entry.path());
    }
    return files;
}

void Sandbox::checkConfined() const
{
    std::size_t inRoot = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_root)) {
        FUZZ_CHECK(entry.path().filename() == "dados");
        ++inRoot;
    }
    FUZZ_CHECK(inRoot == 1);
    for (const auto& entry : std::filesystem::directory_iterator(m_folder)) {
        FUZZ_CHECK(entry.is_regular_file() && !entry.is_symlink());
    }
}

Bytes readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool fileExists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::string textOf(std::string_view bytes)
{
    return core::fromCp1252(bytes);
}

void failWriteNumber(int n)
{
    if (n <= 0) {
        clearFault();
        return;
    }
    core::binaryfile::setFaultHook(
        [left = n](const std::filesystem::path&) mutable { return --left == 0 ? ENOSPC : 0; });
}

void clearFault()
{
    core::binaryfile::setFaultHook({});
}

} // namespace tavolim::fuzz
