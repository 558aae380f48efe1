#pragma once

#include <QDialog>

#include <chrono>
#include <optional>

class QCalendarWidget;
class QLineEdit;

namespace tavolim::core {
class Dialogs;
}

namespace tavolim::app {

// frmPegaData: a date typed in txtData (kept as "dd/mm/yyyy" while typed) or clicked on
// Calendar1. OK with no valid date says "Data Inválida!" and stays open.
class DatePromptWindow final : public QDialog {
    Q_OBJECT

public:
    DatePromptWindow(core::Dialogs& dialogs, const QString& title, const QString& prompt,
                     std::chrono::year_month_day initial, QWidget* parent = nullptr);

    // The date accepted with OK.
    std::optional<std::chrono::year_month_day> date() const { return m_date; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTypedDateOnCalendar();

    core::Dialogs& m_dialogs;
    QLineEdit* m_text = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    std::optional<std::chrono::year_month_day> m_date;
};

} // namespace tavolim::app
