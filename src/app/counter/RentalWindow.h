#pragma once

#include "app/counter/CounterControls.h"
#include "core/counter/Rental.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tavolim::app {

// The rental (frmLoca_o) for one client or dependent, keyboard first: a code typed in
// txtCodFita and Enter adds the tape, Enter with both boxes empty confirms. Click, Enter or
// F2 on "Prazo" or "Diária" opens the cell editor txtT when the operator may change it.
// core::RentalModel decides; the window copies the controls in and out.
class RentalWindow final : public QDialog {
    Q_OBJECT

public:
    RentalWindow(core::AppState& state, core::PersonRef person, core::Money tapesAtHome,
                 QWidget* parent = nullptr);

    core::RentalModel& model() { return m_model; }

    // cmdOK: the model confirms; the window closes only when it says so.
    void accept() override;
    // Adds a tape the operator chose to rent from the reservations dialog already: the
    // dialog is not shown again, the choice stands.
    void addChosenTape(std::int16_t code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void refresh();
    void copyIn();
    void addTape();
    void removeRow();
    void toggleFreebie();
    void cellEdited(int row, int column);

    core::RentalModel m_model;

    QLineEdit* m_codFita = nullptr;
    QLineEdit* m_nome = nullptr;
    QPushButton* m_adicionar = nullptr;
    QPushButton* m_remover = nullptr;
    QPushButton* m_brinde = nullptr;
    QPushButton* m_desconto = nullptr;
    QPushButton* m_acrescimo = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_totals = nullptr;
    QLabel* m_surcharge = nullptr;
    QLabel* m_discount = nullptr;
    PaymentBox m_payment;
    QCheckBox* m_imprimir = nullptr;
    bool m_filling = false;
};

// cmdLoca_o of the client situation: rents tapes to the person; `tapesAtHome` is what the
// tapes already at home cost today; `tape`, when not 0, is added first (Locar chosen in the
// reservations dialog). True when the rental was written.
bool runRental(core::AppState& state, core::PersonRef person, core::Money tapesAtHome,
               QWidget* parent, std::int16_t tape);

} // namespace tavolim::app
