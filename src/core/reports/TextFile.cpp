#include "core/reports/TextFile.h"

#include "core/reports/Utf.h"
#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"

#include <cerrno>
#include <fstream>

namespace tavolim::core {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::error_code lastError()
{
    return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

} // namespace

FileRead readFileUpTo(const std::filesystem::path& path, std::uint64_t limit)
{
    FileRead read;
    if (std::filesystem::is_directory(path, read.error)) {
        read.error = std::make_error_code(std::errc::is_a_directory);
        return read;
    }
    read.size = std::filesystem::file_size(path, read.error);
    if (read.error) {
        return read;
    }
    if (read.size > limit) {
        read.tooLong = true;
        return read;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        read.error = lastError();
        return read;
    }
    read.bytes.resize(static_cast<std::size_t>(read.size));
    in.read(read.bytes.data(), static_cast<std::streamsize>(read.bytes.size()));
    // A file that shrank meanwhile gives what it still holds.
    read.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        read.error = lastError();
    }
    return read;
}

std::error_code writeFileReplacing(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp~";
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return lastError();
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::error_code error = lastError();
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return error;
        }
        out.close();
        if (!out) {
            const std::error_code error = lastError();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return error;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return error;
}

std::string pathText(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string describeFileError(const std::error_code& error)
{
    // The record files' words for the causes they share; a few more that only a chosen file
    // name can run into.
    const std::error_condition condition = error.default_error_condition();
    if (condition == std::errc::is_a_directory) {
        return "o nome é de uma pasta";
    }
    if (condition == std::errc::not_a_directory) {
        return "parte do caminho não é uma pasta";
    }
    if (condition == std::errc::filename_too_long) {
        return "nome de arquivo longo demais";
    }
    return binaryfile::causeText(condition.category() == std::generic_category() ? condition.value()
                                                                                 : EIO);
}

std::string decodePlainText(std::string_view bytes)
{
    if (isValidUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark)) {
            bytes.remove_prefix(kByteOrderMark.size());
        }
        return std::string(bytes);
    }
    return fromCp1252(bytes);
}

std::string encodePlainText(std::string_view utf8)
{
    std::string codePage = toCp1252(utf8);
    if (fromCp1252(codePage) == utf8) {
        return codePage;
    }
    std::string bytes(kByteOrderMark);
    bytes += utf8;
    return bytes;
}

} // namespace tavolim::core
