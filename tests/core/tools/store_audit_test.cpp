#include "StoreFixture.h"
#include "core/books/DailyTotalsFile.h"
#include "core/books/PositionFile.h"
#include "core/books/SalesBook.h"
#include "core/books/TapeBook.h"
#include "core/store/FileTransaction.h"
#include "core/store/TextHelpers.h"
#include "core/tools/StoreAudit.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using Lines = std::vector<std::string>;

// The sample store at work: its first holder with a dependent has tapes 1 and 2 out, that
// dependent tape 3, all rented today through the tape book, and two products were sold;
// the day's totals agree with all of it.
struct BusyStore : test::SampleStore {
    BusyStore()
    {
        auto& r = state.records();
        for (std::int32_t c = 1; c <= r.recordCount(FileKind::Clients); ++c) {
            const auto code = static_cast<std::int16_t>(c);
            if (r.load<ClientRecord>(c).NumDep == 0) {
                x = x ? x : code;
            } else if (!h || !h2) {
                (h ? h2 : h) = code;
            }
        }
        EXPECT_TRUE(h && h2 && x) << "the sample lacks holders with and without dependents";
        d = r.load<ClientRecord>(h).Dep[0];
        d2 = r.load<ClientRecord>(h2).Dep[0];
        rent(true, h, {1, 2});
        rent(false, d, {3});
        const SoldLine sold[] = {{1, 2, Money::fromCents(150)}, {2, 1, Money::fromCents(900)}};
        EXPECT_TRUE(appendSales(state, sold));
        changeTotals([](DailyTotalsRecord& t) {
            t.NumVendas = 1;
            t.ItensVendidos = 3;
            t.VendaPago = Money::fromCents(1200);
            t.Entrada += Money::fromCents(1200);
        });
    }

    void rent(bool holder, std::int16_t person, const std::vector<std::int16_t>& tapes)
    {
        auto& r = state.records();
        std::vector<RentedTape> rented;
        for (const std::int16_t t : tapes) {
            auto tape = r.load<TapeRecord>(t);
            tape.ClienteFita = person;
            tape.ClienteTitular = holder;
            tape.DataRetirada = tape.DataBase = fromYmd(clock.date);
            tape.Dias = tape.DiasBase = 2;
            tape.QtdLocadas = tape.QtdBase = static_cast<std::int16_t>(tapes.size());
            tape.ValorLocacao = Money::fromCents(300);
            EXPECT_TRUE(r.save(t, tape));
            rented.push_back({t, tape.ValorLocacao});
        }
        const auto list = [&](auto p) {
            for (const std::int16_t t : tapes) {
                p.Fitas[static_cast<std::size_t>(p.NumFitas++)] = t;
            }
            EXPECT_TRUE(r.save(p.Codigo, p));
        };
        holder ? list(r.load<ClientRecord>(person)) : list(r.load<DependentRecord>(person));
        std::int32_t history = 0;
        const std::int16_t client = holder ? person : r.load<DependentRecord>(person).Titular;
        EXPECT_TRUE(appendRentals(state, rented, client, holder ? -1 : person, history));
        changeTotals([&](DailyTotalsRecord& t) {
            t.NumLocacoes += 1;
            t.FitasLocadas = static_cast<std::int16_t>(t.FitasLocadas + std::ssize(tapes));
            t.LocPago += Money::fromCents(300) * static_cast<int>(tapes.size());
            t.Entrada += Money::fromCents(300) * static_cast<int>(tapes.size());
        });
    }

    void changeTotals(const std::function<void(DailyTotalsRecord&)>& change)
    {
        const DailyTotalsFile file(folder.path());
        auto totals = file.read(clock.date).value_or(DailyTotalsRecord{});
        change(totals);
        EXPECT_TRUE(file.write(clock.date, totals));
    }

    template <class R>
    void edit(std::int32_t n, const std::function<void(R&)>& change)
    {
        auto record = state.records().load<R>(n);
        change(record);
        EXPECT_TRUE(state.records().save(n, record));
    }

    // Marked and listed, as the registers delete.
    template <class R>
    void markDeleted(std::int32_t n)
    {
        edit<R>(n, [](R& r) { r.name() = "#" + r.name(); });
        state.records().addDeleted(kindOf<R>(), n);
    }

