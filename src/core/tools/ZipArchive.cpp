#include "core/tools/ZipArchive.h"

// Without libarchive, ZipArchiveStored.cpp stands in.
#ifndef TAVOLIM_STORED_ZIP

#include "core/store/BinaryFile.h"

#include <archive.h>
#include <archive_entry.h>

namespace tavolim::core {
namespace {

// Large blocks: each one opens and closes the archive file once.
constexpr std::size_t kBlockLength = 1 << 20;

} // namespace

struct ZipWriterOutput {
    static la_ssize_t write(archive*, void* self, const void* buffer, size_t length)
    {
        const std::span bytes(static_cast<const std::uint8_t*>(buffer), length);
        return static_cast<ZipWriter*>(self)->writeOut(bytes) ? static_cast<la_ssize_t>(length)
                                                              : -1;
    }
};

ZipWriter::ZipWriter(std::filesystem::path file, int level)
    : m_file(std::move(file)), m_archive(archive_write_new())
{
    const std::string options = "zip:compression-level=" + std::to_string(level);
    m_failed = !m_archive || archive_write_set_format_zip(m_archive) != ARCHIVE_OK ||
               archive_write_set_options(m_archive, options.c_str()) != ARCHIVE_OK ||
               archive_write_set_bytes_per_block(m_archive, static_cast<int>(kBlockLength)) !=
                   ARCHIVE_OK ||
               archive_write_set_bytes_in_last_block(m_archive, 1) != ARCHIVE_OK;
    if (!m_failed) {
        // A new archive: nothing of an old file by that name may remain past its end.
        m_failed = !binaryfile::writeNew(m_file, {});
        m_fileFailed = m_failed;
    }
    if (!m_failed) {
        m_failed = archive_write_open(m_archive, this, nullptr, &ZipWriterOutput::write, nullptr) !=
                   ARCHIVE_OK;
    }
}

ZipWriter::~ZipWriter()
{
    if (m_archive) {
        if (!m_closed) {
            // Abandoned: what is in the file is of no use, whatever libarchive adds.
            m_fileFailed = true;
        }
        archive_write_free(m_archive);
    }
}

bool ZipWriter::writeOut(std::span<const std::uint8_t> bytes)
{
    if (m_fileFailed) {
        return false;
    }
    if (!binaryfile::writeAt(m_file, m_offset, bytes)) {
        m_fileFailed = true;
        return false;
    }
    m_offset += bytes.size();
    return true;
}

bool ZipWriter::check(int status)
{
    if (status < ARCHIVE_WARN) {
        m_failed = true;
    }
    return !m_failed;
}

bool ZipWriter::beginEntry(const std::string& name, std::uint64_t size, std::int64_t modified)
{
    if (m_failed) {
        return false;
    }
    archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname(entry, name.c_str());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, static_cast<la_int64_t>(size));
    archive_entry_set_mtime(entry, static_cast<time_t>(modified), 0);
    const int status = archive_write_header(m_archive, entry);
    archive_entry_free(entry);
    return check(status);
}

bool ZipWriter::write(std::span<const std::uint8_t> bytes)
{
    if (m_failed) {
        return false;
    }
    while (!bytes.empty()) {
        const la_ssize_t n = archive_write_data(m_archive, bytes.data(), bytes.size());
        if (n <= 0) {
            m_failed = true;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

bool ZipWriter::close()
{
    if (!m_failed) {
        check(archive_write_close(m_archive));
    }
    m_closed = !m_failed;
    return !m_failed;
}

std::string ZipWriter::error() const
{
    if (m_fileFailed) {
        return binaryfile::failureMessage(binaryfile::lastFailure());
    }
    const char* text = m_archive ? archive_error_string(m_archive) : nullptr;
    return "Não foi possível gravar o arquivo '" + m_file.filename().string() + "' (" +
           (text ? text : "erro da biblioteca de arquivos compactados") + ").";
}

ZipReader::ZipReader(const std::filesystem::path& file) : m_archive(archive_read_new())
{
    if (!m_archive || archive_read_support_format_zip(m_archive) != ARCHIVE_OK ||
#ifdef _WIN32
        archive_read_open_filename_w(m_archive, file.c_str(), kBlockLength) != ARCHIVE_OK) {
#else
        archive_read_open_filename(m_archive, file.string().c_str(), kBlockLength) != ARCHIVE_OK) {
#endif
        m_failed = true;
        const char* text = m_archive ? archive_error_string(m_archive) : nullptr;
        m_error = text ? text : "não foi possível abrir o arquivo";
    }
}

ZipReader::~ZipReader()
{
    if (m_archive) {
        archive_read_free(m_archive);
    }
}

std::optional<ZipReader::Entry> ZipReader::next()
{
    if (m_failed) {
        return std::nullopt;
    }
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(m_archive, &entry);
    if (status == ARCHIVE_EOF) {
        return std::nullopt;
    }
    if (status < ARCHIVE_WARN) {
        m_failed = true;
        const char* text = archive_error_string(m_archive);
        m_error = text ? text : "arquivo danificado";
        return std::nullopt;
    }
    Entry out;
    const char* name = archive_entry_pathname(entry);
    out.name = name ? name : "";
    if (archive_entry_size_is_set(entry)) {
        out.size = static_cast<std::uint64_t>(archive_entry_size(entry));
    }
    out.regular = archive_entry_filetype(entry) == AE_IFREG;
    return out;
}

bool ZipReader::read(const std::function<bool(std::span<const std::uint8_t>)>& block)
{
    if (m_failed) {
        return false;
    }
    const void* buffer = nullptr;
    size_t length = 0;
    la_int64_t offset = 0;
    std::uint64_t expected = 0;
    for (;;) {
        const int status = archive_read_data_block(m_archive, &buffer, &length, &offset);
        if (status == ARCHIVE_EOF) {
            return true;
        }
        // A bad CRC comes back as a warning: damage all the same.
        if (status != ARCHIVE_OK || static_cast<std::uint64_t>(offset) != expected) {
            m_failed = true;
            const char* text = archive_error_string(m_archive);
            m_error =
                status == ARCHIVE_OK ? "dados fora de ordem" : (text ? text : "arquivo danificado");
            return false;
        }
        expected += length;
        if (length > 0 && !block(std::span(static_cast<const std::uint8_t*>(buffer), length))) {
            return false;
        }
    }
}

} // namespace tavolim::core

#endif
