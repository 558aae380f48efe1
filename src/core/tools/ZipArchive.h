#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

struct archive;

namespace tavolim::core {

// A zip archive written through libarchive. The bytes go to the file through the file
// layer, so a full or read-only disk, or an injected fault, fails the write with the file
// and the cause in binaryfile::lastFailure().
class ZipWriter {
public:
    // Entries are deflated at `level` (0 stores them as they are).
    ZipWriter(std::filesystem::path file, int level);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // An entry of `size` bytes; exactly that many must follow through write().
    bool beginEntry(const std::string& name, std::uint64_t size, std::int64_t modified);
    bool write(std::span<const std::uint8_t> bytes);
    // Writes the central directory. False when anything failed on the way.
    bool close();

    // Why the last call failed, in the operator's words.
    std::string error() const;

private:
    friend struct ZipWriterOutput;
    bool writeOut(std::span<const std::uint8_t> bytes);
    bool check(int status);

    std::filesystem::path m_file;
    archive* m_archive = nullptr;
    std::uint64_t m_offset = 0;
    bool m_fileFailed = false;
    bool m_failed = false;
    bool m_closed = false;
};

// Reads a zip archive entry by entry; libarchive checks each entry's CRC as it is read.
class ZipReader {
public:
    explicit ZipReader(const std::filesystem::path& file);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    struct Entry {
        std::string name;
        std::optional<std::uint64_t> size; // as the archive states it
        bool regular = true;               // a plain file, not a folder or link
    };
    // The next entry, or nullopt at the end or on damage (then failed() is true).
    std::optional<Entry> next();
    // The current entry's bytes in blocks. False when the entry is torn or damaged.
    bool read(const std::function<bool(std::span<const std::uint8_t>)>& block);

    bool failed() const { return m_failed; }
    // libarchive's account of the damage.
    std::string error() const { return m_error; }

private:
    archive* m_archive = nullptr;
    bool m_failed = false;
    std::string m_error;
};

} // namespace tavolim::core