    std::string today() const { return dateToText(fromYmd(clock.date)); }
    std::string yesterday() const { return dateToText(fromYmd(addDays(clock.date, -1))); }

    std::int16_t h = 0, h2 = 0, x = 0; // two holders with dependents, one without
    std::int16_t d = 0, d2 = 0;        // their first dependents
};

Lines texts(const AuditReport& report)
{
    Lines lines;
    for (const auto& finding : report.findings) {
        lines.push_back(finding.text);
    }
    return lines;
}

std::string s(std::int32_t n)
{
    return std::to_string(n);
}

struct AuditCase {
    const char* what;
    // Damages the store; returns the lines the audit should give, in its order.
    std::function<Lines(BusyStore&)> damage;
};

TEST(StoreAudit, EachInconsistencyIsOneLineNamingItsRecordsAndNothingIsWritten)
{
    const AuditCase cases[] = {
        {"a consistent store", [](BusyStore&) { return Lines{}; }},
        {"a tape out that its renter does not list",
         [](BusyStore& b) {
             b.edit<ClientRecord>(b.h, [](ClientRecord& c) {
                 c.Fitas[0] = c.Fitas[1];
                 c.Fitas[1] = 0;
                 c.NumFitas = 1;
             });
             return Lines{"Fita 1 locada para o cliente " + s(b.h) + ", que não a tem na lista."};
         }},
        {"a tape out to a person who is not there",
         [](BusyStore& b) {
             b.markDeleted<ClientRecord>(b.x);
             b.edit<TapeRecord>(1, [&](TapeRecord& t) { t.ClienteFita = b.x; });
             b.edit<TapeRecord>(3, [](TapeRecord& t) { t.ClienteFita = 999; });
             return Lines{
                 "Cliente " + s(b.h) + " tem na lista a fita 1, que está locada para o cliente " +
                     s(b.x) + ".",
                 "Dependente " + s(b.d) +
                     " tem na lista a fita 3, que está locada para o dependente 999.",
                 "Fita 1 locada para o cliente " + s(b.x) + ", que está excluído.",
                 "Fita 3 locada para o dependente 999, que não existe.",
             };
         }},
        {"list entries naming no tape, a deleted one, one in the store, one listed twice",
         [](BusyStore& b) {
             b.markDeleted<TapeRecord>(11);
             b.edit<ClientRecord>(b.x, [](ClientRecord& c) {
                 c.Fitas = {999, 11, 10, 0};
                 c.NumFitas = 4;
             });
             b.edit<DependentRecord>(b.d, [](DependentRecord& p) {
                 p.Fitas[1] = 3;
                 p.Fitas[2] = 1;
                 p.NumFitas = 3;
             });
             return Lines{
                 "Cliente " + s(b.x) + " tem na lista a fita 999, que não existe.",
                 "Cliente " + s(b.x) + " tem na lista a fita 11, que está excluída.",
                 "Cliente " + s(b.x) + " tem na lista a fita 10, que não está locada.",
                 "Cliente " + s(b.x) + " tem na lista a fita 0, que não existe.",
                 "Dependente " + s(b.d) + " tem a fita 3 duas vezes na lista.",
                 "Dependente " + s(b.d) +
                     " tem na lista a fita 1, que está locada para o cliente " + s(b.h) + ".",
             };
         }},
        {"a deleted tape still out, and its open entry",
         [](BusyStore& b) {
             b.markDeleted<TapeRecord>(2);
             return Lines{
                 "Cliente " + s(b.h) + " tem na lista a fita 2, que está excluída.",
                 "Fita 2 está excluída, mas consta locada para o cliente " + s(b.h) + ".",
                 "Locação 2 do livro de fitas (LivroFts.tvl), da fita 2 em " + b.today() +
                     ", está em aberto, mas a fita está excluída.",
             };
         }},
        {"a tape in the store keeping its rental fields",
         [](BusyStore& b) {
             b.edit<TapeRecord>(10, [](TapeRecord& t) { t.AcertoValor = Money::fromCents(50); });
             b.edit<TapeRecord>(12, [](TapeRecord& t) { t.ClienteTitular = true; });
             // The return keeps the last rental's count and price: no line.
             b.edit<TapeRecord>(13, [](TapeRecord& t) {
                 t.QtdLocadas = 2;
                 t.ValorLocacao = Money::fromCents(300);
             });
             return Lines{"Fita 10 não está locada, mas guarda dados de uma locação.",
                          "Fita 12 não está locada, mas guarda dados de uma locação."};
         }},
        {"tapes out against the open entries of the tape book",
         [](BusyStore& b) {
             // Tape 10 out without an entry; tape 1 back without its entry completed; tape 2
             // out since a day the book does not hold, its entry of today left open.
             b.edit<TapeRecord>(10, [&](TapeRecord& t) {
                 t.ClienteFita = b.x;
                 t.ClienteTitular = true;
                 t.DataRetirada = fromYmd(b.clock.date);
             });
             b.edit<ClientRecord>(b.x, [](ClientRecord& c) {
                 c.Fitas[0] = 10;
                 c.NumFitas = 1;
             });
             b.edit<TapeRecord>(1, [](TapeRecord& t) {
                 t.ClienteFita = 0;
                 t.ClienteTitular = false;
                 t.DataRetirada = 0;
                 t.DataBase = 0;
                 t.Dias = t.DiasBase = t.QtdLocadas = t.QtdBase = 0;
                 t.ValorLocacao = Money();
             });
             b.edit<ClientRecord>(b.h, [](ClientRecord& c) {
                 c.Fitas[0] = 2;
                 c.Fitas[1] = 0;
                 c.NumFitas = 1;
             });
             b.edit<TapeRecord>(2, [&](TapeRecord& t) {
                 t.DataRetirada = t.DataBase = fromYmd(addDays(b.clock.date, -1));
             });
             return Lines{
                 "Fita 10 locada em " + b.today() +
                     " não tem locação em aberto desse dia no livro de fitas (LivroFts.tvl).",
                 "Locação 1 do livro de fitas (LivroFts.tvl), da fita 1 em " + b.today() +
                     ", está em aberto, mas a fita está na loja.",
                 "Locação 2 do livro de fitas (LivroFts.tvl), da fita 2 em " + b.today() +
                     ", está em aberto, mas a fita está locada desde " + b.yesterday() + ".",
             };
         }},
        {"dependents and their holders' lists",
         [](BusyStore& b) {
             b.edit<DependentRecord>(b.d2, [](DependentRecord& p) { p.Titular = 999; });
             b.edit<ClientRecord>(b.h, [](ClientRecord& c) {
                 c.Dep[0] = c.Dep[static_cast<std::size_t>(c.NumDep - 1)];
                 c.Dep[static_cast<std::size_t>(c.NumDep - 1)] = 0;
                 c.NumDep = static_cast<std::int16_t>(c.NumDep - 1);
             });
             return Lines{
                 "Cliente " + s(b.h2) + " lista o dependente " + s(b.d2) +
                     ", que é do cliente 999.",
                 "Dependente " + s(b.d) + " tem como titular o cliente " + s(b.h) +
                     ", que não o tem na lista.",
                 "Dependente " + s(b.d2) + " tem como titular o cliente 999, que não existe.",
             };
         }},
        {"a deleted dependent listed, a dependent of a deleted holder, one listed twice",
         [](BusyStore& b) {
             b.markDeleted<ClientRecord>(b.h2);
             b.edit<ClientRecord>(b.x, [&](ClientRecord& c) {
                 c.Dep = {b.d2, b.d2};
                 c.NumDep = 2;
             });
             b.markDeleted<DependentRecord>(b.d2);
             b.edit<DependentRecord>(b.d, [&](DependentRecord& p) { p.Titular = b.h2; });
             Lines lines{
                 "Cliente " + s(b.h) + " lista o dependente " + s(b.d) + ", que é do cliente " +
                     s(b.h2) + ".",
                 "Cliente " + s(b.x) + " lista o dependente " + s(b.d2) + ", que está excluído.",
                 "Cliente " + s(b.x) + " lista o dependente " + s(b.d2) + " duas vezes.",
             };
             // Every dependent of the deleted holder, and the one moved to him.
             const auto holder = b.state.records().load<ClientRecord>(b.h2);
             for (int i = 0; i < holder.depCount(); ++i) {
                 const auto dep = holder.Dep[static_cast<std::size_t>(i)];
                 if (dep != b.d2) {
                     lines.push_back("Dependente " + s(dep) + " tem como titular o cliente " +
                                     s(b.h2) + ", que está excluído.");
                 }
             }
             lines.push_back("Dependente " + s(b.d) + " tem como titular o cliente " + s(b.h2) +
                             ", que está excluído.");
             return lines;
         }},
        {"counts outside their arrays",
         [](BusyStore& b) {
             b.edit<ClientRecord>(b.x, [](ClientRecord& c) {
                 c.NumDep = -1;
                 c.NumFitas = 16;
                 c.Fitas.fill(10);
             });
             // A tape without cast, so that no actor's list loses it.
             std::int16_t t = 1;
             while (b.state.records().load<TapeRecord>(t).NumAtores != 0) {
                 ++t;
             }
             b.edit<TapeRecord>(t, [&](TapeRecord& tape) {
                 tape.NumAtores = -3;
                 tape.NumReservas = 6;
                 tape.ReservaCliente.fill(b.x);
                 tape.ReservaTitular.fill(true);
             });
             b.edit<ActorRecord>(1, [](ActorRecord& a) { a.NumFitas = -5; });
             const std::string x = "Cliente " + s(b.x);
             Lines lines{x + ": a contagem de dependentes (NumDep) é -1, fora de 0 a 10.",
                         x + ": a contagem de fitas (NumFitas) é 16, fora de 0 a 15.",
                         x + " tem na lista a fita 10, que não está locada."};
             for (int i = 1; i < 15; ++i) {
                 lines.push_back(x + " tem a fita 10 duas vezes na lista.");
             }
             lines.push_back("Fita " + s(t) +
                             ": a contagem de atores (NumAtores) é -3, fora de 0 a 10.");
             lines.push_back("Fita " + s(t) +
                             ": a contagem de reservas (NumReservas) é 6, fora de 0 a 5.");
             lines.push_back("Ator 1: a contagem de fitas (NumFitas) é -5, fora de 0 a 70.");
             // The tapes that cast actor 1 are no longer listed back.
             auto& r = b.state.records();
             for (std::int16_t n = 1; n <= r.recordCount(FileKind::Tapes); ++n) {
                 const auto tape = r.load<TapeRecord>(n);
                 const auto cast =
                     std::span(tape.Atores).first(static_cast<std::size_t>(tape.actorCount()));
                 if (std::ranges::find(cast, 1) != cast.end()) {
                     lines.push_back("Fita " + s(n) +
                                     " tem no elenco o ator 1, que não a tem na lista.");
                 }
             }
             return lines;
         }},
        {"accounts with credit and debt, or a negative amount",
         [](BusyStore& b) {
             b.edit<ClientRecord>(b.x, [](ClientRecord& c) {
                 c.ValorPago = Money::fromCents(500);
                 c.ValorDevido = Money::fromCents(250);
             });
             b.edit<DependentRecord>(b.d, [](DependentRecord& p) {
                 p.ValorPago = Money::fromCents(-100);
                 p.ValorDevido = Money::fromCents(-1234567);
             });
             return Lines{
                 "Cliente " + s(b.x) + " tem crédito (R$ 5,00) e débito (R$ 2,50) ao mesmo tempo.",
                 "Dependente " + s(b.d) + " tem crédito negativo (R$ -1,00).",
                 "Dependente " + s(b.d) + " tem débito negativo (R$ -12.345,67).",
             };
         }},
        {"what a tape names that is not there",
         [](BusyStore& b) {
             auto& r = b.state.records();
             b.edit<TapeRecord>(4, [](TapeRecord& t) {
                 t.Selo = 0;
                 t.Midia = 99;
                 t.Secao = -1;
             });
             const auto labels = r.recordCount(FileKind::Labels);
             const auto sections = r.rules().NumSecoes;
             b.edit<TapeRecord>(6, [&](TapeRecord& t) {
                 t.Selo = static_cast<std::int16_t>(labels + 1);
                 t.Midia = 0;
                 t.Secao = static_cast<std::int16_t>(sections + 1);
                 t.Distribuidor = 999;
                 t.Diretor = 999;
             });
             // The sample's tapes never name its last distributor.
             const auto last = static_cast<std::int16_t>(r.recordCount(FileKind::Distributors));
             b.markDeleted<DistributorRecord>(last);
             b.edit<TapeRecord>(7, [&](TapeRecord& t) { t.Distribuidor = last; });
             b.edit<TapeRecord>(8, [](TapeRecord& t) {
                 t.NumReservas = 2;
                 t.ReservaCliente = {999, 0};
                 t.ReservaTitular = {true, false};
             });
             return Lines{
                 "Fita 4 não tem selo.",
                 "Fita 4 tem a mídia 99, que não existe.",
                 "Fita 4 tem a seção -1, que não existe.",
                 "Fita 6 tem o selo " + s(labels + 1) + ", que não existe.",
                 "Fita 6 não tem mídia.",
                 "Fita 6 tem a seção " + s(sections + 1) + ", que não existe.",
                 "Fita 6 tem a distribuidora 999, que não existe.",
                 "Fita 6 tem como diretor o ator 999, que não existe.",
                 "Fita 7 tem a distribuidora " + s(last) + ", que está excluída.",
                 "Fita 8 tem uma reserva para o cliente 999, que não existe.",
                 "Fita 8 tem uma reserva para o dependente 0, que não existe.",
             };
         }},
        {"cast links not listed back",
         [](BusyStore& b) {
             auto& r = b.state.records();
             std::int16_t t = 0;
             for (std::int16_t n = 1; n <= r.recordCount(FileKind::Tapes) && !t; ++n) {
                 t = r.load<TapeRecord>(n).NumAtores >= 2 ? n : 0;
             }
             const auto tape = r.load<TapeRecord>(t);
             const std::int16_t a = tape.Atores[0];
             // A tape that neither casts nor is directed by the actor.
             std::int16_t other = 1;
             for (auto o = r.load<TapeRecord>(other);
                  std::ranges::find(o.Atores, a) != o.Atores.end() || o.Diretor == a;
                  o = r.load<TapeRecord>(++other)) {
             }
             // The actor forgets the tape and lists one that does not cast him and one that
             // is not there; the tape takes a cast member that is no actor.
             b.edit<ActorRecord>(a, [&](ActorRecord& actor) {
                 const auto end =
                     std::remove(actor.Fitas.begin(), actor.Fitas.begin() + actor.NumFitas, t);
                 actor.NumFitas = static_cast<std::int16_t>(end - actor.Fitas.begin());
                 actor.Fitas[static_cast<std::size_t>(actor.NumFitas++)] = other;
                 actor.Fitas[static_cast<std::size_t>(actor.NumFitas++)] = 9999;
             });
             b.edit<TapeRecord>(t, [](TapeRecord& tape) {
                 tape.Atores[static_cast<std::size_t>(tape.NumAtores++)] = 999;
             });
             return Lines{
                 "Fita " + s(t) + " tem no elenco o ator " + s(a) + ", que não a tem na lista.",
                 "Fita " + s(t) + " tem no elenco o ator 999, que não existe.",
                 "Ator " + s(a) + " tem na lista a fita " + s(other) + ", que não o tem no elenco.",
                 "Ator " + s(a) + " tem na lista a fita 9999, que não existe.",
             };
         }},
        {"deleted lists against the marks, and the history numbers",
         [](BusyStore& b) {
             auto& r = b.state.records();
             r.addDeleted(FileKind::Clients, b.x);
             b.edit<ProductRecord>(2, [](ProductRecord& p) { p.Descricao = "#" + p.Descricao; });
             test::SampleStoreFixture::put(b.folder.file("HistFita.tvl"),
                                           std::string(3 * 600, '\0'));
             b.edit<ClientRecord>(b.x, [](ClientRecord& c) { c.RegHistFita = 2; });
             b.edit<DependentRecord>(b.d, [](DependentRecord& p) { p.RegHistFita = 2; });
             b.edit<ClientRecord>(b.h, [](ClientRecord& c) { c.RegHistFita = 7; });
             r.addDeleted(FileKind::TapeHistory, 2);
             r.addDeleted(FileKind::TapeHistory, 3);
             return Lines{
                 "DelCli.tvl lista o cliente " + s(b.x) + ", que não está excluído.",
                 "Produto 2 está excluído, mas não consta em DelPrd.tvl.",
                 "Cliente " + s(b.h) + " tem o histórico de fitas 7, que HistFita.tvl não tem.",
                 "Dependente " + s(b.d) + " tem o histórico de fitas 2, que é também do cliente " +
                     s(b.x) + ".",
                 "DelHistF.tvl lista o histórico de fitas 2, que é do cliente " + s(b.x) + ".",
             };
         }},
        {"the day's totals against the books",
         [](BusyStore& b) {
             b.changeTotals([](DailyTotalsRecord& t) {
                 t.FitasLocadas = 4;
                 t.ItensVendidos = 2;
                 t.Entrada += Money::fromCents(1);
             });
             const std::string day = "Caixa.tvl, dia " + b.today() + ": ";
             return Lines{
                 day + "4 fitas locadas, mas o livro de fitas (PosLivFt.tvl) conta 3.",
                 day + "2 itens vendidos, mas o livro caixa (LivroCx.tvl) tem 3.",
             };
         }},
        {"cash taken in that the amounts paid do not add up to",
         [](BusyStore& b) {
             b.changeTotals([](DailyTotalsRecord& t) { t.Creditos = Money::fromCents(2000); });
             return Lines{"Caixa.tvl, dia " + b.today() +
                          ": Entrada de R$ 21,00, mas os valores pagos do dia somam R$ 41,00."};
         }},
        {"damaged headers leave their days unchecked",
         [](BusyStore& b) {
             EXPECT_TRUE(PositionFile(b.folder.path(), Book::Sales).write(1, PositionRecord{}));
             EXPECT_TRUE(core::binaryfile::writeAt(b.folder.file("Caixa.tvl"), 4,
                                                   std::vector<std::uint8_t>{40, 0}));
             std::filesystem::remove(b.folder.file("PosFtDev.tvl"));
             return Lines{"PosFtDev.tvl falta ou está vazio.",
                          "PosLivCx.tvl: o cabeçalho não guarda uma data válida.",
                          "Caixa.tvl: o cabeçalho não guarda uma data válida."};
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BusyStore b;
        const Lines expected = c.damage(b);
        const auto before = test::snapshotOf(b.folder.path());

        const AuditReport report = auditStore(b.folder.path(), b.clock.date);

        // The order follows the record codes, which the sample chooses.
        auto found = texts(report);
        auto wanted = expected;
        std::ranges::sort(found);
        std::ranges::sort(wanted);
        EXPECT_EQ(found, wanted);
        EXPECT_FALSE(report.pendingJournal);
        EXPECT_EQ(test::differences(test::snapshotOf(b.folder.path()), before), Lines{});
    }
}

TEST(StoreAudit, AnEarlierTodaySeesTheFilesAheadOfItAndAJournalIsSaid)
{
    BusyStore b;
    test::SampleStoreFixture::put(b.folder.path() / kJournalFile, "meio escrito");

    const AuditReport report = auditStore(b.folder.path(), addDays(b.clock.date, -1));

    const std::string ahead =
        " guarda dias até " + b.today() + ", depois de hoje (" + b.yesterday() + ").";
    // No return was made: the returns' position file holds no day yet.
    EXPECT_EQ(texts(report),
              (Lines{"PosLivFt.tvl" + ahead, "PosLivCx.tvl" + ahead, "Caixa.tvl" + ahead}));
    EXPECT_TRUE(report.pendingJournal);
    EXPECT_EQ(findingsCountLine(0), "Nenhum problema encontrado.");
    EXPECT_EQ(findingsCountLine(1), "1 problema encontrado.");
    EXPECT_EQ(findingsCountLine(4), "4 problemas encontrados.");
}

} // namespace
} // namespace tavolim::core
