#include "app/rules/HolidayWindow.h"

#include "app/shell/QtConversions.h"
#include "core/rules/HolidayMonths.h"
#include "core/rules/StoreCalendar.h"
#include "core/state/AppState.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

QDate firstDay(std::chrono::year_month month)
{
    return toQDate(month / std::chrono::day{1});
}

QDate lastDay(std::chrono::year_month month)
{
    return toQDate(std::chrono::year_month_day(month / std::chrono::last));
}

std::chrono::year_month monthOf(const QDate& date)
{
    return std::chrono::year{date.year()} / std::chrono::month{unsigned(date.month())};
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

HolidayWindow::HolidayWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state),
      m_editor(state.records().rules(), std::chrono::year_month_day(core::workingDay(state)))
{
    setObjectName(QStringLiteral("frmFeriados"));
    setWindowTitle(QStringLiteral("Feriados"));

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("Calendar1"));
    m_calendar->setGridVisible(true);
    m_calendar->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Only this month and the next have slots in the calendar.
    m_calendar->setDateRange(firstDay(m_editor.currentMonth()), lastDay(m_editor.nextMonth()));
    m_calendar->setSelectedDate(toQDate(std::chrono::year_month_day(core::workingDay(state))));
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &HolidayWindow::paintMonth);
    // The calendar takes Enter for itself; at the keyboard Enter confirms, as OK does.
    if (auto* days = m_calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview"))) {
        days->installEventFilter(this);
    }

    auto* marcar = button(this, "cmdMarcar", QStringLiteral("&Marcar"));
    auto* desmarcar = button(this, "cmdDesMarcar", QStringLiteral("&Desmarcar"));
    auto* ok = button(this, "cmdOK", QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = button(this, "cmdCancelar", QStringLiteral("Cancelar"));
    connect(marcar, &QPushButton::clicked, this, [this] { mark(true); });
    connect(desmarcar, &QPushButton::clicked, this, [this] { mark(false); });
    connect(ok, &QPushButton::clicked, this, &HolidayWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &HolidayWindow::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(marcar);
    buttons->addWidget(desmarcar);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    // Opened by itself at the start of a month, the window must say what it wants.
    auto* explanation = new QLabel(
        QStringLiteral(
            "Marque os feriados deste mês e do próximo: escolha o dia no calendário "
            "e clique em Marcar (ou Desmarcar). Os feriados entram na conta dos prazos "
            "de devolução e das multas. Confira os feriados marcados (em negrito, sobre fundo rosa) e clique em OK."),
        this);
    explanation->setObjectName(QStringLiteral("lblExplicacao"));
    explanation->setWordWrap(true);
    auto* body = new QHBoxLayout;
    body->addWidget(m_calendar, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(body, 1);
    paintMonth();
}

bool HolidayWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HolidayWindow::mark(bool holiday)
{
    const QDate day = m_calendar->selectedDate();
    m_editor.setMarked(monthOf(day), unsigned(day.day()), holiday);
    paintMonth();
}

// Holidays in bold red on a pink square, apart from the weekends the calendar already reddens.
void HolidayWindow::paintMonth()
{
    m_calendar->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat holiday;
    holiday.setForeground(Qt::red);
    holiday.setFontWeight(QFont::Bold);
    holiday.setBackground(QColor(255, 205, 205));
    for (const auto month : {m_editor.currentMonth(), m_editor.nextMonth()}) {
        for (const unsigned day : m_editor.markedDays(m_editor.slotOf(month))) {
            m_calendar->setDateTextFormat(toQDate(month / std::chrono::day{day}), holiday);
        }
    }
}

void HolidayWindow::accept()
{
    core::confirmHolidays(m_state, m_editor);
    QDialog::accept();
}

void HolidayWindow::done(int result)
{
    core::refreshMinimumTerm(m_state);
    QDialog::done(result);
}

void installHolidayEditor(core::AppState& state, QWidget* parent)
{
    state.dayHooks.openHolidayEditor = [window = QPointer<QWidget>(parent)](core::AppState& s) {
        HolidayWindow editor(s, window);
        editor.exec();
    };
}

} // namespace tavolim::app
