#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmText: shows a finished text. Its print button sends it framed as a receipt under the
// given title; without a title (a printout shown while debugging) there is nothing to print.
class TextWindow final : public QDialog {
    Q_OBJECT

public:
    TextWindow(core::AppState& state, const QString& text, const QString& title = {},
               QWidget* parent = nullptr);

private:
    core::AppState& m_state;
    QPlainTextEdit* m_text = nullptr;
    QString m_title;
};

} // namespace tavolim::app
