#include "core/day/BusinessDay.h"

#include "core/books/DailyTotalsFile.h"
#include "core/books/DayRoll.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/rules/HolidayMonths.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/TapeReservations.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

constexpr int kCompactAbove = 50;

const char* const kClockWentBack =
    "A data do sistema regrediu.\nSe você continuar e efetuar operações irá afetar os bancos "
    "de dados. Verifique se a data está correta.";
const char* const kDateChanged =
    "O seu sistema será reiniciado com a nova data.\n\nCaso você tenha mudado-a "
    "propositalmente para realizar testes com intenção de regredi-la posteriormente desfaça "
    "a alteração agora.\nA data não pode ser regredida por correr risco potencial de gerar "
    "danos nos bancos de dados.";
const char* const kDateChangedTitle = "A data mudou";

} // namespace

void startDay(AppState& state, bool restart)
{
    const auto& ports = state.ports();
    bool clockWentBack = false;
    {
        // The old day's totals and the three rolls reach the files together or not at all; a
        // roll that did not is made by the next operation that writes the books.
        StoreTransaction roll(state);
        if (restart) {
            saveCaixaDia(state);
        }
        state.DataDia = ports.clock.today();
        // Every file says the same when the clock went back; the operator hears it once.
        for (const auto outcome :
             {rollCaixa(state), rollSalesPositions(state), rollTapePositions(state)}) {
            clockWentBack = clockWentBack || outcome == RollOutcome::ClockWentBack;
        }
        if (!state.readOnly) {
            roll.commit();
        }
    }
    loadCaixaDia(state);
    if (clockWentBack) {
        ports.dialogs.message(kClockWentBack, msg::Critical, "Erro");
    }
    if (advanceHolidayMonths(state) && state.dayHooks.openHolidayEditor) {
        state.dayHooks.openHolidayEditor(state);
        refreshMinimumTerm(state);
    }

    if (state.readOnly) {
        if (state.dayHooks.refreshMenus) {
            state.dayHooks.refreshMenus();
        }
        return;
    }
    ports.progress.showWait("Removendo Reservas Antigas...");
    {
        StoreTransaction reservations(state);
        removeExpiredReservationsFromTapes(state.records(), state.DataDia);
        reservations.commit();
    }

    auto& rules = state.records().rules();
    bool compacted = false;
    // A damaged index is left with every text it may still lead to, and said.
    const auto damaged = [&](const char* index, const char* heap) {
        ports.dialogs.message(std::string("O índice ") + index + " está danificado: o arquivo " +
                                  heap +
                                  " não foi rearranjado, para que nenhum texto se perca.\nFaça "
                                  "um back-up da pasta de dados antes de qualquer reparo.",
                              msg::Exclamation);
    };
    if (rules.SinopsesDesperdicio > kCompactAbove) {
        if (state.synopses().claimsDamaged()) {
            damaged("das sinopses (campos Sinopse do arquivo DadosFit.tvl)", "Sinopses.tvl");
        } else {
            ScopedWait wait(&ports.progress, "Rearranjando Arquivo de Sinopses...");
            compacted = state.synopses().compact() || compacted;
        }
    }
    if (rules.MemosDesperdicio > kCompactAbove) {
        if (state.memos().directoryDamaged()) {
            damaged("dos memos (RegMemos.tvl)", "Memos.tvl");
        } else {
            ScopedWait wait(&ports.progress, "Rearranjando Arquivo de Memos...");
            compacted = state.memos().compactMemos() || compacted;
        }
    }
    if (compacted) {
        // The counters were reset; keep that even if the program does not end cleanly.
        state.saveRules();
    }

    if (state.dayHooks.refreshMenus) {
        state.dayHooks.refreshMenus();
    }
    ports.progress.hideWait();
}

bool refuseCounterWork(AppState& state)
{
    if (refuseWhenReadOnly(state)) {
        return true;
    }
    const auto first = DailyTotalsFile(state.dataFolder()).base();
    if (!first || std::chrono::sys_days(state.DataDia) >= std::chrono::sys_days(*first)) {
        return false;
    }
    state.ports().dialogs.message(
        "A data de hoje (" + dateToText(fromYmd(state.DataDia)) +
            ") é anterior ao primeiro dia registrado nos livros da locadora (" +
            dateToText(fromYmd(*first)) +
            ").\nAcerte a data do computador: nenhuma operação será gravada com esta data.",
        msg::Exclamation, "Data incorreta");
    return true;
}

bool checkDateChange(AppState& state)
{
    const auto& ports = state.ports();
    if (ports.clock.today() == state.DataDia) {
        return false;
    }
    ports.dialogs.message(kDateChanged, msg::Exclamation, kDateChangedTitle);
    if (ports.clock.today() == state.DataDia) {
        ports.dialogs.message("A reinicialização foi cancelada.", msg::OkOnly, kDateChangedTitle);
        return false;
    }
    startDay(state, true);
    return true;
}

} // namespace tavolim::core
