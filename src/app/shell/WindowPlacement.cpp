#include "app/shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tavolim::app {

void centreWindow(QWidget& window)
{
    QRect area;
    const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (parent && parent->isVisible() && parent->width() > window.width()) {
        area = parent->frameGeometry();
    } else if (const QScreen* screen =
                   window.screen() ? window.screen() : QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

} // namespace tavolim::app
