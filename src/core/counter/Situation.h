#pragma once

#include "core/counter/Account.h"
#include "core/rules/TapeCharge.h"
#include "core/store/Money.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;

// One line of the situation grid FlexGrid1, by column: "N°", "Descrição", "Preço",
// "Prazo", "Dias", "Diárias", "Total", "Multas...". Total lines carry only their label (in
// "Descrição") and amount (in "Total").
using SituationLine = std::array<std::string, 8>;
inline const std::array<std::string, 8> kSituationColumns = {
    "N°", "Descrição", "Preço", "Prazo", "Dias", "Diárias", "Total", "Multas..."};

// A tape at home as charged today: what the grid line, its detail pop-ups and the printout
// are made of. No charge when the tape's dates are not dates.
struct TapeAtHome {
    std::int16_t code = 0;
    std::string Nome;
    std::int32_t DataRetirada = 0;
    std::int16_t Dias = 0;
    std::int32_t DataBase = 0; // the due date is DataBase + DiasBase
    std::int16_t DiasBase = 0;
    Money ValorLocacao;
    std::int16_t AcertoQtd = 0;
    std::int16_t QtdBase = 0;
    Money AcertoValor;
    std::optional<TapeChargeLine> charge;
};

// The detail pop-ups of a grid line, lines joined by "\n". The re-rental figures, in
// re-rent mode: "Número de Relocações: " ... "Valor Total: R$".
std::string reRentDetail(const TapeAtHome& tape);
// The fine figures: "Atraso: " ... "Total: R$"; empty when the tape is not fined.
std::string fineDetail(const TapeAtHome& tape);

// A click on a tape's cell of the grid: "Diárias" pops up reRentDetail in re-rent mode
// ("TipoCobraAtraso" 4), "Multas..." the fineDetail of a fined tape; nothing elsewhere.
struct CellDetail {
    std::string title;
    std::string text;
};
std::optional<CellDetail> cellDetail(const std::vector<TapeAtHome>& tapes, std::size_t row,
                                     std::size_t column, bool reRentMode);

// A person in the family list lstClientes, with the status prefix in its text.
struct RelatedPerson {
    PersonRef person;
    std::string text;  // "[F] - Ana Silva"
    bool owes = false; // "[F] - " or "[D] - "
};

// What the client situation window (frmSitua_o) shows for one person: the tapes at home
// with their charges so far, the account, and the state of the whole family.
struct Situation {
    PersonRef person;
    bool deleted = false;

    std::string txtNome; // "Registro Excluído" for a deleted record
    std::string txtNumInsc;
    std::string txtTotalLoca_es;
    std::string txtUltimaLoca_o;
    std::string txtUltPgto;
    std::string txtObserva_es;
    std::string txtNumeroFitasEmCasa;

    std::vector<TapeAtHome> tapes;
    std::vector<SituationLine> lines; // the tapes, then the five total lines
    Money totalFitas;
    Money outrosGastos; // the account's ValorDevido
    Money subTotal;
    Money valorPagoAdiantado; // the account's ValorPago
    Money valorDevido;        // subTotal - valorPagoAdiantado; negative is credit

    // "Valor Devido:" with what is owed, or "Saldo:" with the credit; paying is possible
    // only when something is owed.
    bool owes() const { return valorDevido.isPositive(); }
    std::string balanceCaption() const { return owes() ? "Valor Devido:" : "Saldo:"; }
    Money balanceAmount() const { return owes() ? valorDevido : -valorDevido; }

    std::vector<RelatedPerson> lstClientes; // the holder first, then the dependents
    std::string lblSitClientesRel;
    bool lblSitClientesRelRed = false;
    std::vector<std::string> birthdays; // texts to show, the shown person's first
};

inline constexpr const char* kRelatedOwe = "Algum(ns) dos clientes relacionados contém débito(s).";
inline constexpr const char* kRelatedOk = "Todos os clientes relacionados estão em dia.";

// Fills the situation: the date-change check, AutoRenew in re-rent mode, the grid, the
// totals and the family.
Situation showSituation(AppState& state, PersonRef person);

// "[F] - ", "[L] - ", "[D] - ", "[C] - " or "[N] - ". A tape is late when the working
// day is past its due date, DataBase + DiasBase.
std::string statusPrefix(const AppState& state, std::span<const std::int16_t> tapes,
                         Money valorPago, Money valorDevido);

} // namespace tavolim::core
