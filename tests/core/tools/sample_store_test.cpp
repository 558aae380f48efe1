#include "core/shell/NewInstallation.h"
#include "core/store/BinaryFile.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/SampleStore.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

using namespace std::chrono;

constexpr year_month_day kToday = year{2026} / December / day{5};

// A new installation and the stores the sample is written through.
struct SampleFolder {
    test::TempDataFolder folder;
    RecordStore store{folder.path()};
    MemoStore memos{folder.path(), {store.rules().MemosLivres, store.rules().MemosDesperdicio}};
    SynopsisStore synopses{folder.path(), store.rules().SinopsesDesperdicio};

    SampleFolder() { createNewInstallation(folder.path(), kToday); }

    bool fill(SampleSize size) { return fillSampleStore(store, memos, synopses, size, kToday); }

    template <class R>
    std::vector<R> all(FileKind kind) const
    {
        std::vector<R> out;
        store.scan<R>(kind, [&](std::int32_t, const R& r) { out.push_back(r); });
        return out;
    }
};

TEST(SampleStore, FillsEachRegisterWithTheCountAskedWithinTheRecordLimit)
{
    const int max = RecordStore::MaxRecords;
    const std::vector<std::pair<SampleSize, SampleSize>> cases = {
        {{0, 0, 0}, {0, 0, 0}},
        {{120, 300, 40}, {120, 300, 40}},
        {{-3, 5, -1}, {0, 5, 0}},
        {{40000, 40000, 40000}, {max, max, max}},
    };
    for (const auto& [asked, expected] : cases) {
        SCOPED_TRACE(asked.clientes);
        SampleFolder s;

        ASSERT_TRUE(s.fill(asked));

        EXPECT_EQ(s.store.recordCount(FileKind::Clients), expected.clientes);
        EXPECT_EQ(s.store.recordCount(FileKind::Tapes), expected.fitas);
        EXPECT_EQ(s.store.recordCount(FileKind::Products), expected.produtos);
        EXPECT_EQ(expected.fitas > 0, s.store.recordCount(FileKind::Actors) > 0);
        EXPECT_LE(s.store.recordCount(FileKind::Dependents), expected.clientes == 0 ? 0 : max);
        if (expected.clientes == max) {
            // The last dependents still point at holders that list them.
            const auto dependents = s.all<DependentRecord>(FileKind::Dependents);
            ASSERT_GT(dependents.size(), 10000u);
            const auto& last = dependents.back();
            const auto holder = s.all<ClientRecord>(FileKind::Clients)[last.Titular - 1u];
            const auto listed = holder.Dep.begin() + holder.depCount();
            EXPECT_NE(std::find(holder.Dep.begin(), listed, last.Codigo), listed);
        }
    }
}

class SampleStoreTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s = new SampleFolder;
        ASSERT_TRUE(s->fill({300, 600, 40}));
    }
    static void TearDownTestSuite()
    {
        delete s;
        s = nullptr;
    }

    static SampleFolder* s;
};

SampleFolder* SampleStoreTest::s = nullptr;

TEST_F(SampleStoreTest, HoldersAndDependentsPointAtEachOther)
{
    std::set<std::pair<int, int>> fromHolders;
    std::set<std::pair<int, int>> fromDependents;

    for (const auto& c : s->all<ClientRecord>(FileKind::Clients)) {
        ASSERT_TRUE(c.NumDep >= 0 && c.NumDep <= 3) << c.Codigo;
        for (int k = 0; k < ClientRecord::MaxDependents; ++k) {
            const int d = c.Dep[static_cast<std::size_t>(k)];
            EXPECT_EQ(k >= c.NumDep, d == 0) << "slot " << k << " of client " << c.Codigo;
            if (k < c.NumDep) {
                EXPECT_TRUE(fromHolders.insert({c.Codigo, d}).second) << "listed twice";
            }
        }
    }
    for (const auto& d : s->all<DependentRecord>(FileKind::Dependents)) {
        fromDependents.insert({d.Titular, d.Codigo});
    }

    EXPECT_FALSE(fromDependents.empty());
    EXPECT_EQ(fromHolders, fromDependents);
}

