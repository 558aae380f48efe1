#include "core/store/ActorRecord.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/FileKind.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/RuleTables.h"
#include "core/store/StoreRecord.h"
#include "core/store/TapeRecord.h"
#include "support/Bytes.h"
#include "support/LayoutChecker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
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
    LayoutCase c{kind,
                 R::Size,
                 test::layoutOf<R>(),
                 std::move(reserved),
                 std::move(offsets),
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
        layoutCase<DependentRecord>(
            FileKind::Dependents,
            {{"Titular", 2}, {"GrauParentesco", 249}, {"Fitas", 261}, {"RegHistProd", 333}},
            "PrimNome"),
        layoutCase<TapeRecord>(FileKind::Tapes,
                               {{"Atores", 82},
                                {"ClienteFita", 120},
                                {"AcertoValor", 150},
                                {"NumReservas", 154},
                                {"ReservaData", 176},
                                {"UltTitular", 220}},
                               "Nome", {{"(reserved)", 226, 2}}),
        layoutCase<DistributorRecord>(FileKind::Distributors,
                                      {{"CEP", 127}, {"SitioInternet", 231}, {"Observacoes", 256}},
                                      "Nome"),
        layoutCase<LabelRecord>(FileKind::Labels, {{"Diarias", 29},
                                                   {"Promocoes", 299},
                                                   {"Brindes", 389},
                                                   {"TempoMulta", 479},
                                                   {"ValorMulta", 483}}),
        layoutCase<MediaRecord>(FileKind::Media,
                                {{"Prazos", 27}, {"Brindes", 117}, {"Promocoes", 207}}),
        layoutCase<ActorRecord>(FileKind::Actors, {{"NumFitas", 32}, {"Fitas", 34}}),
        layoutCase<GeneralRulesRecord>(FileKind::GeneralRules, {{"PrazosGerais", 12},
                                                                {"Feriados", 282},
                                                                {"MesFeriados", 474},
                                                                {"Secoes", 478},
                                                                {"SenhaOperador", 1230},
                                                                {"MemosLivres", 1380},
                                                                {"NivelAcesso", 1384}}),
        layoutCase<StoreRecord>(FileKind::Store,
                                {{"NomeEmpresa", 0}, {"Estado", 234}, {"Observacoes", 391}}),
        layoutCase<ProductRecord>(
            FileKind::Products,
            {{"Estoque", 40}, {"Icms", 46}, {"Distribuidor", 58}, {"Observacoes", 60}},
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

template <class R>
int counted(void (*set)(R&), int (R::*count)() const)
{
    R r;
    set(r);
    return (r.*count)();
}

TEST(RecordLayouts, StoredCountsAreClampedToArrayBounds)
{
    using T = TapeRecord;
    using G = GeneralRulesRecord;
    using C = ClientRecord;
    const std::vector<std::tuple<const char*, int, int>> cases = {
        {"dependent tapes",
         counted<DependentRecord>([](auto& r) { r.NumFitas = 16; }, &DependentRecord::tapeCount),
         15},
        {"tape actors", counted<T>([](auto& r) { r.NumAtores = 11; }, &T::actorCount), 10},
        {"negative reservations",
         counted<T>([](auto& r) { r.NumReservas = -2; }, &T::reservationCount), 0},
        {"reservations", counted<T>([](auto& r) { r.NumReservas = 6; }, &T::reservationCount), 5},
        {"actor tapes",
         counted<ActorRecord>([](auto& r) { r.NumFitas = 71; }, &ActorRecord::tapeCount), 70},
        {"sections", counted<G>([](auto& r) { r.NumSecoes = 26; }, &G::sectionCount), 25},
        {"negative operators", counted<G>([](auto& r) { r.NumOperadores = -1; }, &G::operatorCount),
         0},
        {"operators", counted<G>([](auto& r) { r.NumOperadores = 11; }, &G::operatorCount), 10},
        {"client tapes", counted<C>([](auto& r) { r.NumFitas = 300; }, &C::tapeCount), 15},
        {"client dependents", counted<C>([](auto& r) { r.NumDep = 300; }, &C::depCount), 10},
        {"negative client tapes", counted<C>([](auto& r) { r.NumFitas = -4; }, &C::tapeCount), 0},
        {"client dependents in range", counted<C>([](auto& r) { r.NumDep = 7; }, &C::depCount), 7},
    };

    for (const auto& [what, actual, expected] : cases) {
        EXPECT_EQ(actual, expected) << what;
    }
}

TEST(TapeRecord, ReservationsAndBoolArraysRoundTrip)
{
    TapeRecord t;
    t.Nome = "Central do Brasil";
    t.ClienteTitular = true;
    t.NumReservas = 2;
    t.ReservaCliente = {4, 9};
    t.ReservaTitular = {true, false};
    t.ReservaData = {5032001, 31122001};
    t.UltTitular = {false, true, false};
    t.ValorArrecadado = Money::fromCents(1250);
    std::vector<std::uint8_t> bytes(TapeRecord::Size, 0xAB);

    t.encode(bytes);
    TapeRecord back;
    back.decode(bytes);

    // Byte offset and value: bools are all ones, reserved bytes are left as they were.
    const std::vector<std::pair<std::size_t, int>> expected = {
        {122, 0xFF},           {123, 0xFF}, {156, 4},    {158, 9},
        {166, 0xFF},           {167, 0xFF}, {168, 0},    {169, 0},
        {176, 5032001 & 0xFF}, {220, 0},    {222, 0xFF}, {223, 0xFF},
        {226, 0xAB},           {227, 0xAB}};
    for (const auto& [offset, value] : expected) {
        EXPECT_EQ(bytes[offset], value) << "byte " << offset;
    }
    EXPECT_EQ(back.encoded(), t.encoded());
    EXPECT_EQ(back.ValorArrecadado, Money::fromCents(1250));
}

TEST(TapeRecord, ABoolIsTrueOnlyWhenItHoldsMinusOne)
{
    // Old files and hand edits leave other values in Bool fields: only -1 is true, and
    // writing the record back stores the value the program read.
    const std::vector<std::pair<std::int16_t, bool>> cases = {
        {-1, true}, {0, false}, {1, false}, {2, false}, {-2, false}, {0x7FFF, false}};
    for (const auto& [stored, expected] : cases) {
        std::vector<std::uint8_t> bytes(TapeRecord::Size, 0);
        bytes[122] = static_cast<std::uint8_t>(stored); // ClienteTitular
        bytes[123] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(stored) >> 8);
        TapeRecord t;

        t.decode(bytes);
        t.encode(bytes);

        EXPECT_EQ(t.ClienteTitular, expected) << stored;
        EXPECT_EQ(bytes[122], expected ? 0xFF : 0x00) << stored;
        EXPECT_EQ(bytes[123], expected ? 0xFF : 0x00) << stored;
    }
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

float singleAt(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    float f;
    std::memcpy(&f, bytes.data() + offset, sizeof f);
    return f;
}

int intAt(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return static_cast<int>(test::readLe(bytes, offset, 2));
}

TEST(RuleTables, IndexesFollowEachTableOrderAndClamp)
{
    struct Case {
        const char* what;
        int index;
        int expected;
    };
    const std::vector<Case> cases = {
        {"by count: count 1 class 1", classByCountIndex(1, 1), 0},
        {"by count: count 1 class 3", classByCountIndex(3, 1), 2},
        {"by count: count 2 class 1", classByCountIndex(1, 2), 3},
        {"by count: count 15 class 3", classByCountIndex(3, 15), 44},
        {"by count: count 16 clamps", classByCountIndex(2, 16), 43},
        {"by count: class 0 clamps", classByCountIndex(0, 0), 0},
        {"general: count 1 class 2", generalTermIndex(2, 1), 15},
        {"general: count 2 class 1", generalTermIndex(1, 2), 1},
        {"general: count 15 class 3", generalTermIndex(3, 15), 44},
        {"general: class 4 clamps", generalTermIndex(4, -3), 30},
        {"holiday: day 1 slot 1", holidayIndex(1, 1), 0},
        {"holiday: day 2 slot 2", holidayIndex(2, 2), 4},
        {"holiday: day 31 slot 3", holidayIndex(31, 3), 92},
        {"holiday: day 32 clamps", holidayIndex(32, 9), 92},
    };

    for (const auto& c : cases) {
        EXPECT_EQ(c.index, c.expected) << c.what;
    }
}

TEST(RuleTables, LabelPricesAreCountMajor)
{
    LabelRecord label;
    label.Diarias[classByCountIndex(3, 1)] = Money::fromCents(350);
    label.Diarias[classByCountIndex(1, 2)] = Money::fromCents(125);
    label.Diarias[classByCountIndex(3, 15)] = Money::fromCents(75);

    const auto bytes = label.encoded();

    EXPECT_EQ(singleAt(bytes, 29 + 2 * 4), 3.5f);   // count 1, class 3: third Single
    EXPECT_EQ(singleAt(bytes, 29 + 3 * 4), 1.25f);  // count 2, class 1: fourth Single
    EXPECT_EQ(singleAt(bytes, 29 + 44 * 4), 0.75f); // last Single, just before Prazos
}

TEST(RuleTables, GeneralTermTableIsClassMajor)
{
    GeneralRulesRecord rules;
    rules.PrazosGerais[generalTermIndex(2, 1)] = 7;
    rules.BrindesGerais[classByCountIndex(2, 1)] = 0x1002;

    const auto bytes = rules.encoded();

    EXPECT_EQ(intAt(bytes, 12 + 15 * 2), 7);
    EXPECT_EQ(intAt(bytes, 102 + 1 * 2), 0x1002);
}

TEST(FreebieCode, DecodesUnitsCodeAndKind)
{
    struct Case {
        std::uint16_t stored;
        FreebieCode expected;
        bool nothing;
    };
    const std::vector<Case> cases = {
        {0x2035, {5, 3, FreebieKind::Label}, false},
        {0x1002, {2, 0, FreebieKind::AnyTape}, false},
        {0x3FF1, {1, 0xFF, FreebieKind::Media}, false},
        {0xE035, {5, 3, FreebieKind::Label}, false}, // bits 14-15 carry nothing
        {0x0000, {0, 0, FreebieKind::None}, true},
        {0x2030, {0, 3, FreebieKind::Label}, true},
        {0x0035, {5, 3, FreebieKind::None}, true},
    };

    for (const auto& c : cases) {
        const auto code = FreebieCode::decode(static_cast<std::int16_t>(c.stored));

        EXPECT_EQ(code, c.expected) << std::hex << c.stored;
        EXPECT_EQ(code.grantsNothing(), c.nothing) << std::hex << c.stored;
        EXPECT_EQ(static_cast<std::uint16_t>(code.encode()), c.stored & 0x3FFF)
            << std::hex << c.stored;
    }
}

} // namespace
} // namespace tavolim::core
