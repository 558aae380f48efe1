// Zip archives without libarchive (builds that lack it, as the Windows cross build): entries
// are stored as they are, not deflated, and only such archives can be read back. The bytes go
// through the file layer like libarchive's do.
#ifdef TAVOLIM_STORED_ZIP

#include "core/store/BinaryFile.h"
#include "core/store/Crc32.h"
#include "core/tools/ZipArchive.h"

#include <ctime>
#include <limits>
#include <vector>

// The header names libarchive's handle; here it holds this writer's or reader's own state.
struct archive {
    struct Item {
        std::string name;
        std::uint32_t crc = 0;
        std::uint64_t size = 0;
        std::uint64_t offset = 0; // of the local header
        std::uint16_t method = 0;
        std::uint16_t flags = 0;
        std::uint16_t time = 0;
        std::uint16_t date = 0;
    };
    std::vector<Item> items;
    std::string error;

    // Writing: the bytes not yet in the file, from `pending` on.
    std::vector<std::uint8_t> buffer;
    std::uint64_t left = 0; // bytes still owed to the open entry
    bool inEntry = false;

    // Reading.
    std::filesystem::path file;
    std::size_t next = 0;
    bool entryOpen = false;
};

namespace tavolim::core {
namespace {

constexpr std::size_t kBlockLength = 1 << 20;
constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfCentral = 0x06054b50;
constexpr std::size_t kLocalHeaderLength = 30;
constexpr std::size_t kCentralHeaderLength = 46;
constexpr std::size_t kEndLength = 22;
constexpr std::uint16_t kUtf8Names = 0x0800;
constexpr std::uint16_t kVersion = 20;

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

std::uint16_t get16(std::span<const std::uint8_t> in, std::size_t at)
{
    return static_cast<std::uint16_t>(in[at] | in[at + 1] << 8);
}

std::uint32_t get32(std::span<const std::uint8_t> in, std::size_t at)
{
    return get16(in, at) | static_cast<std::uint32_t>(get16(in, at + 2)) << 16;
}

// The DOS time and date zip keeps, in local time as other zip programs write it.
void dosMoment(std::int64_t modified, std::uint16_t& time, std::uint16_t& date)
{
    const std::time_t t = static_cast<std::time_t>(modified);
    std::tm local{};
#ifdef _WIN32
    const bool ok = localtime_s(&local, &t) == 0;
#else
    const bool ok = localtime_r(&t, &local) != nullptr;
#endif
    if (!ok || local.tm_year < 80) {
        time = 0;
        date = (1 << 5) | 1; // 01/01/1980
        return;
    }
    time = static_cast<std::uint16_t>(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2);
    date = static_cast<std::uint16_t>((local.tm_year - 80) << 9 | (local.tm_mon + 1) << 5 |
                                      local.tm_mday);
}

bool asciiOnly(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

ZipWriter::ZipWriter(std::filesystem::path file, int /*level*/)
    : m_file(std::move(file)), m_archive(new archive)
{
    // A new archive: nothing of an old file by that name may remain past its end.
    m_failed = !binaryfile::writeNew(m_file, {});
    m_fileFailed = m_failed;
}

ZipWriter::~ZipWriter()
{
    delete m_archive;
}

bool ZipWriter::writeOut(std::span<const std::uint8_t> bytes)
{
    if (m_fileFailed) {
        return false;
    }
    if (!binaryfile::writeAt(m_file, m_offset, bytes)) {
        m_fileFailed = true;
        m_failed = true;
        return false;
    }
    m_offset += bytes.size();
    return true;
}

bool ZipWriter::check(int status)
{
    if (status != 0) {
        m_failed = true;
    }
    return !m_failed;
}

// The writer's steps that its header does not name.
struct ZipWriterOutput {
    // The buffer goes to the file once it holds a block (or at the end).
    static bool flush(ZipWriter& w, bool all)
    {
        archive& a = *w.m_archive;
        if (a.buffer.empty() || (!all && a.buffer.size() < kBlockLength)) {
            return true;
        }
        const bool ok = w.writeOut(a.buffer);
        a.buffer.clear();
        return ok;
    }

    // Once the entry's bytes have all passed, its CRC goes into its local header.
    static bool finishEntryIfDone(ZipWriter& w)
    {
        archive& a = *w.m_archive;
        if (!a.inEntry || a.left != 0) {
            return true;
        }
        a.inEntry = false;
        const archive::Item& item = a.items.back();
        std::vector<std::uint8_t> crc;
        put32(crc, item.crc);
        const std::uint64_t at = item.offset + 14;
        if (at >= w.m_offset) {
            std::copy(crc.begin(), crc.end(),
                      a.buffer.begin() + static_cast<std::ptrdiff_t>(at - w.m_offset));
            return true;
        }
        // The header already went out with an earlier block.
        if (!binaryfile::writeAt(w.m_file, at, crc)) {
            w.m_fileFailed = true;
            w.m_failed = true;
        }
        return !w.m_failed;
    }
};

bool ZipWriter::beginEntry(const std::string& name, std::uint64_t size, std::int64_t modified)
{
    if (m_failed) {
        return false;
    }
    archive& a = *m_archive;
    if (a.inEntry && a.left != 0) {
        a.error = "entrada anterior incompleta";
        return check(1);
    }
    if (size > std::numeric_limits<std::uint32_t>::max() || a.items.size() >= 0xFFFF ||
        name.size() > 0xFFFF) {
        a.error = "arquivo grande demais para um zip sem compactação";
        return check(1);
    }
    archive::Item item;
    item.name = name;
    item.size = size;
    item.offset = m_offset + a.buffer.size();
    item.flags = asciiOnly(name) ? 0 : kUtf8Names;
    dosMoment(modified, item.time, item.date);
    if (item.offset > std::numeric_limits<std::uint32_t>::max()) {
        a.error = "arquivo grande demais para um zip sem compactação";
        return check(1);
    }

    // The CRC is written once the entry's bytes have all passed (finishEntryIfDone).
    auto& out = a.buffer;
    put32(out, kLocalHeader);
    put16(out, kVersion);
    put16(out, item.flags);
    put16(out, 0); // stored
    put16(out, item.time);
    put16(out, item.date);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(size));
    put32(out, static_cast<std::uint32_t>(size));
    put16(out, static_cast<std::uint16_t>(name.size()));
    put16(out, 0);
    out.insert(out.end(), name.begin(), name.end());
    a.items.push_back(std::move(item));
    a.left = size;
    a.inEntry = true;
    return ZipWriterOutput::finishEntryIfDone(*this);
}

bool ZipWriter::write(std::span<const std::uint8_t> bytes)
{
    if (m_failed) {
        return false;
    }
    archive& a = *m_archive;
    if (!a.inEntry || bytes.size() > a.left) {
        a.error = "mais dados do que o tamanho da entrada";
        return check(1);
    }
    archive::Item& item = a.items.back();
    item.crc = crc32(bytes, item.crc);
    a.buffer.insert(a.buffer.end(), bytes.begin(), bytes.end());
    a.left -= bytes.size();
    // The CRC is patched in before the buffer can go out without it.
    return ZipWriterOutput::finishEntryIfDone(*this) && ZipWriterOutput::flush(*this, false);
}

bool ZipWriter::close()
{
    archive& a = *m_archive;
    if (!m_failed && a.inEntry) {
        a.error = "entrada incompleta";
        check(1);
    }
    if (!m_failed) {
        const std::uint64_t start = m_offset + a.buffer.size();
        auto& out = a.buffer;
        for (const auto& item : a.items) {
            put32(out, kCentralHeader);
            put16(out, kVersion);
            put16(out, kVersion);
            put16(out, item.flags);
            put16(out, 0);
            put16(out, item.time);
            put16(out, item.date);
            put32(out, item.crc);
            put32(out, static_cast<std::uint32_t>(item.size));
            put32(out, static_cast<std::uint32_t>(item.size));
            put16(out, static_cast<std::uint16_t>(item.name.size()));
            put16(out, 0); // extra
            put16(out, 0); // comment
            put16(out, 0); // disk
            put16(out, 0); // internal attributes
            put32(out, 0); // external attributes
            put32(out, static_cast<std::uint32_t>(item.offset));
            out.insert(out.end(), item.name.begin(), item.name.end());
        }
        const std::uint64_t length = m_offset + out.size() - start;
        if (start > std::numeric_limits<std::uint32_t>::max()) {
            a.error = "arquivo grande demais para um zip sem compactação";
            check(1);
        } else {
            put32(out, kEndOfCentral);
            put16(out, 0);
            put16(out, 0);
            put16(out, static_cast<std::uint16_t>(a.items.size()));
            put16(out, static_cast<std::uint16_t>(a.items.size()));
            put32(out, static_cast<std::uint32_t>(length));
            put32(out, static_cast<std::uint32_t>(start));
            put16(out, 0);
            ZipWriterOutput::flush(*this, true);
        }
    }
    m_closed = !m_failed;
    return !m_failed;
}

std::string ZipWriter::error() const
{
    if (m_fileFailed) {
        return binaryfile::failureMessage(binaryfile::lastFailure());
    }
    const std::string text = m_archive ? m_archive->error : std::string();
    return "Não foi possível gravar o arquivo '" + m_file.filename().string() + "' (" +
           (text.empty() ? "erro ao montar o arquivo compactado" : text) + ").";
}

namespace {

bool damaged(archive& a, std::string why)
{
    a.error = std::move(why);
    return false;
}

// Reads the central directory: where each entry is and what it holds.
bool readDirectory(archive& a)
{
    const std::uint64_t size = binaryfile::size(a.file);
    if (size < kEndLength) {
        return damaged(a, size == 0 ? "não foi possível abrir o arquivo" : "arquivo truncado");
    }
    // The end record sits in the last 22 bytes, before a comment of up to 64 KiB.
    const std::uint64_t tail = std::min<std::uint64_t>(size, kEndLength + 0xFFFF);
    const auto end = binaryfile::readAt(a.file, size - tail, static_cast<std::size_t>(tail));
    std::size_t at = end.size() - kEndLength + 1;
    bool found = false;
    while (at-- > 0) {
        if (get32(end, at) == kEndOfCentral) {
            found = true;
            break;
        }
    }
    if (!found) {
        return damaged(a, "fim do diretório do zip não encontrado");
    }
    const std::uint16_t count = get16(end, at + 10);
    const std::uint32_t length = get32(end, at + 12);
    const std::uint32_t start = get32(end, at + 16);
    if (static_cast<std::uint64_t>(start) + length > size - tail + at) {
        return damaged(a, "diretório do zip truncado");
    }
    const auto dir = binaryfile::readAt(a.file, start, length);
    std::size_t p = 0;
    for (std::uint16_t i = 0; i < count; ++i) {
        if (p + kCentralHeaderLength > dir.size() || get32(dir, p) != kCentralHeader) {
            return damaged(a, "diretório do zip danificado");
        }
        archive::Item item;
        item.flags = get16(dir, p + 8);
        item.method = get16(dir, p + 10);
        item.crc = get32(dir, p + 16);
        item.size = get32(dir, p + 24);
        const std::uint32_t packed = get32(dir, p + 20);
        const std::size_t nameLength = get16(dir, p + 28);
        const std::size_t extra = get16(dir, p + 30);
        const std::size_t comment = get16(dir, p + 32);
        item.offset = get32(dir, p + 42);
        if (p + kCentralHeaderLength + nameLength + extra + comment > dir.size()) {
            return damaged(a, "diretório do zip danificado");
        }
        if (item.method == 0 && packed != item.size) {
            return damaged(a, "tamanhos de entrada divergentes");
        }
        const auto* name = dir.data() + p + kCentralHeaderLength;
        item.name.assign(name, name + nameLength);
        a.items.push_back(std::move(item));
        p += kCentralHeaderLength + nameLength + extra + comment;
    }
    return true;
}

} // namespace

ZipReader::ZipReader(const std::filesystem::path& file) : m_archive(new archive)
{
    m_archive->file = file;
    if (!binaryfile::exists(file) || !readDirectory(*m_archive)) {
        m_failed = true;
        m_error = m_archive->error.empty() ? "não foi possível abrir o arquivo" : m_archive->error;
    }
}

ZipReader::~ZipReader()
{
    delete m_archive;
}

std::optional<ZipReader::Entry> ZipReader::next()
{
    if (m_failed || m_archive->next >= m_archive->items.size()) {
        return std::nullopt;
    }
    const archive::Item& item = m_archive->items[m_archive->next++];
    m_archive->entryOpen = true;
    Entry out;
    out.name = item.name;
    out.size = item.size;
    out.regular = !item.name.ends_with('/');
    return out;
}

bool ZipReader::read(const std::function<bool(std::span<const std::uint8_t>)>& block)
{
    if (m_failed || !m_archive->entryOpen) {
        return !m_failed;
    }
    archive& a = *m_archive;
    a.entryOpen = false;
    const archive::Item& item = a.items[a.next - 1];
    auto fail = [this](std::string why) {
        m_failed = true;
        m_error = std::move(why);
        return false;
    };
    if (item.method != 0) {
        return fail("entrada compactada: esta versão do programa só lê arquivos zip sem "
                    "compactação");
    }
    std::size_t got = 0;
    const auto header = binaryfile::readAt(a.file, item.offset, kLocalHeaderLength, &got);
    if (got < kLocalHeaderLength || get32(header, 0) != kLocalHeader) {
        return fail("cabeçalho de entrada danificado");
    }
    const std::uint64_t start =
        item.offset + kLocalHeaderLength + get16(header, 26) + get16(header, 28);
    if (start + item.size > binaryfile::size(a.file)) {
        return fail("entrada truncada");
    }
    std::uint32_t crc = 0;
    bool stopped = false;
    binaryfile::readBlocks(a.file, start, item.size, kBlockLength,
                           [&](std::span<const std::uint8_t> bytes) {
                               if (stopped) {
                                   return;
                               }
                               crc = crc32(bytes, crc);
                               stopped = !block(bytes);
                           });
    if (stopped) {
        return false;
    }
    if (crc != item.crc) {
        return fail("CRC incorreto na entrada '" + item.name + "'");
    }
    return true;
}

} // namespace tavolim::core

#endif
