#pragma once

#include <string>
#include <string_view>

namespace tavolim::core {

// How the main window draws its background picture ("Tipo").
enum class PictureMode { Centred, Stretched, Tiled };

// "ladoalado" tiles, "justificado" stretches, anything else centres; case is ignored.
PictureMode pictureMode(std::string_view tipo);

// The refusal for a picture too small for its mode, empty when it can be drawn. Tiles under
// 16 pixels a side would take thousands of paints per screen; a picture under 8 pixels a
// side stretches into blocks.
std::string pictureRefusal(PictureMode mode, int width, int height);

// "Versão " and the program's major, minor and revision numbers, as the splash shows them.
std::string versionCaption();

} // namespace tavolim::core
