#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tavolim::core {

// The editor's files on disk.

struct FileRead {
    std::string bytes;
    std::uint64_t size = 0; // the file's length, even when it was too long to read
    std::error_code error;  // set when the file could not be read
    bool tooLong = false;   // longer than the limit; nothing was read
};

// Reads the whole file unless it is longer than `limit` bytes.
FileRead readFileUpTo(const std::filesystem::path& path, std::uint64_t limit);

// Writes the file through a temporary beside it, renamed over the target only once every
// byte reached the disk; on failure the old file is left as it was.
std::error_code writeFileReplacing(const std::filesystem::path& path, std::string_view bytes);

// A path as UTF-8 text, whatever the platform's own encoding of names.
std::string pathText(const std::filesystem::path& path);

// The cause of a failed file operation in the operator's words ("acesso negado").
std::string describeFileError(const std::error_code& error);

// A plain text file's bytes as UTF-8: UTF-8 when they are valid UTF-8 (a byte order mark is
// dropped), else Windows-1252, the code page of the store's older files.
std::string decodePlainText(std::string_view bytes);

// UTF-8 text to the bytes of a plain text file: Windows-1252 when the code page holds every
// character, so the store's older programs read it; else UTF-8 with a byte order mark.
std::string encodePlainText(std::string_view utf8);

} // namespace tavolim::core
