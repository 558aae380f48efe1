#pragma once

#include "core/ports/Progress.h"

#include <QElapsedTimer>
#include <QPointer>

class QLabel;
class QWidget;

namespace tavolim::app {

class StatusWindow;

// The wait window (frmMessage: one line, no frame) and the progress window (frmStatus).
// Calls let pending window events run, so the screen is repainted (and Cancelar can be
// pressed) while the core works; steps do so at most every few hundredths of a second.
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
    void beginCancellable(const std::string& caption, int minimum, int maximum) override;
    bool cancelRequested() override;

private:
    // Guarded: a window may be closed by Qt (application shutdown) before we hide it.
    QPointer<QWidget> m_wait;
    QPointer<QLabel> m_waitLabel;
    QPointer<StatusWindow> m_status;
    QElapsedTimer m_lastShown; // steps come faster than the eye: the bar moves a few times a second
    int m_maximum = 0;
};

} // namespace tavolim::app
