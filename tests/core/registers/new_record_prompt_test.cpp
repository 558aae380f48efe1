#include "core/registers/NewRecordPrompt.h"

#include "core/ports/Dialogs.h"
#include "core/registers/SearchFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

struct PromptCase {
    NewRecordKind kind;
    bool verify;
    std::vector<std::optional<std::string>> answers;
    std::optional<NewRecordName> result;
    std::vector<std::string> messages; // each with the exclamation icon
    std::size_t prompts;
};

TEST(NewRecordPrompt, AsksUntilTheNameIsNewOrNothingIsTyped)
{
    using enum NewRecordKind;
    const std::string client = "Já existe um(a) Cliente com este nome.";
    const std::string tape = "Já existe uma fita com este nome.";
    const std::vector<PromptCase> cases = {
        {Client, false, {"  joão   silva  "}, {{"joão", "silva"}}, {}, 1},
        {Client, true, {"joão silva", "Zeca"}, {{"Zeca", ""}}, {client}, 2},
        // Only a dependent has this name: still taken.
        {Client, true, {"ana maria souza", ""}, std::nullopt, {client}, 2},
        // A deleted client's name is free again.
        {Client, true, {"Pedro Paulo"}, {{"Pedro", "Paulo"}}, {}, 1},
        {Client, true, {std::nullopt}, std::nullopt, {}, 1},
        {Tape, true, {"MATRIX", "Matrix Reloaded"}, {{"Matrix Reloaded", ""}}, {tape}, 2},
        {Product,
         true,
         {"pipoca doce", "   "},
         std::nullopt,
         {"Já existe um produto com este nome."},
         2},
        // A distributor's contact person is no distributor's name.
        {Distributor,
         true,
         {"vídeo sul", "Carlos Lima"},
         {{"Carlos Lima", ""}},
         {"Já existe um distribuidor com este nome."},
         2},
    };
    for (const auto& c : cases) {
        test::SearchStore store;
        store.state.options().VerifNomeECod = c.verify;
        store.dialogs.texts.assign(c.answers.begin(), c.answers.end());

        const auto result = askNewRecordName(store.state, c.kind);

        const std::string what = c.answers.front().value_or("(cancel)");
        EXPECT_EQ(result, c.result) << what;
        EXPECT_EQ(store.dialogs.shownTexts(), c.messages) << what;
        for (const auto& m : store.dialogs.messages) {
            EXPECT_EQ(m.flags, msg::Exclamation) << what;
        }
        EXPECT_EQ(store.dialogs.prompts.size(), c.prompts) << what;
        const std::size_t checks = c.verify ? c.messages.size() + (c.result ? 1 : 0) : 0;
        EXPECT_EQ(store.progress.waits,
                  std::vector<std::string>(checks, "Verificando Pré-Existência de Nome..."))
            << what;
    }
}

} // namespace
} // namespace tavolim::core
