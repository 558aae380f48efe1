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

class PersonNames {
public:
    explicit PersonNames(RecordStore& records)
        : m_records(records), m_client(records.client()), m_dependent(records.dependent())
    {
    }
    ~PersonNames()
    {
        m_records.client() = m_client;
        m_records.dependent() = m_dependent;
    }
    PersonNames(const PersonNames&) = delete;
    PersonNames& operator=(const PersonNames&) = delete;

    std::string operator()(std::int16_t code, bool titular)
    {
        if (titular) {
            m_records.readRecord(FileKind::Clients, code, true);
            return joinFullName(m_records.client().PrimNome, m_records.client().SobreNome);
        }
        m_records.readRecord(FileKind::Dependents, code, true);
        return joinFullName(m_records.dependent().PrimNome, m_records.dependent().SobreNome);
    }

private:
    RecordStore& m_records;
    const ClientRecord m_client;
    const DependentRecord m_dependent;
};

} // namespace

std::string circulationPerson(RecordStore& records, std::int16_t code, bool titular)
{
    return PersonNames(records)(code, titular);
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
    PersonNames name(state.records());
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
