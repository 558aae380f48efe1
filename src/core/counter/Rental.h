#pragma once

#include "core/counter/Account.h"
#include "core/counter/PaymentChoice.h"
#include "core/counter/RentalReceipt.h"
#include "core/counter/ReservationList.h"
#include "core/registers/RecordSearch.h"
#include "core/rules/RentalPricing.h"
#include "core/store/Money.h"
#include "core/store/TapeRecord.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
class ReceiptBuilder;

// Visible columns of the rental grid FlexGrid1.
inline const std::array<std::string, 5> kRentalColumns = {"N°", "Código", "Nome", "Prazo",
                                                          "Diária"};
enum class RentalColumn { Numero = 0, Codigo, Nome, Prazo, Diaria };

// The rental window (frmLoca_o): lends tapes to one client or dependent. Prices, terms,
// counters, discount and surcharge are RentalPricing's; this model checks each tape
// added, keeps the titles and the operator's blank cells, and writes everything on
// confirm(). Nothing is written before that, except a reservation consumed, dropped or
// placed while adding a tape, which is written at once.
//
// At most 15 tapes: the rows plus the tapes the person already has at home.
class RentalModel {
public:
    static constexpr int MaxTapes = 15;

    // `tapesAtHome`: what the tapes already at home cost today ("Fitas em casa"), as the
    // situation window computed it.
    RentalModel(AppState& state, PersonRef person, Money tapesAtHome);

    // Supplied by the window: the list for a title that several tapes match, and the
    // reservations dialog (frmReservas) for a tape someone else reserved first. Unset, the
    // title is not chosen and the dialog answers Cancelar.
    ListChooser chooseTape;
    std::function<ReservationList::Choice(ReservationList&)> chooseReservation;

    // Control values, copied in and out by the window.
    std::string txtCodFita;
    std::string txtNome;
    PaymentChoice payment;
    bool chkImprimir = false;

    enum class AddOutcome {
        Added,    // the row is in; txtCodFita is emptied and txtNome shows the title
        NotAdded, // refused with a message, or given up
        BadCode,  // "O código da fita está incorreto.": the code is selected again
        Confirm,  // both boxes empty: the window confirms as cmdOK does
    };
    // cmdAdicionar, or Enter in txtCodFita.
    AddOutcome add();
    // cmdRemover.
    void removeRow(std::size_t row);

    // Access rows 23 (freebies) and 24 (discount and surcharge) of the logged-in operator.
    bool mayMarkFreebie() const;
    bool mayChangeAmount() const;
    // cmdBrinde: marks or unmarks; false when not allowed or no such row.
    bool toggleFreebie(std::size_t row);
    // cmdDesconto / cmdAcrescimo: the value prompt titled "Desconto" / "Acréscimo"; a
    // cancelled prompt changes nothing, 0 clears.
    void askDiscount();
    void askSurcharge();

    // "Prazo" needs access row 22, "Diária" row 21; a freebie's price is not edited.
    bool cellEditable(std::size_t row, RentalColumn column) const;
    // txtT left: the text is stored in the cell. An empty cell stops the confirmation; a
    // term that is not a number is 0 days.
    void editCell(std::size_t row, RentalColumn column, std::string_view text);

    // "Cliente:" and "Fitas em casa" over the grid.
    const std::string& personName() const { return m_personName; }
    int tapesAtHomeCount() const { return m_atHome; }
    Money tapesAtHome() const { return m_tapesAtHome; }

    std::size_t rowCount() const { return m_names.size(); }
    std::array<std::string, 5> rowTexts(std::size_t row) const;
    const RentalPricing& pricing() const { return m_pricing; }
    // The totals caption; empty without rows.
    std::string caption() const;
    Money amount() const { return m_pricing.amount(); }
    Money paidAmount() const { return payment.paid(amount()); }

    enum class Outcome {
        Saved,          // written (and printed), or partly with a failure told; closes
        Discarded,      // No to "Confirma a Operação ?": closes without saving
        Stay,           // back to the window: nothing to rent, a refusal, Cancel
        FocusValorPago, // a part payment with nothing typed
    };
    // cmdOK.
    Outcome confirm();

    // The receipt as it would print now (the payment as the controls say).
    RentalReceipt receipt() const;

private:
    struct Cell {
        bool blankTerm = false;
        bool blankPrice = false;
    };

    std::optional<std::int16_t> tapeToAdd();
    // Steps from the tape record on; the tape is the current tape record.
    bool acceptTape(std::int16_t code);
    bool passReservations(std::int16_t code, TapeRecord tape);
    // Writes a reservation change made while adding a tape; false when it failed (told).
    bool saveTape(std::int16_t code, const TapeRecord& tape);
    void addRow(std::int16_t code);
    void rowsChanged(int label);
    bool rowsValid() const;
    RentalReceipt receiptFor(Money paid) const;
    void printReceipt(const RentalReceipt& receipt);

    AppState& m_state;
    PersonRef m_person;
    std::int16_t m_holder = 0;
    std::string m_personName;
    Money m_tapesAtHome;
    Balance m_balance;
    int m_atHome = 0;
    std::int32_t m_regHistFita = 0;
    RentalPricing m_pricing;
    std::vector<std::string> m_names; // titles, parallel to the pricing rows
    std::vector<Cell> m_cells;
    std::string m_shownTitle;
};

} // namespace tavolim::core
