#pragma once

#include "core/counter/Account.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
struct TapeRecord;

// Puts the person on the tape's reservation list for `day` and writes the tape. The list is
// kept in date order (a new entry goes before the first later date), so the first
// entry is always the next one due and expired ones leave from the front. Refused, with
// its message, when five are already there ("A Fita está locada no momento e já está
// reservada para cinco clientes."), when `day` is before the working day ("A data é
// anterior à hoje.") or already reserved ("A fita já está reservada para este dia.").
bool placeReservation(AppState& state, std::int16_t tapeCode, PersonRef person,
                      std::chrono::year_month_day day);

// cmdReserva of the situation once the tape search closed (nullopt: nothing chosen).
enum class ReserveStep {
    Nothing,       // no tape, or a deleted one ("O registro desta fita foi excluído.")
    ReserveAtOnce, // no reservation yet: straight to the day prompts and placeReservation
    ShowList,      // the reservations dialog decides
};
ReserveStep startReservation(AppState& state, std::optional<std::int16_t> tapeCode);

// The day prompt's answers: "Hoje" the working day, "Amanhã" the next calendar day.
enum class ReserveDay { Hoje, Amanha };
std::chrono::year_month_day reservationDay(ReserveDay choice, std::chrono::year_month_day today);

// The reservations dialog (frmReservas): who reserved a tape, and the operator's choice.
class ReservationList {
public:
    struct Entry {
        PersonRef person;
        std::string name; // full name, as lstClientes shows it
        std::int32_t ReservaData = 0;
    };
    enum class Choice { Locar, Reservar, Cancelar };

    ReservationList(AppState& state, std::int16_t tapeCode);

    const std::vector<Entry>& entries() const { return m_entries; }
    // Keys of the dialog: L, R, C (either case) and Escape (27); nullopt for any other.
    static std::optional<Choice> choiceForKey(int key);

    // A click or the space bar on entry `index`: "Deseja anular a reserva para " + name +
    // " ?"; Yes removes it from the tape, written at once, and from the list.
    bool cancelEntry(std::size_t index);

private:
    void load();

    AppState& m_state;
    std::int16_t m_tape;
    std::vector<Entry> m_entries;
};

} // namespace tavolim::core
