#pragma once

#include <QWidget>

namespace tavolim::app {

// The splash (frmSplash): the program's name and version, on top without taking the focus;
// a click or a key closes it, and it closes by itself after `lifetimeMs`.
class SplashWindow final : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(int lifetimeMs);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tavolim::app
