#pragma once

#include "core/ports/Progress.h"

#include <QPointer>

class QLabel;
class QWidget;

namespace tavolim::app {

class StatusWindow;

// The wait window (frmMessage: one line, no frame) and the progress window (frmStatus).
// Each call lets pending window events run, so the screen is repainted while the core works.
class QtProgress final : public core::Progress {
public:
    QtProgress();
    ~QtProgress() override;
    QtProgress(const QtProgress&) = delete;
    QtProgress& operator=(const QtProgress&) = delete;

    void showWait(const std::string& caption) override;
    void hideWait() override;

    void begin(const std::string& caption, int minimum, int maximum) override;
    void step(int value) override;
    void end() override;

private:
    // Guarded: a window may be closed by Qt (application shutdown) before we hide it.
    QPointer<QWidget> m_wait;
    QPointer<QLabel> m_waitLabel;
    QPointer<StatusWindow> m_status;
};

} // namespace tavolim::app
