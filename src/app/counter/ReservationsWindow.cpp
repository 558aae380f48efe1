#include "app/counter/ReservationsWindow.h"

#include "app/counter/CounterControls.h"
#include "app/shell/QtConversions.h"
#include "core/store/TextHelpers.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tavolim::app {

using Choice = core::ReservationList::Choice;

ReservationsWindow::ReservationsWindow(core::ReservationList& list, QWidget* parent)
    : QDialog(parent), m_model(list)
{
    setObjectName(QStringLiteral("frmReservas"));
    setWindowTitle(QStringLiteral("Reservas"));

    auto* title = new QLabel(QStringLiteral("Esta fita está reservada para:"), this);
    auto* hint = new QLabel(
        QStringLiteral("Clique sobre um nome (ou tecle Espaço) para anular a reserva."), this);
    hint->setObjectName(QStringLiteral("lblDica"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstClientes"));
    m_list->setMinimumSize(380, 120);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { cancelEntry(m_list->row(item)); });

    const auto button = [this](const char* name, const QString& caption, Choice choice) {
        auto* b = namedButton(this, name, caption);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, choice] { choose(choice); });
        return b;
    };
    auto* rent = button("cmdLocar", QStringLiteral("&Locar"), Choice::Locar);
    auto* reserve = button("cmdReservar", QStringLiteral("&Reservar"), Choice::Reservar);
    auto* cancel = button("cmdCancelar", QStringLiteral("Cancelar"), Choice::Cancelar);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(rent);
    buttons->addWidget(reserve);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_list);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    fill();
    m_list->setFocus();
}

void ReservationsWindow::fill()
{
    const int row = m_list->currentRow();
    m_list->clear();
    for (const auto& entry : m_model.entries()) {
        m_list->addItem(toQString(core::dateToText(entry.ReservaData) + "  " + entry.name));
    }
    if (m_list->count() > 0) {
        m_list->setCurrentRow(std::clamp(row, 0, m_list->count() - 1));
    }
}

void ReservationsWindow::choose(Choice choice)
{
    m_choice = choice;
    done(choice == Choice::Cancelar ? QDialog::Rejected : QDialog::Accepted);
}

void ReservationsWindow::reject()
{
    choose(Choice::Cancelar);
}

void ReservationsWindow::cancelEntry(int row)
{
    if (row >= 0 && m_model.cancelEntry(static_cast<std::size_t>(row))) {
        fill();
    }
}

bool ReservationsWindow::chooseByKey(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    const int key = event->key() == Qt::Key_Escape ? 27 : event->key();
    if (const auto choice = core::ReservationList::choiceForKey(key)) {
        choose(*choice);
        return true;
    }
    return false;
}

void ReservationsWindow::keyPressEvent(QKeyEvent* event)
{
    if (!chooseByKey(event)) {
        QDialog::keyPressEvent(event);
    }
}

bool ReservationsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space) {
            cancelEntry(m_list->currentRow());
            return true;
        }
        // The list would take the letters as a jump to a name.
        return chooseByKey(key);
    }
    return QDialog::eventFilter(watched, event);
}

Choice showReservations(core::ReservationList& list, QWidget* parent)
{
    ReservationsWindow window(list, parent);
    window.exec();
    return window.choice();
}

} // namespace tavolim::app
