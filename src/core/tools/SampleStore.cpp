#include "core/tools/SampleStore.h"

#include "core/ports/Progress.h"
#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/RuleTables.h"
#include "core/store/SynopsisStore.h"
#include "core/store/TextHelpers.h"
#include "core/tools/SampleText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr std::uint32_t kSeed = 19990815;
constexpr int kMaxRecords = RecordStore::MaxRecords;
constexpr int kStepEvery = 1024;
// Where a label has no price for one tape, what a rental is taken to have cost.
constexpr Money kDefaultPrice = Money::fromCents(400);

// A register file built in memory, written whole when complete.
template <class R>
class FileImage {
public:
    explicit FileImage(int expected)
    {
        m_bytes.reserve(static_cast<std::size_t>(expected) * R::Size);
    }

    void add(const R& record)
    {
        const auto at = m_bytes.size();
        m_bytes.resize(at + R::Size, 0); // reserved bytes stay 0, as in a new record
        record.encode(std::span(m_bytes).subspan(at, R::Size));
    }

    bool save(const RecordStore& store, FileKind kind) const
    {
        return binaryfile::writeAllAtomic(store.filePath(kind), m_bytes);
    }

private:
    std::vector<std::uint8_t> m_bytes;
};

class ProgressSteps {
public:
    ProgressSteps(Progress* progress, int total) : m_progress(progress)
    {
        if (m_progress) {
            m_progress->begin("Gerando loja de exemplo...", 0, total);
        }
    }
    ~ProgressSteps()
    {
        if (m_progress) {
            m_progress->end();
        }
    }
    ProgressSteps(const ProgressSteps&) = delete;
    ProgressSteps& operator=(const ProgressSteps&) = delete;

    void advance()
    {
        if (++m_done % kStepEvery == 0 && m_progress) {
            m_progress->step(m_done);
        }
    }

private:
    Progress* m_progress;
    int m_done = 0;
};

class SampleBuilder {
public:
    SampleBuilder(RecordStore& store, MemoStore& memos, SynopsisStore& synopses, SampleSize size,
                  std::chrono::year_month_day today)
        : m_store(store), m_memos(memos), m_synopses(synopses), m_size(size),
          m_today(sys_days(today)), m_dice(kSeed)
    {
    }

    bool run(Progress* progress);

private:
    bool distributors();
    bool clients(ProgressSteps& steps);
    bool tapes(ProgressSteps& steps);
    bool products(ProgressSteps& steps);
    bool storeData();

    // A spouse makes the holder married.
    DependentRecord dependent(ClientRecord& holder, sys_days holderSince, bool first);
    void pickCast(TapeRecord& tape, int copies);
    void lastClients(TapeRecord& tape, sys_days since);

    std::int32_t date(sys_days day) const { return fromYmd(std::chrono::year_month_day(day)); }
    sys_days dayBetween(sys_days first, sys_days last)
    {
        if (last < first) {
            return first;
        }
        return first + days(m_dice.between(0, static_cast<int>((last - first).count())));
    }
    std::int16_t timeOfDay()
    {
        return static_cast<std::int16_t>(m_dice.between(9, 21) * 100 + m_dice.between(0, 59));
    }
    Money cents(int low, int high) { return Money::fromCents(m_dice.between(low, high)); }

    RecordStore& m_store;
    MemoStore& m_memos;
    SynopsisStore& m_synopses;
    SampleSize m_size;
    sys_days m_today;
    sample::Dice m_dice;

    int m_sections = 0;
    std::vector<Money> m_labelPrices; // one-tape price of each label, by code - 1
    int m_media = 0;
    int m_distributors = 0;
    int m_dependents = 0;
    std::vector<ActorRecord> m_actors;
};

int clampSize(int n)
{
    return std::clamp(n, 0, kMaxRecords);
}

std::int16_t code(int n)
{
    return static_cast<std::int16_t>(n);
}

