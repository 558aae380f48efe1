#pragma once

#include <QColor>

#include <cstdint>

namespace tavolim::core {
struct Options;
}

namespace tavolim::app {

// Colours are stored the platform's way, 0x00BBGGRR.
QColor toQColor(std::int32_t bgr);
std::int32_t toStoredColour(const QColor& colour);

// The window colour scheme ("CorFundo" background, "CorJan" boxes and lists, "CorBot"
// buttons) on every window, open or still to come; an absent colour keeps the style's.
void applyColourScheme(const core::Options& options);

} // namespace tavolim::app
