#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace tavolim::app {

// frmStatus: the progress of a long task, with its percentage. It has no Cancel: the work
// behind it cannot stop half-way, so Esc and the close box are ignored while it runs.
class StatusWindow final : public QDialog {
    Q_OBJECT

public:
    explicit StatusWindow(QWidget* parent = nullptr);

    void start(const QString& caption, int minimum, int maximum);
    void setValue(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_caption = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_percent = nullptr;
};

} // namespace tavolim::app
