#include "core/books/Histories.h"
#include "core/books/HistoryRecords.h"
#include "core/reports/HistoryForm.h"
#include "core/reports/PersonHistoryView.h"
#include "core/store/BinaryFile.h"

#include "BookListingFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using reporttest::dayOf;
using Rows = std::vector<std::vector<std::string>>;

// Ana (client 1) and her dependent Bia (dependent 2); tapes 1..120.
class PersonHistoryTest : public reporttest::ReportsFixture {
protected:
    PersonHistoryTest()
    {
        writeClient(1, "Ana", "Silva");
        writeDependent(2, 1, "Bia", "Silva");
        for (std::int16_t t = 1; t <= 120; ++t) {
            writeTape(t, "Fita " + std::to_string(t));
        }
    }

    Rows rows(PersonRef person, HistoryKind kind = HistoryKind::Rentals)
    {
        const auto form = HistoryForm::open(state, person, kind);
        Rows out;
        if (form) {
            for (int r = 0; r < form->rowCount(); ++r) {
                out.push_back(form->cells(r));
            }
        }
        return out;
    }

    std::int32_t tapeHistoryOf(PersonRef person)
    {
        return person.titular ? state.records().load<ClientRecord>(person.code).RegHistFita
                              : state.records().load<DependentRecord>(person.code).RegHistFita;
    }
};

TEST_F(PersonHistoryTest, RentalsReadTheirTapeBookRecordsOldestFirst)
{
    rent(1, 2, {{5, 300}});
    advanceTo(dayOf(2026, 3, 12));
    giveBack({{5, 300}}, dayOf(2026, 3, 10), 2);
    rent(1, 2, {{7, 250}, {8, 200}});
    rent(1, -1, {{9, 400}});

    const Rows bia = rows({2, false});
    const Rows ana = rows({1, true});

    EXPECT_EQ(bia, (Rows{{"1", "10/03/2026", "12/03/2026", "2", "5", "Fita 5", "3,00", "2", "6,00"},
                         {"2", "12/03/2026", "", "0", "7", "Fita 7", "2,50", "0", "0,00"},
                         {"3", "12/03/2026", "", "0", "8", "Fita 8", "2,00", "0", "0,00"}}));
    EXPECT_EQ(ana, (Rows{{"1", "12/03/2026", "", "0", "9", "Fita 9", "4,00", "0", "0,00"}}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PersonHistoryTest, MoreThan99RentalsShowThe99MostRecentOldestFirst)
{
    for (std::int16_t t = 1; t <= 105; ++t) {
        rent(1, -1, {{t, 100 + t}});
    }

    const Rows ana = rows({1, true});

    ASSERT_EQ(ana.size(), 99u);
    EXPECT_EQ((std::vector<std::string>{ana.front()[0], ana.front()[4], ana.front()[6]}),
              (std::vector<std::string>{"1", "7", "1,07"}));
    EXPECT_EQ((std::vector<std::string>{ana.back()[0], ana.back()[4], ana.back()[6]}),
              (std::vector<std::string>{"99", "105", "2,05"}));
}

TEST_F(PersonHistoryTest, PurchasesShowTheirOwnFiguresAndDeletedProducts)
{
    writeProduct(3, "Pipoca", "789");
    writeProduct(4, "#Bala", "");
    ClientRecord ana = state.records().load<ClientRecord>(1);
    ana.RegHistProd = allocateHistory(state.records(), FileKind::ProductHistory);
    ASSERT_TRUE(state.records().save(1, ana));
    const Histories histories(folder.path());
    ASSERT_TRUE(histories.appendProductHistory(ana.RegHistProd, 3, 2, Money::fromCents(350),
                                               dayOf(2026, 3, 10)));
    ASSERT_TRUE(histories.appendProductHistory(ana.RegHistProd, 4, 10, Money::fromCents(15),
                                               dayOf(2026, 3, 11)));

    const Rows purchases = rows({1, true}, HistoryKind::Purchases);

    EXPECT_EQ(purchases,
              (Rows{{"1", "10/03/2026", "3", "Pipoca", "3,50", "2", "7,00"},
                    {"2", "11/03/2026", "4", "Registro Excluído", "0,15", "10", "1,50"}}));
}

TEST_F(PersonHistoryTest, EmptyHistoriesAreToldAndOpenNothing)
{
    const Rows tapes = rows({1, true});
    const Rows products = rows({2, false}, HistoryKind::Purchases);
    const Rows nobody = rows({30, true});

    EXPECT_TRUE(tapes.empty() && products.empty() && nobody.empty());
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"O histórico de fitas locadas está vazio.",
                                        "O histórico de vendas do cliente está vazio.",
                                        "O histórico de fitas locadas está vazio."}));
}

TEST_F(PersonHistoryTest, DamagedRingsAreShownAsFarAsTheyCanBeRead)
{
    rent(1, -1, {{1, 100}, {2, 200}, {3, 300}});
    const std::int32_t number = tapeHistoryOf({1, true});
    const Histories histories(folder.path());
    const TapeHistoryRecord good = histories.readTape(number);
    struct Case {
        const char* name;
        int newest;
        std::int32_t regLivro3; // RegLivro of the slot of tape 2
        std::vector<std::string> tapes;
        std::string warning;
    };
    const std::vector<Case> cases = {
        {"newest slot past the ring",
         150,
         2,
         {"1", "2", "3"},
         "O histórico desta pessoa (HistFita.tvl, registro 1) está danificado: a posição do "
         "registro mais recente é 150. Os registros foram mostrados na ordem em que estão "
         "gravados."},
        {"newest slot negative",
         -7,
         2,
         {"1", "2", "3"},
         "O histórico desta pessoa (HistFita.tvl, registro 1) está danificado: a posição do "
         "registro mais recente é -7. Os registros foram mostrados na ordem em que estão "
         "gravados."},
        {"a rental past the end of the book",
         4,
         90,
         {"1", "2", "3"},
         "1 locação do histórico aponta para além do fim de LivroFts.tvl (que tem 3 "
         "registros); dela só a fita é mostrada."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TapeHistoryRecord damaged = good;
        damaged.setNewestSlot(c.newest);
        damaged.RegLivro[2] = c.regLivro3;
        ASSERT_TRUE(histories.writeTape(number, damaged));

        const auto view = readPersonHistory(state.records(), HistoryKind::Rentals, number);

        std::vector<std::string> tapes;
        for (std::size_t i = 0; i < view.rentals.size(); ++i) {
            tapes.push_back(rentalHistoryCells(view.rentals[i], static_cast<int>(i + 1))[4]);
        }
        EXPECT_EQ(tapes, c.tapes);
        EXPECT_EQ(view.warnings, std::vector<std::string>{c.warning});
    }
    // A rental the book no longer holds shows its tape and nothing else.
    const auto view = readPersonHistory(state.records(), HistoryKind::Rentals, number);
    EXPECT_EQ(rentalHistoryCells(view.rentals[1], 2),
              (RentalHistoryCells{"2", "", "", "", "2", "Fita 2", "", "", ""}));
}

} // namespace
} // namespace tavolim::core
