#include "core/store/FileTransaction.h"

#include "core/store/BinaryFile.h"
#include "core/store/Crc32.h"
#include "core/store/FileOverlay.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using binaryfile::detail::Pending;
using binaryfile::detail::PendingFile;
using binaryfile::detail::PendingWrite;

constexpr char kMagic[8] = {'T', 'V', 'L', 'D', 'I', 'A', 'R', '1'};
constexpr char kEnd[4] = {'F', 'I', 'M', '!'};
constexpr std::uint8_t kExisted = 1;
constexpr std::uint8_t kReplaced = 2;

// One file as the journal holds it: what to write (redo) and the old bytes (undo).
struct JournalFile {
    std::string name;
    bool existed = false;
    bool replaced = false;
    std::uint64_t baseSize = 0;
    std::vector<PendingWrite> redo;
    std::vector<PendingWrite> undo;
};

class Writer {
public:
    void bytes(const void* p, std::size_t n)
    {
        const auto* b = static_cast<const std::uint8_t*>(p);
        m_out.insert(m_out.end(), b, b + n);
    }
    template <class T>
    void number(T v)
    {
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            m_out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i)));
        }
    }
    void writes(const std::vector<PendingWrite>& list)
    {
        number<std::uint32_t>(static_cast<std::uint32_t>(list.size()));
        for (const auto& w : list) {
            number<std::uint64_t>(w.offset);
            number<std::uint32_t>(static_cast<std::uint32_t>(w.bytes.size()));
            bytes(w.bytes.data(), w.bytes.size());
        }
    }
    std::vector<std::uint8_t>& out() { return m_out; }

private:
    std::vector<std::uint8_t> m_out;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> in) : m_in(in) {}
    bool bytes(void* p, std::size_t n)
    {
        if (n > m_in.size() - m_at) {
            return false;
        }
        std::memcpy(p, m_in.data() + m_at, n);
        m_at += n;
        return true;
    }
    template <class T>
    bool number(T& v)
    {
        if (sizeof(T) > m_in.size() - m_at) {
            return false;
        }
        std::uint64_t u = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            u |= static_cast<std::uint64_t>(m_in[m_at + i]) << (8 * i);
        }
        m_at += sizeof(T);
        v = static_cast<T>(u);
        return true;
    }
    bool writes(std::vector<PendingWrite>& list)
    {
        std::uint32_t count = 0;
        if (!number(count)) {
            return false;
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            PendingWrite w;
            std::uint32_t length = 0;
            if (!number(w.offset) || !number(length) || length > m_in.size() - m_at) {
                return false;
            }
            w.bytes.assign(m_in.begin() + static_cast<std::ptrdiff_t>(m_at),
                           m_in.begin() + static_cast<std::ptrdiff_t>(m_at + length));
            m_at += length;
            list.push_back(std::move(w));
        }
        return true;
    }
    bool atEnd() const { return m_at == m_in.size(); }

private:
    std::span<const std::uint8_t> m_in;
    std::size_t m_at = 0;
};

std::vector<std::uint8_t> encodeJournal(const std::vector<JournalFile>& files)
{
    Writer w;
    w.bytes(kMagic, sizeof kMagic);
    w.number<std::uint32_t>(static_cast<std::uint32_t>(files.size()));
    for (const auto& f : files) {
        w.number<std::uint16_t>(static_cast<std::uint16_t>(f.name.size()));
        w.bytes(f.name.data(), f.name.size());
        w.number<std::uint8_t>(
            static_cast<std::uint8_t>((f.existed ? kExisted : 0) | (f.replaced ? kReplaced : 0)));
        w.number<std::uint64_t>(f.baseSize);
        w.writes(f.redo);
        w.writes(f.undo);
    }
    w.number<std::uint32_t>(crc32(w.out()));
    w.bytes(kEnd, sizeof kEnd);
    return std::move(w.out());
}

// A name the journal may hold: a plain file name of the folder. A control character (a NUL
// above all, which would cut the name short on its way to the system) is none.
bool plainName(const std::string& name)
{
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos &&
           std::none_of(name.begin(), name.end(), control);
}

std::optional<std::vector<JournalFile>> decodeJournal(std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t trailer = 4 + sizeof kEnd;
    if (bytes.size() < sizeof kMagic + 4 + trailer ||
        std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0 ||
        std::memcmp(bytes.data() + bytes.size() - sizeof kEnd, kEnd, sizeof kEnd) != 0) {
        return std::nullopt;
    }
    const auto body = bytes.first(bytes.size() - trailer);
    std::uint32_t stored = 0;
    Reader crcReader(bytes.subspan(body.size(), 4));
    if (!crcReader.number(stored) || stored != crc32(body)) {
        return std::nullopt;
    }
    Reader r(body.subspan(sizeof kMagic));
    std::uint32_t count = 0;
    if (!r.number(count)) {
        return std::nullopt;
    }
    std::vector<JournalFile> files;
    for (std::uint32_t i = 0; i < count; ++i) {
        JournalFile f;
        std::uint16_t nameLength = 0;
        std::uint8_t flags = 0;
        if (!r.number(nameLength)) {
            return std::nullopt;
        }
        f.name.resize(nameLength);
        if (!r.bytes(f.name.data(), nameLength) || !plainName(f.name) || !r.number(flags) ||
            !r.number(f.baseSize) || !r.writes(f.redo) || !r.writes(f.undo)) {
            return std::nullopt;
        }
        f.existed = (flags & kExisted) != 0;
        f.replaced = (flags & kReplaced) != 0;
        files.push_back(std::move(f));
    }
    if (!r.atEnd()) {
        return std::nullopt;
    }
    return files;
}