bool SampleBuilder::run(Progress* progress)
{
    m_size = {clampSize(m_size.clientes), clampSize(m_size.fitas), clampSize(m_size.produtos)};
    for (const auto kind : {FileKind::Clients, FileKind::Dependents, FileKind::Tapes,
                            FileKind::Actors, FileKind::Distributors, FileKind::Products}) {
        if (m_store.recordCount(kind) > 0) {
            return false;
        }
    }
    m_store.scan<LabelRecord>(FileKind::Labels, [&](std::int32_t, const LabelRecord& label) {
        const Money price = label.Diarias[static_cast<std::size_t>(classByCountIndex(1, 1))];
        m_labelPrices.push_back(price.isPositive() ? price : kDefaultPrice);
    });
    m_media = std::min(m_store.recordCount(FileKind::Media), MediaRecord::MaxMedia);
    if (m_size.fitas > 0 && (m_labelPrices.empty() || m_media == 0)) {
        return false;
    }
    m_store.readRecord(FileKind::GeneralRules, 1, true);
    m_sections = m_store.rules().sectionCount();
    // A fresh block abandons nothing, though the synopsis store counts every append.
    const std::int16_t wasteBefore = m_store.rules().SinopsesDesperdicio;

    ProgressSteps steps(progress, m_size.clientes + m_size.fitas + m_size.produtos);
    const bool ok =
        distributors() && clients(steps) && tapes(steps) && products(steps) && storeData();
    m_store.rules().SinopsesDesperdicio = wasteBefore;
    return m_store.writeRecord(FileKind::GeneralRules, 1) && ok;
}

bool SampleBuilder::distributors()
{
    const auto names = sample::distributorNames();
    m_distributors = static_cast<int>(names.size());
    FileImage<DistributorRecord> file(m_distributors);
    for (int n = 1; n <= m_distributors; ++n) {
        const auto& name = names[static_cast<std::size_t>(n - 1)];
        const auto contact = sample::personName(m_dice);
        const auto where = sample::address(m_dice);
        DistributorRecord d;
        d.Codigo = code(n);
        d.Nome = std::string(name.name);
        d.Contato = contact.first + " " + contact.surname;
        d.CGC = sample::cnpj(m_dice);
        d.Endereco = where.street;
        d.CEP = where.cep;
        d.Bairro = where.district;
        d.Cidade = where.city;
        d.Telefone = "(19) " + sample::homePhone(m_dice);
        d.TelCelular = sample::mobilePhone(m_dice);
        d.Email = "vendas@" + std::string(name.site.substr(4));
        d.SitioInternet = std::string(name.site);
        file.add(d);
    }
    return file.save(m_store, FileKind::Distributors);
}

