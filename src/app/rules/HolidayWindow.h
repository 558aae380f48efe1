#pragma once

#include "core/rules/HolidayEditor.h"

#include <QDialog>

class QCalendarWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmFeriados: marks the holidays of this month and the next on Calendar1. OK writes the
// rules record and shows what was entered; PrazoMinimo is computed again however it closes.
class HolidayWindow final : public QDialog {
    Q_OBJECT

public:
    explicit HolidayWindow(core::AppState& state, QWidget* parent = nullptr);

    void accept() override;
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mark(bool holiday);
    void paintMonth();

    core::AppState& m_state;
    core::HolidayEditor m_editor;
    QCalendarWidget* m_calendar = nullptr;
};

// The start of the day opens the holiday window through this hook, modal over `parent`.
void installHolidayEditor(core::AppState& state, QWidget* parent);

} // namespace tavolim::app
