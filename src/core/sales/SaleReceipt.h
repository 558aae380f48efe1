#pragma once

#include "core/sales/SaleGrid.h"
#include "core/store/Money.h"

#include <string>
#include <vector>

namespace tavolim::core {

class ReceiptBuilder;

// What a sale receipt tells. The client's figures are the account as the client situation
// showed it when the sale window opened.
struct SaleReceipt {
    std::vector<SaleLine> lines;
    Money surcharge;
    Money discount;
    Money paid;
    // Client sales only.
    Money tapesAtHome;
    Money debt;   // ValorDevido
    Money credit; // ValorPago

    Money subTotal() const;
    Money saleTotal() const { return subTotal() + surcharge - discount; }
    // The client's total: the sale, the tapes at home and the debt.
    Money clientTotal() const { return saleTotal() + tapesAtHome + debt; }
};

inline constexpr const char* kSaleReceiptTitle = "    #Venda#";

// Two lines per product: the code and the description, then the quantity " x R$" the unit
// price and the line total ("Brinde" for a freebie) under the amounts' column. Then "Sub-Total",
// "Acréscimo", "Desconto", "Total", "Valor Pago", "Troco".
std::string walkInReceiptBody(const ReceiptBuilder& builder, const SaleReceipt& receipt);
// The products as above, then the ten lines "Sub-Total", "Acréscimo", "Desconto", "Fitas em
// casa", "Outros Débitos", "Total", "Valor Pago Adiantado", "Valor Pago", "Valor Devido" and
// "Saldo" (the credit left).
std::string clientReceiptBody(const ReceiptBuilder& builder, const SaleReceipt& receipt);

} // namespace tavolim::core
