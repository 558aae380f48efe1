#include "core/registers/TapeCirculation.h"

#include "core/registers/TapeForm.h"
#include "core/rules/StoreCalendar.h"
#include "core/state/AppState.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

} // namespace

std::string circulationPerson(const RecordStore& records, std::int16_t code, bool titular)
{
    const auto name = [](const auto& r) { return joinFullName(r.PrimNome, r.SobreNome); };
    return titular ? name(records.load<ClientRecord>(code))
                   : name(records.load<DependentRecord>(code));
}

std::string circulationDay(std::int32_t ddmmyyyy, sys_days today)
{
    const auto date = toYmd(ddmmyyyy);
    if (!date) {
        return {};
    }
    const auto diff = (sys_days(*date) - today).count();
    switch (diff) {
    case 0:
        return "Hoje";
    case -1:
        return "Ontem";
    case 1:
        return "Amanhã";
    default:
        return dateToText(ddmmyyyy);
    }
}

void showCirculation(AppState& state, const TapeRecord& tape, TapeForm& form)
{
    const auto name = [&state](std::int16_t code, bool titular) {
        return circulationPerson(state.records(), code, titular);
    };
    const sys_days today = workingDay(state);
    form.NomeClienteComFita.clear();
    form.DiaEmprestado.clear();
    form.DiaRetorna.clear();
    if (tape.isRented()) {
        form.NomeClienteComFita = name(tape.ClienteFita, tape.ClienteTitular);
        form.DiaEmprestado = circulationDay(tape.DataRetirada, today);
        if (const auto base = toYmd(tape.DataBase)) {
            const auto due = sys_days(*base) + days(tape.DiasBase);
            form.DiaRetorna = circulationDay(fromYmd(due), today);
        }
    }
    form.UltCli.clear();
    for (std::size_t i = 0; i < tape.UltCliente.size(); ++i) {
        if (tape.UltCliente[i] >= 1) {
            form.UltCli.push_back(dateToText(tape.UltData[i]) + "  " +
                                  name(tape.UltCliente[i], tape.UltTitular[i]));
        }
    }
    form.Reservas.clear();
    for (int i = 0; i < tape.reservationCount(); ++i) {
        const auto s = static_cast<std::size_t>(i);
        form.Reservas.push_back(dateToText(tape.ReservaData[s]) + "  " +
                                name(tape.ReservaCliente[s], tape.ReservaTitular[s]));
    }
}

} // namespace tavolim::core
