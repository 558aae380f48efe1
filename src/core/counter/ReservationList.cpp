#include "core/counter/ReservationList.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/PersonLookup.h"
#include "core/store/TapeRecord.h"
#include "core/store/TapeReservations.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cctype>

namespace tavolim::core {
namespace {

constexpr int MaxReservations = 5;

int reservationCount(const TapeRecord& tape)
{
    return std::clamp<int>(tape.NumReservas, 0, MaxReservations);
}

} // namespace

bool placeReservation(AppState& state, std::int16_t tapeCode, PersonRef person,
                      std::chrono::year_month_day day)
{
    auto& records = state.records();
    TapeRecord tape = records.load<TapeRecord>(tapeCode);
    const int count = reservationCount(tape);
    const auto refuse = [&](const char* text) {
        state.ports().dialogs.message(text, msg::Exclamation);
        return false;
    };
    if (count >= MaxReservations) {
        return refuse("A Fita está locada no momento e já está reservada para cinco clientes.");
    }
    if (std::chrono::sys_days(day) < std::chrono::sys_days(state.DataDia)) {
        return refuse("A data é anterior à hoje.");
    }
    const std::chrono::sys_days wanted = day;
    int at = count;
    for (int i = 0; i < count; ++i) {
        const auto taken = toYmd(tape.ReservaData[static_cast<std::size_t>(i)]);
        if (taken && std::chrono::sys_days(*taken) == wanted) {
            return refuse("A fita já está reservada para este dia.");
        }
        if (taken && std::chrono::sys_days(*taken) > wanted && at == count) {
            at = i;
        }
    }
    for (int i = count; i > at; --i) {
        const auto to = static_cast<std::size_t>(i);
        tape.ReservaCliente[to] = tape.ReservaCliente[to - 1];
        tape.ReservaTitular[to] = tape.ReservaTitular[to - 1];
        tape.ReservaData[to] = tape.ReservaData[to - 1];
    }
    const auto slot = static_cast<std::size_t>(at);
    tape.ReservaCliente[slot] = person.code;
    tape.ReservaTitular[slot] = person.titular;
    tape.ReservaData[slot] = fromYmd(day);
    tape.NumReservas = static_cast<std::int16_t>(count + 1);
    StoreTransaction write(state);
    records.save(tapeCode, tape);
    return write.commit();
}

ReserveStep startReservation(AppState& state, std::optional<std::int16_t> tapeCode)
{
    if (!tapeCode || *tapeCode < 1) {
        return ReserveStep::Nothing;
    }
    const auto tape = state.records().load<TapeRecord>(*tapeCode);
    if (isDeletedName(tape.Nome)) {
        state.ports().dialogs.message("O registro desta fita foi excluído.", msg::Information);
        return ReserveStep::Nothing;
    }
    return reservationCount(tape) == 0 ? ReserveStep::ReserveAtOnce : ReserveStep::ShowList;
}

std::chrono::year_month_day reservationDay(ReserveDay choice, std::chrono::year_month_day today)
{
    const std::chrono::sys_days day = today;
    return choice == ReserveDay::Hoje ? today
                                      : std::chrono::year_month_day{day + std::chrono::days{1}};
}

ReservationList::ReservationList(AppState& state, std::int16_t tapeCode)
    : m_state(state), m_tape(tapeCode)
{
    load();
}

void ReservationList::load()
{
    const auto tape = m_state.records().load<TapeRecord>(m_tape);
    m_entries.clear();
    for (int i = 0; i < reservationCount(tape); ++i) {
        const auto s = static_cast<std::size_t>(i);
        const PersonRef person{tape.ReservaCliente[s], tape.ReservaTitular[s]};
        m_entries.push_back({person, personName(m_state.records(), person), tape.ReservaData[s]});
    }
}

std::optional<ReservationList::Choice> ReservationList::choiceForKey(int key)
{
    switch (key >= 0 && key < 128 ? std::toupper(key) : key) {
    case 'L':
        return Choice::Locar;
    case 'R':
        return Choice::Reservar;
    case 'C':
    case 27:
        return Choice::Cancelar;
    default:
        return std::nullopt;
    }
}

bool ReservationList::cancelEntry(std::size_t index)
{
    if (index >= m_entries.size()) {
        return false;
    }
    const Entry entry = m_entries[index];
    const auto answer = m_state.ports().dialogs.message(
        "Deseja anular a reserva para " + entry.name + " ?", msg::Question + msg::YesNo);
    if (answer != msg::Answer::Yes) {
        return false;
    }
    auto tape = m_state.records().load<TapeRecord>(m_tape);
    // The entry by its place: the same person may hold two dates.
    if (!removeReservation(tape, static_cast<int>(index) + 1)) {
        return false;
    }
    StoreTransaction write(m_state);
    m_state.records().save(m_tape, tape);
    if (!write.commit()) {
        return false;
    }
    load();
    return true;
}

} // namespace tavolim::core
