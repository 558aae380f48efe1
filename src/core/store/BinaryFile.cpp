#include "core/store/BinaryFile.h"

#include "core/store/FileOverlay.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tavolim::core::binaryfile {
namespace {

// Per thread, like errno: the program has one thread, the tests may run several.
thread_local Failure t_failure;
thread_local FaultHook t_faultHook;
thread_local detail::Pending* t_pending = nullptr;

std::FILE* open(const std::filesystem::path& path, const char* mode)
{
#ifdef _WIN32
    // The wide name: a data folder under a name with accents opens whatever the code page.
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.string().c_str(), mode);
#endif
}

bool seek(std::FILE* f, std::uint64_t offset)
{
#ifdef _WIN32
    return _fseeki64(f, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
    return fseeko(f, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

int errnoOr(int fallback)
{
    return errno != 0 ? errno : fallback;
}

// Asks the fault hook; true when the step may go on.
bool allowed(const std::filesystem::path& path)
{
    if (!t_faultHook) {
        return true;
    }
    if (const int error = t_faultHook(path); error != 0) {
        setFailure(path, error);
        return false;
    }
    return true;
}

bool fail(const std::filesystem::path& path, int error)
{
    setFailure(path, error);
    return false;
}

// What a read sees of a file with pending writes: its old bytes, then the writes in order.
std::vector<std::uint8_t> overlaidRead(const std::filesystem::path& path,
                                       const detail::PendingFile& file, std::uint64_t offset,
                                       std::size_t length, std::size_t* got)
{
    std::vector<std::uint8_t> bytes(length, 0);
    if (!file.replaced && offset < file.baseSize) {
        const auto fromDisk =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, file.baseSize - offset));
        const auto old = detail::physicalRead(path, offset, fromDisk, nullptr);
        std::copy(old.begin(), old.end(), bytes.begin());
    }
    const std::uint64_t end = offset + length;
    for (const auto& w : file.writes) {
        const std::uint64_t wEnd = w.offset + w.bytes.size();
        if (wEnd <= offset || w.offset >= end) {
            continue;
        }
        const std::uint64_t from = std::max(offset, w.offset);
        const std::uint64_t to = std::min(end, wEnd);
        std::copy(w.bytes.begin() + static_cast<std::ptrdiff_t>(from - w.offset),
                  w.bytes.begin() + static_cast<std::ptrdiff_t>(to - w.offset),
                  bytes.begin() + static_cast<std::ptrdiff_t>(from - offset));
    }
    if (got) {
        *got = offset >= file.size
                   ? 0
                   : static_cast<std::size_t>(std::min<std::uint64_t>(length, file.size - offset));
    }
    return bytes;
}

bool inFolder(const std::filesystem::path& path, const std::filesystem::path& folder)
{
    return path.parent_path().lexically_normal() == folder;
}

bool inOpenTransaction(const std::filesystem::path& path)
{
    return t_pending && inFolder(path, t_pending->folder);
}

} // namespace

