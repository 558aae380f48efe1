#pragma once

#include "core/counter/Account.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/Money.h"
#include "core/store/RecordStore.h"
#include "core/store/RuleTables.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tavolim::test {

inline core::Money reais(double r)
{
    return core::Money::fromReais(r);
}

// A new store on the clock's day, with helpers to put persons and tapes on file.
class CounterTest : public ::testing::Test, protected FakeStore {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::createNewInstallation(folder.path(), clock.date));
        state.loadOptions();
        state.OperadorAtual = 1;
        state.DataDia = clock.date;
        today = clock.date;
    }

    // The day `daysAgo` and `lend` count back from: the clock's day at the start.
    std::chrono::year_month_day today;
    std::int32_t daysAgo(int n) const
    {
        return core::fromYmd(std::chrono::sys_days(today) - std::chrono::days{n});
    }

    core::RecordStore& records() { return state.records(); }

    template <class R>
    static void fillPerson(R& r, std::int16_t code, const std::string& name, double pago,
                           double devido)
    {
        r = R{};
        r.Codigo = code;
        r.PrimNome = name;
        r.SobreNome = "Silva";
        r.ValorPago = reais(pago);
        r.ValorDevido = reais(devido);
    }

    void writeClient(std::int16_t code, const std::string& name, double pago, double devido)
    {
        fillPerson(records().client(), code, name, pago, devido);
        ASSERT_TRUE(records().writeRecord(core::FileKind::Clients, code));
    }

    // Also lists the dependent in the holder's Dep slots.
    void writeDependent(std::int16_t code, std::int16_t holder, const std::string& name,
                        double pago, double devido)
    {
        fillPerson(records().dependent(), code, name, pago, devido);
        records().dependent().Titular = holder;
        ASSERT_TRUE(records().writeRecord(core::FileKind::Dependents, code));
        auto& c = client(holder);
        c.Dep[static_cast<std::size_t>(c.NumDep++)] = code;
        ASSERT_TRUE(records().writeRecord(core::FileKind::Clients, holder));
    }

    // Label `code` priced `price` for every count and day, `term` days, `maxDays` at most.
    void writeLabel(std::int16_t code, const char* name, std::int16_t maxDays, double price,
                    std::int16_t term)
    {
        auto& l = records().label();
        l = core::LabelRecord{};
        l.Codigo = code;
        l.Nome = name;
        l.NumMaxDias = maxDays;
        l.Diarias.fill(reais(price));
        l.Prazos.fill(term);
    }

    // Label 1 with one price and one term for every count and day.
    void writeFlatLabel(double price, std::int16_t term)
    {
        writeLabel(1, "Catálogo", 30, price, term);
        ASSERT_TRUE(records().writeRecord(core::FileKind::Labels, 1));
    }

    // Label 2, "Lançamento": 3.00 for one tape, 2.50 each for more, `term` days.
    void writeTwoPriceLabel(std::int16_t term)
    {
        writeLabel(2, "Lançamento", 7, 2.5, term);
        for (int c = 1; c <= core::DayClasses; ++c) {
            records().label().Diarias[static_cast<std::size_t>(core::classByCountIndex(c, 1))] =
                reais(3);
        }
        ASSERT_TRUE(records().writeRecord(core::FileKind::Labels, 2));
    }

    // Tape `code` ("Fita <code>", label 1) at home with the person since `ago` days before
    // `today`, for `dias` days at `price`, and last in the person's Fitas.
    void lend(std::int16_t code, core::PersonRef person, int ago, std::int16_t dias, double price,
              bool brinde = false)
    {
        writeTape(code, 1);
        auto& t = records().tape();
        t.ClienteFita = person.code;
        t.ClienteTitular = person.titular;
        t.DataRetirada = t.DataBase = daysAgo(ago);
        t.QtdLocadas = t.QtdBase = 1;
        t.ValorLocacao = reais(price);
        t.Dias = t.DiasBase = dias;
        t.Brinde = brinde;
        ASSERT_TRUE(records().writeRecord(core::FileKind::Tapes, code));
        const auto add = [code](auto& r) {
            r.Fitas[static_cast<std::size_t>(r.NumFitas++)] = code;
        };
        if (person.titular) {
            add(client(person.code));
        } else {
            add(dependent(person.code));
        }
        ASSERT_TRUE(records().writeRecord(
            person.titular ? core::FileKind::Clients : core::FileKind::Dependents, person.code));
    }

    // Tape 1 ("Fita"), out with client 9, reserved on `dates` by clients `by` (1, 2, ...
    // when not given).
    void writeReservedTape(const std::vector<std::int32_t>& dates,
                           const std::vector<std::int16_t>& by = {})
    {
        auto& t = records().tape();
        t = core::TapeRecord{};
        t.Nome = "Fita";
        t.ClienteFita = 9;
        t.ClienteTitular = true;
        for (std::size_t i = 0; i < dates.size(); ++i) {
            t.ReservaCliente[i] = by.empty() ? static_cast<std::int16_t>(i + 1) : by[i];
            t.ReservaTitular[i] = true;
            t.ReservaData[i] = dates[i];
        }
        t.NumReservas = static_cast<std::int16_t>(dates.size());
        ASSERT_TRUE(records().writeRecord(core::FileKind::Tapes, 1));
    }

    // A tape on the shelf, "Fita <code>" unless named.
    void writeTape(std::int16_t code, std::int16_t label, const std::string& name = {})
    {
        auto& t = records().tape();
        t = core::TapeRecord{};
        t.Codigo = code;
        t.Nome = name.empty() ? "Fita " + std::to_string(code) : name;
        t.Selo = label;
        t.Midia = 1;
        ASSERT_TRUE(records().writeRecord(core::FileKind::Tapes, code));
    }

    core::TapeRecord& tape(std::int16_t code)
    {
        records().readRecord(core::FileKind::Tapes, code, true);
        return records().tape();
    }
    core::ClientRecord& client(std::int16_t code)
    {
        records().readRecord(core::FileKind::Clients, code, true);
        return records().client();
    }
    core::DependentRecord& dependent(std::int16_t code)
    {
        records().readRecord(core::FileKind::Dependents, code, true);
        return records().dependent();
    }
};

} // namespace tavolim::test
