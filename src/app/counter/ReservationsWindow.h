#pragma once

#include "core/counter/ReservationList.h"

#include <QDialog>

class QListWidget;

namespace tavolim::app {

// frmReservas: who reserved a tape. L rents it anyway, R adds the person to the list, C or
// Esc gives up; a click or the space bar on a name offers to cancel that reservation.
class ReservationsWindow final : public QDialog {
    Q_OBJECT

public:
    ReservationsWindow(core::ReservationList& list, QWidget* parent = nullptr);

    core::ReservationList::Choice choice() const { return m_choice; }

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void choose(core::ReservationList::Choice choice);
    void cancelEntry(int row);
    // L, R and C choose even while the list has the focus.
    bool chooseByKey(QKeyEvent* event);

    core::ReservationList& m_model;
    QListWidget* m_list = nullptr;
    core::ReservationList::Choice m_choice = core::ReservationList::Choice::Cancelar;
};

// Shows frmReservas modally over the list and gives the operator's choice; the list's
// cancelled entries are already written to the tape.
core::ReservationList::Choice showReservations(core::ReservationList& list,
                                               QWidget* parent = nullptr);

} // namespace tavolim::app
