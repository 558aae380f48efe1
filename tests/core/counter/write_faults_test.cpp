#include "core/books/BookFiles.h"
#include "core/books/DailyTotalsFile.h"
#include "core/books/DayRoll.h"
#include "core/counter/AccountMove.h"
#include "core/counter/CounterFixture.h"
#include "core/counter/Payment.h"
#include "core/counter/Rental.h"
#include "core/counter/Return.h"
#include "core/counter/Situation.h"
#include "core/day/BusinessDay.h"
#include "core/store/BinaryFile.h"
#include "core/store/FileTransaction.h"
#include "core/store/FolderLock.h"
#include "support/CrashRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <functional>

namespace tavolim::core {
namespace {

using test::FolderSnapshot;
using test::reais;

// Every counter operation that writes, run against a failure and a kill at each of its write
// steps: afterwards (and after the next start's recovery) the store is exactly as before the
// operation or exactly as after it, never in between, and a failure is told with the file and
// the cause.
class WriteFaultsTest : public test::CounterTest {
protected:
    struct Operation {
        const char* name;
        std::function<bool()> run; // true when the operation reports it was written
    };

    void SetUp() override
    {
        CounterTest::SetUp();
        writeFlatLabel(3, 2);
        writeClient(1, "Ana", 0, 2);
        writeTape(1, 1);
        writeTape(2, 1);
        lend(3, {1, true}, 4, 2, 3);
        state.options().ConfirmOp = false;
        state.options().GravHistFita = true;
        startDay(state, false);
    }
    void TearDown() override { binaryfile::setFaultHook({}); }

    // Puts the folder back as the snapshot holds it, and the state as a start would load it.
    void restore(const FolderSnapshot& snapshot)
    {
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            if (!snapshot.contains(entry.path().filename().string()) &&
                entry.path().filename() != kLockFile) {
                std::filesystem::remove(entry.path());
            }
        }
        for (const auto& [name, bytes] : snapshot) {
            std::ofstream(folder.path() / name, std::ios::binary | std::ios::trunc) << bytes;
        }
        state.loadOptions();
        state.options().ConfirmOp = false;
        state.options().GravHistFita = true;
        state.DataDia = clock.date;
        loadCaixaDia(state);
        dialogs.messages.clear();
    }

