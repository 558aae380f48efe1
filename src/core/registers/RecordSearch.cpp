#include "core/registers/RecordSearch.h"

#include "core/ports/Dialogs.h"
#include "core/registers/NameMatch.h"
#include "core/state/AppState.h"
#include "core/store/Cp1252.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

#include <cstdio>
#include <limits>

namespace tavolim::core {
namespace {

// Where a name lives inside the raw record.
struct Field {
    std::size_t offset;
    std::size_t width;
};

constexpr Field kClientFirst{2, 15};
constexpr Field kClientSurname{17, 35};
constexpr Field kDependentFirst{4, 15};
constexpr std::size_t kDependentTitular = 2;
constexpr Field kDependentSurname{19, 35};
constexpr Field kTapeName{2, 25};
constexpr Field kProductName{2, 25};
constexpr Field kDistributorName{2, 30};
constexpr Field kDistributorContact{32, 35};

std::span<const std::uint8_t> slice(std::span<const std::uint8_t> record, Field f)
{
    return record.subspan(f.offset, f.width);
}

std::string text(std::span<const std::uint8_t> record, Field f)
{
    const auto s = slice(record, f);
    return decodeField({reinterpret_cast<const char*>(s.data()), s.size()});
}

bool deleted(std::span<const std::uint8_t> record, Field name)
{
    return record[name.offset] == '#';
}

// The chooser line: the code, the name, and for people whether holder or dependent.
std::string hitLine(FileKind kind, std::int32_t number, const std::string& name)
{
    const int digits = kind == FileKind::Distributors                              ? 3
                       : kind == FileKind::Clients || kind == FileKind::Dependents ? 5
                                                                                   : 6;
    char code[16];
    std::snprintf(code, sizeof code, "%0*d ", digits, static_cast<int>(number));
    const char* tag = kind == FileKind::Clients      ? "  (titular)"
                      : kind == FileKind::Dependents ? "  (dependente)"
                                                     : "";
    return code + name + tag;
}

bool isPeople(SearchMode mode)
{
    return mode == SearchMode::Clients || mode == SearchMode::Operations;
}

bool isTapes(SearchMode mode)
{
    return mode == SearchMode::Tapes || mode == SearchMode::ReturnTape;
}

FileKind kindOf(SearchMode mode)
{
    if (isPeople(mode)) {
        return FileKind::Clients;
    }
    if (isTapes(mode)) {
        return FileKind::Tapes;
    }
    return mode == SearchMode::Products ? FileKind::Products : FileKind::Distributors;
}

void findPeople(const RecordStore& store, std::string_view typed, bool partial,
                std::vector<SearchHit>& hits, bool holdersFirst = false)
{
    const auto [first, surname] = splitFullName(typed);
    // One word in a partial search may be either part of the stored name.
    const bool eitherPart = partial && surname.empty();
    const NameMatch firstMatch(first, partial, kClientFirst.width);
    const NameMatch surnameMatch(surname, partial, kClientSurname.width);

    const auto pass = [&](FileKind kind, Field f, Field s) {
        store.scanRaw(kind, [&](std::int32_t n, std::span<const std::uint8_t> r) {
            if (deleted(r, f)) {
                return;
            }
            const bool match =
                eitherPart ? firstMatch.matches(slice(r, f)) || firstMatch.matches(slice(r, s))
                           : firstMatch.matches(slice(r, f)) && surnameMatch.matches(slice(r, s));
            if (match) {
                const auto name = joinFullName(text(r, f), text(r, s));
                // A dependent is shown by its family's inscription, the holder's code.
                const std::int32_t shown =
                    kind == FileKind::Dependents
                        ? static_cast<std::int16_t>(r[kDependentTitular] | r[kDependentTitular + 1]
                                                                               << 8)
                        : n;
                hits.push_back({kind, n, hitLine(kind, shown, name)});
            }
        });
    };
    pass(FileKind::Clients, kClientFirst, kClientSurname);
    if (holdersFirst && !hits.empty()) {
        return;
    }
    pass(FileKind::Dependents, kDependentFirst, kDependentSurname);
}

void findSingleName(const RecordStore& store, FileKind kind, Field name,
                    std::optional<Field> contact, std::string_view typed, bool partial,
                    std::vector<SearchHit>& hits)
{
    const NameMatch nameMatch(typed, partial, name.width);
    const NameMatch contactMatch(typed, partial, contact ? contact->width : 0);
    store.scanRaw(kind, [&](std::int32_t n, std::span<const std::uint8_t> r) {
        if (deleted(r, name)) {
            return;
        }
        if (nameMatch.matches(slice(r, name)) ||
            (contact && contactMatch.matches(slice(r, *contact)))) {
            std::string shown = text(r, name);
            if (contact) {
                if (const auto who = text(r, *contact); !who.empty()) {
                    shown += "  (" + who + ")";
                }
            }
            hits.push_back({kind, n, hitLine(kind, n, shown)});
        }
    });
}

std::string badCodeText(SearchMode mode)
{
    if (isPeople(mode)) {
        return "O código do cliente está incorreto.";
    }
    if (isTapes(mode)) {
        return "O código da fita está incorreto.";
    }
    return mode == SearchMode::Products ? "O código do produto está incorreto."
                                        : "O código da distribuidora está incorreto.";
}

std::string notFoundText(SearchMode mode)
{
    if (isPeople(mode)) {
        return "Nenhum Cliente encontrado com este nome.";
    }
    if (isTapes(mode)) {
        return "Nenhuma fita encontrada com este nome.";
    }
    return mode == SearchMode::Products
               ? "Nenhum produto encontrado com este nome."
               : "Nenhuma Distribuidora ou pessoa para contato com este nome foram encontradas.";
}

std::string partialOffer(SearchMode mode, const std::string& typed, std::size_t count)
{
    const std::string found =
        count == 1 ? "Há 1 registro" : "Há " + std::to_string(count) + " registros";
    return notFoundText(mode) + "\n\n" + found + " com \"" + typed +
           "\" em parte do nome.\nDeseja vê-los ?";
}

} // namespace

std::string searchHint(SearchMode mode, bool partialAlways)
{
    const char* example = isPeople(mode)  ? "\"carlos\" acha \"Carlos Pereira\""
                          : isTapes(mode) ? "\"tesouro\" acha \"O Tesouro Vermelho\""
                                          : "\"leite\" acha \"Leite Integral\"";
    if (partialAlways) {
        return std::string("A procura por parte do nome está ligada: ") + example + ".";
    }
    return std::string("Por parte do nome, comece com *: \"*") + (example + 1) + ".";
}

std::string searchCaption(SearchMode mode)
{
    switch (mode) {
    case SearchMode::Clients:
        return "Procurar Cliente";
    case SearchMode::Operations:
        return "Iniciar Operações";
    case SearchMode::Tapes:
        return "Procurar Fita";
    case SearchMode::ReturnTape:
        return "Devolver Fita";
    case SearchMode::Products:
        return "Procurar Produto";
    case SearchMode::Distributors:
        return "Procurar Distribuidora";
    }
    return {};
}

std::string chooserCaption(ChooserList list)
{
    switch (list) {
    case ChooserList::Clients:
        return "Clique no Nome do(a) Cliente";
    case ChooserList::Tapes:
        return "Clique no Nome do Filme";
    case ChooserList::Actors:
        return "Clique no Nome do(a) Ator(Atriz)";
    case ChooserList::Products:
        return "Clique no Nome do Produto";
    case ChooserList::Distributors:
        return "Clique no Nome da Distribuidora";
    case ChooserList::Labels:
        return "Clique no Selo";
    case ChooserList::Sections:
        return "Clique no nome da seção";
    }
    return {};
}

ChooserList chooserListFor(SearchMode mode)
{
    if (isPeople(mode)) {
        return ChooserList::Clients;
    }
    if (isTapes(mode)) {
        return ChooserList::Tapes;
    }
    return mode == SearchMode::Products ? ChooserList::Products : ChooserList::Distributors;
}

std::vector<SearchHit> findByName(const RecordStore& store, SearchMode mode, std::string_view typed,
                                  bool partial)
{
    std::vector<SearchHit> hits;
    if (isPeople(mode)) {
        findPeople(store, typed, partial, hits);
    } else if (isTapes(mode)) {
        findSingleName(store, FileKind::Tapes, kTapeName, std::nullopt, typed, partial, hits);
    } else if (mode == SearchMode::Products) {
        findSingleName(store, FileKind::Products, kProductName, std::nullopt, typed, partial, hits);
    } else {
        findSingleName(store, FileKind::Distributors, kDistributorName, kDistributorContact, typed,
                       partial, hits);
    }
    return hits;
}

bool nameExists(const RecordStore& store, SearchMode mode, std::string_view name)
{
    std::vector<SearchHit> hits;
    if (isPeople(mode)) {
        findPeople(store, name, false, hits, true);
    } else if (mode == SearchMode::Distributors) {
        findSingleName(store, FileKind::Distributors, kDistributorName, std::nullopt, name, false,
                       hits);
    } else {
        hits = findByName(store, mode, name, false);
    }
    return !hits.empty();
}

std::optional<std::int32_t> typedCode(std::string_view text)
{
    const std::string t = trim(text);
    std::size_t i = t.size() > 1 && (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') {
            return std::nullopt;
        }
        if (value <= std::numeric_limits<std::int32_t>::max()) {
            value = value * 10 + (t[i] - '0');
        }
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return t[0] == '-' ? -static_cast<std::int32_t>(value) : static_cast<std::int32_t>(value);
}

RecordSearch::RecordSearch(AppState& state, SearchMode mode) : m_state(state), m_mode(mode) {}

std::string RecordSearch::hint() const
{
    return searchHint(m_mode, m_state.options().ProcEsp);
}

bool RecordSearch::codeFirst() const
{
    return m_state.options().CodPrimProc;
}

std::optional<SearchHit> RecordSearch::find(std::string_view typed, const ListChooser& choose)
{
    const std::string text = trim(typed);
    if (text.empty()) {
        return std::nullopt;
    }
    if (const auto code = typedCode(text)) {
        return byCode(*code);
    }
    return findName(text, choose);
}

std::optional<SearchHit> RecordSearch::findName(std::string_view typed, const ListChooser& choose)
{
    const std::string text = trim(typed);
    if (text.empty()) {
        return std::nullopt;
    }
    const bool partial = m_state.options().ProcEsp || text.front() == '*';
    auto hits = findByName(m_state.records(), m_mode, text, partial);
    if (hits.empty() && !partial) {
        // "carlos" is taken for the whole name; offer at once what a partial search finds.
        hits = findByName(m_state.records(), m_mode, text, true);
        if (!hits.empty() &&
            m_state.ports().dialogs.message(partialOffer(m_mode, text, hits.size()),
                                            msg::Question + msg::YesNo) != msg::Answer::Yes) {
            return std::nullopt;
        }
    }
    if (hits.empty()) {
        m_state.ports().dialogs.message(notFoundText(m_mode), msg::Information);
        return std::nullopt;
    }
    std::size_t pick = 0;
    if (hits.size() > 1) {
        std::vector<std::string> lines;
        lines.reserve(hits.size());
        for (const auto& h : hits) {
            lines.push_back(h.line);
        }
        const auto chosen =
            choose ? choose(chooserCaption(chooserListFor(m_mode)), lines) : std::nullopt;
        if (!chosen || *chosen >= hits.size()) {
            return std::nullopt;
        }
        pick = *chosen;
    }
    m_state.records().readRecord(hits[pick].kind, hits[pick].number, true);
    return acceptable() ? std::optional(hits[pick]) : std::nullopt;
}

std::optional<SearchHit> RecordSearch::byCode(std::int32_t code)
{
    auto& store = m_state.records();
    const FileKind kind = kindOf(m_mode);
    if (code < 1 || code > std::min(store.recordCount(kind), RecordStore::MaxRecords) ||
        store.isDeletedOnDisk(kind, code)) {
        m_state.ports().dialogs.message(badCodeText(m_mode), msg::Exclamation);
        return std::nullopt;
    }
    store.readRecord(kind, code, true);
    const auto& client = store.client();
    const std::string name = kind == FileKind::Clients
                                 ? joinFullName(client.PrimNome, client.SobreNome)
                             : kind == FileKind::Tapes    ? store.tape().Nome
                             : kind == FileKind::Products ? store.product().Descricao
                                                          : store.distributor().Nome;
    if (!acceptable()) {
        return std::nullopt;
    }
    return SearchHit{kind, code, hitLine(kind, code, name)};
}

bool RecordSearch::acceptable()
{
    if (m_mode != SearchMode::ReturnTape || m_state.records().tape().isRented()) {
        return true;
    }
    m_state.ports().dialogs.message("A fita não está emprestada.", msg::Exclamation);
    return false;
}

} // namespace tavolim::core