TEST_F(SampleStoreTest, CastLinksAreKeptFromBothSides)
{
    const auto actors = s->all<ActorRecord>(FileKind::Actors);
    std::set<std::pair<int, int>> fromTapes; // (tape, actor)
    std::set<std::pair<int, int>> fromActors;

    for (const auto& t : s->all<TapeRecord>(FileKind::Tapes)) {
        ASSERT_TRUE(t.NumAtores >= 0 && t.NumAtores <= TapeRecord::MaxActors);
        EXPECT_TRUE(t.Diretor >= 0 && t.Diretor <= static_cast<int>(actors.size()));
        for (int k = 0; k < t.NumAtores; ++k) {
            fromTapes.insert({t.Codigo, t.Atores[static_cast<std::size_t>(k)]});
        }
    }
    for (const auto& a : actors) {
        ASSERT_TRUE(a.NumFitas >= 0 && a.NumFitas <= ActorRecord::MaxTapes);
        for (int k = 0; k < a.NumFitas; ++k) {
            fromActors.insert({a.Fitas[static_cast<std::size_t>(k)], a.Codigo});
        }
    }

    EXPECT_GT(fromTapes.size(), 100u);
    EXPECT_EQ(fromTapes, fromActors);
}

TEST_F(SampleStoreTest, TapesNameOnlyRecordsThatExistAndAreInTheStore)
{
    const auto tapes = s->all<TapeRecord>(FileKind::Tapes);
    const int labels = s->store.recordCount(FileKind::Labels);
    const int media = s->store.recordCount(FileKind::Media);
    const int distributors = s->store.recordCount(FileKind::Distributors);
    const int clients = s->store.recordCount(FileKind::Clients);
    const int dependents = s->store.recordCount(FileKind::Dependents);
    s->store.readRecord(FileKind::GeneralRules, 1, true);
    const int sections = s->store.rules().sectionCount();
    s->store.readRecord(FileKind::Labels, 1, true);
    const Money price = s->store.label().Diarias[0];

    for (const auto& t : tapes) {
        SCOPED_TRACE(t.Codigo);
        EXPECT_TRUE(t.Selo >= 1 && t.Selo <= labels);
        EXPECT_TRUE(t.Midia >= 1 && t.Midia <= media);
        EXPECT_TRUE(t.Secao >= 0 && t.Secao <= sections);
        EXPECT_TRUE(t.Distribuidor >= 0 && t.Distribuidor <= distributors);
        EXPECT_TRUE(t.ClienteFita == 0 && t.DataRetirada == 0 && t.NumReservas == 0);
        EXPECT_EQ(t.ValorArrecadado, price * t.TotalLocacoes);
        for (int k = 0; k < std::min<int>(3, t.TotalLocacoes); ++k) {
            const int who = t.UltCliente[static_cast<std::size_t>(k)];
            EXPECT_TRUE(who >= 1 &&
                        who <= (t.UltTitular[static_cast<std::size_t>(k)] ? clients : dependents));
            EXPECT_NE(t.UltData[static_cast<std::size_t>(k)], 0);
        }
    }
}

template <class R>
void expectNumberedAndLive(const SampleFolder& s, FileKind kind)
{
    SCOPED_TRACE(static_cast<int>(kind));
    const auto records = s.all<R>(kind);
    ASSERT_FALSE(records.empty());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string name = [&] {
            if constexpr (requires { records[i].name(); }) {
                return records[i].name();
            } else {
                return records[i].Nome;
            }
        }();
        EXPECT_EQ(records[i].Codigo, static_cast<int>(i + 1));
        EXPECT_TRUE(!name.empty() && name.front() != '#') << records[i].Codigo;
    }
}

TEST_F(SampleStoreTest, EveryRecordCarriesItsNumberAndNoneIsMarkedDeleted)
{
    expectNumberedAndLive<ClientRecord>(*s, FileKind::Clients);
    expectNumberedAndLive<DependentRecord>(*s, FileKind::Dependents);
    expectNumberedAndLive<TapeRecord>(*s, FileKind::Tapes);
    expectNumberedAndLive<DistributorRecord>(*s, FileKind::Distributors);
    expectNumberedAndLive<ProductRecord>(*s, FileKind::Products);
    expectNumberedAndLive<ActorRecord>(*s, FileKind::Actors);
}

