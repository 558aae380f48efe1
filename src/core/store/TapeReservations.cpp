#include "core/store/TapeReservations.h"

#include "core/store/RecordPatch.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

// Offset of NumReservas: tapes without reservations are skipped without decoding.
constexpr std::size_t kNumReservasOffset = 154;

template <class Match>
int removeWhile(TapeRecord& tape, Match&& match, bool firstOnly)
{
    int removed = 0;
    for (int slot = 1; slot <= tape.reservationCount();) {
        if (match(static_cast<std::size_t>(slot - 1))) {
            removeReservation(tape, slot);
            ++removed;
            if (firstOnly) {
                break;
            }
        } else {
            ++slot;
        }
    }
    return removed;
}

} // namespace

bool removeReservation(TapeRecord& tape, int slot)
{
    const int count = tape.reservationCount();
    if (slot < 1 || slot > count) {
        return false;
    }
    for (int i = slot; i < TapeRecord::MaxReservations; ++i) {
        const auto to = static_cast<std::size_t>(i - 1);
        tape.ReservaCliente[to] = tape.ReservaCliente[to + 1];
        tape.ReservaTitular[to] = tape.ReservaTitular[to + 1];
        tape.ReservaData[to] = tape.ReservaData[to + 1];
    }
    constexpr auto last = static_cast<std::size_t>(TapeRecord::MaxReservations - 1);
    tape.ReservaCliente[last] = 0;
    tape.ReservaTitular[last] = false;
    tape.ReservaData[last] = 0;
    tape.NumReservas = static_cast<std::int16_t>(count - 1);
    return true;
}

bool holdsReservation(const TapeRecord& tape, PersonRef person)
{
    for (int i = 0; i < tape.reservationCount(); ++i) {
        const auto s = static_cast<std::size_t>(i);
        if (tape.ReservaCliente[s] == person.code && tape.ReservaTitular[s] == person.titular) {
            return true;
        }
    }
    return false;
}

bool removeFirstReservationOf(TapeRecord& tape, PersonRef person)
{
    return removeWhile(
               tape,
               [&](std::size_t i) {
                   return tape.ReservaCliente[i] == person.code &&
                          tape.ReservaTitular[i] == person.titular;
               },
               true) > 0;
}

int removeExpiredReservations(TapeRecord& tape, std::chrono::year_month_day today)
{
    return removeWhile(
        tape,
        [&](std::size_t i) {
            const auto date = toYmd(tape.ReservaData[i]);
            return !date || std::chrono::sys_days(*date) < std::chrono::sys_days(today);
        },
        false);
}

int removeReservationsOf(TapeRecord& tape, PersonRef person)
{
    return removeWhile(
        tape,
        [&](std::size_t i) {
            return tape.ReservaCliente[i] == person.code &&
                   tape.ReservaTitular[i] == person.titular;
        },
        false);
}

int removeExpiredReservationsFromTapes(RecordStore& records, std::chrono::year_month_day today)
{
    TapeRecord tape;
    const int written =
        patchRecords(records.filePath(FileKind::Tapes), TapeRecord::Size,
                     [&](std::int32_t, std::span<std::uint8_t> bytes) {
                         if (bytes[kNumReservasOffset] == 0 && bytes[kNumReservasOffset + 1] == 0) {
                             return false;
                         }
                         tape.decode(bytes);
                         if (removeExpiredReservations(tape, today) == 0) {
                             return false;
                         }
                         tape.encode(bytes);
                         return true;
                     });
    if (records.tape().Codigo > 0) {
        removeExpiredReservations(records.tape(), today);
    }
    return written;
}

} // namespace tavolim::core
