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
    struct Case {
        SampleSize asked;
        SampleSize expected;
    };
    const std::vector<Case> cases = {
        {{0, 0, 0}, {0, 0, 0}},
        {{1, 1, 1}, {1, 1, 1}},
        {{120, 300, 40}, {120, 300, 40}},
        {{-3, 5, -1}, {0, 5, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked.clientes);
        SampleFolder s;

        ASSERT_TRUE(s.fill(c.asked));

        EXPECT_EQ(s.store.recordCount(FileKind::Clients), c.expected.clientes);
        EXPECT_EQ(s.store.recordCount(FileKind::Tapes), c.expected.fitas);
        EXPECT_EQ(s.store.recordCount(FileKind::Products), c.expected.produtos);
        EXPECT_EQ(c.expected.fitas > 0, s.store.recordCount(FileKind::Actors) > 0);
        if (c.expected.clientes == 0) {
            EXPECT_EQ(s.store.recordCount(FileKind::Dependents), 0);
        }
    }
}

TEST(SampleStore, FullSizeStopsEveryFileAtTheRecordLimit)
{
    SampleFolder s;

    ASSERT_TRUE(s.fill({40000, 40000, 40000}));
    const auto dependents = s.all<DependentRecord>(FileKind::Dependents);
    const auto clients = s.all<ClientRecord>(FileKind::Clients);

    EXPECT_EQ(s.store.recordCount(FileKind::Clients), RecordStore::MaxRecords);
    EXPECT_EQ(s.store.recordCount(FileKind::Tapes), RecordStore::MaxRecords);
    EXPECT_EQ(s.store.recordCount(FileKind::Products), RecordStore::MaxRecords);
    EXPECT_LE(s.store.recordCount(FileKind::Actors), RecordStore::MaxRecords);
    EXPECT_LE(dependents.size(), static_cast<std::size_t>(RecordStore::MaxRecords));
    EXPECT_GT(dependents.size(), 10000u);
    // The last dependents still point at holders that list them.
    const auto& last = dependents.back();
    const auto& holder = clients[static_cast<std::size_t>(last.Titular - 1)];
    EXPECT_NE(std::find(holder.Dep.begin(), holder.Dep.begin() + holder.depCount(), last.Codigo),
              holder.Dep.begin() + holder.depCount());
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
    const auto clients = s->all<ClientRecord>(FileKind::Clients);
    const auto dependents = s->all<DependentRecord>(FileKind::Dependents);
    std::multiset<int> listed;

    for (const auto& c : clients) {
        ASSERT_TRUE(c.NumDep >= 0 && c.NumDep <= 3) << c.Codigo;
        for (int k = 0; k < ClientRecord::MaxDependents; ++k) {
            const int d = c.Dep[static_cast<std::size_t>(k)];
            if (k >= c.NumDep) {
                EXPECT_EQ(d, 0) << "unused slot of client " << c.Codigo;
                continue;
            }
            ASSERT_TRUE(d >= 1 && d <= static_cast<int>(dependents.size())) << c.Codigo;
            EXPECT_EQ(dependents[static_cast<std::size_t>(d - 1)].Titular, c.Codigo);
            listed.insert(d);
        }
    }

    EXPECT_FALSE(dependents.empty());
    EXPECT_EQ(listed.size(), dependents.size());
    EXPECT_EQ(std::set<int>(listed.begin(), listed.end()).size(), listed.size());
}

TEST_F(SampleStoreTest, CastLinksAreKeptFromBothSides)
{
    const auto tapes = s->all<TapeRecord>(FileKind::Tapes);
    const auto actors = s->all<ActorRecord>(FileKind::Actors);
    const auto lists = [](const auto& array, int count, int code) {
        return std::find(array.begin(), array.begin() + count, code) != array.begin() + count;
    };
    int links = 0;

    for (const auto& t : tapes) {
        ASSERT_TRUE(t.NumAtores >= 0 && t.NumAtores <= TapeRecord::MaxActors);
        EXPECT_TRUE(t.Diretor >= 0 && t.Diretor <= static_cast<int>(actors.size()));
        for (int k = 0; k < t.NumAtores; ++k) {
            const int a = t.Atores[static_cast<std::size_t>(k)];
            ASSERT_TRUE(a >= 1 && a <= static_cast<int>(actors.size())) << t.Codigo;
            EXPECT_TRUE(lists(actors[static_cast<std::size_t>(a - 1)].Fitas,
                              actors[static_cast<std::size_t>(a - 1)].NumFitas, t.Codigo))
                << "actor " << a << " misses tape " << t.Codigo;
            ++links;
        }
    }
    for (const auto& a : actors) {
        ASSERT_TRUE(a.NumFitas >= 0 && a.NumFitas <= ActorRecord::MaxTapes);
        for (int k = 0; k < a.NumFitas; ++k) {
            const int t = a.Fitas[static_cast<std::size_t>(k)];
            ASSERT_TRUE(t >= 1 && t <= static_cast<int>(tapes.size()));
            const auto& tape = tapes[static_cast<std::size_t>(t - 1)];
            EXPECT_TRUE(lists(tape.Atores, tape.NumAtores, a.Codigo))
                << "tape " << t << " misses actor " << a.Codigo;
        }
    }

    EXPECT_GT(links, 100);
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
        EXPECT_EQ(t.ClienteFita, 0);
        EXPECT_FALSE(t.ClienteTitular);
        EXPECT_EQ(t.DataRetirada, 0);
        EXPECT_EQ(t.NumReservas, 0);
        EXPECT_EQ(t.ValorArrecadado, price * t.TotalLocacoes);
        for (int k = 0; k < std::min<int>(3, t.TotalLocacoes); ++k) {
            const int who = t.UltCliente[static_cast<std::size_t>(k)];
            EXPECT_TRUE(who >= 1 && who <= (t.UltTitular[static_cast<std::size_t>(k)]
                                                 ? clients
                                                 : dependents));
            EXPECT_NE(t.UltData[static_cast<std::size_t>(k)], 0);
        }
    }
}

