#include "core/rules/LateFine.h"

#include "core/store/LabelRecord.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <cstdio>
#include <cstdlib>

namespace tavolim::core {
namespace {

int lateHours(const TapeRecord& tape, int lateDays, std::chrono::minutes now)
{
    const int hourNow = static_cast<int>(now.count() / 60);
    const int hourTaken = tape.HoraRetirada / 100;
    const int h = hourNow - hourTaken;
    if (lateDays == 0) {
        return h > 0 ? h : 0;
    }
    return lateDays > 0 ? lateDays * 24 + h : 0;
}

std::string zeroPadded(int value)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", value);
    return buf;
}

} // namespace

LateFine lateFine(const TapeRecord& tape, const LabelRecord& label, bool cobrarMulta, int days,
                  std::chrono::minutes now)
{
    LateFine fine;
    if (!cobrarMulta || label.TempoMulta <= 0) {
        return fine;
    }
    fine.inHours = label.UnidadeMulta == LabelRecord::FineInHours;
    fine.each = label.ValorMulta;
    const int lateDays = days - tape.Dias;
    const int late = fine.inHours ? lateHours(tape, lateDays, now) : lateDays;
    if (late > 0) {
        fine.late = late;
        fine.periods = late / label.TempoMulta;
        fine.amount = fine.each * fine.periods;
    }
    return fine;
}

std::string fineDescription(const LateFine& fine)
{
    if (!fine.isLate()) {
        return {};
    }
    return zeroPadded(fine.late) + (fine.inHours ? "h/" : "d/") + zeroPadded(fine.periods) + "/" +
           plainNumberText(fine.each);
}

std::string fineAmountText(const LateFine& fine)
{
    if (!fine.isLate()) {
        return {};
    }
    return "R$" + formatMoneyPlain(fine.amount) + " Multa";
}

std::string plainNumberText(Money value)
{
    const auto t = value.thousandths();
    std::string text = t < 0 ? "-" : "";
    const auto magnitude = static_cast<unsigned long long>(std::llabs(t));
    text += std::to_string(magnitude / 1000);
    auto fraction = magnitude % 1000;
    if (fraction != 0) {
        int digits = 3;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        char buf[8];
        std::snprintf(buf, sizeof buf, ",%0*llu", digits, fraction);
        text += buf;
    }
    return text;
}

} // namespace tavolim::core
