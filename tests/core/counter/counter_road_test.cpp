#include "core/counter/Payment.h"
#include "core/counter/Rental.h"
#include "core/counter/Return.h"
#include "core/counter/Situation.h"

#include "core/books/DayRoll.h"
#include "core/counter/CounterFixture.h"
#include "core/day/BusinessDay.h"
#include "core/store/TextHelpers.h"
#include "core/tools/StoreAudit.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

using namespace std::chrono_literals;
using test::reais;

// The whole counter road for one client: a rental on Saturday 05/12 (due Monday 07/12),
// the return of two tapes on Thursday 10/12 under each way of charging lateness, paying
// nothing, then paying the debt. Every figure below is worked out by hand.
struct Case {
    int mode; // TipoCobraAtraso
    Money returned;
};

class CounterRoadTest : public test::CounterTest, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override
    {
        CounterTest::SetUp();
        startDay(state, false);
        // Label 2 with a term of 3 days; label 1 of a new store: 4.00 for any count, a 2-day
        // term on a Saturday.
        writeTwoPriceLabel(3);
        for (std::int16_t code : {4, 5, 11}) {
            writeTape(code, code == 11 ? 1 : 2);
        }
        writeClient(1, "Ana", 0, 0);
    }

    Balance balance()
    {
        const auto& c = client(1);
        return {c.ValorPago, c.ValorDevido};
    }

    void rentThree()
    {
        RentalModel rental(state, kAna, Money());
        for (const char* code : {"4", "5", "11"}) {
            rental.txtCodFita = code;
            ASSERT_EQ(rental.add(), RentalModel::AddOutcome::Added) << code;
        }
        ASSERT_TRUE(rental.toggleFreebie(2));
        ASSERT_EQ(rental.amount(), reais(5));
        rental.payment.option = PaymentChoice::Option::PagouParte;
        rental.payment.txtValorPago = "2,00";
        ASSERT_EQ(rental.confirm(), RentalModel::Outcome::Saved);
    }

    void nextDay(std::chrono::year_month_day day)
    {
        clock.date = day;
        startDay(state, false);
    }

    // What the files say inconsistently of each other after a step: nothing, at any step.
    std::vector<std::string> audit() const
    {
        std::vector<std::string> lines;
        for (const auto& finding : auditStore(folder.path(), clock.date).findings) {
            lines.push_back(finding.text);
        }
        return lines;
    }

    static constexpr PersonRef kAna{1, true};
};

const Case kCases[] = {
    // Each late day at the label price: tape 4 2.50 + 07, 08, 09 at 2.50; the freebie's
    // first term is free, then 08 and 09 at 4.00.
    {1, reais(18)},
    // Label terms of 3 days: tape 4 Int(3/3 + 0.99) + 1 = 2 periods of 2.50; the freebie
    // Int(3/2 + 0.99) = 2 periods of 4.00 (label 1's term is 2 on a Saturday).
    {2, reais(13)},
    // The agreed 2 days: tape 4 Int(3/2 + 0.99) + 1 = 3 periods; the freebie 2.
    {3, reais(15.5)},
    // Re-rented each day 07, 08, 09 (1-day renewals): tape 4 2.50 + 3 x 2.50 (two of
    // label 2 due together), the freebie 3 x 4.00.
    {4, reais(22)},
    // Lateness not charged: the price only, the freebie nothing.
    {5, reais(2.5)},
};

TEST_P(CounterRoadTest, RentThenReturnTwoLatePayingNothingThenPayTheDebt)
{
    const Case& c = GetParam();
    state.options().TipoCobraAtraso = c.mode;

    rentThree();
    // Tapes are charged when they come back: the 2.00 paid now is credit until then.
    EXPECT_EQ(balance(), (Balance{reais(2), Money()}));
    EXPECT_EQ(audit(), std::vector<std::string>{});

    nextDay(2026y / 12 / 10);
    const Situation before = showSituation(state, kAna);
    ReturnModel giveBack(state, before);
    giveBack.setDevolveuTodos(false);
    for (const char* code : {"11", "4"}) {
        giveBack.txtCod = code;
        ASSERT_TRUE(giveBack.markCode()) << code;
    }
    giveBack.payment.option = PaymentChoice::Option::NaoPagou;
    EXPECT_EQ(giveBack.returnedTotal(), c.returned);
    ASSERT_EQ(giveBack.confirm(), ReturnModel::Outcome::Saved);

    // Nothing paid: the returned tapes eat the credit and the rest is owed; tape 5 stays.
    const Money debt = c.returned - reais(2);
    EXPECT_EQ(balance(), (Balance{Money(), debt}));
    EXPECT_EQ(client(1).NumFitas, 1);
    EXPECT_EQ(client(1).Fitas[0], 5);
    loadCaixaDia(state);
    EXPECT_EQ(state.CaixaDia.FitasDevolvidas, 2);
    EXPECT_EQ(state.CaixaDia.NumDevolucoes, 1);
    EXPECT_EQ(audit(), std::vector<std::string>{});

    // Paying exactly the debt clears it and leaves no credit.
    const Situation owing = showSituation(state, kAna);
    PaymentModel pay(state, kAna, owing.valorDevido);
    pay.payment.option = PaymentChoice::Option::PagouParte;
    pay.payment.txtValorPago = formatMoneyPlain(debt);
    ASSERT_EQ(pay.confirm(), PaymentModel::Outcome::Saved);
    EXPECT_EQ(balance(), Balance{});
    loadCaixaDia(state);
    EXPECT_EQ(state.CaixaDia.Pagamentos, debt);
    EXPECT_EQ(audit(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EachWayOfCharging, CounterRoadTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             return "TipoCobraAtraso" + std::to_string(info.param.mode);
                         });

} // namespace
} // namespace tavolim::core
