#include "core/reports/SituationCode.h"

#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <limits>

namespace tavolim::core {
namespace {

constexpr std::int32_t kNoDate = std::numeric_limits<std::int32_t>::min();

} // namespace

std::string situationCode(
    std::span<const std::int16_t> tapesOut, Money valorPago, Money valorDevido,
    std::chrono::sys_days today,
    const std::function<std::optional<std::chrono::sys_days>(std::int16_t)>& dueDate)
{
    if (!tapesOut.empty()) {
        for (const std::int16_t tape : tapesOut) {
            const auto due = dueDate(tape);
            if (due && today > *due) {
                return "Atr";
            }
        }
        return "Loc";
    }
    if (valorDevido.isPositive()) {
        return "Deb";
    }
    return valorPago.isPositive() ? "Sld" : "Nrm";
}

DueDates::DueDates(const RecordStore& records)
{
    m_days.assign(static_cast<std::size_t>(records.recordCount(FileKind::Tapes)) + 1, kNoDate);
    records.scan<TapeRecord>(FileKind::Tapes, [this](std::int32_t n, const TapeRecord& tape) {
        if (const auto base = toYmd(tape.DataBase)) {
            const auto due = std::chrono::sys_days(*base) + std::chrono::days{tape.DiasBase};
            m_days[static_cast<std::size_t>(n)] = due.time_since_epoch().count();
        }
    });
}

std::optional<std::chrono::sys_days> DueDates::operator()(std::int16_t tape) const
{
    if (tape < 1 || static_cast<std::size_t>(tape) >= m_days.size() ||
        m_days[static_cast<std::size_t>(tape)] == kNoDate) {
        return std::nullopt;
    }
    return std::chrono::sys_days(std::chrono::days{m_days[static_cast<std::size_t>(tape)]});
}

} // namespace tavolim::core
