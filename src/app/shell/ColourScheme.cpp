#include "app/shell/ColourScheme.h"

#include "core/state/Options.h"

#include <QApplication>
#include <QPalette>

namespace tavolim::app {

QColor toQColor(std::int32_t bgr)
{
    const auto v = static_cast<std::uint32_t>(bgr);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

std::int32_t toStoredColour(const QColor& colour)
{
    return static_cast<std::int32_t>(std::uint32_t(colour.red()) |
                                     (std::uint32_t(colour.green()) << 8) |
                                     (std::uint32_t(colour.blue()) << 16));
}

void applyColourScheme(const core::Options& options)
{
    QPalette palette = QApplication::palette();
    if (options.CorFundo) {
        palette.setColor(QPalette::Window, toQColor(*options.CorFundo));
    }
    if (options.CorJan) {
        palette.setColor(QPalette::Base, toQColor(*options.CorJan));
    }
    if (options.CorBot) {
        palette.setColor(QPalette::Button, toQColor(*options.CorBot));
    }
    QApplication::setPalette(palette);
}

} // namespace tavolim::app
