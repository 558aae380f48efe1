#pragma once

#include "core/counter/PaymentChoice.h"
#include "core/counter/Situation.h"
#include "core/store/Money.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
class ReceiptBuilder;

// Columns of the return grid FlexGrid1: the mark, the tape, then its charge line as the
// situation computed it.
inline const std::array<std::string, 8> kReturnColumns = {"Situação", "Nome",   "Código", "Diárias",
                                                          "Valor",    "Brinde", "Atraso", "Multa"};

// The return window (frmDevolu_es): which of the person's tapes at home come back, what
// the person pays now, and on confirmation the tapes freed, the day's totals, the account,
// the tape book and the receipt. Every charge is the one the situation computed; nothing
// is written before confirm().
//
// The amount due starts as the situation's balance (all tapes at home, debt and credit)
// and moves with the surcharge and the discount; it never goes below 0.
class ReturnModel {
public:
    ReturnModel(AppState& state, const Situation& situation);

    // Control values, copied in by the window.
    std::string txtCod;
    PaymentChoice payment;
    bool chkImprimir = false;

    const Situation& situation() const { return m_situation; }
    std::size_t rowCount() const { return m_marked.size(); }
    bool isMarked(std::size_t row) const { return m_marked.at(row); }
    // The grid line of a row, by kReturnColumns.
    std::array<std::string, 8> rowTexts(std::size_t row) const;

    // optDevolveuTodos marks every row; optDevolveuAlgumas clears every mark.
    bool devolveuTodos() const { return m_todos; }
    void setDevolveuTodos(bool todos);
    // FlexGrid1 click or Space.
    void toggle(std::size_t row);
    // txtCod: marks the tape and clears the box; tells the operator when the text is not a
    // tape code or the tape is not in the list.
    bool markCode();

    // cmdDesconto / cmdAcrescimo: the value prompt titled "Desconto" / "Acréscimo"; a
    // cancelled prompt changes nothing, 0 clears.
    void askDiscount();
    void askSurcharge();
    // A discount over the amount due (surcharge included) is refused.
    bool setDiscount(Money amount);
    void setSurcharge(Money amount);
    Money discount() const { return m_discount; }
    Money surcharge() const { return m_surcharge; }

    // The sum of the charges of the marked rows.
    Money returnedTotal() const;
    Money amountDue() const;
    Money paidAmount() const { return payment.paid(amountDue()); }

    enum class Outcome {
        Saved,          // written; the situation is refreshed and the window closes
        Discarded,      // No to "Confirma a Operação ?": closes without saving
        Stay,           // back to the window: a code marked, an error shown, Cancel
        FocusValorPago, // a part payment with nothing typed
    };
    // cmdOK.
    Outcome confirm();

    // "#Devolução#" body: a line per returned tape, then the non-zero amounts.
    std::string receiptBody(const ReceiptBuilder& builder) const;

private:
    struct Returned {
        std::size_t row;
        std::int16_t code;
        std::int32_t rentalDate;
    };
    Money rowAmount(std::size_t row) const;
    std::vector<Returned> freeTapes(std::vector<std::int16_t>& fitas);

    AppState& m_state;
    Situation m_situation;
    std::vector<bool> m_marked;
    bool m_todos = true;
    Money m_discount;
    Money m_surcharge;
};

} // namespace tavolim::core
