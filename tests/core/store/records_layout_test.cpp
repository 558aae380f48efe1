#include "core/store/ActorRecord.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/FileKind.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/StoreRecord.h"
#include "core/store/TapeRecord.h"
#include "support/LayoutChecker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

struct LayoutCase {
    FileKind kind;
    std::size_t size;
    test::LayoutChecker layout;
    std::vector<test::LayoutChecker::Span> reserved;
    std::vector<std::pair<std::string, long>> offsets;
    std::string nameField; // "" for kinds without the deleted mark
    std::size_t nameOffset = 0;
    std::size_t nameWidth = 0;
};

template <class R>
LayoutCase layoutCase(FileKind kind, std::vector<std::pair<std::string, long>> offsets,
                      std::string nameField = {},
                      std::vector<test::LayoutChecker::Span> reserved = {})
{
    LayoutCase c{kind, R::Size, test::layoutOf<R>(), std::move(reserved), std::move(offsets),
                 std::move(nameField)};
    if constexpr (requires { R::NameOffset; }) {
        c.nameOffset = R::NameOffset;
        c.nameWidth = R::NameWidth;
    }
    return c;
}

std::vector<LayoutCase> allRecords()
{
    return {
        layoutCase<ClientRecord>(FileKind::Clients,
                                 {{"Observacoes", 233}, {"Fitas", 273}, {"RegHistProd", 345}},
                                 "PrimNome"),
        layoutCase<DependentRecord>(FileKind::Dependents,
                                    {{"Titular", 2}, {"GrauParentesco", 249}, {"Fitas", 261},
                                     {"RegHistProd", 333}},
                                    "PrimNome"),
        layoutCase<TapeRecord>(FileKind::Tapes,
                               {{"Atores", 82}, {"ClienteFita", 120}, {"AcertoValor", 150},
                                {"NumReservas", 154}, {"ReservaData", 176}, {"UltTitular", 220}},
                               "Nome", {{"(reserved)", 226, 2}}),
        layoutCase<DistributorRecord>(FileKind::Distributors,
                                      {{"CEP", 127}, {"SitioInternet", 231}, {"Observacoes", 256}},
                                      "Nome"),
        layoutCase<LabelRecord>(FileKind::Labels,
                                {{"Diarias", 29}, {"Promocoes", 299}, {"Brindes", 389},
                                 {"TempoMulta", 479}, {"ValorMulta", 483}}),
        layoutCase<MediaRecord>(FileKind::Media,
                                {{"Prazos", 27}, {"Brindes", 117}, {"Promocoes", 207}}),
        layoutCase<ActorRecord>(FileKind::Actors, {{"NumFitas", 32}, {"Fitas", 34}}),
        layoutCase<GeneralRulesRecord>(FileKind::GeneralRules,
                                       {{"PrazosGerais", 12}, {"Feriados", 282},
                                        {"MesFeriados", 474}, {"Secoes", 478},
                                        {"SenhaOperador", 1230}, {"MemosLivres", 1380},
                                        {"NivelAcesso", 1384}}),
        layoutCase<StoreRecord>(FileKind::Store,
                                {{"NomeEmpresa", 0}, {"Estado", 234}, {"Observacoes", 391}}),
        layoutCase<ProductRecord>(FileKind::Products,
                                  {{"Estoque", 40}, {"Icms", 46}, {"Distribuidor", 58},
                                   {"Observacoes", 60}},
                                  "Descricao"),
    };
}

TEST(RecordLayouts, FieldsTileEachRecordAtDocumentedOffsets)
{
    for (const auto& c : allRecords()) {
        const auto& info = fileKindInfo(c.kind);
        SCOPED_TRACE(std::string(info.fileName));

        EXPECT_EQ(c.size, info.recordLength);
        EXPECT_EQ(c.layout.tilingFault(c.size, c.reserved), "");
        for (const auto& [name, offset] : c.offsets) {
            EXPECT_EQ(c.layout.offsetOf(name), offset) << name;
        }
        // The deleted mark is written through the kind table; it must hit the name field.
        EXPECT_EQ(c.nameOffset, info.nameOffset);
        EXPECT_EQ(c.nameWidth, info.nameWidth);
        if (!c.nameField.empty()) {
            EXPECT_EQ(c.layout.offsetOf(c.nameField), static_cast<long>(c.nameOffset));
        }
    }
}