    std::vector<Operation> operations()
    {
        return {
            {"rental of two tapes paying part",
             [this] {
                 RentalModel rental(state, {1, true}, Money());
                 rental.txtCodFita = "1";
                 rental.add();
                 rental.txtCodFita = "2";
                 rental.add();
                 rental.payment.option = PaymentChoice::Option::PagouParte;
                 rental.payment.txtValorPago = "4";
                 return rental.confirm() == RentalModel::Outcome::Saved;
             }},
            {"return paying all",
             [this] {
                 ReturnModel giveBack(state, showSituation(state, {1, true}));
                 return giveBack.confirm() == ReturnModel::Outcome::Saved;
             }},
            {"payment of part of the debt",
             [this] {
                 PaymentModel pay(state, {1, true}, reais(8));
                 pay.payment.option = PaymentChoice::Option::PagouParte;
                 pay.payment.txtValorPago = "1,50";
                 return pay.confirm() == PaymentModel::Outcome::Saved;
             }},
            {"loose credit",
             [this] {
                 return recordAccountMove(state, {1, true}, AccountMoveKind::Credit, "5", false);
             }},
            {"the next day's roll",
             [this] {
                 clock.date = addDays(clock.date, 1);
                 startDay(state, true);
                 clock.date = addDays(clock.date, -1);
                 const auto told = dialogs.shownTexts();
                 return std::none_of(told.begin(), told.end(), [](const std::string& t) {
                     return t.starts_with("Não foi possível gravar");
                 });
             }},
        };
    }
};

TEST_F(WriteFaultsTest, AFailedWriteAnywhereLeavesTheStoreAndTheDayTotalsAsBefore)
{
    const FolderSnapshot before = test::snapshotOf(folder.path());
    for (const auto& op : operations()) {
        SCOPED_TRACE(op.name);
        restore(before);
        ASSERT_TRUE(op.run());
        const FolderSnapshot after = test::snapshotOf(folder.path());
        ASSERT_NE(after, before);
        restore(before);
        const int points = test::countFaultPoints([&] { op.run(); });
        ASSERT_GT(points, 2);

        for (int k = 1; k <= points; ++k) {
            SCOPED_TRACE("write step " + std::to_string(k) + " of " + std::to_string(points));
            restore(before);
            const DailyTotalsRecord caixaBefore = state.CaixaDia;
            test::failAt(k, ENOSPC);

            const bool written = op.run();

            binaryfile::setFaultHook({});
            recoverJournal(folder.path()); // the next start
            const FolderSnapshot now = test::snapshotOf(folder.path());
            if (now == after) {
                continue; // the step was the journal's removal, after everything was written
            }
            EXPECT_EQ(now, before);
            EXPECT_FALSE(written);
            EXPECT_EQ(state.CaixaDia.encoded(), caixaBefore.encoded());
            const auto shown = dialogs.shownTexts();
            ASSERT_FALSE(shown.empty());
            EXPECT_NE(shown.back().find("(disco cheio)"), std::string::npos) << shown.back();
        }
    }
}

TEST_F(WriteFaultsTest, AProgramKilledAtAnyWriteIsBeforeOrAfterAtTheNextStart)
{
    const FolderSnapshot before = test::snapshotOf(folder.path());
    for (const auto& op : operations()) {
        SCOPED_TRACE(op.name);
        restore(before);
        op.run();
        const FolderSnapshot after = test::snapshotOf(folder.path());
        restore(before);
        const int points = test::countFaultPoints([&] { op.run(); });
        int finished = 0;

        for (int k = 1; k <= points; ++k) {
            SCOPED_TRACE("killed at write step " + std::to_string(k));
            restore(before);
            if (!test::runKilledAt(k, [&] { op.run(); })) {
                GTEST_SKIP() << "no fork on this platform";
            }
            recoverJournal(folder.path());

            const FolderSnapshot now = test::snapshotOf(folder.path());
            EXPECT_TRUE(now == before || now == after);
            finished += now == after ? 1 : 0;
        }
        EXPECT_GT(finished, 0) << "a kill after the journal was whole finishes the operation";
    }
}

// Data opened only to look, and a clock set before the store's first day: each counter
// operation says why and writes nothing.
TEST_F(WriteFaultsTest, CounterWorkIsRefusedOnReadOnlyDataAndOnADayBeforeTheBooks)
{
    const FolderSnapshot before = test::snapshotOf(folder.path());
    const auto today = clock.date;
    const auto firstDay = DailyTotalsFile(folder.path()).base();
    ASSERT_TRUE(firstDay);
    struct Refusal {
        const char* why;
        std::function<void()> arrange;
        const char* told;
    };
    const Refusal refusals[] = {
        {"read-only", [this] { state.readOnly = true; }, "apenas para consulta"},
        {"day before the books", [&] { clock.date = state.DataDia = addDays(*firstDay, -1); },
         "é anterior ao primeiro dia registrado"},
    };
    auto ops = operations();
    ops.pop_back(); // the roll is the start's, refused on its own path
    for (const auto& refusal : refusals) {
        for (const auto& op : ops) {
            SCOPED_TRACE(std::string(refusal.why) + ": " + op.name);
            restore(before);
            refusal.arrange();

            EXPECT_FALSE(op.run());

            state.readOnly = false;
            clock.date = today;
            EXPECT_EQ(test::snapshotOf(folder.path()), before);
            const auto shown = dialogs.shownTexts();
            ASSERT_FALSE(shown.empty());
            EXPECT_NE(shown.back().find(refusal.told), std::string::npos) << shown.back();
        }
    }
}

} // namespace
} // namespace tavolim::core
