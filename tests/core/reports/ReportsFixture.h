#pragma once

#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/ActorRecord.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/Money.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace tavolim::test {

// A new store on the clock's day (05/12/2026: sections "Ação", "Aventura"..., media 1 "VHS",
// label 1 "Catálogo" at 4,00 for up to 7 days) with helpers that put records on file by
// value, each shaped by an optional edit.
class ReportsTest : public ::testing::Test, protected FakeStore {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::createNewInstallation(folder.path(), clock.date));
        state.loadOptions();
        state.OperadorAtual = 1;
        state.DataDia = clock.date;
    }

    core::RecordStore& records() { return state.records(); }
    std::chrono::sys_days today() const { return std::chrono::sys_days(clock.date); }
    std::int32_t daysAgo(int n) const
    {
        return core::fromYmd(std::chrono::sys_days(clock.date) - std::chrono::days{n});
    }

    template <class R>
    void put(std::int32_t code, R record, const std::function<void(R&)>& edit)
    {
        record.Codigo = static_cast<std::int16_t>(code);
        if (edit) {
            edit(record);
        }
        ASSERT_TRUE(records().save(code, record));
    }

    void holder(std::int32_t code, const std::string& first, const std::string& last,
                const std::function<void(core::ClientRecord&)>& edit = {})
    {
        core::ClientRecord c;
        c.PrimNome = first;
        c.SobreNome = last;
        put(code, c, edit);
    }

    // Also takes the next Dep slot of the holder.
    void dependent(std::int32_t code, std::int16_t of, const std::string& first,
                   const std::string& last,
                   const std::function<void(core::DependentRecord&)>& edit = {})
    {
        core::DependentRecord d;
        d.Titular = of;
        d.PrimNome = first;
        d.SobreNome = last;
        put(code, d, edit);
        auto c = records().load<core::ClientRecord>(of);
        c.Dep[static_cast<std::size_t>(c.NumDep++)] = static_cast<std::int16_t>(code);
        ASSERT_TRUE(records().save(of, c));
    }

    void tape(std::int32_t code, const std::string& name,
              const std::function<void(core::TapeRecord&)>& edit = {})
    {
        core::TapeRecord t;
        t.Nome = name;
        t.Selo = 1;
        t.Midia = 1;
        t.Secao = 1;
        put(code, t, edit);
    }

    void product(std::int32_t code, const std::string& name,
                 const std::function<void(core::ProductRecord&)>& edit = {})
    {
        core::ProductRecord p;
        p.Descricao = name;
        put(code, p, edit);
    }

    void distributor(std::int32_t code, const std::string& name,
                     const std::function<void(core::DistributorRecord&)>& edit = {})
    {
        core::DistributorRecord d;
        d.Nome = name;
        put(code, d, edit);
    }

    void actor(std::int32_t code, const std::string& name, std::initializer_list<int> tapes)
    {
        core::ActorRecord a;
        a.Nome = name;
        for (const int t : tapes) {
            a.Fitas[static_cast<std::size_t>(a.NumFitas++)] = static_cast<std::int16_t>(t);
        }
        put(code, a, {});
    }

    // Puts "#" in front of the name as deletion does.
    template <class R>
    void markDeleted(std::int32_t code)
    {
        auto r = records().load<R>(code);
        r.name() = "#" + r.name();
        ASSERT_TRUE(records().save(code, r));
    }
};

} // namespace tavolim::test
