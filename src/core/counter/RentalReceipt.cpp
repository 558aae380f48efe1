#include "core/counter/RentalReceipt.h"

#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptText.h"
#include "core/store/TextHelpers.h"

#include <cstdio>

namespace tavolim::core {
namespace {

// The rental's labels are one column wider than the other receipts'.
constexpr int kLabelWidth = 22;

std::string code6(std::int16_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06d", static_cast<int>(code));
    return text;
}

std::string dueText(const RentalReceipt& r, const RentalReceipt::Tape& tape)
{
    const auto due = std::chrono::year_month_day(r.day + std::chrono::days(tape.term));
    std::string text = dateToText(fromYmd(due));
    if (r.hours) {
        const auto hhmm = r.time.count() / 60 * 100 + r.time.count() % 60;
        text += " " + timeToText(static_cast<std::int16_t>(hhmm));
    }
    if (tape.freebie) {
        return text + "  Brinde";
    }
    if (r.hours) {
        return text + "  " + std::to_string(tape.term * 24) + "h";
    }
    return text + "  " + std::to_string(tape.term) + (tape.term == 1 ? " dia" : " dias");
}

} // namespace

std::string rentalReceiptBody(const ReceiptBuilder& builder, const RentalReceipt& receipt)
{
    std::string body = builder.line("   Devol.");
    const auto nameWidth = static_cast<std::size_t>(builder.width() - 7);
    for (const auto& tape : receipt.tapes) {
        body += builder.line(code6(tape.code) + " " + cutChars(trim(tape.name), nameWidth));
        body += builder.line("   " + dueText(receipt, tape));
    }
    const auto add = [&](std::string_view label, Money value) {
        if (!value.isZero()) {
            body += builder.line(rightText(kLabelWidth, label) + "     R$" + moneyField(value));
        }
    };
    add("Fitas Locadas", receipt.rented);
    add("Acréscimo", receipt.surcharge);
    add("Desconto", receipt.discount);
    add("Fitas em casa", receipt.tapesAtHome);
    add("Outros Débitos", receipt.debt);
    add("Total", receipt.total());
    add("Valor Pago Adiantado", receipt.credit);
    add("Valor Pago", receipt.paid);
    const Money left = receipt.balance();
    if (left.isNegative()) {
        add("Saldo", -left);
    } else {
        add("Valor Devido", left);
    }
    return body;
}

} // namespace tavolim::core
