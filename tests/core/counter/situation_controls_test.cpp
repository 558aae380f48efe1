#include "core/counter/FamilyClicks.h"
#include "core/counter/Situation.h"
#include "core/counter/TapeReservation.h"

#include "core/counter/CounterFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace tavolim::core {
namespace {

using namespace std::chrono_literals;
using Choice = ReservationList::Choice;

using SituationControlsTest = test::CounterTest;

TEST_F(SituationControlsTest, FamilyClicksFollowOtherPersonsAtAHumanPace)
{
    Situation shown;
    shown.person = {1, true};
    shown.lstClientes = {{{1, true}, "[N] - Ana Silva"}, {{4, false}, "[N] - Bia Silva"}};
    struct Step {
        std::size_t row;
        std::chrono::milliseconds at;
        std::optional<PersonRef> shows;
        bool slowDown;
    };
    const std::vector<Step> steps = {
        {0, 0ms, std::nullopt, false},        // already shown
        {2, 0ms, std::nullopt, false},        // past the list
        {1, 10ms, PersonRef{4, false}, false},
        {1, 500ms, std::nullopt, true},       // 490 ms after the last one followed
        {1, 710ms, PersonRef{4, false}, false},
    };
    FamilyClicks clicks(dialogs);

    for (const auto& s : steps) {
        dialogs.messages.clear();

        EXPECT_EQ(clicks.click(shown, s.row, s.at), s.shows) << s.at.count();

        EXPECT_EQ(dialogs.shownTexts(),
                  s.slowDown ? std::vector<std::string>{"Vá mais devagar!"}
                             : std::vector<std::string>{})
            << s.at.count();
    }
}

TEST_F(SituationControlsTest, CellDetailPopsUpOnlyOnTheFigureColumnsOfATape)
{
    TapeAtHome fined;
    fined.charge = TapeChargeLine{};
    fined.charge->fine = LateFine{false, 3, 1, Money::fromCents(150), Money::fromCents(150)};
    TapeAtHome onTime;
    onTime.charge = TapeChargeLine{};
    const std::vector<TapeAtHome> tapes = {fined, onTime};
    struct Case {
        std::size_t row, column;
        bool reRent;
        const char* title; // nullptr: no pop-up
    };
    const std::vector<Case> cases = {
        {0, 7, false, "Multas"},    {1, 7, false, nullptr}, {0, 5, true, "Relocações"},
        {0, 5, false, nullptr},     {0, 1, true, nullptr},  {2, 7, false, nullptr},
    };

    for (const auto& c : cases) {
        const auto detail = cellDetail(tapes, c.row, c.column, c.reRent);

        ASSERT_EQ(detail.has_value(), c.title != nullptr) << c.row << "," << c.column;
        if (detail) {
            EXPECT_EQ(detail->title, c.title);
        }
    }
}

TEST_F(SituationControlsTest, ReserveTapeFollowsTheListChoice)
{
    struct Case {
        const char* name;
        std::vector<std::int16_t> reservedBy;
        std::optional<Choice> choice; // nullopt: the list must not show
        ReserveOutcome outcome;
        std::int16_t reservationsAfter;
    };
    const std::vector<Case> cases = {
        {"nobody reserved: tomorrow at once", {}, std::nullopt, ReserveOutcome::Reserved, 1},
        {"rent anyway", {2}, Choice::Locar, ReserveOutcome::Rent, 1},
        {"reserve too", {2}, Choice::Reservar, ReserveOutcome::Reserved, 2},
        {"already holds one", {2, 1}, Choice::Reservar, ReserveOutcome::Nothing, 2},
        {"cancelled", {2}, Choice::Cancelar, ReserveOutcome::Nothing, 1},
    };
    writeClient(1, "Ana", 0, 0);
    writeClient(2, "Bia", 0, 0);

    for (const auto& c : cases) {
        writeReservedTape(std::vector<std::int32_t>(c.reservedBy.size(), 20122026),
                          c.reservedBy);
        dialogs.choices = {2};
        bool listShown = false;

        const auto outcome = reserveTape(state, {1, true}, 1, [&](ReservationList&) {
            listShown = true;
            return c.choice.value_or(Choice::Cancelar);
        });

        EXPECT_EQ(outcome, c.outcome) << c.name;
        EXPECT_EQ(listShown, c.choice.has_value()) << c.name;
        EXPECT_EQ(tape(1).NumReservas, c.reservationsAfter) << c.name;
    }
    EXPECT_EQ(reserveTape(state, {1, true}, std::nullopt, nullptr), ReserveOutcome::Nothing);
}

} // namespace
} // namespace tavolim::core