TEST(RecordLayouts, StoredCountsAreClampedToArrayBounds)
{
    DependentRecord dependent;
    dependent.NumFitas = 16;
    TapeRecord tape;
    tape.NumAtores = 11;
    tape.NumReservas = -2;
    TapeRecord crowdedTape;
    crowdedTape.NumReservas = 6;
    ActorRecord actor;
    actor.NumFitas = 71;
    GeneralRulesRecord rules;
    rules.NumSecoes = 26;
    rules.NumOperadores = -1;
    GeneralRulesRecord crowdedRules;
    crowdedRules.NumOperadores = 11;

    const std::vector<std::tuple<const char*, int, int>> cases = {
        {"dependent tapes", dependent.tapeCount(), 15},
        {"tape actors", tape.actorCount(), 10},
        {"negative reservations", tape.reservationCount(), 0},
        {"tape reservations", crowdedTape.reservationCount(), 5},
        {"actor tapes", actor.tapeCount(), 70},
        {"sections", rules.sectionCount(), 25},
        {"negative operators", rules.operatorCount(), 0},
        {"operators", crowdedRules.operatorCount(), 10},
    };

    for (const auto& [what, actual, expected] : cases) {
        EXPECT_EQ(actual, expected) << what;
    }
}

TEST(TapeRecord, ReservationsAndBoolArraysRoundTrip)
{
    TapeRecord t;
    t.Codigo = 12;
    t.Nome = "Central do Brasil";
    t.ClienteFita = 7;
    t.ClienteTitular = true;
    t.NumReservas = 2;
    t.ReservaCliente = {4, 9};
    t.ReservaTitular = {true, false};
    t.ReservaData = {5032001, 31122001};
    t.UltCliente = {3, 8, 0};
    t.UltTitular = {false, true, false};
    t.ValorArrecadado = Money::fromCents(1250);
    std::vector<std::uint8_t> bytes(TapeRecord::Size, 0xAB);

    t.encode(bytes);
    TapeRecord back;
    back.decode(bytes);

    EXPECT_EQ(bytes[122], 0xFF); // ClienteTitular
    EXPECT_EQ(bytes[123], 0xFF);
    EXPECT_EQ(bytes[156], 4); // ReservaCliente slot 1
    EXPECT_EQ(bytes[158], 9);
    EXPECT_EQ(bytes[166], 0xFF); // ReservaTitular slot 1 true
    EXPECT_EQ(bytes[167], 0xFF);
    EXPECT_EQ(bytes[168], 0x00); // slot 2 false
    EXPECT_EQ(bytes[169], 0x00);
    EXPECT_EQ(bytes[176], 5032001 & 0xFF);
    EXPECT_EQ(bytes[220], 0x00); // UltTitular slot 1 false
    EXPECT_EQ(bytes[222], 0xFF); // slot 2 true
    EXPECT_EQ(bytes[223], 0xFF);
    EXPECT_EQ(bytes[226], 0xAB); // reserved bytes are left as they were
    EXPECT_EQ(bytes[227], 0xAB);
    EXPECT_EQ(back.reservationCount(), 2);
    EXPECT_EQ(back.ReservaCliente, t.ReservaCliente);
    EXPECT_EQ(back.ReservaTitular, t.ReservaTitular);
    EXPECT_EQ(back.ReservaData, t.ReservaData);
    EXPECT_EQ(back.UltTitular, t.UltTitular);
    EXPECT_TRUE(back.ClienteTitular);
    EXPECT_EQ(back.ValorArrecadado, Money::fromCents(1250));
    EXPECT_EQ(back.Nome, "Central do Brasil");
}

TEST(ClientRecord, TextIsCutToTheCodePageAndBoolsAreAllOnes)
{
    ClientRecord c;
    c.PrimNome = "João";
    c.SobreNome = "da Silva Ação";
    c.Dep = {3, 9};
    c.ValorPago = Money::fromCents(1234);
    c.TipoCasa = true;

    const auto bytes = c.encoded();
    ClientRecord back;
    back.decode(bytes);

    EXPECT_EQ(bytes[2], 'J');
    EXPECT_EQ(bytes[4], 0xE3); // "ã" in the Western code page
    EXPECT_EQ(bytes[6], ' ');
    EXPECT_EQ(bytes[241], 0xFF);
    EXPECT_EQ(bytes[242], 0xFF);
    EXPECT_EQ(back.PrimNome, "João");
    EXPECT_EQ(back.SobreNome, "da Silva Ação");
    EXPECT_EQ(back.Dep[1], 9);
    EXPECT_EQ(back.ValorPago, Money::fromCents(1234));
    EXPECT_TRUE(back.TipoCasa);
}

TEST(GeneralRulesRecord, ScrambledPasswordBytesSurviveRoundTrip)
{
    // Scrambled passwords use bytes the code page leaves undefined and high letters alike.
    const std::vector<std::uint8_t> scrambled = {0x81, 0x9D, 0xFF, 0x20, 0x7E, 0x8F};
    std::vector<std::uint8_t> bytes(GeneralRulesRecord::Size, 0);
    std::copy(scrambled.begin(), scrambled.end(), bytes.begin() + 1230 + 10);
    GeneralRulesRecord rules;
    rules.decode(bytes);

    const auto again = rules.encoded();

    for (std::size_t i = 0; i < scrambled.size(); ++i) {
        EXPECT_EQ(again[1240 + i], scrambled[i]) << "byte " << i;
    }
    EXPECT_EQ(again[1246], ' '); // padding after the password
}

} // namespace
} // namespace tavolim::core