// Journal names are UTF-8 whatever the system's own encoding of file names.
std::filesystem::path fromUtf8(const std::string& name)
{
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string utf8Name(const std::filesystem::path& path)
{
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

bool redo(const std::filesystem::path& folder, const JournalFile& f)
{
    namespace d = binaryfile::detail;
    const auto path = folder / fromUtf8(f.name);
    if (f.replaced && !d::physicalTruncate(path, 0)) {
        return false;
    }
    return d::physicalWrites(path, f.redo);
}

std::vector<std::filesystem::path> pathsOf(const std::filesystem::path& folder,
                                           const std::vector<JournalFile>& files)
{
    std::vector<std::filesystem::path> paths;
    for (const auto& f : files) {
        paths.push_back(folder / fromUtf8(f.name));
    }
    return paths;
}

// Best effort: every step is tried even after one fails.
bool undo(const std::filesystem::path& folder, const JournalFile& f)
{
    namespace d = binaryfile::detail;
    const auto path = folder / fromUtf8(f.name);
    if (!f.existed) {
        return d::physicalRemove(path);
    }
    bool ok = true;
    for (const auto& w : f.undo) {
        ok = d::physicalWrite(path, w.offset, w.bytes) && ok;
    }
    return d::physicalTruncate(path, f.baseSize) && ok;
}

// Changes the files as the journal says; on a failure puts every file back. True when the
// files now hold the operation.
bool applyJournal(const std::filesystem::path& folder, const std::vector<JournalFile>& files)
{
    const auto paths = pathsOf(folder, files);
    bool ok = true;
    for (const auto& f : files) {
        if (!redo(folder, f)) {
            ok = false;
            break;
        }
    }
    // The journal may go only once the files are on the disk.
    if (ok && binaryfile::detail::physicalSyncAll(folder, paths)) {
        return true;
    }
    const binaryfile::Failure failure = binaryfile::lastFailure();
    for (const auto& g : files) {
        undo(folder, g);
    }
    binaryfile::detail::physicalSyncAll(folder, paths);
    binaryfile::setFailure(failure.path, failure.error);
    return false;
}

std::filesystem::path normalFolder(const std::filesystem::path& folder)
{
    auto f = folder.lexically_normal();
    return f.has_filename() ? f : f.parent_path();
}

} // namespace

FileTransaction::FileTransaction(const std::filesystem::path& folder)
{
    auto& active = binaryfile::detail::active();
    if (active) {
        return; // joins the open one
    }
    m_own = new Pending{normalFolder(folder), {}};
    active = m_own;
}

FileTransaction::~FileTransaction()
{
    if (m_own) {
        if (binaryfile::detail::active() == m_own) {
            binaryfile::detail::active() = nullptr;
        }
        delete m_own;
    }
}

bool FileTransaction::commit()
{
    if (!m_own || m_done) {
        return true;
    }
    m_done = true;
    // From here on the files are touched for real.
    binaryfile::detail::active() = nullptr;
    const std::filesystem::path folder = m_own->folder;
    std::vector<JournalFile> files;
    for (auto& [path, pending] : m_own->files) {
        if (pending.writes.empty() && !pending.replaced) {
            continue;
        }
        JournalFile f;
        f.name = utf8Name(path);
        f.existed = pending.existed;
        f.replaced = pending.replaced;
        f.baseSize = pending.baseSize;
        if (pending.replaced) {
            f.undo.push_back(
                {0, binaryfile::detail::physicalRead(
                        path, 0, static_cast<std::size_t>(pending.baseSize), nullptr)});
        } else {
            f.undo = binaryfile::detail::physicalReadsUnder(path, pending.writes, pending.baseSize);
        }
        f.redo = std::move(pending.writes);
        files.push_back(std::move(f));
    }
    if (files.empty()) {
        return true;
    }

    const auto journal = folder / kJournalFile;
    const auto bytes = encodeJournal(files);
    if (!binaryfile::detail::physicalTruncate(journal, 0) ||
        !binaryfile::detail::physicalWrite(journal, 0, bytes) ||
        !binaryfile::detail::physicalSync(journal)) {
        const binaryfile::Failure failure = binaryfile::lastFailure();
        binaryfile::detail::physicalRemove(journal);
        binaryfile::setFailure(failure.path, failure.error);
        return false;
    }
    const bool applied = applyJournal(folder, files);
    const binaryfile::Failure failure = binaryfile::lastFailure();
    // A journal left behind is replayed at the next start, which changes nothing now.
    binaryfile::detail::physicalRemove(journal);
    if (!applied) {
        binaryfile::setFailure(failure.path, failure.error);
    }
    return applied;
}

JournalRecovery recoverJournal(const std::filesystem::path& folder)
{
    const auto journal = folder / kJournalFile;
    if (!binaryfile::detail::physicalExists(journal)) {
        return JournalRecovery::None;
    }
    const auto bytes = binaryfile::detail::physicalRead(
        journal, 0, static_cast<std::size_t>(binaryfile::detail::physicalSize(journal)), nullptr);
    const auto files = decodeJournal(bytes);
    JournalRecovery outcome = JournalRecovery::Discarded;
    binaryfile::Failure failure;
    if (files) {
        outcome =
            applyJournal(folder, *files) ? JournalRecovery::Completed : JournalRecovery::Undone;
        failure = binaryfile::lastFailure();
    }
    binaryfile::detail::physicalRemove(journal);
    if (outcome == JournalRecovery::Undone) {
        binaryfile::setFailure(failure.path, failure.error);
    }
    return outcome;
}

} // namespace tavolim::core
