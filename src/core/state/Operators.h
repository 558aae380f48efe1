#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tavolim::core {

class AppState;
class Dialogs;
struct GeneralRulesRecord;

inline constexpr std::size_t kMaxPasswordLength = 10;

// The 24 access rows, as the access-level grid names them; row r is kAccessRowNames[r - 1].
extern const std::array<std::string_view, 24> kAccessRowNames;
// "Cadastro de Clientes": the client register, also where the tape register and the client
// situation open it.
inline constexpr int kRowClientes = 3;

// Operator levels: a smaller number has more rights.
inline constexpr int kLevelAdministrator = 1;
inline constexpr int kLevelMedium = 2;
inline constexpr int kLevelOperator = 3;

// Names and passwords are compared trimmed and lower-cased (accented capitals included), so
// letter case and surrounding spaces never matter.
std::string normalizeCredential(std::string_view text);

// Reversible scrambling of a normalized password, done on its code-page bytes: each byte is
// rotated within its own band (printable ASCII, or the accented range) by an amount that
// depends on its position, so the result stays printable and never holds NUL. The stored
// text can end in spaces, which the record trims; TamSenha restores them.
std::string scramblePassword(std::string_view password);
std::string unscramblePassword(std::string_view stored, int length);

// Level of operator `index` (1-based); 0 when nobody or out of range.
int operatorLevel(const GeneralRulesRecord& rules, int index);
// The access rule: the logged-in operator may use row r when its level is at most the row's.
bool mayUse(const GeneralRulesRecord& rules, int index, int row);

// 1-based index of the first operator with that name; 0 when none.
int findOperator(const GeneralRulesRecord& rules, std::string_view name);
bool passwordMatches(const GeneralRulesRecord& rules, int index, std::string_view password);
void storePassword(GeneralRulesRecord& rules, int index, std::string_view password);

// The store starts without a login when its only operator is the default one.
bool onlyDefaultOperator(const GeneralRulesRecord& rules);

// Operators window rules. Each refusal shows its message and changes nothing.
bool mayAddOperator(const GeneralRulesRecord& rules, Dialogs& dialogs);
// Asks for confirmation; on yes removes the entry, moves the later ones up and keeps
// `current` (OperadorAtual) pointing at the same operator.
bool deleteOperator(GeneralRulesRecord& rules, int index, int& current, Dialogs& dialogs);
bool setOperatorLevel(GeneralRulesRecord& rules, int index, int level, Dialogs& dialogs);

// Access-level grid: a cell value must be 1, 2 or 3.
bool acceptAccessLevel(std::string_view text, Dialogs& dialogs);

} // namespace tavolim::core
