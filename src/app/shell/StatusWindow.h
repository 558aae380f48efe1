#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tavolim::app {

// frmStatus: the progress of a long task, with its percentage. Work that cannot stop half-way
// shows no Cancel, and Esc and the close box are ignored while it runs; work that can stop
// between two steps shows cmdCancelar, which Esc presses too.
class StatusWindow final : public QDialog {
    Q_OBJECT

public:
    explicit StatusWindow(QWidget* parent = nullptr);

    void start(const QString& caption, int minimum, int maximum, bool cancellable = false);
    void setValue(int value);
    // Cancelar was pressed since start().
    bool cancelRequested() const { return m_cancelRequested; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_caption = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_percent = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_cancelRequested = false;
};

} // namespace tavolim::app
