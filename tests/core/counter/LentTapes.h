#pragma once

#include "core/counter/Account.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/Money.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tavolim::test {

// Label 1 with one price and one term for every count and day.
inline void writeFlatLabel(core::RecordStore& records, core::Money price, std::int16_t term)
{
    auto& l = records.label();
    l = core::LabelRecord{};
    l.Codigo = 1;
    l.Nome = "Catálogo";
    l.NumMaxDias = 30;
    l.Diarias.fill(price);
    l.Prazos.fill(term);
    ASSERT_TRUE(records.writeRecord(core::FileKind::Labels, 1));
}

// Tape `code` ("Fita <code>", label 1) at home with the person since `taken` for `dias`
// days at `price`, and last in the person's Fitas.
inline void lendTape(core::RecordStore& records, std::int16_t code, core::PersonRef person,
                     std::int32_t taken, std::int16_t dias, core::Money price)
{
    auto& t = records.tape();
    t = core::TapeRecord{};
    t.Codigo = code;
    t.Nome = "Fita " + std::to_string(code);
    t.Selo = 1;
    t.Midia = 1;
    t.ClienteFita = person.code;
    t.ClienteTitular = person.titular;
    t.DataRetirada = taken;
    t.DataBase = taken;
    t.QtdLocadas = 1;
    t.QtdBase = 1;
    t.ValorLocacao = price;
    t.Dias = dias;
    t.DiasBase = dias;
    ASSERT_TRUE(records.writeRecord(core::FileKind::Tapes, code));
    const auto add = [code](auto& r) { r.Fitas[static_cast<std::size_t>(r.NumFitas++)] = code; };
    const auto kind = person.titular ? core::FileKind::Clients : core::FileKind::Dependents;
    records.readRecord(kind, person.code, true);
    if (person.titular) {
        add(records.client());
    } else {
        add(records.dependent());
    }
    ASSERT_TRUE(records.writeRecord(kind, person.code));
}

} // namespace tavolim::test