bool SampleBuilder::clients(ProgressSteps& steps)
{
    const int count = m_size.clientes;
    FileImage<ClientRecord> holders(count);
    FileImage<DependentRecord> dependents(count);
    const Money price = m_labelPrices.empty() ? kDefaultPrice : m_labelPrices.front();
    for (int n = 1; n <= count; ++n) {
        const auto name = sample::personName(m_dice);
        const auto where = sample::address(m_dice);
        const sys_days since = m_today - days(m_dice.between(0, 5 * 365));
        ClientRecord c;
        c.Codigo = code(n);
        c.PrimNome = name.first;
        c.SobreNome = name.surname;
        c.Sexo = name.male;
        c.CI = sample::identityCard(m_dice);
        c.CPF = sample::cpf(m_dice);
        c.DataNasc = date(m_today - days(m_dice.between(18 * 365, 80 * 365)));
        c.Endereco = where.street;
        c.CEP = where.cep;
        c.Bairro = where.district;
        c.Cidade = where.city;
        if (m_dice.chance(75)) {
            c.TelResidencial = sample::homePhone(m_dice);
        }
        if (m_dice.chance(60)) {
            c.TelCelular = sample::mobilePhone(m_dice);
        }
        if (m_dice.chance(20)) {
            c.TelComercial = sample::homePhone(m_dice);
        }
        if (m_dice.chance(40)) {
            c.Email = sample::email(m_dice, name.first, name.surname, 25);
        }
        c.EstadoCivil = m_dice.chance(45);
        c.TipoCasa = m_dice.chance(60);
        c.DataInsc = date(since);
        c.HoraInsc = timeOfDay();
        c.Profissao = sample::profession(m_dice, name.male);

        const int roll = m_dice.between(1, 100);
        const int wanted = roll <= 50 ? 0 : roll <= 75 ? 1 : roll <= 90 ? 2 : 3;
        for (int k = 0; k < wanted && m_dependents < kMaxRecords; ++k) {
            const DependentRecord d = dependent(c, since, k == 0);
            c.Dep[static_cast<std::size_t>(k)] = d.Codigo;
            c.NumDep = code(k + 1);
            dependents.add(d);
        }

        const int rentals = m_dice.chance(15) ? 0 : m_dice.between(1, 250);
        if (rentals > 0) {
            c.TotalLocacoes = code(rentals);
            c.DataUltLocacao = date(dayBetween(since, m_today));
            c.ValorPago = price * rentals;
            c.ValorUltPgto = price * m_dice.between(1, std::min(rentals, 4));
            if (m_dice.chance(5)) {
                // An account holds a credit or a debt, never both.
                c.ValorDevido = Money::fromCents(m_dice.between(4, 24) * 50);
                c.ValorPago = Money();
            }
        }
        if (m_dice.chance(8)) {
            std::string note = sample::clientNote(m_dice);
            m_memos.writeMemo(c.Observacoes, note);
        }
        holders.add(c);
        steps.advance();
    }
    return holders.save(m_store, FileKind::Clients) &&
           dependents.save(m_store, FileKind::Dependents);
}

DependentRecord SampleBuilder::dependent(ClientRecord& holder, sys_days holderSince, bool first)
{
    const auto kin = sample::kinship(m_dice, holder.Sexo, first);
    DependentRecord d;
    d.Codigo = code(++m_dependents);
    d.Titular = holder.Codigo;
    d.PrimNome = sample::firstName(m_dice, kin.male);
    d.Sexo = kin.male;
    d.GrauParentesco = kin.name;
    int age = 0;
    if (kin.spouse) {
        d.SobreNome = sample::familyName(m_dice);
        d.EstadoCivil = true;
        holder.EstadoCivil = true;
        age = m_dice.between(20, 75);
        d.Profissao = sample::profession(m_dice, kin.male);
    } else {
        d.SobreNome = holder.SobreNome;
        age = m_dice.between(4, 30);
        d.Profissao = age < 23 ? "Estudante" : sample::profession(m_dice, kin.male);
    }
    d.DataNasc = date(m_today - days(age * 365 + m_dice.between(0, 364)));
    d.Endereco = holder.Endereco;
    d.CEP = holder.CEP;
    d.Bairro = holder.Bairro;
    d.Cidade = holder.Cidade;
    d.TelResidencial = holder.TelResidencial;
    if (age >= 14 && m_dice.chance(40)) {
        d.TelCelular = sample::mobilePhone(m_dice);
    }
    if (age >= 18) {
        d.CPF = sample::cpf(m_dice);
        d.CI = sample::identityCard(m_dice);
    }
    d.DataInsc = date(dayBetween(holderSince, m_today));
    d.HoraInsc = timeOfDay();
    return d;
}

