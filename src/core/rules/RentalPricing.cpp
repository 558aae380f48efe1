#include "core/rules/RentalPricing.h"

#include "core/ports/Dialogs.h"
#include "core/rules/StoreCalendar.h"
#include "core/rules/TapeCharge.h"
#include "core/state/AppState.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>

namespace tavolim::core {
namespace {

constexpr const char* kDiscountCancelled =
    "O desconto foi anulado com esta operação por ser maior do que o valor devido.";
constexpr const char* kDiscountRefused = "O desconto não pode ser maior do que o valor devido.";
constexpr const char* kZeroTerm =
    "Erro: Um dos prazos de entrega está registrado como sendo de zero dias.";

} // namespace

RentalPricing::Settings RentalPricing::settingsOf(const AppState& state)
{
    const auto& o = state.options();
    Settings s;
    s.counting = termCounting(o.TipoPrazo);
    s.freebies = {o.ContaBrindeDiaria, o.ContaBrindePrazo, o.ContaBrindeMsg};
    s.today = workingDay(state);
    s.prazoMinimo = state.PrazoMinimo;
    return s;
}

RentalPricing::RentalPricing(const GeneralRulesRecord& rules, Settings settings, Dialogs& dialogs)
    : m_rules(rules), m_settings(settings), m_dialogs(dialogs), m_counters(settings.freebies)
{
}

void RentalPricing::addTape(std::int16_t tape, const LabelRecord& label, const MediaRecord& media)
{
    m_labels[label.Codigo] = label;
    m_media[media.Codigo] = media;
    RentalRow row;
    row.tape = tape;
    row.label = label.Codigo;
    row.media = media.Codigo;
    row.maxDays = label.NumMaxDias;
    m_rows.push_back(row);
    m_counters.addTape(row.label, row.media);
    rowsChanged(row.label);
}

void RentalPricing::removeRow(std::size_t row)
{
    if (row >= m_rows.size()) {
        return;
    }
    const auto removed = m_rows[row];
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    m_counters.removeTape(removed.label, removed.media, removed.freebie);
    rowsChanged(removed.label);
}

void RentalPricing::toggleFreebie(std::size_t row)
{
    if (row >= m_rows.size()) {
        return;
    }
    auto& r = m_rows[row];
    r.freebie = !r.freebie;
    if (r.freebie) {
        m_counters.markFreebie(r.label, r.media);
    } else {
        m_counters.unmarkFreebie(r.label, r.media);
    }
    rowsChanged(r.label);
}

void RentalPricing::setPrice(std::size_t row, Money price)
{
    if (row < m_rows.size() && !m_rows[row].freebie) {
        m_rows[row].price = price;
        cancelDiscountOverSum();
    }
}

void RentalPricing::setTerm(std::size_t row, int days)
{
    if (row < m_rows.size()) {
        m_rows[row].term = days;
    }
}

void RentalPricing::setSurcharge(Money amount)
{
    m_surcharge = amount.isPositive() ? amount : Money();
    cancelDiscountOverSum();
}

bool RentalPricing::setDiscount(Money amount)
{
    if (amount > rowsSum() + m_surcharge) {
        m_dialogs.message(kDiscountRefused, msg::Exclamation);
        return false;
    }
    m_discount = amount.isPositive() ? amount : Money();
    return true;
}

Money RentalPricing::rowsSum() const
{
    Money sum;
    for (const auto& r : m_rows) {
        if (!r.freebie) {
            sum += r.price;
        }
    }
    return sum;
}

Money RentalPricing::amount() const
{
    return rowsSum() + m_surcharge - m_discount;
}

int RentalPricing::shortestTerm() const
{
    if (m_rows.empty()) {
        return 0;
    }
    return std::min_element(m_rows.begin(), m_rows.end(),
                            [](const auto& a, const auto& b) { return a.term < b.term; })
        ->term;
}

std::chrono::sys_days RentalPricing::earliestDue() const
{
    return m_settings.today + std::chrono::days(shortestTerm());
}

std::string RentalPricing::countCaption() const
{
    const auto n = m_rows.size();
    return n == 1 ? "1 Fita Locada / " : std::to_string(n) + " Fitas Locadas / ";
}

std::string RentalPricing::termCaption() const
{
    const int t = shortestTerm();
    return std::string("Menor entrega em ") +
           (t == 1 ? "1 dia / " : std::to_string(t) + " dias / ");
}

std::string RentalPricing::caption() const
{
    return countCaption() + termCaption() +
           dateToText(fromYmd(std::chrono::year_month_day(earliestDue()))) + " / Valor = R$ " +
           formatMoneyPlain(amount());
}

std::string RentalPricing::priceText(std::size_t row) const
{
    if (row >= m_rows.size()) {
        return {};
    }
    return m_rows[row].freebie ? "Brinde" : formatMoneyPlain(m_rows[row].price);
}

bool RentalPricing::checkTerms() const
{
    const bool zero =
        std::any_of(m_rows.begin(), m_rows.end(), [](const auto& r) { return r.term == 0; });
    if (zero) {
        m_dialogs.message(kZeroTerm, msg::Exclamation);
    }
    return !zero;
}

TermTables RentalPricing::tablesFor(const RentalRow& row) const
{
    return {m_rules, m_labels.at(row.label), m_media.at(row.media)};
}

void RentalPricing::priceLabel(int label)
{
    const auto& record = m_labels.at(label);
    const int count = m_counters.byLabel(RentalCounters::Pair::Price, label);
    const Money price = labelPrice(record, count, dayClass(m_settings.today));
    for (auto& r : m_rows) {
        if (r.label == label) {
            r.price = r.freebie ? Money() : price;
        }
    }
}

void RentalPricing::termAll()
{
    for (auto& r : m_rows) {
        const auto counts = m_counters.counts(RentalCounters::Pair::Term, r.label, r.media);
        r.term = rentalTerm(m_settings.counting, tablesFor(r), counts, m_settings.today,
                            m_settings.prazoMinimo);
    }
}

void RentalPricing::rowsChanged(int label)
{
    termAll();
    priceLabel(label);
    cancelDiscountOverSum();
}

void RentalPricing::cancelDiscountOverSum()
{
    if (m_discount > rowsSum()) {
        m_discount = Money();
        m_dialogs.message(kDiscountCancelled, msg::Information);
    }
}

} // namespace tavolim::core
