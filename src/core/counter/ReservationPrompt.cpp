#include "core/counter/ReservationPrompt.h"

#include "core/counter/ReservationList.h"
#include "core/ports/Dialogs.h"
#include "core/registers/TapeCirculation.h"
#include "core/rules/StoreCalendar.h"
#include "core/state/AppState.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <optional>

namespace tavolim::core {

namespace {

using std::chrono::days;
using std::chrono::sys_days;

// When the person with the tape brings it back, next to the working day: "que deve devolvê-la
// amanhã (06/12/2026)", "que deveria tê-la devolvido em 02/12/2026".
std::string dueText(const TapeRecord& tape, sys_days today)
{
    const auto base = toYmd(tape.DataBase);
    if (!base) {
        return {};
    }
    const sys_days due = sys_days(*base) + days(tape.DiasBase);
    const std::int32_t code = fromYmd(due);
    const std::string date = dateToText(code);
    const std::string near = circulationDay(code, today);
    const std::string when = near == "Hoje"     ? "hoje (" + date + ")"
                             : near == "Amanhã" ? "amanhã (" + date + ")"
                             : near == "Ontem"  ? "ontem (" + date + ")"
                                                : "em " + date;
    return due < today ? "que deveria tê-la devolvido " + when : "que deve devolvê-la " + when;
}

} // namespace

bool askReservation(AppState& state, std::int16_t tapeCode, PersonRef person,
                    const std::string& text, const std::string& title)
{
    auto& dialogs = state.ports().dialogs;
    std::optional<std::chrono::year_month_day> day;
    switch (dialogs.choose(text, title, "&Hoje", "&Amanhã", "&Data")) {
    case 1:
        day = reservationDay(ReserveDay::Hoje, state.DataDia);
        break;
    case 2:
        day = reservationDay(ReserveDay::Amanha, state.DataDia);
        break;
    case 3:
        day = dialogs.askDate("Data da reserva:", title, state.DataDia);
        break;
    default:
        break;
    }
    if (!day || !placeReservation(state, tapeCode, person, *day)) {
        return false;
    }
    const TapeRecord tape = state.records().load<TapeRecord>(tapeCode);
    dialogs.message("A fita '" + trim(tape.Nome) + "' foi reservada para " +
                        circulationPerson(state.records(), person.code, person.titular) +
                        " no dia " + dateToText(fromYmd(*day)) + ".",
                    msg::Information, "Reserva Feita");
    return true;
}

bool offerReservation(AppState& state, std::int16_t tapeCode, PersonRef person)
{
    const TapeRecord tape = state.records().load<TapeRecord>(tapeCode);
    const std::string title = trim(tape.Nome);
    std::string text = "A fita '" + title + "' está locada";
    if (tape.isRented()) {
        // A person missing from its file is still named by its code.
        const std::string who =
            circulationPerson(state.records(), tape.ClienteFita, tape.ClienteTitular);
        text += " com " +
                (who.empty() ? "o cliente de código " + std::to_string(tape.ClienteFita) : who);
        const std::string due = dueText(tape, workingDay(state));
        if (!due.empty()) {
            text += ",\n" + due;
        }
    }
    text += ".\n\nDeseja reservá-la para este cliente ?";
    if (state.ports().dialogs.choose(text, "Fita Atualmente Locada", "&Não reservar",
                                     "&Reservar...", "") != 2) {
        return false;
    }
    return askReservation(state, tapeCode, person,
                          "Reservar a fita '" + title + "' para:", "Reservar Fita");
}

} // namespace tavolim::core
