// What the rules editor saves is what the counter uses next, without a restart.
#include "core/counter/CounterFixture.h"
#include "core/counter/Rental.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/rules/RulesEditor.h"
#include "core/rules/TapeCharge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using test::reais;

// Saturday 5 December 2026 (day class 3); label 1 at 4.00 a tape, tapes 1-6 on the shelf.
class RulesAtCounterTest : public test::CounterTest {
protected:
    void SetUp() override
    {
        CounterTest::SetUp();
        startDay(state, false);
        for (std::int16_t code = 1; code <= 6; ++code) {
            writeTape(code, 1);
        }
        writeClient(1, "Ana", 0, 0);
    }

    // Adds the tapes to a new rental and returns the titles of the boxes shown while adding.
    std::vector<std::string> rent(RentalModel& rental, std::initializer_list<const char*> codes)
    {
        dialogs.messages.clear();
        for (const char* code : codes) {
            rental.txtCodFita = code;
            EXPECT_EQ(rental.add(), RentalModel::AddOutcome::Added) << code;
        }
        std::vector<std::string> titles;
        for (const auto& m : dialogs.messages) {
            titles.push_back(m.title);
        }
        return titles;
    }
};

TEST_F(RulesAtCounterTest, APriceChangedInTheEditorIsTheNextRentalsPrice)
{
    RulesEditor editor(state);
    ASSERT_TRUE(editor.setPrice({0}, 3, 1, "5,50"));
    ASSERT_TRUE(editor.setPrice({0}, 3, 2, "4,75"));
    ASSERT_TRUE(editor.save());

    RentalModel rental(state, {1, true}, {});
    rent(rental, {"1"});
    const Money one = rental.pricing().rows()[0].price;
    rent(rental, {"2"});

    EXPECT_EQ(one, reais(5.5));
    EXPECT_EQ(rental.pricing().rows()[0].price, reais(4.75));
    EXPECT_EQ(rental.amount(), reais(9.5));
}

TEST_F(RulesAtCounterTest, AFreebieRuleGivesItsMessageOnItsCountAndDayClassOnly)
{
    RulesEditor editor(state);
    // Every second tape on a Saturday; every tape on Sunday to Thursday.
    ASSERT_TRUE(
        editor.addFreebieRule(3, {FreebieKind::AnyTape, -1, "2", "4", "1", FreebieKind::Label, 0}));
    ASSERT_TRUE(editor.addFreebieRule(
        1, {FreebieKind::AnyTape, -1, "1", "15", "1", FreebieKind::AnyTape, -1}));
    ASSERT_TRUE(editor.save());

    RentalModel rental(state, {1, true}, {});

    EXPECT_TRUE(rent(rental, {"1"}).empty());
    EXPECT_EQ(rent(rental, {"2"}), std::vector<std::string>{"Brinde"});
    EXPECT_EQ(dialogs.messages[0].text,
              "2 Unidades Locáveis.\n\nDireito a 1 Unidade(s) do Selo Catálogo.");
    EXPECT_TRUE(rent(rental, {"3"}).empty());
    EXPECT_EQ(rent(rental, {"4"}), std::vector<std::string>{"Brinde"});
    EXPECT_TRUE(rent(rental, {"5", "6"}).empty());
}

TEST_F(RulesAtCounterTest, AFineSetInHoursChargesByTheHour)
{
    RulesEditor editor(state);
    editor.setTipoCobraAtraso(5);
    editor.setCobrarMulta(true);
    ASSERT_TRUE(editor.setFineValue(0, "1,00"));
    ASSERT_TRUE(editor.setFineTime(0, "2"));
    editor.setFineInHours(0, true);
    ASSERT_TRUE(editor.save());
    // Out two days ago at 10:00 for one day: due yesterday at 10:00; the clock says 14:00.
    lend(1, {1, true}, 2, 1, 4.0);
    tape(1).HoraRetirada = 1000;
    ASSERT_TRUE(records().writeRecord(FileKind::Tapes, 1));

    const auto charge = tapeChargeOf(state, records().load<TapeRecord>(1));

    ASSERT_TRUE(charge.has_value());
    // 24 + 4 hours late, 14 whole periods of 2 hours.
    EXPECT_EQ(charge->fineText, "0028h/0014/1");
    EXPECT_EQ(charge->amount, reais(4 + 14));
}

} // namespace
} // namespace tavolim::core
