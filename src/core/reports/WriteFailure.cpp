#include "core/reports/WriteFailure.h"

#include <cerrno>

namespace tavolim::core {

std::string writeFailureText(const std::filesystem::path& file, int error)
{
    std::string cause;
    switch (error) {
    case ENOSPC:
        cause = "o disco está cheio";
        break;
    case EACCES:
    case EPERM:
        cause = "não há permissão para gravar na pasta de dados";
        break;
    case EROFS:
        cause = "o disco está protegido contra gravação";
        break;
    case ENOENT:
        cause = "a pasta de dados não foi encontrada";
        break;
    case EBUSY:
        cause = "o arquivo está em uso";
        break;
    case EIO:
        cause = "o disco falhou ao gravar";
        break;
    default:
        cause = "o sistema recusou a gravação (erro " + std::to_string(error) + ")";
        break;
    }
    return "Não foi possível gravar o arquivo " + file.filename().string() + ": " + cause + ".";
}

} // namespace tavolim::core
