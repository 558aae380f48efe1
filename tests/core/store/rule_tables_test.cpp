#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/RuleTables.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace tavolim::core {
namespace {

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
    EXPECT_EQ(singleAt(bytes, 29 + 1 * 4), 0.0f);
}

TEST(RuleTables, GeneralTermTableIsClassMajor)
{
    GeneralRulesRecord rules;
    rules.PrazosGerais[generalTermIndex(2, 1)] = 7;
    rules.BrindesGerais[classByCountIndex(2, 1)] = 0x1002;

    const auto bytes = rules.encoded();

    EXPECT_EQ(intAt(bytes, 12 + 15 * 2), 7);
    EXPECT_EQ(intAt(bytes, 12 + 1 * 2), 0);
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