bool SampleBuilder::tapes(ProgressSteps& steps)
{
    const int count = m_size.fitas;
    if (count > 0) {
        // Enough people that each plays in a handful of films, never near the 70 they can list.
        const int actors = std::min(count / 6 + 10, kMaxRecords);
        m_actors.resize(static_cast<std::size_t>(actors));
        for (int a = 1; a <= actors; ++a) {
            auto& actor = m_actors[static_cast<std::size_t>(a - 1)];
            actor.Codigo = code(a);
            actor.Nome = sample::actorName(m_dice);
        }
    }
    FileImage<TapeRecord> file(count);
    const int thisYear = static_cast<int>(std::chrono::year_month_day(m_today).year());
    int n = 1;
    while (n <= count) {
        const int roll = m_dice.between(1, 100);
        const int copies = std::min(roll <= 50   ? 1
                                    : roll <= 80 ? 2
                                    : roll <= 95 ? 3
                                                 : 5,
                                    count - n + 1);
        const auto title = sample::filmTitle(m_dice);
        const int year = m_dice.between(std::max(1975, thisYear - 30), thisYear);
        const sys_days released = sys_days(std::chrono::year(year) / 1 / 1);
        const sys_days bought =
            dayBetween(std::max(released, m_today - days(8 * 365)), m_today - days(1));

        TapeRecord film;
        film.Nome = title.title;
        film.SegundoNome = title.original;
        film.Secao = code(m_sections > 0 ? m_dice.between(1, m_sections) : 0);
        film.Selo = code(m_dice.between(1, static_cast<int>(m_labelPrices.size())));
        film.Midia = code(m_dice.between(1, m_media));
        film.Tipo = !title.original.empty() && m_dice.chance(40);
        film.AnoLancamento = code(year);
        film.Duracao = code(m_dice.between(80, 150));
        film.Distribuidor = code(m_dice.between(1, m_distributors - 1));
        film.DataCompra = date(bought);
        film.ValorCompra = Money::fromCents(m_dice.between(399, 1299) * 10);
        film.ValorVenda = Money::fromCents(m_dice.between(99, 299) * 10);
        if (m_dice.chance(70)) {
            film.Diretor = code(m_dice.between(1, static_cast<int>(m_actors.size())));
        }
        film.Codigo = code(n); // first copy; the cast lists it and the copies after it
        pickCast(film, copies);
        const std::string text = m_dice.chance(35) ? sample::synopsis(m_dice) : std::string();
        const Money price = m_labelPrices[static_cast<std::size_t>(film.Selo - 1)];

        for (int k = 0; k < copies; ++k, ++n) {
            TapeRecord tape = film;
            tape.Codigo = code(n);
            char barcode[16];
            std::snprintf(barcode, sizeof barcode, "%08d", n);
            tape.CodigoBarras = barcode;
            const int weeks = static_cast<int>((m_today - bought).count() / 7);
            tape.TotalLocacoes = code(m_dice.between(0, std::min(weeks, 250)));
            tape.ValorArrecadado = price * tape.TotalLocacoes;
            lastClients(tape, bought);
            if (!text.empty()) {
                // Each copy has its own block: an edit of one must not change another.
                m_synopses.writeSynopsis(tape.Sinopse, tape.TamSinopse, text);
            }
            file.add(tape);
            steps.advance();
        }
    }

    FileImage<ActorRecord> actors(static_cast<int>(m_actors.size()));
    for (const auto& actor : m_actors) {
        actors.add(actor);
    }
    return file.save(m_store, FileKind::Tapes) && actors.save(m_store, FileKind::Actors);
}

// The film's cast, the same on every copy; an actor goes only where all copies still fit.
void SampleBuilder::pickCast(TapeRecord& film, int copies)
{
    if (m_actors.empty()) {
        return;
    }
    const int wanted = m_dice.between(0, 4);
    for (int attempt = 0; attempt < wanted * 3 && film.NumAtores < wanted; ++attempt) {
        const int a = m_dice.between(1, static_cast<int>(m_actors.size()));
        auto& actor = m_actors[static_cast<std::size_t>(a - 1)];
        const auto listed = film.Atores.begin() + film.NumAtores;
        if (std::find(film.Atores.begin(), listed, a) != listed ||
            actor.NumFitas + copies > ActorRecord::MaxTapes) {
            continue;
        }
        film.Atores[static_cast<std::size_t>(film.NumAtores++)] = code(a);
        for (int k = 0; k < copies; ++k) {
            actor.Fitas[static_cast<std::size_t>(actor.NumFitas++)] = code(film.Codigo + k);
        }
    }
}

