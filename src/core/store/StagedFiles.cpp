#include "core/store/StagedFiles.h"

#include "core/store/BinaryFile.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace tavolim::core {

std::string FileFailure::message() const
{
    return "Não foi possível gravar o arquivo " + file.filename().string() + " (" + cause + ").";
}

std::string writeFailureCause(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "disco cheio";
    case EACCES:
    case EPERM:
        return "acesso negado";
    case EROFS:
        return "disco protegido contra gravação";
    case ENOENT:
    case ENOTDIR:
        return "pasta não encontrada";
    case EIO:
        return "erro de gravação no disco";
    case EMFILE:
    case ENFILE:
        return "arquivos demais abertos";
    default:
        return "erro " + std::to_string(errorNumber);
    }
}

std::filesystem::path StagedFiles::temporaryFor(const std::filesystem::path& file)
{
    std::filesystem::path temp = file;
    temp.replace_extension(".tmp");
    return temp;
}

bool StagedFiles::stage(const std::filesystem::path& file, std::span<const std::uint8_t> bytes)
{
    if (m_failure) {
        return false;
    }
    const auto temp = temporaryFor(file);
    errno = 0;
    std::FILE* f = std::fopen(temp.string().c_str(), "wb");
    bool ok = f != nullptr;
    if (ok) {
        ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        ok = std::fflush(f) == 0 && ok;
    }
    const int error = errno;
    if (f) {
        ok = std::fclose(f) == 0 && ok;
    }
    if (!ok) {
        m_failure = FileFailure{file, writeFailureCause(error != 0 ? error : errno)};
        binaryfile::remove(temp);
        discard();
        return false;
    }
    m_staged.push_back(file);
    return true;
}

bool StagedFiles::commit()
{
    if (m_failure) {
        return false;
    }
    while (!m_staged.empty()) {
        const auto file = m_staged.front();
        std::error_code ec;
        std::filesystem::rename(temporaryFor(file), file, ec);
        if (ec) {
            // Some platforms refuse to rename over an existing file.
            std::filesystem::remove(file, ec);
            std::filesystem::rename(temporaryFor(file), file, ec);
        }
        if (ec) {
            m_failure = FileFailure{file, writeFailureCause(ec.value())};
            m_staged.clear();
            return false;
        }
        m_staged.erase(m_staged.begin());
    }
    return true;
}

void StagedFiles::discard()
{
    for (const auto& file : m_staged) {
        binaryfile::remove(temporaryFor(file));
    }
    m_staged.clear();
}

} // namespace tavolim::core
