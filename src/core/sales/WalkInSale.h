#pragma once

#include "core/registers/RecordSearch.h"
#include "core/sales/SaleGrid.h"
#include "core/sales/SaleReceipt.h"
#include "core/store/Money.h"

#include <optional>
#include <string>

namespace tavolim::core {

class AppState;
class ReceiptBuilder;

// The walk-in sale (frmVendas): products for a buyer who pays everything at once. Nothing is
// written before confirm(), which writes the sales book, the stock and the day's totals as one
// operation and then prints the receipt.
class WalkInSaleModel {
public:
    explicit WalkInSaleModel(AppState& state);

    // The list for a name that several products match; unset, none is chosen.
    ListChooser chooseProduct;

    SaleGrid& grid() { return m_grid; }
    const SaleGrid& grid() const { return m_grid; }

    // Control values, copied in and out by the window; the product boxes are the grid's.
    std::string txtValorPago;
    bool chkImprimir = false;

    // cmdAdicionar, or Enter in a product box.
    SaleGrid::AddOutcome add() { return m_grid.add(chooseProduct); }

    // The amount typed (not a number reads as 0) and what it leaves as change.
    Money paid() const;
    Money change() const { return paid() - m_grid.total(); }
    // "2 Produtos / Total = R$ 3,00 / Troco = R$ 2,00"; empty without lines.
    std::string caption() const;

    enum class Outcome {
        Saved,          // written (and printed): the window closes
        Stay,           // nothing to sell, a refusal, No or Cancel: the sale stays open
        FocusValorPago, // the amount paid was refused: back to txtValorPago
    };
    // cmdOK.
    Outcome confirm();

    // The receipt as it would print now.
    SaleReceipt receipt() const;

private:
    // The typed amount, or nullopt after telling why it cannot be taken.
    std::optional<Money> checkedPayment() const;

    AppState& m_state;
    SaleGrid m_grid;
};

inline constexpr const char* kPaidTooLittle = "Erro: O valor pago é menor do que o total devido.";

} // namespace tavolim::core
