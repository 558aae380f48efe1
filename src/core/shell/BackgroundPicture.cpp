#include "core/shell/BackgroundPicture.h"

#include <algorithm>
#include <cctype>

namespace tavolim::core {

PictureMode pictureMode(std::string_view tipo)
{
    std::string lower(tipo);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "ladoalado") {
        return PictureMode::Tiled;
    }
    if (lower == "justificado") {
        return PictureMode::Stretched;
    }
    return PictureMode::Centred;
}

std::string pictureRefusal(PictureMode mode, int width, int height)
{
    const int side = std::min(width, height);
    if (mode == PictureMode::Tiled && side < 16) {
        return "A imagem é muito pequena para ser pintada lado a lado.";
    }
    if (mode == PictureMode::Stretched && side < 8) {
        return "A imagem é muito pequena para ser esticada.";
    }
    return {};
}

std::string versionCaption()
{
    return "Versão " + std::to_string(TAVOLIM_VERSION_MAJOR) + "." +
           std::to_string(TAVOLIM_VERSION_MINOR) + "." + std::to_string(TAVOLIM_VERSION_PATCH);
}

} // namespace tavolim::core