TEST_F(SampleStoreTest, NotesSynopsesAndStoreDataLandInTheirFiles)
{
    const auto clients = s->all<ClientRecord>(FileKind::Clients);
    auto tapes = s->all<TapeRecord>(FileKind::Tapes);
    const auto products = s->all<ProductRecord>(FileKind::Products);
    RecordStore fresh(s->folder.path());
    fresh.readRecord(FileKind::GeneralRules, 1, true);
    fresh.readRecord(FileKind::Store, 1, true);
    int notes = 0;
    int synopses = 0;
    std::set<std::int32_t> blocks;

    for (const auto& c : clients) {
        if (c.Observacoes > 0) {
            EXPECT_FALSE(s->memos.readMemo(c.Observacoes).empty()) << c.Codigo;
            ++notes;
        }
    }
    for (auto& t : tapes) {
        if (t.Sinopse > 0) {
            blocks.insert(t.Sinopse);
            EXPECT_FALSE(s->synopses.readSynopsis(t.Sinopse, t.TamSinopse).empty()) << t.Codigo;
            ++synopses;
        }
    }
    for (const auto& p : products) {
        EXPECT_TRUE(p.Preco.isPositive() && p.ValorCompra < p.Preco) << p.Codigo;
    }

    EXPECT_GT(notes, 0);
    EXPECT_GT(synopses, 0);
    EXPECT_EQ(blocks.size(), static_cast<std::size_t>(synopses)) << "copies share a block";
    EXPECT_EQ(fresh.rules().SinopsesDesperdicio, 0);
    EXPECT_EQ(fresh.store().NomeFantasia, "Tavolim Vídeo");
}

TEST(SampleStore, SameSizeAndDayGiveTheSameFiles)
{
    SampleFolder first;
    SampleFolder second;

    ASSERT_TRUE(first.fill({150, 200, 20}));
    ASSERT_TRUE(second.fill({150, 200, 20}));

    for (const char* name :
         {"DadosCli.tvl", "DadosDep.tvl", "DadosFit.tvl", "DadosAto.tvl", "DadosFrn.tvl",
          "DadosPrd.tvl", "DadosLoc.tvl", "Sinopses.tvl", "Memos.tvl", "RegMemos.tvl"}) {
        EXPECT_EQ(binaryfile::readAll(first.folder.file(name)),
                  binaryfile::readAll(second.folder.file(name)))
            << name;
    }
}

TEST(SampleStore, RefusesAStoreThatAlreadyHasRecordsOrLacksALabel)
{
    struct Case {
        const char* file;
        std::size_t bytes;
    };
    const std::vector<Case> cases = {
        {"DadosCli.tvl", ClientRecord::Size},
        {"DadosDep.tvl", DependentRecord::Size},
        {"DadosFit.tvl", TapeRecord::Size},
        {"DadosAto.tvl", ActorRecord::Size},
        {"DadosFrn.tvl", DistributorRecord::Size},
        {"DadosPrd.tvl", ProductRecord::Size},
        {"FitaSelo.tvl", 0},
        {"DadosMid.tvl", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        SampleFolder s;
        binaryfile::writeAllAtomic(s.folder.file(c.file), std::vector<std::uint8_t>(c.bytes, 'x'));
        const auto rulesBefore = binaryfile::readAll(s.folder.file("tavolim.ini"));

        const bool filled = s.fill({10, 10, 10});

        EXPECT_FALSE(filled);
        EXPECT_EQ(binaryfile::size(s.folder.file("DadosCli.tvl")),
                  std::string(c.file) == "DadosCli.tvl" ? c.bytes : 0u);
        EXPECT_EQ(binaryfile::size(s.folder.file("Sinopses.tvl")), 0u);
        EXPECT_EQ(binaryfile::readAll(s.folder.file("tavolim.ini")), rulesBefore);
    }
}

} // namespace
} // namespace tavolim::core
