#include "core/tools/RepeatedRecords.h"

#include "core/registers/NameMatch.h"
#include "core/store/Cp1252.h"
#include "core/store/RecordStore.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

struct Named {
    std::string code; // as shown
    std::string shown;
    std::string key; // upper-cased code-page bytes
};

std::string keyOf(const std::string& utf8)
{
    std::string bytes = toCp1252(utf8);
    for (char& c : bytes) {
        c = static_cast<char>(upperCp1252(static_cast<std::uint8_t>(c)));
    }
    const auto first = bytes.find_first_not_of(' ');
    const auto last = bytes.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : bytes.substr(first, last - first + 1);
}

std::string joined(const std::string& first, const std::string& second)
{
    return second.empty() ? first : first.empty() ? second : first + " " + second;
}

template <class R, class Value>
void collect(const RecordStore& records, FileKind kind, const std::string& codeSuffix, Value value,
             std::vector<Named>& out)
{
    records.scan<R>(kind, [&](std::int32_t n, const R& record) {
        if (record.Codigo == 0 || isDeletedName(record.name())) {
            return;
        }
        std::string shown = value(record);
        std::string key = keyOf(shown);
        if (!key.empty()) {
            out.push_back({std::to_string(n) + codeSuffix, std::move(shown), std::move(key)});
        }
    });
}

// Every pair with one key, in the order a pairwise comparison of the records finds them.
std::string pairLines(const std::vector<Named>& all)
{
    std::unordered_map<std::string, std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < all.size(); ++i) {
        groups[all[i].key].push_back(i);
    }
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (const auto& [key, members] : groups) {
        for (std::size_t a = 0; a < members.size(); ++a) {
            for (std::size_t b = a + 1; b < members.size(); ++b) {
                pairs.emplace_back(members[a], members[b]);
            }
        }
    }
    std::sort(pairs.begin(), pairs.end());
    std::string lines;
    for (const auto& [a, b] : pairs) {
        lines += "\n    " + all[a].code + " e " + all[b].code + " - " + all[a].shown;
    }
    return lines;
}

const std::string kDependent = " (dependente)";

std::vector<Named> names(const RecordStore& records, RepeatKind kind)
{
    std::vector<Named> all;
    switch (kind) {
    case RepeatKind::Clients:
        collect<ClientRecord>(
            records, FileKind::Clients, "",
            [](const ClientRecord& r) { return joined(r.PrimNome, r.SobreNome); }, all);
        collect<DependentRecord>(
            records, FileKind::Dependents, kDependent,
            [](const DependentRecord& r) { return joined(r.PrimNome, r.SobreNome); }, all);
        break;
    case RepeatKind::Tapes:
        collect<TapeRecord>(
            records, FileKind::Tapes, "", [](const TapeRecord& r) { return r.Nome; }, all);
        break;
    case RepeatKind::Products:
        collect<ProductRecord>(
            records, FileKind::Products, "", [](const ProductRecord& r) { return r.Descricao; },
            all);
        break;
    case RepeatKind::Distributors:
        collect<DistributorRecord>(
            records, FileKind::Distributors, "", [](const DistributorRecord& r) { return r.Nome; },
            all);
        break;
    }
    return all;
}

} // namespace

RepeatReport findRepeatedNames(const RecordStore& records, RepeatKind kind)
{
    const std::string lines = pairLines(names(records, kind));
    return {"Verificar Nomes", lines.empty() ? "Não há repetição de nomes."
                                             : "Registros com nomes repetidos :" + lines};
}

RepeatReport findRepeatedCodes(const RecordStore& records, RepeatKind kind)
{
    std::vector<Named> all;
    if (kind == RepeatKind::Tapes) {
        collect<TapeRecord>(
            records, FileKind::Tapes, "", [](const TapeRecord& r) { return r.CodigoBarras; }, all);
    } else if (kind == RepeatKind::Products) {
        collect<ProductRecord>(
            records, FileKind::Products, "", [](const ProductRecord& r) { return r.CodigoBarras; },
            all);
    }
    const std::string lines = pairLines(all);
    return {"Verificar Códigos", lines.empty() ? "Não há repetição de código de barras."
                                               : "Registros com códigos repetidos :" + lines};
}

} // namespace tavolim::core
