#include "StoreFixture.h"
#include "core/ports/Dialogs.h"
#include "core/store/Cp1252.h"
#include "core/store/DeletedList.h"
#include "core/store/FileTransaction.h"
#include "core/tools/DeletedListRebuild.h"
#include "core/tools/LinkCheck.h"
#include "core/tools/RepeatedRecords.h"

#include <cerrno>
#include <functional>

namespace tavolim::core {
namespace {

using test::SampleStore;

std::vector<std::int32_t> listed(const std::filesystem::path& folder, const char* name)
{
    return DeletedList(folder / name).entries();
}

std::string errLog(const std::filesystem::path& folder)
{
    return fromCp1252(test::diskText(folder / "Err.log"));
}

template <class R>
std::string fullName(const R& person)
{
    return person.PrimNome + " " + person.SobreNome;
}

// The first holder with a dependent, and the first tape with two actors, of a store.
std::int32_t holderWithDependent(const RecordStore& records)
{
    for (std::int32_t h = 1; h <= records.recordCount(FileKind::Clients); ++h) {
        if (records.load<ClientRecord>(h).NumDep > 0) {
            return h;
        }
    }
    ADD_FAILURE() << "no holder with dependents";
    return 1;
}

std::int32_t tapeWithCast(const RecordStore& records)
{
    for (std::int32_t t = 1; t <= records.recordCount(FileKind::Tapes); ++t) {
        if (records.load<TapeRecord>(t).NumAtores >= 2) {
            return t;
        }
    }
    ADD_FAILURE() << "no tape with a cast";
    return 1;
}

TEST(DataChecks, RebuiltListsFollowTheMarksAndTheHistoryPointers)
{
    SampleStore s;
    auto& records = s.state.records();
    const auto mark = [&](std::int32_t n) {
        auto client = records.load<ClientRecord>(n);
        client.PrimNome = "#" + client.PrimNome;
        records.save(n, client);
    };
    mark(5);
    mark(7);
    records.addDeleted(FileKind::Clients, 5);
    records.addDeleted(FileKind::Clients, 9); // deleted once, since reused
    auto tape = records.load<TapeRecord>(3);
    tape.Nome = "#" + tape.Nome;
    records.save(3, tape);
    records.addDeleted(FileKind::Dependents, 1); // not marked
    test::SampleStoreFixture::put(s.folder.file("HistFita.tvl"), std::string(3 * 600, '\0'));
    test::SampleStoreFixture::put(s.folder.file("HistProd.tvl"), std::string(2 * 1200, '\0'));
    auto client = records.load<ClientRecord>(1);
    client.RegHistFita = 2;
    client.RegHistProd = 7; // past the end of the file
    records.save(1, client);
    auto dependent = records.load<DependentRecord>(1);
    dependent.RegHistProd = 1;
    records.save(1, dependent);

    ASSERT_TRUE(rebuildDeletedLists(s.state));

    const std::pair<const char*, std::vector<std::int32_t>> expected[] = {
        {"DelCli.tvl", {5, 7}}, {"DelDep.tvl", {}},       {"DelFit.tvl", {3}},   {"DelPrd.tvl", {}},
        {"DelFrn.tvl", {}},     {"DelHistF.tvl", {1, 3}}, {"DelHistP.tvl", {2}},
    };
    for (const auto& [name, numbers] : expected) {
        EXPECT_EQ(listed(s.folder.path(), name), numbers) << name;
    }
    EXPECT_EQ(s.progress.waits, std::vector<std::string>{"Verificando Registros Excluídos..."});
    // Lists that already agree are not written again.
    EXPECT_EQ(test::countFaultPoints([&] { ASSERT_TRUE(rebuildDeletedLists(s.state)); }), 0);
}

struct LinkCase {
    const char* what;
    // Breaks the store; returns the messages and Err.log labels the check should give.
    std::function<std::vector<std::pair<std::string, std::string>>(RecordStore&)> breakLinks;
    // Checks the records the check repaired.
    std::function<void(const RecordStore&)> repaired;
};

TEST(DataChecks, EachPassRepairsItsOneSidedLinksOnTheFilesAndInErrLog)
{
    static std::int32_t h = 0, d = 0, t = 0, a = 0, other = 0;
    const LinkCase cases[] = {
        {"dependents of a deleted holder are deleted",
         [](RecordStore& r) {
             h = holderWithDependent(r);
             auto holder = r.load<ClientRecord>(h);
             holder.PrimNome = "#" + holder.PrimNome;
             r.save(h, holder);
             std::vector<std::int16_t> deps(holder.Dep.begin(), holder.Dep.begin() + holder.NumDep);
             std::sort(deps.begin(), deps.end());
             std::vector<std::pair<std::string, std::string>> out;
             for (const auto dep : deps) {
                 out.push_back({"O cliente dependente " + fullName(r.load<DependentRecord>(dep)) +
                                    " será excluído por estar ligado a um titular não mais "
                                    "existente.",
                                "Código do Cliente: " + std::to_string(h) +
                                    " - Código do Dependente: " + std::to_string(dep)});
             }
             d = deps.front();
             return out;
         },
         [](const RecordStore& r) {
             const auto dependent = r.load<DependentRecord>(d);
             EXPECT_EQ(dependent.PrimNome.front(), '#');
             EXPECT_EQ(dependent.RegHistFita, 0);
             const auto list = DeletedList(r.dataFolder() / "DelDep.tvl").entries();
             EXPECT_NE(std::find(list.begin(), list.end(), d), list.end());
         }},
        {"a dependent of no holder is deleted and leaves the list that named it",
         [](RecordStore& r) {
             h = holderWithDependent(r);
             d = r.load<ClientRecord>(h).Dep[0];
             auto dependent = r.load<DependentRecord>(d);
             dependent.Titular = 999;
             r.save(d, dependent);
             return std::vector<std::pair<std::string, std::string>>{
                 {"O cliente dependente " + fullName(dependent) +
                      " será excluído por estar ligado a um titular não mais existente.",
                  "Código do Cliente: 999 - Código do Dependente: " + std::to_string(d)},
                 {"O cliente dependente " + fullName(dependent) +
                      " será desligado do titular por estar excluído ou ligado a outro titular.",
                  "Código do Cliente: " + std::to_string(h) +
                      " - Código do Dependente: " + std::to_string(d)}};
         },
         [](const RecordStore& r) {
             const auto holder = r.load<ClientRecord>(h);
             EXPECT_FALSE(std::count(holder.Dep.begin(), holder.Dep.end(), d));
         }},
        {"a holder's entry for another holder's dependent is removed",
         [](RecordStore& r) {
             h = holderWithDependent(r);
             const auto before = r.load<ClientRecord>(h);
             d = before.Dep[0];
             other = h == 1 ? 2 : 1;
             auto dependent = r.load<DependentRecord>(d);
             dependent.Titular = static_cast<std::int16_t>(other);
             r.save(d, dependent);
             return std::vector<std::pair<std::string, std::string>>{
                 {"O cliente dependente " + fullName(dependent) +
                      " será desligado do titular por estar excluído ou ligado a outro titular.",
                  "Código do Cliente: " + std::to_string(h) +
                      " - Código do Dependente: " + std::to_string(d)}};
         },
         [](const RecordStore& r) {
             const auto holder = r.load<ClientRecord>(h);
             EXPECT_FALSE(std::count(holder.Dep.begin(), holder.Dep.end(), d));
             EXPECT_EQ(r.load<DependentRecord>(d).PrimNome.front() == '#', false);
         }},
        {"a tape rented by someone who does not list it is released",
         [](RecordStore& r) {
             t = 4;
             auto tape = r.load<TapeRecord>(t);
             tape.ClienteFita = 2;
             tape.ClienteTitular = false;
             tape.DataRetirada = 1122026;
             tape.Dias = 2;
             tape.ValorLocacao = Money::fromCents(350);
             r.save(t, tape);
             return std::vector<std::pair<std::string, std::string>>{
                 {"A fita " + tape.Nome + " será desligada do cliente " +
                      fullName(r.load<DependentRecord>(2)) + " por causa de locação unilateral.",
                  "Código da Fita: 4 Obs.: Cliente Dep."}};
         },
         [](const RecordStore& r) {
             const auto tape = r.load<TapeRecord>(t);
             EXPECT_EQ(tape.ClienteFita, 0);
             EXPECT_EQ(tape.DataRetirada, 0);
             EXPECT_EQ(tape.Dias, 0);
             EXPECT_EQ(tape.ValorLocacao, Money());
         }},
        {"a client listing a tape that does not name him loses it; the other stays",
         [](RecordStore& r) {
             auto client = r.load<ClientRecord>(3);
             client.NumFitas = 2;
             client.Fitas[0] = 5;
             client.Fitas[1] = 6;
             r.save(3, client);
             auto kept = r.load<TapeRecord>(6);
             kept.ClienteFita = 3;
             kept.ClienteTitular = true;
             r.save(6, kept);
             return std::vector<std::pair<std::string, std::string>>{
                 {"O(A) cliente " + fullName(client) + " será desligado(a) da fita " +
                      r.load<TapeRecord>(5).Nome + " por causa de locação unilateral.",
                  "Código do Fita: 5"}};
         },
         [](const RecordStore& r) {
             const auto client = r.load<ClientRecord>(3);
             EXPECT_EQ(client.NumFitas, 1);
             EXPECT_EQ(client.Fitas[0], 6);
             EXPECT_EQ(client.Fitas[1], 0);
             EXPECT_EQ(r.load<TapeRecord>(6).ClienteFita, 3);
         }},
        {"a cast link the actor does not list, and a director who is no actor, leave the tape",
         [](RecordStore& r) {
             t = tapeWithCast(r);
             auto tape = r.load<TapeRecord>(t);
             a = tape.Atores[0];
             auto actor = r.load<ActorRecord>(a);
             const auto at = std::find(actor.Fitas.begin(), actor.Fitas.begin() + actor.NumFitas,
                                       static_cast<std::int16_t>(t));
             std::rotate(at, at + 1, actor.Fitas.begin() + actor.NumFitas);
             actor.Fitas[static_cast<std::size_t>(actor.NumFitas - 1)] = 0;
             --actor.NumFitas;
             r.save(a, actor);
             const auto missing = r.recordCount(FileKind::Actors) + 5;
             tape.Diretor = static_cast<std::int16_t>(missing);
             r.save(t, tape);
             const std::string code =
                 "Código da fita: " + std::to_string(t) + " - Código do Ator: ";
             return std::vector<std::pair<std::string, std::string>>{
                 {"O ator " + actor.Nome + " será desligado da fita " + tape.Nome +
                      " por causa de ligação unilateral.",
                  code + std::to_string(a)},
                 {"O ator  será desligado da fita " + tape.Nome +
                      " por causa de ligação unilateral.",
                  code + std::to_string(missing)}};
         },
         [](const RecordStore& r) {
             const auto tape = r.load<TapeRecord>(t);
             EXPECT_EQ(std::count(tape.Atores.begin(), tape.Atores.end(), a), 0);
             EXPECT_EQ(tape.Diretor, 0);
         }},
        {"a tape an actor lists that does not cast him leaves the actor",
         [](RecordStore& r) {
             a = 1;
             auto actor = r.load<ActorRecord>(a);
             t = 1;
             while (std::count(actor.Fitas.begin(), actor.Fitas.begin() + actor.NumFitas, t) ||
                    r.load<TapeRecord>(t).Diretor == a) {
                 ++t;
             }
             actor.Fitas[static_cast<std::size_t>(actor.NumFitas++)] = static_cast<std::int16_t>(t);
             r.save(a, actor);
             return std::vector<std::pair<std::string, std::string>>{
                 {"A fita " + r.load<TapeRecord>(t).Nome + " será desligada do ator " + actor.Nome +
                      " por causa de ligação unilateral.",
                  "Código da fita: " + std::to_string(t) + " - Código do Ator: 1"}};
         },
         [](const RecordStore& r) {
             const auto actor = r.load<ActorRecord>(a);
             EXPECT_EQ(std::count(actor.Fitas.begin(), actor.Fitas.end(), t), 0);
         }},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.what);
        SampleStore s;
        const auto expected = c.breakLinks(s.state.records());

        const LinkCheckResult result = checkLinks(s.state);

        EXPECT_TRUE(result.completed);
        EXPECT_EQ(result.repairs, static_cast<int>(expected.size()));
        std::vector<std::string> texts;
        std::string log;
        for (const auto& [message, label] : expected) {
            texts.push_back(message);
            log += "\"05/12/2026 - " + message + "\n" + label + "\"\r\n";
        }
        EXPECT_EQ(s.dialogs.shownTexts(), texts);
        for (const auto& shown : s.dialogs.messages) {
            EXPECT_EQ(shown.flags, msg::Information);
        }
        EXPECT_EQ(errLog(s.folder.path()), log);
        c.repaired(s.state.records());
        // Each pass names itself; a deletion's own wait window gives way to it again.
        std::vector<std::string> captions;
        for (const auto& caption : s.progress.waits) {
            if (caption != "Atualizando Fitas" &&
                (captions.empty() || captions.back() != caption)) {
                captions.push_back(caption);
            }
        }
        EXPECT_EQ(captions,
                  (std::vector<std::string>{"Verificando Registros Excluídos...",
                                            "Verificando Clientes Dependentes...",
                                            "Verificando Clientes Titulares...",
                                            "Verificando Fitas...", "Verificando Atores..."}));
        // Once repaired, a second check finds nothing.
        s.dialogs.messages.clear();
        EXPECT_EQ(checkLinks(s.state).repairs, 0);
        EXPECT_EQ(errLog(s.folder.path()), log);
    }
}

TEST(DataChecks, ACheckStoppedByAFailedWriteEndsTheSameWhenRunAgain)
{
    const auto breakLinks = [](RecordStore& r) {
        auto dependent = r.load<DependentRecord>(1);
        dependent.Titular = 999;
        r.save(1, dependent);
        auto actor = r.load<ActorRecord>(2);
        actor.Fitas[static_cast<std::size_t>(actor.NumFitas++)] = 30;
        r.save(2, actor);
        auto client = r.load<ClientRecord>(4);
        client.NumFitas = 1;
        client.Fitas[0] = 7;
        r.save(4, client);
    };
    SampleStore straight;
    breakLinks(straight.state.records());
    int repairs = 0;
    const int steps = test::countFaultPoints([&] { repairs = checkLinks(straight.state).repairs; });
    ASSERT_GE(repairs, 3);
    auto expected = test::snapshotOf(straight.folder.path());
    const std::string fullLog = expected["Err.log"];
    expected.erase("Err.log");

    int stops = 0;
    SampleStore s;
    breakLinks(s.state.records());
    const auto broken = test::snapshotOf(s.folder.path());
    for (int k = 1; k <= steps; ++k) {
        SCOPED_TRACE(k);
        for (const auto& entry : std::filesystem::directory_iterator(s.folder.path())) {
            std::filesystem::remove(entry.path());
        }
        for (const auto& [name, bytes] : broken) {
            test::SampleStoreFixture::put(s.folder.file(name.c_str()), bytes);
        }
        s.dialogs.messages.clear();
        test::failAt(k, ENOSPC);
        const LinkCheckResult stopped = checkLinks(s.state);
        binaryfile::setFaultHook({});
        // A step past what the files need (the journal's removal) does not stop the check.
        if (!stopped.completed) {
            ++stops;
            EXPECT_NE(s.dialogs.shownTexts().back().find("(disco cheio)"), std::string::npos);
        }

        EXPECT_TRUE(checkLinks(s.state).completed);
        // A journal whose removal failed is finished again at the next start.
        recoverJournal(s.folder.path());

        auto after = test::snapshotOf(s.folder.path());
        const std::string log = after["Err.log"];
        after.erase("Err.log");
        EXPECT_EQ(test::differences(after, expected), std::vector<std::string>{});
        // A repair written but not logged is not logged later: the link is whole by then.
        EXPECT_LE(log.size(), fullLog.size());
    }
    EXPECT_GT(stops, steps / 2);
}

TEST(DataChecks, RepeatedNamesAndBarcodesArePairedOnce)
{
    test::InstalledStore s;
    auto& records = s.state.records();
    const std::pair<const char*, const char*> tapes[] = {
        {"O Poderoso Chefão", "123"},
        {"o poderoso CHEFÃO  ", "123"},
        {"#O Poderoso Chefão", "123"},
        {"Outro", ""},
        {"Outro", ""},
        {"Terceiro", "9"},
    };
    std::int32_t n = 0;
    for (const auto& [name, barcode] : tapes) {
        TapeRecord tape;
        tape.Nome = name;
        tape.CodigoBarras = barcode;
        ASSERT_TRUE(records.save(++n, tape));
    }
    const std::tuple<const char*, const char*, std::int16_t> people[] = {
        {"Ana", "Silva", 0}, {"Bruno", "", 0}, {"ANA", "SILVA", 1}, {"Ana", "Silva", 1}};
    std::int32_t holders = 0;
    std::int32_t dependents = 0;
    for (const auto& [first, last, holder] : people) {
        if (holder == 0) {
            ClientRecord client;
            client.PrimNome = first;
            client.SobreNome = last;
            ASSERT_TRUE(records.save(++holders, client));
        } else {
            DependentRecord dependent;
            dependent.PrimNome = first;
            dependent.SobreNome = last;
            dependent.Titular = holder;
            ASSERT_TRUE(records.save(++dependents, dependent));
        }
    }
    struct Case {
        RepeatReport report;
        std::string title;
        std::string text;
    };
    const Case cases[] = {
        {findRepeatedNames(records, RepeatKind::Tapes), "Verificar Nomes",
         "Registros com nomes repetidos :\n    1 e 2 - O Poderoso Chefão\n    4 e 5 - Outro"},
        {findRepeatedCodes(records, RepeatKind::Tapes), "Verificar Códigos",
         "Registros com códigos repetidos :\n    1 e 2 - 123"},
        {findRepeatedNames(records, RepeatKind::Clients), "Verificar Nomes",
         "Registros com nomes repetidos :\n    1 e 1 (dependente) - Ana Silva\n"
         "    1 e 2 (dependente) - Ana Silva\n    1 (dependente) e 2 (dependente) - ANA SILVA"},
        {findRepeatedNames(records, RepeatKind::Products), "Verificar Nomes",
         "Não há repetição de nomes."},
        {findRepeatedNames(records, RepeatKind::Distributors), "Verificar Nomes",
         "Não há repetição de nomes."},
        {findRepeatedCodes(records, RepeatKind::Products), "Verificar Códigos",
         "Não há repetição de código de barras."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.report.title, c.title);
        EXPECT_EQ(c.report.text, c.text);
    }
}

} // namespace
} // namespace tavolim::core
