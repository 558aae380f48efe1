#include "app/shell/DatePromptWindow.h"

#include "app/shell/DialogButtons.h"
#include "app/shell/QtConversions.h"
#include "core/ports/Dialogs.h"
#include "core/shell/DateEntry.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

DatePromptWindow::DatePromptWindow(core::Dialogs& dialogs, const QString& title,
                                   const QString& prompt, std::chrono::year_month_day initial,
                                   QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmPegaData"));
    setWindowTitle(title);

    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("lblPrompt"));
    label->setWordWrap(true);
    label->setVisible(!prompt.isEmpty());

    m_text = new QLineEdit(toQString(core::dateEntryText(initial)), this);
    m_text->setObjectName(QStringLiteral("txtData"));
    m_text->setMaxLength(10);
    m_text->installEventFilter(this);
    connect(m_text, &QLineEdit::editingFinished, this, &DatePromptWindow::showTypedDateOnCalendar);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("Calendar1"));
    m_calendar->setGridVisible(true);
    m_calendar->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setSelectedDate(toQDate(initial));
    connect(m_calendar, &QCalendarWidget::clicked, this,
            [this](QDate day) { m_text->setText(toQString(core::dateEntryText(toYmd(day)))); });
    connect(m_calendar, &QCalendarWidget::activated, this, &DatePromptWindow::accept);

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text);
    layout->addWidget(m_calendar);
    layout->addWidget(buttons);
    m_text->selectAll();
}

bool DatePromptWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_text || event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    if (typed.size() != 1 || !typed[0].isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false; // editing keys work as usual
    }
    // Typing over a selection replaces it, as in any box; the rules apply at the end.
    QString text = m_text->text();
    if (m_text->hasSelectedText()) {
        text.remove(m_text->selectionStart(), m_text->selectedText().size());
    } else if (m_text->cursorPosition() != text.size()) {
        text.truncate(m_text->cursorPosition());
    }
    const char c = typed[0].unicode() < 128 ? char(typed[0].unicode()) : '\0';
    m_text->setText(toQString(core::typeDateChar(toStdString(text), c)));
    return true;
}

void DatePromptWindow::showTypedDateOnCalendar()
{
    if (const auto day = core::readDateEntry(toStdString(m_text->text()))) {
        m_calendar->setSelectedDate(toQDate(*day));
    }
}

void DatePromptWindow::accept()
{
    const auto day = core::readDateEntry(toStdString(m_text->text()));
    if (!day) {
        m_dialogs.message(std::string(core::kInvalidDate), core::msg::Exclamation);
        m_text->setFocus();
        return;
    }
    m_date = day;
    QDialog::accept();
}

} // namespace tavolim::app
