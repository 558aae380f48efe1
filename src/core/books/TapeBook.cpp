#include "core/books/TapeBook.h"

#include "core/books/BookRecords.h"
#include "core/books/Histories.h"
#include "core/books/PositionFile.h"
#include "core/books/TodayPosition.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/TextHelpers.h"

#include <vector>

namespace tavolim::core {
namespace {

constexpr std::size_t kBookLen = TapeBookRecord::Size;
constexpr std::size_t kLogLen = ReturnedTapeRecord::Size;

void addToHistory(AppState& state, std::span<const RentedTape> tapes, std::int32_t& number,
                  std::int32_t firstBookRecord)
{
    if (number < 1) {
        number = allocateHistory(state.records(), FileKind::TapeHistory);
        if (number < 1) {
            return;
        }
    }
    std::vector<std::int16_t> codes;
    for (const auto& t : tapes) {
        codes.push_back(t.tape);
    }
    Histories(state.dataFolder()).appendTapeHistory(number, codes, firstBookRecord);
}

} // namespace

std::optional<std::int32_t> appendRentals(AppState& state, std::span<const RentedTape> tapes,
                                          std::int16_t client, std::int16_t dependent,
                                          std::int32_t& regHistFita)
{
    if (tapes.empty()) {
        return std::nullopt;
    }
    const PositionFile positions(state.dataFolder(), Book::Rentals);
    const auto today = locateTodayRecord(state, positions);
    if (!today) {
        return std::nullopt;
    }
    const std::int32_t first = positions.bookCount() + 1;
    if (!positions.addEntries(*today, first, static_cast<int>(tapes.size()))) {
        return std::nullopt;
    }

    std::vector<std::uint8_t> bytes(tapes.size() * kBookLen, 0);
    TapeBookRecord r;
    r.Cliente = client;
    r.Dependente = dependent;
    r.DataLoc = fromYmd(state.DataDia);
    for (std::size_t i = 0; i < tapes.size(); ++i) {
        r.Fita = tapes[i].tape;
        r.Valor = tapes[i].price;
        r.encode(std::span<std::uint8_t>(bytes).subspan(i * kBookLen, kBookLen));
    }
    if (!binaryfile::writeAt(positions.bookPath(), static_cast<std::uint64_t>(first - 1) * kBookLen,
                             bytes)) {
        return std::nullopt;
    }

    if (state.options().GravHistFita) {
        addToHistory(state, tapes, regHistFita, first);
    }
    return first;
}

int markReturns(AppState& state, std::span<const ReturnedTape> tapes)
{
    const PositionFile positions(state.dataFolder(), Book::Rentals);
    const auto firstDay = positions.firstDay();
    if (!firstDay) {
        return 0;
    }
    const std::int32_t dayRecords = positions.recordCount();
    const std::int32_t bookCount = positions.bookCount();
    const std::int32_t returnDay = fromYmd(state.DataDia);

    std::vector<std::int32_t> logged;
    std::int32_t cachedNumber = 0;
    PositionRecord day;
    for (const auto& returned : tapes) {
        const auto rental = toYmd(returned.rentalDate);
        if (!rental || daysBetween(*firstDay, *rental) < 0) {
            continue;
        }
        const auto number = positions.recordNumberOf(*rental);
        if (number > dayRecords) {
            continue;
        }
        if (number != cachedNumber) {
            day = positions.read(static_cast<std::int32_t>(number));
            cachedNumber = static_cast<std::int32_t>(number);
        }
        if (day.PrimeiroReg < 1 || day.PrimeiroReg > bookCount) {
            continue;
        }
        const std::int32_t count = std::min<std::int32_t>(std::max<std::int16_t>(day.QtdRegs, 0),
                                                          bookCount - day.PrimeiroReg + 1);
        const auto offset = static_cast<std::uint64_t>(day.PrimeiroReg - 1) * kBookLen;
        auto bytes = binaryfile::readAt(positions.bookPath(), offset,
                                        static_cast<std::size_t>(count) * kBookLen);
        TapeBookRecord r;
        for (std::int32_t i = 0; i < count; ++i) {
            const auto slice = std::span<std::uint8_t>(bytes).subspan(
                static_cast<std::size_t>(i) * kBookLen, kBookLen);
            r.decode(slice);
            if (r.Fita != returned.tape || !r.isOut()) {
                continue;
            }
            r.DataDev = returnDay;
            r.QtdDiarias = returned.periods;
            r.ValorDev = returned.amount;
            r.encode(slice);
            const std::int32_t bookRecord = day.PrimeiroReg + i;
            binaryfile::writeAt(positions.bookPath(),
                                static_cast<std::uint64_t>(bookRecord - 1) * kBookLen, slice);
            if (bookRecord <= ReturnedTapeRecord::MaxReach) {
                logged.push_back(bookRecord);
            }
        }
    }
    if (logged.empty()) {
        return 0;
    }

    const PositionFile log(state.dataFolder(), Book::Returns);
    const std::int32_t firstLog = log.bookCount() + 1;
    std::vector<std::uint8_t> bytes(logged.size() * kLogLen, 0);
    ReturnedTapeRecord entry;
    for (std::size_t i = 0; i < logged.size(); ++i) {
        entry.setBookRecord(logged[i]);
        entry.encode(std::span<std::uint8_t>(bytes).subspan(i * kLogLen, kLogLen));
    }
    if (!binaryfile::writeAt(log.bookPath(), static_cast<std::uint64_t>(firstLog - 1) * kLogLen,
                             bytes)) {
        return 0;
    }
    if (const auto today = locateTodayRecord(state, log)) {
        log.addEntries(*today, firstLog, static_cast<int>(logged.size()));
    }
    return static_cast<int>(logged.size());
}

} // namespace tavolim::core