// The last people who took the tape, most recent first, all existing records.
void SampleBuilder::lastClients(TapeRecord& tape, sys_days since)
{
    const int slots = std::min<int>(TapeRecord::LastClients, tape.TotalLocacoes);
    if (m_size.clientes == 0 || slots == 0) {
        return;
    }
    sys_days before = m_today;
    for (int s = 0; s < slots; ++s) {
        const auto i = static_cast<std::size_t>(s);
        const bool holder = m_dependents == 0 || m_dice.chance(80);
        tape.UltCliente[i] = code(m_dice.between(1, holder ? m_size.clientes : m_dependents));
        tape.UltTitular[i] = holder;
        before = dayBetween(since, before - days(1)); // each slot older than the one above
        tape.UltData[i] = date(before);
    }
}

bool SampleBuilder::products(ProgressSteps& steps)
{
    const auto kinds = sample::productKinds();
    const int count = m_size.produtos;
    FileImage<ProductRecord> file(count);
    for (int n = 1; n <= count; ++n) {
        const auto& kind = kinds[static_cast<std::size_t>(n - 1) % kinds.size()];
        ProductRecord p;
        p.Codigo = code(n);
        const int round = (n - 1) / static_cast<int>(kinds.size());
        p.Descricao = sample::productName(kind, round);
        if (toCp1252(p.Descricao).size() > ProductRecord::NameWidth) {
            p.Descricao = sample::productName(kind, 0); // a cut variant would read as a typo
        }
        p.CodigoBarras = sample::ean13(m_dice);
        p.Estoque = static_cast<float>(m_dice.between(0, 120));
        p.Unidade = std::string(kind.unit);
        p.Icms = m_dice.chance(80) ? 18.0f : 12.0f;
        p.Preco = Money::fromCents(m_dice.between(kind.lowCents / 10, kind.highCents / 10) * 10);
        p.ValorCompra = Money::fromCents(p.Preco.roundedCents() * m_dice.between(50, 70) / 100);
        // Snacks mostly come from the wholesaler, the last distributor.
        p.Distribuidor =
            code(m_dice.chance(60) ? m_distributors : m_dice.between(1, m_distributors));
        file.add(p);
        steps.advance();
    }
    return file.save(m_store, FileKind::Products);
}

bool SampleBuilder::storeData()
{
    m_store.readRecord(FileKind::Store, 1, true);
    const auto where = sample::storeAddress();
    StoreRecord& s = m_store.store();
    s.NomeEmpresa = "Tavolim Vídeo Locadora Ltda.";
    s.NomeFantasia = "Tavolim Vídeo";
    s.NomeProp = "Roberto Tavares Lima";
    s.CGC = sample::cnpj(m_dice);
    s.InscEst = "244.118.739.110";
    s.Endereco = where.street;
    s.CEP = where.cep;
    s.Bairro = where.district;
    s.Cidade = where.city;
    s.Estado = "SP";
    s.Telefone = "(19) 3251-4432 / 3251-4433";
    s.TelCelular = "(19) 99187-2045";
    s.Email = "contato@tavolimvideo.com.br";
    s.Site = "www.tavolimvideo.com.br";
    return m_store.writeRecord(FileKind::Store, 1);
}

} // namespace

bool fillSampleStore(RecordStore& store, MemoStore& memos, SynopsisStore& synopses, SampleSize size,
                     std::chrono::year_month_day today, Progress* progress)
{
    return SampleBuilder(store, memos, synopses, size, today).run(progress);
}

} // namespace tavolim::core
