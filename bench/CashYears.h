#pragma once

#include "core/reports/CashGraphForm.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/DailyTotalsRecord.h"

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "QuietPorts.h"

namespace tavolim::bench {

// A store with three years of daily totals (2024 to 2026, 1096 days), each day's figures
// varied the way a shop's are: busier at the weekend, a few days closed.
class CashYears {
public:
    static constexpr std::chrono::year_month_day kFirstDay =
        std::chrono::year{2024} / std::chrono::January / 1;
    static constexpr std::chrono::year_month_day kLastDay =
        std::chrono::year{2026} / std::chrono::December / 31;

    static CashYears& instance()
    {
        static CashYears store;
        return store;
    }

    ~CashYears()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    CashYears(const CashYears&) = delete;
    CashYears& operator=(const CashYears&) = delete;

    core::AppState& state() { return m_state; }

private:
    CashYears()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-bench-cash-" + std::to_string(::getpid()))),
          m_state(build(m_folder), m_ports.ports())
    {
        m_state.loadOptions();
        m_state.DataDia = kLastDay;
    }

    static std::filesystem::path build(const std::filesystem::path& folder)
    {
        using namespace std::chrono;
        core::createNewInstallation(folder, kFirstDay);
        std::vector<std::uint8_t> bytes = core::DailyTotalsRecord::header(kFirstDay).encoded();
        std::uint32_t seed = 12345;
        const auto next = [&seed](int n) {
            seed = seed * 1103515245u + 12345u;
            return static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(n));
        };
        for (sys_days d = sys_days(kFirstDay); d <= sys_days(kLastDay); d += days{1}) {
            const unsigned wd = weekday(d).c_encoding();
            const int busy = (wd == 0 || wd >= 5) ? 3 : 1;
            core::DailyTotalsRecord r;
            if (next(30) != 0) { // closed about one day a month
                r.FitasLocadas = static_cast<std::int16_t>(busy * (10 + next(20)));
                r.NumLocacoes = static_cast<std::int16_t>(r.FitasLocadas / 2);
                r.LocPago = core::Money::fromCents(r.FitasLocadas * 350 - next(500));
                r.LocHaver = core::Money::fromCents(next(800));
                r.VendaPago = core::Money::fromCents(busy * next(6000));
                r.VendaHaver = core::Money::fromCents(next(300));
                r.Entrada = r.LocPago + r.VendaPago + core::Money::fromCents(next(2000));
            }
            const auto rec = r.encoded();
            bytes.insert(bytes.end(), rec.begin(), rec.end());
        }
        core::binaryfile::writeNew(folder / "Caixa.tvl", bytes);
        return folder;
    }

    std::filesystem::path m_folder;
    core::QuietPorts m_ports{kLastDay};
    core::AppState m_state;
};

// Every period the list holds for the breakdown: the 36 months or the 3 years.
inline void chooseAll(core::CashGraphForm& form)
{
    std::vector<int> all(form.periodList().size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<int>(i);
    }
    form.choose(all);
}

} // namespace tavolim::bench
