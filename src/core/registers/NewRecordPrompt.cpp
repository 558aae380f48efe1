#include "core/registers/NewRecordPrompt.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/registers/RecordSearch.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

struct PromptTexts {
    const char* prompt;
    const char* title;
    const char* duplicate;
    SearchMode mode;
};

PromptTexts textsFor(NewRecordKind kind)
{
    switch (kind) {
    case NewRecordKind::Client:
        return {"Digite o nome do(a) novo(a) cliente", "Cadastrar Novo Cliente",
                "Já existe um(a) Cliente com este nome.", SearchMode::Clients};
    case NewRecordKind::Tape:
        return {"Digite o nome da nova fita", "Cadastrar Nova Fita",
                "Já existe uma fita com este nome.", SearchMode::Tapes};
    case NewRecordKind::Product:
        return {"Digite o nome do novo produto", "Cadastrar Novo Produto",
                "Já existe um produto com este nome.", SearchMode::Products};
    case NewRecordKind::Distributor:
        break;
    }
    return {"Digite o nome do novo distribuidor", "Cadastrar Novo Distribuidor",
            "Já existe um distribuidor com este nome.", SearchMode::Distributors};
}

} // namespace

std::optional<NewRecordName> askNewRecordName(AppState& state, NewRecordKind kind)
{
    const PromptTexts t = textsFor(kind);
    auto& dialogs = state.ports().dialogs;
    for (;;) {
        const auto answer = dialogs.askText(t.prompt, t.title);
        const std::string typed = answer ? trim(*answer) : std::string();
        if (typed.empty()) {
            return std::nullopt;
        }
        NewRecordName result{typed, {}};
        if (kind == NewRecordKind::Client) {
            auto [first, surname] = splitFullName(typed);
            result = {std::move(first), std::move(surname)};
        }
        if (!state.options().VerifNomeECod) {
            return result;
        }
        bool taken = false;
        {
            ScopedWait wait(&state.ports().progress, "Verificando Pré-Existência de Nome...");
            taken = nameExists(state.records(), t.mode, typed);
        }
        if (!taken) {
            return result;
        }
        dialogs.message(t.duplicate, msg::Exclamation);
    }
}

} // namespace tavolim::core
