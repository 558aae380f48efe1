#include "core/rules/TapeCharge.h"

#include "core/ports/Clock.h"
#include "core/rules/StoreCalendar.h"
#include "core/state/AppState.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/RuleTables.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

using std::chrono::sys_days;

// Int(late / term + 0.99) in whole numbers: a started term counts once 1% of it has passed.
int startedTerms(int late, int term)
{
    // A 0 term in a damaged table would divide by zero: each late day is then a term.
    if (term < 1) {
        term = 1;
    }
    return (100 * late + 99 * term) / (100 * term);
}

int labelTerm(const LabelRecord& label, int count, int dayClass)
{
    return label.Prazos[static_cast<std::size_t>(classByCountIndex(dayClass, count))];
}

void chargeLateness(TapeChargeLine& line, const TapeRecord& tape, const LabelRecord& label,
                    const GeneralRulesRecord& rules, const ChargeSettings& settings, sys_days taken)
{
    const int rentalClass = dayClass(taken);
    const int lateDays = line.days - tape.Dias;
    const auto kind = settings.late;
    if (kind == LateCharging::EachDay) {
        // A freebie starts charging the day after its free term.
        const int free = line.freebie ? tape.Dias + 1 : tape.Dias;
        const auto charged = chargedLateDays(rules, label, tape.QtdLocadas,
                                             taken + std::chrono::days(free), settings.today);
        line.periods = (line.freebie ? 0 : 1) + charged.days;
        line.amount = (line.freebie ? Money() : tape.ValorLocacao) + charged.amount;
    } else if (kind == LateCharging::LabelTerm || kind == LateCharging::AgreedTerm) {
        const int term = kind == LateCharging::LabelTerm
                             ? labelTerm(label, tape.QtdLocadas, rentalClass)
                             : tape.Dias;
        const int extra = lateDays > 0 ? startedTerms(lateDays, term) : 0;
        if (line.freebie) {
            line.periods = extra;
            line.amount = labelPrice(label, tape.QtdLocadas, rentalClass) * extra;
        } else {
            line.periods = extra + 1;
            line.amount = tape.ValorLocacao * line.periods;
        }
    } else if (kind == LateCharging::ReRent) {
        line.periods = tape.AcertoQtd + (line.freebie ? 0 : 1);
        line.amount = (line.freebie ? Money() : tape.ValorLocacao) + tape.AcertoValor;
    }
}

} // namespace

LateCharging lateCharging(int tipoCobraAtraso)
{
    if (tipoCobraAtraso >= 1 && tipoCobraAtraso <= 5) {
        return static_cast<LateCharging>(tipoCobraAtraso);
    }
    return LateCharging::NotCharged;
}

ChargeSettings chargeSettings(const AppState& state)
{
    ChargeSettings s;
    s.late = lateCharging(state.options().TipoCobraAtraso);
    s.cobrarMulta = state.options().CobrarMulta;
    s.today = workingDay(state);
    s.now = state.ports().clock.timeOfDay();
    return s;
}

Money labelPrice(const LabelRecord& label, int count, int dayClass)
{
    return label.Diarias[static_cast<std::size_t>(classByCountIndex(dayClass, count))];
}

ChargedDays chargedLateDays(const GeneralRulesRecord& rules, const LabelRecord& label, int count,
                            sys_days start, sys_days today)
{
    ChargedDays charged;
    for (sys_days d = start; d < today; d += std::chrono::days(1)) {
        const std::chrono::weekday w(d);
        if ((w == std::chrono::Saturday && !rules.CobraSabado) ||
            (w == std::chrono::Sunday && !rules.CobraDomingo)) {
            continue;
        }
        if (!rules.CobraDomingo && isHoliday(rules, d, today)) {
            continue;
        }
        charged.amount += labelPrice(label, count, dayClass(d));
        ++charged.days;
    }
    return charged;
}

std::optional<TapeChargeLine> tapeCharge(const TapeRecord& tape, const LabelRecord& label,
                                         const GeneralRulesRecord& rules,
                                         const ChargeSettings& settings)
{
    const auto taken = toYmd(tape.DataRetirada);
    if (!taken) {
        return std::nullopt;
    }
    TapeChargeLine line;
    line.freebie = tape.Brinde;
    line.days = static_cast<int>((settings.today - sys_days(*taken)).count());
    // The first term: the rental price, or nothing for a freebie. A tape back the day after
    // it was taken is never late.
    line.periods = line.freebie ? 0 : 1;
    line.amount = line.freebie ? Money() : tape.ValorLocacao;
    if (line.days > 1) {
        chargeLateness(line, tape, label, rules, settings, sys_days(*taken));
    }
    line.fine = lateFine(tape, label, settings.cobrarMulta, line.days, settings.now);
    line.amount += line.fine.amount;
    line.fineText = fineDescription(line.fine);
    line.fineAmountText = fineAmountText(line.fine);
    return line;
}

std::optional<TapeChargeLine> tapeChargeOf(const AppState& state, const TapeRecord& tape)
{
    const auto& records = state.records();
    // A tape naming no label is priced by no label.
    const LabelRecord label = tape.Selo < 1 ? LabelRecord{} : records.load<LabelRecord>(tape.Selo);
    return tapeCharge(tape, label, records.rules(), chargeSettings(state));
}

} // namespace tavolim::core