namespace detail {

Pending*& active()
{
    return t_pending;
}

PendingFile* pendingFor(const std::filesystem::path& path, bool create)
{
    if (!t_pending || !inFolder(path, t_pending->folder)) {
        return nullptr;
    }
    const auto it = t_pending->files.find(path);
    if (it != t_pending->files.end()) {
        return &it->second;
    }
    if (!create) {
        return nullptr;
    }
    PendingFile file;
    file.existed = physicalExists(path);
    file.baseSize = physicalSize(path);
    file.size = file.baseSize;
    return &t_pending->files.emplace(path, std::move(file)).first->second;
}

std::vector<std::uint8_t> physicalRead(const std::filesystem::path& path, std::uint64_t offset,
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

bool physicalWrite(const std::filesystem::path& path, std::uint64_t offset,
                   std::span<const std::uint8_t> bytes)
{
    if (!allowed(path)) {
        return false;
    }
    errno = 0;
    std::FILE* f = open(path, "r+b");
    if (!f && errno == ENOENT) {
        errno = 0;
        f = open(path, "w+b");
    }
    if (!f) {
        return fail(path, errnoOr(EIO));
    }
    errno = 0;
    bool ok = seek(f, offset) &&
              (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size());
    int error = ok ? 0 : errnoOr(EIO);
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        error = errnoOr(EIO);
    }
    return ok || fail(path, error);
}

bool physicalWrites(const std::filesystem::path& path, std::span<const PendingWrite> writes)
{
    if (writes.empty()) {
        return true;
    }
    if (!allowed(path)) {
        return false;
    }
    errno = 0;
    std::FILE* f = open(path, "r+b");
    if (!f && errno == ENOENT) {
        errno = 0;
        f = open(path, "w+b");
    }
    if (!f) {
        return fail(path, errnoOr(EIO));
    }
    bool ok = true;
    int error = 0;
    for (std::size_t i = 0; ok && i < writes.size(); ++i) {
        const auto& w = writes[i];
        if (i > 0 && !allowed(path)) {
            error = lastFailure().error;
            ok = false;
            break;
        }
        errno = 0;
        ok = seek(f, w.offset) && (w.bytes.empty() || std::fwrite(w.bytes.data(), 1, w.bytes.size(),
                                                                  f) == w.bytes.size());
        error = ok ? 0 : errnoOr(EIO);
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        error = errnoOr(EIO);
    }
    return ok || fail(path, error);
}

std::vector<PendingWrite> physicalReadsUnder(const std::filesystem::path& path,
                                             std::span<const PendingWrite> writes,
                                             std::uint64_t fileSize)
{
    std::vector<PendingWrite> images;
    std::FILE* f = open(path, "rb");
    for (const auto& w : writes) {
        if (w.offset >= fileSize) {
            continue;
        }
        const auto length =
            static_cast<std::size_t>(std::min<std::uint64_t>(w.bytes.size(), fileSize - w.offset));
        PendingWrite image{w.offset, std::vector<std::uint8_t>(length, 0)};
        if (f && seek(f, w.offset)) {
            const std::size_t got = std::fread(image.bytes.data(), 1, length, f);
            (void)got; // past the real end the image stays 0, as a plain read gives
        }
        images.push_back(std::move(image));
    }
    if (f) {
        std::fclose(f);
    }
    return images;
}

bool physicalTruncate(const std::filesystem::path& path, std::uint64_t size)
{
    if (!allowed(path)) {
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !physicalWrite(path, 0, {})) {
        return false;
    }
    std::filesystem::resize_file(path, size, ec);
    return !ec || fail(path, ec.value());
}

bool physicalSync(const std::filesystem::path& path)
{
    if (!allowed(path)) {
        return false;
    }
#ifdef _WIN32
    const int fd = _wopen(path.c_str(), _O_RDWR | _O_BINARY);
    if (fd < 0) {
        return fail(path, errnoOr(EIO));
    }
    const bool ok = _commit(fd) == 0;
    const int error = ok ? 0 : errnoOr(EIO);
    _close(fd);
#else
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return fail(path, errnoOr(EIO));
    }
    const bool ok = ::fsync(fd) == 0;
    const int error = ok ? 0 : errnoOr(EIO);
    ::close(fd);
#endif
    return ok || fail(path, error);
}

bool physicalSyncAll(const std::filesystem::path& folder,
                     const std::vector<std::filesystem::path>& files)
{
#ifdef __linux__
    if (!allowed(folder)) {
        return false;
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        const bool ok = ::syncfs(fd) == 0;
        const int error = ok ? 0 : errnoOr(EIO);
        ::close(fd);
        return ok || fail(folder, error);
    }
#else
    (void)folder;
#endif
    for (const auto& file : files) {
        if (!physicalSync(file)) {
            return false;
        }
    }
    return true;
}

bool physicalRemove(const std::filesystem::path& path)
{
    if (!allowed(path)) {
        return false;
    }
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !ec || fail(path, ec.value());
}

bool physicalExists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::uint64_t physicalSize(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto n = std::filesystem::file_size(path, ec);
    return ec ? 0 : n;
}

} // namespace detail

const Failure& lastFailure()
{
    return t_failure;
}

void clearFailure()
{
    t_failure = {};
}

void setFailure(const std::filesystem::path& path, int error)
{
    t_failure = {path, error};
}

std::string causeText(int error)
{
    switch (error) {
    case 0:
        return "nenhum erro";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "disco cheio";
    case EACCES:
    case EPERM:
        return "sem permissão de gravação";
    case EROFS:
        return "disco somente para leitura";
    case ENOENT:
        return "arquivo ou pasta não encontrado";
    case EBUSY:
    case ETXTBSY:
        return "arquivo em uso por outro programa";
    case EINVAL:
        return "operação fora de ordem";
    case EIO:
        return "erro de leitura ou gravação no disco";
    default:
        return "erro do sistema nº " + std::to_string(error);
    }
}

std::string failureMessage(const Failure& failure)
{
    return "Não foi possível gravar o arquivo '" + failure.path.filename().string() + "' (" +
           causeText(failure.error) + ").";
}

void setFaultHook(FaultHook hook)
{
    t_faultHook = std::move(hook);
}

std::uint64_t size(const std::filesystem::path& path)
{
    if (const auto* file = detail::pendingFor(path, false)) {
        return file->size;
    }
    return detail::physicalSize(path);
}

