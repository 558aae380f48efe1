#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace tavolim::app {

// frmMsgBox: a message with up to three buttons of free captions. exec() returns the 1-based
// button pressed, 0 for Esc or the close box. A key equal to the letter after "&" in a
// caption presses that button, without Alt.
class MsgBoxWindow final : public QDialog {
    Q_OBJECT

public:
    // `icon` takes the message box icon flags (16, 32, 48, 64; anything else shows none).
    // An empty third caption hides the third button.
    MsgBoxWindow(const QString& title, int icon, const QString& text,
                 const std::array<QString, 3>& captions, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QPushButton*, 3> m_buttons{};
};

} // namespace tavolim::app
