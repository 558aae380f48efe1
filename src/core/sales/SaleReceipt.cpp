#include "core/sales/SaleReceipt.h"

#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptText.h"

#include <algorithm>
#include <cstdio>

namespace tavolim::core {
namespace {

// amountLine puts "R$" after a 26-column label: the line totals stand under the amounts.
constexpr std::size_t kAmountColumn = 26;

std::string productLines(const ReceiptBuilder& builder, const std::vector<SaleLine>& lines)
{
    std::string body;
    const auto nameWidth = static_cast<std::size_t>(std::max(0, builder.width() - 7));
    for (const auto& line : lines) {
        char code[16];
        std::snprintf(code, sizeof code, "%06d", static_cast<int>(line.product));
        body += builder.line(std::string(code) + " " + cutChars(line.description, nameWidth));
        std::string units =
            "  " + std::to_string(line.quantity) + " x R$" + moneyField(line.unitPrice);
        units.resize(std::max(kAmountColumn, units.size()), ' ');
        body += builder.line(
            units + (line.freebie ? rightText(10, "Brinde") : "R$" + moneyField(line.total())));
    }
    return body;
}

} // namespace

Money SaleReceipt::subTotal() const
{
    Money sum;
    for (const auto& l : lines) {
        sum += l.total();
    }
    return sum;
}

std::string walkInReceiptBody(const ReceiptBuilder& builder, const SaleReceipt& receipt)
{
    std::string body = productLines(builder, receipt.lines);
    const auto add = [&](std::string_view label, Money value) {
        body += builder.line(amountLine(label, value));
    };
    add("Sub-Total", receipt.subTotal());
    add("Acréscimo", receipt.surcharge);
    add("Desconto", receipt.discount);
    add("Total", receipt.saleTotal());
    add("Valor Pago", receipt.paid);
    add("Troco", receipt.paid - receipt.saleTotal());
    return body;
}

std::string clientReceiptBody(const ReceiptBuilder& builder, const SaleReceipt& receipt)
{
    std::string body = productLines(builder, receipt.lines);
    const auto add = [&](std::string_view label, Money value) {
        body += builder.line(amountLine(label, value));
    };
    const Money left = receipt.clientTotal() - receipt.credit - receipt.paid;
    add("Sub-Total", receipt.subTotal());
    add("Acréscimo", receipt.surcharge);
    add("Desconto", receipt.discount);
    add("Fitas em casa", receipt.tapesAtHome);
    add("Outros Débitos", receipt.debt);
    add("Total", receipt.clientTotal());
    add("Valor Pago Adiantado", receipt.credit);
    add("Valor Pago", receipt.paid);
    add("Valor Devido", left.isPositive() ? left : Money());
    add("Saldo", left.isNegative() ? -left : Money());
    return body;
}

} // namespace tavolim::core
