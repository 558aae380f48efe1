#pragma once

#include "core/tools/BulkRun.h"
#include "core/tools/DataFields.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavolim::core {

class AppState;

inline constexpr std::string_view kAddNone = "O número de registros a adicionar não pode ser nulo.";
inline constexpr std::string_view kAddTooMany =
    "Não é possível adicionar mais que 5000 registros de uma vez.";
// The count tested is 32000, while the message speaks of 32700.
inline constexpr std::string_view kAddBeyondLimit =
    "Este programa suporta no máximo 32700 registros por banco de dados.";
inline constexpr std::string_view kAdded =
    " registro(s) foram adicionado(s) ao banco de dados selecionado.";
inline constexpr std::string_view kTemporaryName = "Temporário";

// The model of frmAdicRegs: blank records, named "Temporário" and carrying their own code,
// appended to the end of the chosen file.
class RecordAdder {
public:
    static constexpr std::int32_t MaxAtOnce = 5000;
    static constexpr std::int32_t MaxRecords = 32000;

    explicit RecordAdder(AppState& state);

    DataKind cboTipo = DataKind::Clients;
    std::string txtQuantidade; // how many to add

    // "Existem N Registros de Clientes", shown when the kind is chosen.
    std::string countCaption() const;

    // cmdAdicionar: checks the number, appends the records in batches with the progress window
    // and tells how many were added. nullopt when the number was refused (nothing written).
    std::optional<RunResult> add();

private:
    AppState& m_state;
};

} // namespace tavolim::core