TEST_F(SampleStoreTest, EveryRecordCarriesItsNumberAndNoneIsMarkedDeleted)
{
    struct Row {
        FileKind kind;
        std::vector<std::pair<int, std::string>> codesAndNames;
    };
    const auto collect = [&](FileKind kind, auto prototype) {
        using R = decltype(prototype);
        Row row{kind, {}};
        for (const auto& r : s->all<R>(kind)) {
            row.codesAndNames.emplace_back(r.Codigo, r.Nome);
        }
        return row;
    };
    const auto collectNamed = [&](FileKind kind, auto prototype) {
        using R = decltype(prototype);
        Row row{kind, {}};
        for (const auto& r : s->all<R>(kind)) {
            row.codesAndNames.emplace_back(r.Codigo, r.name());
        }
        return row;
    };
    const std::vector<Row> rows = {
        collectNamed(FileKind::Clients, ClientRecord{}),
        collectNamed(FileKind::Dependents, DependentRecord{}),
        collectNamed(FileKind::Tapes, TapeRecord{}),
        collectNamed(FileKind::Distributors, DistributorRecord{}),
        collectNamed(FileKind::Products, ProductRecord{}),
        collect(FileKind::Actors, ActorRecord{}),
    };

    for (const auto& row : rows) {
        ASSERT_FALSE(row.codesAndNames.empty()) << static_cast<int>(row.kind);
        for (std::size_t i = 0; i < row.codesAndNames.size(); ++i) {
            const auto& [codigo, name] = row.codesAndNames[i];
            EXPECT_EQ(codigo, static_cast<int>(i + 1)) << static_cast<int>(row.kind);
            EXPECT_FALSE(name.empty()) << static_cast<int>(row.kind) << " " << codigo;
            EXPECT_NE(name.front(), '#') << static_cast<int>(row.kind) << " " << codigo;
        }
    }
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
        EXPECT_TRUE(p.Preco.isPositive()) << p.Codigo;
        EXPECT_LT(p.ValorCompra, p.Preco) << p.Codigo;
        EXPECT_EQ(p.CodigoBarras.size(), 13u);
    }

    EXPECT_GT(notes, 0);
    EXPECT_GT(synopses, 0);
    EXPECT_EQ(blocks.size(), static_cast<std::size_t>(synopses)) << "copies share a block";
    EXPECT_EQ(fresh.rules().SinopsesDesperdicio, 0);
    EXPECT_EQ(fresh.store().NomeFantasia, "Tavolim Vídeo");
    EXPECT_EQ(fresh.rules().NomeOperador[0], "Tavolim");
}

TEST(SampleStore, SameSizeAndDayGiveTheSameFiles)
{
    SampleFolder first;
    SampleFolder second;

    ASSERT_TRUE(first.fill({150, 200, 20}));
    ASSERT_TRUE(second.fill({150, 200, 20}));

    for (const char* name : {"DadosCli.tvl", "DadosDep.tvl", "DadosFit.tvl", "DadosAto.tvl",
                             "DadosFrn.tvl", "DadosPrd.tvl", "DadosLoc.tvl", "Sinopses.tvl",
                             "Memos.tvl", "RegMemos.tvl"}) {
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
        {"DadosCli.tvl", ClientRecord::Size},  {"DadosDep.tvl", DependentRecord::Size},
        {"DadosFit.tvl", TapeRecord::Size},    {"DadosAto.tvl", ActorRecord::Size},
        {"DadosFrn.tvl", DistributorRecord::Size}, {"DadosPrd.tvl", ProductRecord::Size},
        {"FitaSelo.tvl", 0},                   {"DadosMid.tvl", 0},
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
