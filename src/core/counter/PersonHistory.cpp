#include "core/counter/PersonHistory.h"

#include "core/books/Histories.h"
#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

struct HistoryOwner {
    std::string name;
    std::int32_t tapes = 0;
    std::int32_t products = 0;
};

HistoryOwner ownerOf(const AppState& state, PersonRef person)
{
    const auto& records = state.records();
    const auto view = [](const auto& r) {
        return HistoryOwner{trim(r.PrimNome) + " " + trim(r.SobreNome), r.RegHistFita,
                            r.RegHistProd};
    };
    return person.titular ? view(records.load<ClientRecord>(person.code))
                          : view(records.load<DependentRecord>(person.code));
}

std::optional<HistoryListing> shown(AppState& state, HistoryListing listing, const char* emptyText)
{
    if (listing.lines.empty()) {
        state.ports().dialogs.message(emptyText, msg::Information);
        return std::nullopt;
    }
    return listing;
}

} // namespace

std::optional<HistoryListing> tapeHistoryListing(AppState& state, PersonRef person)
{
    const HistoryOwner owner = ownerOf(state, person);
    HistoryListing listing{"Cliente: " + owner.name, {}};
    const auto& records = state.records();
    for (const std::int16_t code : Histories(state.dataFolder()).loadTapeHistory(owner.tapes)) {
        if (code <= 0) {
            continue; // a forgotten tape
        }
        listing.lines.push_back(std::to_string(code) + " - " +
                                trim(records.load<TapeRecord>(code).Nome));
    }
    return shown(state, std::move(listing), "O histórico de fitas locadas está vazio.");
}

std::optional<HistoryListing> productHistoryListing(AppState& state, PersonRef person)
{
    const HistoryOwner owner = ownerOf(state, person);
    HistoryListing listing{"Cliente: " + owner.name, {}};
    const auto& records = state.records();
    for (const auto& e : Histories(state.dataFolder()).productEntries(owner.products)) {
        if (e.Produto <= 0) {
            continue;
        }
        listing.lines.push_back(dateToText(e.Data) + " " + std::to_string(e.Produto) + " - " +
                                trim(records.load<ProductRecord>(e.Produto).Descricao) + " " +
                                std::to_string(e.Qtd) + " x " + formatMoneyPlain(e.Valor));
    }
    return shown(state, std::move(listing), "O histórico de vendas do cliente está vazio.");
}

} // namespace tavolim::core
