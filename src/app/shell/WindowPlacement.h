#pragma once

class QWidget;

namespace tavolim::app {

// Puts the window in the middle of its parent window when that is on screen, else in the
// middle of the screen's free area: never at a corner over the main window's menus.
void centreWindow(QWidget& window);

} // namespace tavolim::app
