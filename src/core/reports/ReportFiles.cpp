#include "core/reports/ReportFiles.h"

#include <cerrno>
#include <cstdio>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tavolim::core {
namespace {

std::string causeOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "sem permissão de gravação";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "disco cheio";
    case EROFS:
        return "disco somente para leitura";
    case ENOENT:
    case ENOTDIR:
        return "a pasta não existe";
    case EISDIR:
        return "o nome é de uma pasta";
    case EBUSY:
    case ETXTBSY:
        return "o arquivo está em uso";
    default:
        return "erro " + std::to_string(error) + " do sistema";
    }
}

} // namespace

std::string writeTextFile(const std::filesystem::path& path, std::string_view bytes)
{
    errno = 0;
#ifdef _WIN32
    // Windows refuses a folder as "access denied"; the operator is told it is a folder.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return causeOf(EISDIR);
    }
    std::FILE* file = _wfopen(path.c_str(), L"wb");
#else
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
#endif
    if (!file) {
        return causeOf(errno);
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int error = written ? 0 : errno;
    if (written && std::fflush(file) != 0) {
        written = false;
        error = errno;
    }
#ifndef _WIN32
    if (written && ::fsync(fileno(file)) != 0 && errno != EINVAL) {
        written = false;
        error = errno;
    }
#endif
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    return written ? std::string() : causeOf(error == 0 ? EIO : error);
}

std::string fileWriteFailure(const std::filesystem::path& path, std::string_view cause)
{
    return "Não foi possível gravar o arquivo " + path.string() + ": " + std::string(cause) + ".";
}

} // namespace tavolim::core
