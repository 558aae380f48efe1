#pragma once

#include "core/shell/AppState.h"
#include "core/shell/NewInstallation.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/Money.h"
#include "core/store/RecordStore.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tavolim::test {

inline core::Money reais(double r) { return core::Money::fromReais(r); }

// A new store on the clock's day, with helpers to put persons on file.
class CounterTest : public ::testing::Test, protected FakeStore {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::createNewInstallation(folder.path(), clock.date));
        state.loadOptions();
        state.OperadorAtual = 1;
        state.DataDia = clock.date;
    }

    core::RecordStore& records() { return state.records(); }

    void writeClient(std::int16_t code, const std::string& name, double pago, double devido)
    {
        auto& c = records().client();
        c = core::ClientRecord{};
        c.Codigo = code;
        c.PrimNome = name;
        c.SobreNome = "Silva";
        c.ValorPago = reais(pago);
        c.ValorDevido = reais(devido);
        ASSERT_TRUE(records().writeRecord(core::FileKind::Clients, code));
    }

    // Also lists the dependent in the holder's Dep slots.
    void writeDependent(std::int16_t code, std::int16_t holder, const std::string& name,
                        double pago, double devido)
    {
        auto& d = records().dependent();
        d = core::DependentRecord{};
        d.Codigo = code;
        d.Titular = holder;
        d.PrimNome = name;
        d.SobreNome = "Silva";
        d.ValorPago = reais(pago);
        d.ValorDevido = reais(devido);
        ASSERT_TRUE(records().writeRecord(core::FileKind::Dependents, code));
        auto& c = client(holder);
        c.Dep[static_cast<std::size_t>(c.NumDep)] = code;
        ++c.NumDep;
        ASSERT_TRUE(records().writeRecord(core::FileKind::Clients, holder));
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
