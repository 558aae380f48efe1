#pragma once

#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"
#include "support/FakeStore.h"

#include <chrono>
#include <string>

namespace tavolim::test {

inline std::chrono::sys_days date(int y, unsigned m, unsigned d)
{
    return std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d};
}

// A data folder with fake ports and the process-wide state over it; the working date is the
// clock's.
struct RulesFixture : FakeStore {
    explicit RulesFixture(std::chrono::sys_days today = date(2026, 12, 5)) { setToday(today); }

    void setToday(std::chrono::sys_days today)
    {
        clock.date = today;
        state.DataDia = today;
    }

    core::RecordStore& records() { return state.records(); }

    // Every price of the label `cents`, every term `days`.
    void writeLabel(int code, const char* name, std::int64_t cents, std::int16_t days,
                    std::int16_t maxDays = 30)
    {
        auto& l = records().label();
        l = core::LabelRecord{};
        l.Codigo = static_cast<std::int16_t>(code);
        l.Nome = name;
        l.NumMaxDias = maxDays;
        l.Diarias.fill(core::Money::fromCents(cents));
        l.Prazos.fill(days);
        records().writeRecord(core::FileKind::Labels, code);
    }

    void writeMedia(int code, const char* name)
    {
        auto& m = records().media();
        m = core::MediaRecord{};
        m.Codigo = static_cast<std::int16_t>(code);
        m.Nome = name;
        m.Prazos.fill(1);
        records().writeRecord(core::FileKind::Media, code);
    }

    // A tape out since `taken` (DataBase too) for `days` days.
    core::TapeRecord rentedTape(int code, int label, std::chrono::sys_days taken, int days,
                                std::int64_t priceCents, int together = 1)
    {
        core::TapeRecord t;
        t.Codigo = static_cast<std::int16_t>(code);
        t.Nome = "Fita " + std::to_string(code);
        t.Selo = static_cast<std::int16_t>(label);
        t.Midia = 1;
        t.ClienteFita = 1;
        t.ClienteTitular = true;
        t.DataRetirada = core::fromYmd(taken);
        t.HoraRetirada = 1000;
        t.QtdLocadas = static_cast<std::int16_t>(together);
        t.ValorLocacao = core::Money::fromCents(priceCents);
        t.Dias = static_cast<std::int16_t>(days);
        t.DataBase = t.DataRetirada;
        t.DiasBase = t.Dias;
        t.QtdBase = t.QtdLocadas;
        return t;
    }

    void writeTape(const core::TapeRecord& tape)
    {
        records().tape() = tape;
        records().writeRecord(core::FileKind::Tapes, tape.Codigo);
    }

    core::TapeRecord readTape(int code)
    {
        records().readRecord(core::FileKind::Tapes, code, true);
        return records().tape();
    }
};

} // namespace tavolim::test
