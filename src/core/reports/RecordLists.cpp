#include "core/reports/RecordLists.h"

#include "core/registers/NameMatch.h"
#include "core/store/ActorRecord.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>

namespace tavolim::core {
namespace {

using A = ListArgument;
using K = ListKind;
using R = ReportKind;

constexpr std::array<ListInfo, 14> kLists = {{
    {K::Holders, "mnuRelTodosCliResp", "clientes-titulares", "Clientes Titulares", R::Client,
     A::None, "Não Há Clientes Cadastrados."},
    {K::Dependents, "mnuRelTodosCliDep", "clientes-dependentes", "Clientes Dependentes", R::Client,
     A::None, "Não Há Clientes Cadastrados."},
    {K::People, "mnuRelTodosCliJuntos", "clientes", "Todos os Clientes", R::Client, A::None,
     "Não Há Clientes Cadastrados."},
    {K::PeopleWithDebt, "mnuRelCliComDeb", "clientes-com-debito", "Clientes com Débitos", R::Client,
     A::None, "Os Clientes Não Possuem Débitos."},
    {K::PeopleWithTapes, "mnuRelCliComFitas", "clientes-com-fitas", "Clientes com Fitas Locadas",
     R::Client, A::None, "Não Há Clientes Com Fitas Locadas."},
    {K::Tapes, "mnuRelTodasFitas", "fitas", "Todas as Fitas", R::Tape, A::None,
     "Não há fitas cadastradas."},
    {K::TapesOut, "mnuRelFitasLocadas", "fitas-locadas", "Fitas Locadas", R::Tape, A::None,
     "Não há fitas locadas no momento."},
    {K::TapesReserved, "mnuRelFitasReservadas", "fitas-reservadas", "Fitas Reservadas", R::Tape,
     A::None, "Não há reserva de fitas."},
    {K::TapesBySection, "mnuRelFitasPorSeção", "fitas-por-secao", "Fitas por Seção", R::Tape,
     A::Section, "Não há registro de fitas nesta seção."},
    {K::TapesByLabel, "mnuRelFitasPorSelo", "fitas-por-selo", "Fitas por Selo", R::Tape, A::Label,
     "Não há registro de fitas com este selo."},
    {K::TapesByDistributor, "mnuRelFitasPorDist", "fitas-por-distribuidora",
     "Fitas por Distribuidora", R::Tape, A::DistributorName,
     "Não há registro de fitas desta distribuidora."},
    {K::TapesByActor, "mnuRelFitasPorAtor", "fitas-por-ator", "Fitas por Ator/Atriz", R::Tape,
     A::ActorName, "Não há registro de fitas com este(a) ator/atriz."},
    {K::Products, "mnuRelProdutos", "produtos", "Produtos", R::Product, A::None,
     "Não há Produtos cadastrados."},
    {K::Distributors, "mnuRelDist", "distribuidoras", "Distribuidoras", R::Distributor, A::None,
     "Não há Distribuidoras registradas."},
}};

template <class Rec>
void addPeople(const RecordStore& records, FileKind file, char letter,
               const std::function<bool(const Rec&)>& wanted, std::vector<ListRow>& rows)
{
    records.scan<Rec>(file, [&](std::int32_t n, const Rec& r) {
        if (isListed(r) && wanted(r)) {
            rows.push_back({joinFullName(r.PrimNome, r.SobreNome), n, letter});
        }
    });
}

void selectPeople(const RecordStore& records, ListKind kind, std::vector<ListRow>& rows)
{
    const bool holders = kind != K::Dependents;
    const bool dependents = kind != K::Holders;
    // Both records carry the same money and tape fields, so one test serves both files.
    auto wanted = [kind](const auto& r) {
        switch (kind) {
        case K::PeopleWithDebt:
            return r.ValorDevido.isPositive();
        case K::PeopleWithTapes:
            return r.NumFitas >= 1;
        default:
            return true;
        }
    };
    if (holders) {
        addPeople<ClientRecord>(records, FileKind::Clients, 'R', wanted, rows);
    }
    if (dependents) {
        addPeople<DependentRecord>(records, FileKind::Dependents, 'D', wanted, rows);
    }
}

void selectTapes(const RecordStore& records, ListKind kind, const ListChoice& choice,
                 std::vector<ListRow>& rows)
{
    if (kind == K::TapesByActor) {
        // In the order the actors list them, each tape once.
        std::vector<bool> seen(static_cast<std::size_t>(RecordStore::MaxRecords) + 1);
        for (const std::int32_t actorNumber : choice.matches) {
            const auto actor = records.load<ActorRecord>(actorNumber);
            for (int i = 0; i < actor.tapeCount(); ++i) {
                const std::int16_t code = actor.Fitas[static_cast<std::size_t>(i)];
                if (code < 1 || seen[static_cast<std::size_t>(code)]) {
                    continue;
                }
                seen[static_cast<std::size_t>(code)] = true;
                const auto tape = records.load<TapeRecord>(code);
                if (isListed(tape)) {
                    rows.push_back({trim(tape.Nome), code, 0});
                }
            }
        }
        return;
    }
    auto wanted = [&](const TapeRecord& t) {
        switch (kind) {
        case K::TapesOut:
            return t.ClienteFita > 0;
        case K::TapesReserved:
            return t.NumReservas > 0;
        case K::TapesBySection:
            return t.Secao == choice.number;
        case K::TapesByLabel:
            return t.Selo == choice.number;
        case K::TapesByDistributor:
            return std::find(choice.matches.begin(), choice.matches.end(), t.Distribuidor) !=
                   choice.matches.end();
        default:
            return true;
        }
    };
    records.scan<TapeRecord>(FileKind::Tapes, [&](std::int32_t n, const TapeRecord& t) {
        if (isListed(t) && wanted(t)) {
            rows.push_back({trim(t.Nome), n, 0});
        }
    });
}

// A 1-based position typed as digits, or by its name among `names` ignoring case.
std::optional<std::int32_t> pickByText(const std::vector<std::string>& names, std::string_view text)
{
    const std::string typed = trim(text);
    std::int32_t number = 0;
    const auto [end, ec] = std::from_chars(typed.data(), typed.data() + typed.size(), number);
    if (ec == std::errc() && end == typed.data() + typed.size()) {
        if (number >= 1 && number <= static_cast<std::int32_t>(names.size()) &&
            !trim(names[static_cast<std::size_t>(number - 1)]).empty()) {
            return number;
        }
        return std::nullopt;
    }
    // The stored names are compared the way the name searches compare them.
    const NameMatch match(typed, false, 255);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string stored = toCp1252(names[i]);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(stored.data());
        if (!typed.empty() && match.matches({bytes, stored.size()})) {
            return static_cast<std::int32_t>(i + 1);
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view reportKindTag(ReportKind kind)
{
    switch (kind) {
    case R::Client:
        return "Cliente";
    case R::Tape:
        return "Fita";
    case R::Product:
        return "Prod";
    case R::Distributor:
        return "Dist";
    }
    return "";
}

std::span<const ListInfo> listTable()
{
    return kLists;
}

const ListInfo& listInfo(ListKind kind)
{
    return kLists[static_cast<std::size_t>(kind)];
}

const ListInfo* listByMenuName(std::string_view menuName)
{
    const auto it = std::find_if(kLists.begin(), kLists.end(),
                                 [&](const ListInfo& l) { return l.menuName == menuName; });
    return it == kLists.end() ? nullptr : &*it;
}

const ListInfo* listByToolName(std::string_view toolName)
{
    const auto it = std::find_if(kLists.begin(), kLists.end(),
                                 [&](const ListInfo& l) { return l.toolName == toolName; });
    return it == kLists.end() ? nullptr : &*it;
}

FileKind rowFile(ReportKind kind, const ListRow& row)
{
    switch (kind) {
    case R::Client:
        return row.kind == 'D' ? FileKind::Dependents : FileKind::Clients;
    case R::Tape:
        return FileKind::Tapes;
    case R::Product:
        return FileKind::Products;
    case R::Distributor:
        return FileKind::Distributors;
    }
    return FileKind::Clients;
}

RecordList selectList(const RecordStore& records, ListKind kind, const ListChoice& choice)
{
    const ListInfo& info = listInfo(kind);
    RecordList list;
    list.list = kind;
    list.kind = info.reportKind;
    list.title = std::string(info.title);
    if (!choice.shown.empty()) {
        list.title += ": " + choice.shown;
    }
    switch (info.reportKind) {
    case R::Client:
        selectPeople(records, kind, list.rows);
        break;
    case R::Tape:
        selectTapes(records, kind, choice, list.rows);
        break;
    case R::Product:
        records.scan<ProductRecord>(FileKind::Products,
                                    [&](std::int32_t n, const ProductRecord& p) {
                                        if (isListed(p)) {
                                            list.rows.push_back({trim(p.Descricao), n, 0});
                                        }
                                    });
        break;
    case R::Distributor:
        records.scan<DistributorRecord>(FileKind::Distributors,
                                        [&](std::int32_t n, const DistributorRecord& d) {
                                            if (isListed(d)) {
                                                list.rows.push_back({trim(d.Nome), n, 0});
                                            }
                                        });
        break;
    }
    return list;
}

std::vector<std::string> sectionChoices(const GeneralRulesRecord& rules)
{
    std::vector<std::string> names;
    for (int i = 0; i < rules.sectionCount(); ++i) {
        names.push_back(trim(rules.Secoes[static_cast<std::size_t>(i)]));
    }
    return names;
}

std::vector<std::string> labelChoices(const RecordStore& records)
{
    std::vector<std::string> names;
    records.scan<LabelRecord>(FileKind::Labels, [&](std::int32_t, const LabelRecord& label) {
        names.push_back(trim(label.Nome));
    });
    return names;
}

std::vector<std::int32_t> recordsNamed(const RecordStore& records, FileKind kind,
                                       std::string_view typed)
{
    std::vector<std::int32_t> found;
    if (trim(typed).empty()) {
        return found;
    }
    // Distributors and actors both keep a 30-byte name right after the code.
    constexpr std::size_t offset = 2;
    constexpr std::size_t width = 30;
    const NameMatch match(trim(typed), false, width);
    records.scanRaw(kind, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
        if (bytes.size() < offset + width) {
            return;
        }
        const auto name = bytes.subspan(offset, width);
        if (name[0] != '#' && match.matches(name)) {
            found.push_back(n);
        }
    });
    return found;
}

std::optional<ListChoice> choiceFromText(const RecordStore& records, ListArgument argument,
                                         std::string_view text, std::string& problem)
{
    ListChoice choice;
    switch (argument) {
    case A::None:
        return choice;
    case A::Section:
    case A::Label: {
        const bool section = argument == A::Section;
        const auto names =
            section ? sectionChoices(records.load<GeneralRulesRecord>(1)) : labelChoices(records);
        const auto number = pickByText(names, text);
        if (!number) {
            problem = (section ? "Seção desconhecida: " : "Selo desconhecido: ") +
                      std::string(text) + ".";
            return std::nullopt;
        }
        choice.number = *number;
        choice.shown = names[static_cast<std::size_t>(*number - 1)];
        return choice;
    }
    case A::DistributorName:
    case A::ActorName: {
        const bool distributor = argument == A::DistributorName;
        choice.matches =
            recordsNamed(records, distributor ? FileKind::Distributors : FileKind::Actors, text);
        if (choice.matches.empty()) {
            problem = std::string(distributor ? kUnknownDistributor : kUnknownActor);
            return std::nullopt;
        }
        choice.shown = distributor ? records.load<DistributorRecord>(choice.matches[0]).Nome
                                   : records.load<ActorRecord>(choice.matches[0]).Nome;
        return choice;
    }
    }
    return std::nullopt;
}

} // namespace tavolim::core