std::vector<std::uint8_t> readAt(const std::filesystem::path& path, std::uint64_t offset,
                                 std::size_t length, std::size_t* got)
{
    if (const auto* file = detail::pendingFor(path, false)) {
        return overlaidRead(path, *file, offset, length, got);
    }
    return detail::physicalRead(path, offset, length, got);
}

void readBlocks(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t length,
                std::size_t blockLength,
                const std::function<void(std::span<const std::uint8_t>)>& f)
{
    if (blockLength == 0) {
        return;
    }
    if (const auto* file = detail::pendingFor(path, false)) {
        // A file with pending writes is one the operation is changing: small enough to read
        // whole through the overlay.
        std::size_t got = 0;
        const auto want = static_cast<std::size_t>(
            std::min<std::uint64_t>(length, file->size > offset ? file->size - offset : 0));
        const auto bytes = overlaidRead(path, *file, offset, want, &got);
        for (std::size_t at = 0; at < got; at += blockLength) {
            f(std::span<const std::uint8_t>(bytes.data() + at, std::min(blockLength, got - at)));
        }
        return;
    }
    std::FILE* file = open(path, "rb");
    if (!file || !seek(file, offset)) {
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
    if (auto* file = detail::pendingFor(path, true)) {
        // A write that starts inside or right after the last one joins it, so a run of records
        // written in order is held, journaled and applied as one write.
        auto& writes = file->writes;
        if (!writes.empty() && offset >= writes.back().offset &&
            offset <= writes.back().offset + writes.back().bytes.size()) {
            auto& last = writes.back().bytes;
            const auto at = static_cast<std::size_t>(offset - writes.back().offset);
            last.resize(std::max(last.size(), at + bytes.size()));
            std::copy(bytes.begin(), bytes.end(), last.begin() + static_cast<std::ptrdiff_t>(at));
        } else {
            writes.push_back({offset, {bytes.begin(), bytes.end()}});
        }
        file->size = std::max<std::uint64_t>(file->size, offset + bytes.size());
        return true;
    }
    return detail::physicalWrite(path, offset, bytes);
}

std::vector<std::uint8_t> readAll(const std::filesystem::path& path)
{
    return readAt(path, 0, static_cast<std::size_t>(size(path)));
}

bool writeAllAtomic(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    if (inOpenTransaction(path)) {
        return writeNew(path, bytes); // the journal makes it whole or nothing already
    }
    std::filesystem::path tmp = path;
    tmp += ".novo";
    if (!writeNew(tmp, bytes) || !sync(tmp)) {
        const Failure failure = lastFailure();
        std::error_code ec;
        std::filesystem::remove(tmp, ec);
        setFailure(failure.path, failure.error);
        return false;
    }
    return replace(tmp, path);
}

bool writeNew(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    if (auto* file = detail::pendingFor(path, true)) {
        file->replaced = true;
        file->writes.clear();
        file->writes.push_back({0, {bytes.begin(), bytes.end()}});
        file->size = bytes.size();
        return true;
    }
    if (!allowed(path)) {
        return false;
    }
    errno = 0;
    std::FILE* f = open(path, "wb");
    if (!f) {
        return fail(path, errnoOr(EIO));
    }
    errno = 0;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int error = ok ? 0 : errnoOr(EIO);
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        error = errnoOr(EIO);
    }
    return ok || fail(path, error);
}

bool exists(const std::filesystem::path& path)
{
    if (const auto* file = detail::pendingFor(path, false)) {
        return file->existed || file->replaced || !file->writes.empty();
    }
    return detail::physicalExists(path);
}

bool remove(const std::filesystem::path& path)
{
    if (inOpenTransaction(path)) {
        return fail(path, EINVAL); // renames and removals do not go through the journal
    }
    return detail::physicalRemove(path);
}

bool replace(const std::filesystem::path& source, const std::filesystem::path& target)
{
    if (inOpenTransaction(source) || inOpenTransaction(target)) {
        return fail(target, EINVAL);
    }
    if (!allowed(target)) {
        return false;
    }
    std::error_code ec;
    // The new file takes the old one's permissions: a read-only file stays read-only.
    if (const auto old = std::filesystem::status(target, ec); !ec && std::filesystem::exists(old)) {
        std::filesystem::permissions(source, old.permissions(), ec);
    }
    ec.clear();
    std::filesystem::rename(source, target, ec);
    if (ec) {
        // Some platforms refuse to rename over an existing file.
        std::error_code removeError;
        std::filesystem::remove(target, removeError);
        std::filesystem::rename(source, target, ec);
    }
    return !ec || fail(target, ec.value());
}

bool sync(const std::filesystem::path& path)
{
    if (detail::pendingFor(path, false)) {
        return true; // reaches the disk with the commit
    }
    return detail::physicalSync(path);
}

} // namespace tavolim::core::binaryfile
