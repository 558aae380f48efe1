#include "core/counter/Situation.h"
#include "core/counter/PersonAccount.h"

#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/rules/AutoRenew.h"
#include "core/rules/TapeCharge.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <chrono>

namespace tavolim::core {
namespace {

// The fields of a client or dependent record the situation needs, whichever file.
struct PersonView {
    std::string name;
    bool deleted = false;
    std::int16_t holder = 0;
    std::int32_t DataNasc = 0;
    std::int32_t Observacoes = 0;
    std::int16_t TotalLocacoes = 0;
    std::int32_t DataUltLocacao = 0;
    Money ValorUltPgto;
    Money ValorPago;
    Money ValorDevido;
    std::vector<std::int16_t> fitas;
    std::vector<std::int16_t> deps;
};

template <class R>
PersonView viewOf(const R& r)
{
    PersonView v;
    v.deleted = isDeletedName(r.PrimNome);
    v.name = trim(r.PrimNome) + " " + trim(r.SobreNome);
    v.DataNasc = r.DataNasc;
    v.Observacoes = r.Observacoes;
    v.TotalLocacoes = r.TotalLocacoes;
    v.DataUltLocacao = r.DataUltLocacao;
    v.ValorUltPgto = r.ValorUltPgto;
    v.ValorPago = r.ValorPago;
    v.ValorDevido = r.ValorDevido;
    v.fitas.assign(r.Fitas.begin(), r.Fitas.begin() + r.tapeCount());
    return v;
}

PersonView readPerson(const AppState& state, PersonRef person)
{
    const auto& records = state.records();
    if (person.titular) {
        const auto c = records.load<ClientRecord>(person.code);
        PersonView v = viewOf(c);
        v.holder = person.code;
        v.deps.assign(c.Dep.begin(), c.Dep.begin() + c.depCount());
        return v;
    }
    const auto d = records.load<DependentRecord>(person.code);
    PersonView v = viewOf(d);
    v.holder = d.Titular;
    return v;
}

bool birthdayToday(std::int32_t dataNasc, std::chrono::year_month_day today)
{
    const auto born = toYmd(dataNasc);
    return born && born->month() == today.month() && born->day() == today.day();
}

SituationLine tapeLine(const AppState& state, std::int16_t code, std::vector<TapeAtHome>& tapes,
                       Money& total)
{
    const auto tape = state.records().load<TapeRecord>(code);
    TapeAtHome& at = tapes.emplace_back();
    at.code = code;
    at.Nome = trim(tape.Nome);
    at.DataRetirada = tape.DataRetirada;
    at.Dias = tape.Dias;
    at.DataBase = tape.DataBase;
    at.DiasBase = tape.DiasBase;
    at.ValorLocacao = tape.ValorLocacao;
    at.AcertoQtd = tape.AcertoQtd;
    at.QtdBase = tape.QtdBase;
    at.AcertoValor = tape.AcertoValor;
    at.charge = tapeChargeOf(state, tape);
    SituationLine line;
    line[0] = std::to_string(code);
    line[1] = at.Nome;
    line[2] = tape.Brinde ? "Brinde" : formatMoneyPlain(tape.ValorLocacao);
    line[3] = std::to_string(tape.Dias);
    // A tape whose dates are not dates shows no charge rather than a made-up one.
    if (const auto& charge = at.charge) {
        line[4] = std::to_string(charge->days);
        line[5] = std::to_string(charge->periods);
        line[6] = formatMoneyPlain(charge->amount);
        line[7] = charge->fineAmountText;
        total += charge->amount;
    }
    return line;
}

SituationLine totalLine(const char* label, Money value)
{
    SituationLine line;
    line[1] = label;
    line[6] = formatMoneyPlain(value);
    return line;
}

} // namespace

std::string statusPrefix(const AppState& state, std::span<const std::int16_t> tapes,
                         Money valorPago, Money valorDevido)
{
    if (!tapes.empty()) {
        const std::chrono::sys_days today = state.DataDia;
        for (const std::int16_t code : tapes) {
            const auto tape = state.records().load<TapeRecord>(code);
            // DataBase + DiasBase: in re-rent mode a renewal moves the due date on.
            const auto base = toYmd(tape.DataBase);
            if (base && today > std::chrono::sys_days(*base) + std::chrono::days{tape.DiasBase}) {
                return "[F] - ";
            }
        }
        return "[L] - ";
    }
    if (valorDevido.isPositive()) {
        return "[D] - ";
    }
    return valorPago.isPositive() ? "[C] - " : "[N] - ";
}

std::string reRentDetail(const TapeAtHome& tape)
{
    return "Número de Relocações: " + std::to_string(tape.AcertoQtd) +
           "\nFitas Relocadas Neste Dia: " + std::to_string(tape.QtdBase) +
           "\nSoma das Diárias das Relocações: R$" + formatMoneyPlain(tape.AcertoValor) +
           "\nValor da Diária da Fita: R$" + formatMoneyPlain(tape.ValorLocacao) +
           "\nValor Total: R$" + formatMoneyPlain(tape.ValorLocacao + tape.AcertoValor);
}

std::string fineDetail(const TapeAtHome& tape)
{
    if (!tape.charge || !tape.charge->fine.isLate()) {
        return {};
    }
    const LateFine& fine = tape.charge->fine;
    return "Atraso: " + std::to_string(fine.late) + (fine.inHours ? "h" : "d") +
           "\nNúmero de Multas: " + std::to_string(fine.periods) + "\nValor de Cada Multa: R$" +
           formatMoneyPlain(fine.each) + "\nTotal: R$" + formatMoneyPlain(fine.amount);
}

std::optional<CellDetail> cellDetail(const std::vector<TapeAtHome>& tapes, std::size_t row,
                                     std::size_t column, bool reRentMode)
{
    if (row >= tapes.size()) {
        return std::nullopt;
    }
    if (column == 5 && reRentMode) {
        return CellDetail{"Relocações", reRentDetail(tapes[row])};
    }
    std::string fine = column == 7 ? fineDetail(tapes[row]) : std::string();
    if (fine.empty()) {
        return std::nullopt;
    }
    return CellDetail{"Multas", std::move(fine)};
}

Situation showSituation(AppState& state, PersonRef person)
{
    checkDateChange(state);
    Situation s;
    s.person = person;

    PersonView shown = readPerson(state, person);
    // A code that names no tape (a damaged list) is a missing tape: told, never charged.
    const auto tapeCount = state.records().recordCount(FileKind::Tapes);
    std::string missing;
    std::erase_if(shown.fitas, [&](std::int16_t code) {
        if (code >= 1 && code <= tapeCount) {
            return false;
        }
        missing += (missing.empty() ? "" : ", ") + std::to_string(code);
        return true;
    });
    if (!missing.empty()) {
        state.ports().dialogs.message("A lista de fitas de " + shown.name +
                                          " tem código(s) que não são de nenhuma fita: " + missing +
                                          ".\nEles não aparecem e não são cobrados.",
                                      msg::Exclamation, "Fita inexistente");
    }
    {
        // Renewals in re-rent mode are written; a failure is told and the grid shows the rest.
        StoreTransaction renewals(state);
        autoRenew(state, shown.fitas);
        if (!state.readOnly) {
            renewals.commit();
        }
    }

    s.deleted = shown.deleted;
    s.txtNome = shown.deleted ? "Registro Excluído" : shown.name;
    s.txtNumInsc = std::to_string(person.code);
    s.txtTotalLoca_es = std::to_string(shown.TotalLocacoes);
    s.txtUltimaLoca_o = dateToScreen(shown.DataUltLocacao);
    s.txtUltPgto = formatMoney(shown.ValorUltPgto);
    s.txtObserva_es = state.memos().readMemo(shown.Observacoes);
    s.txtNumeroFitasEmCasa = std::to_string(shown.fitas.size());

    for (const std::int16_t code : shown.fitas) {
        s.lines.push_back(tapeLine(state, code, s.tapes, s.totalFitas));
    }
    const Balance balance = PersonAccount(state, person).balance();
    s.outrosGastos = balance.ValorDevido;
    s.subTotal = s.totalFitas + s.outrosGastos;
    s.valorPagoAdiantado = balance.ValorPago;
    s.valorDevido = s.subTotal - s.valorPagoAdiantado;
    s.lines.push_back(totalLine("-Total Fitas-->", s.totalFitas));
    s.lines.push_back(totalLine("-Outros Gastos-->", s.outrosGastos));
    s.lines.push_back(totalLine("-Sub-Total-->", s.subTotal));
    s.lines.push_back(totalLine("-Valor Pago Adiantado-->", s.valorPagoAdiantado));
    s.lines.push_back(totalLine("-Valor Devido-->", s.owes() ? s.valorDevido : Money()));

    const auto today = state.DataDia;
    if (birthdayToday(shown.DataNasc, today)) {
        s.birthdays.push_back("Este(a) cliente está de aniversário hoje!");
    }
    std::vector<PersonRef> family;
    if (shown.holder > 0) {
        family.push_back({shown.holder, true});
        const PersonView holder = person.titular ? shown : readPerson(state, {shown.holder, true});
        for (const std::int16_t dep : holder.deps) {
            family.push_back({dep, false});
        }
    }
    for (const PersonRef& member : family) {
        const PersonView v = member == person ? shown : readPerson(state, member);
        if (v.deleted) {
            continue;
        }
        RelatedPerson related;
        related.person = member;
        const std::string prefix = statusPrefix(state, v.fitas, v.ValorPago, v.ValorDevido);
        related.text = prefix + v.name;
        related.owes = prefix == "[F] - " || prefix == "[D] - ";
        s.lblSitClientesRelRed = s.lblSitClientesRelRed || related.owes;
        s.lstClientes.push_back(std::move(related));
        if (!(member == person) && birthdayToday(v.DataNasc, today)) {
            s.birthdays.push_back("O(a) cliente " + v.name + " está de aniversário hoje!");
        }
    }
    s.lblSitClientesRel = s.lblSitClientesRelRed ? kRelatedOwe : kRelatedOk;
    return s;
}

} // namespace tavolim::core
