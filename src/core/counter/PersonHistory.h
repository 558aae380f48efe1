#pragma once

#include "core/counter/Account.h"

#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;

// What the history window shows for a person: "Cliente: " + name, then one line per entry,
// oldest first.
struct HistoryListing {
    std::string heading;
    std::vector<std::string> lines;
};

// cmdHistFita: "code - title" per tape rented. An empty history shows "O histórico de
// fitas locadas está vazio." and gives nullopt.
std::optional<HistoryListing> tapeHistoryListing(AppState& state, PersonRef person);
// cmdHistProd: "dd/mm/yyyy code - description quantity x price" per product line bought;
// empty: "O histórico de vendas do cliente está vazio.".
std::optional<HistoryListing> productHistoryListing(AppState& state, PersonRef person);

} // namespace tavolim::core
