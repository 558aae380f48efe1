#include "core/registers/RecordSearch.h"

#include "core/ports/Dialogs.h"
#include "core/registers/NameMatch.h"
#include "core/registers/SearchFixture.h"
#include "core/store/Cp1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

std::span<const std::uint8_t> bytes(const std::string& s)
{
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(NameMatch, ComparesTrimmedUpperCaseCodePageBytes)
{
    struct Case {
        const char* typed;
        bool partial;
        const char* stored; // UTF-8, stored padded to 15 bytes
        bool match;
    };
    const std::vector<Case> cases = {
        {"  conceição ", false, "CONCEIÇÃO", true},
        {"joao", false, "JOÃO", false},
        {"jo", false, "JOÃO", false},
        {"ÿvé", false, "ŸVÉ", true},
        {"ão", true, "JOÃO", true},
        {"j*o", true, "JOÃO", true},
        {"x", true, "JOÃO", false},
        {"o o", true, "JOÃO SILVA", false}, // "JOÃO SILVA" has no "O O"
        {"ão s", true, "JOÃO SILVA", true},
        {"aab", true, "AAAB", true},
        {"aba", true, "AABBA", false},
        {"a*a*a*a*a", true, "ANAMARIA", false},
        // An exact name is cut to the field's width; a partial one is not.
        {"abcdefghijklmnopqrs", false, "ABCDEFGHIJKLMNOPQRS", true},
        {"abcdefghijklmnopqrs", true, "ABCDEFGHIJKLMNOPQRS", false},
    };
    for (const auto& c : cases) {
        const NameMatch m(c.typed, c.partial, 15);

        const bool got = m.matches(bytes(encodeField(c.stored, 15)));

        EXPECT_EQ(got, c.match) << c.typed << " / " << c.stored << " partial " << c.partial;
    }
}

TEST(RecordSearch, TypedCodes)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> code;
    };
    const std::vector<Case> cases = {
        {" 7 ", 7},  {"-3", -3}, {"+4", 4},   {"99999999999", 0},
        {"12a", {}}, {"-", {}},  {"1 2", {}}, {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(typedCode(c.text), c.code) << c.text;
    }
}

struct FindCase {
    SearchMode mode;
    std::string typed;
    bool procEsp = false;
    std::optional<std::size_t> pick;             // the chooser's answer
    std::optional<std::pair<FileKind, int>> hit; // what the search gives
    std::vector<std::string> messages;
    std::vector<std::string> offered = {}; // chooser lines, when it is asked
};

const std::string kBadClient = "O código do cliente está incorreto.";
const std::string kNoClient = "Nenhum Cliente encontrado com este nome.";
const std::string kNotOut = "A fita não está emprestada.";

TEST(RecordSearch, FindsByCodeOrNameWithItsMessages)
{
    using enum SearchMode;
    const auto C = FileKind::Clients;
    const auto D = FileKind::Dependents;
    const auto T = FileKind::Tapes;
    const std::vector<FindCase> cases = {
        // Codes: 0, past the end, deleted, negative, and good ones.
        {Operations, "5", false, {}, {}, {kBadClient}},
        {Clients, "3", false, {}, {}, {kBadClient}},
        {Clients, "-1", false, {}, {}, {kBadClient}},
        {Operations, "2", false, {}, {{C, 2}}, {}},
        {Products, "2", false, {}, {}, {"O código do produto está incorreto."}},
        // Names: case and spaces do not matter; holders come before dependents.
        {Clients, "  MARIA   souza ", false, {}, {{C, 2}}, {}},
        {Clients, "zé", false, {}, {{C, 4}}, {}},
        // An exact search that finds nothing offers what the partial one finds.
        {Clients,
         "maria",
         false,
         {},
         {},
         {kNoClient + "\n\nHá 2 registros com \"maria\" em parte do nome.\nDeseja vê-los ?"},
         {"00002 Maria Souza  (titular)", "00002 ANA MARIA SOUZA  (dependente)"}},
        {Clients, "pedro paulo", false, {}, {}, {kNoClient}},
        {Clients,
         "João Silva",
         false,
         1,
         {{D, 1}},
         {},
         {"00001 JOÃO SILVA  (titular)", "00001 joão silva  (dependente)"}},
        {Clients,
         "João Silva",
         false,
         std::nullopt,
         {},
         {},
         {"00001 JOÃO SILVA  (titular)", "00001 joão silva  (dependente)"}},
        // Partial: a leading "*" or "ProcEsp"; one word may be in either part of the name.
        {Clients,
         "*souza",
         false,
         0,
         {{C, 2}},
         {},
         {"00002 Maria Souza  (titular)", "00002 ANA MARIA SOUZA  (dependente)"}},
        {Clients,
         "a ouz",
         true,
         1,
         {{D, 2}},
         {},
         {"00002 Maria Souza  (titular)", "00002 ANA MARIA SOUZA  (dependente)"}},
        {Clients, "an", true, {}, {{D, 2}}, {}},
        // Tapes, and the return that takes only a tape that is out.
        {Tapes, "chefe", false, {}, {}, {"Nenhuma fita encontrada com este nome."}},
        {Tapes, "matrix", false, 0, {{T, 1}}, {}, {"000001 Matrix", "000002 MATRIX"}},
        {ReturnTape, "1", false, {}, {}, {kNotOut}},
        {ReturnTape, "2", false, {}, {{T, 2}}, {}},
        {ReturnTape, "matrix", false, 0, {}, {kNotOut}, {"000001 Matrix", "000002 MATRIX"}},
        {ReturnTape, "*rix", false, 1, {{T, 2}}, {}, {"000001 Matrix", "000002 MATRIX"}},
        // Products skip deleted records; distributors match by contact person too.
        {Products, "refrigerante", false, {}, {}, {"Nenhum produto encontrado com este nome."}},
        {Distributors, "carlos lima", false, {}, {{FileKind::Distributors, 1}}, {}},
        {Distributors,
         "Fulano",
         false,
         {},
         {},
         {"Nenhuma Distribuidora ou pessoa para contato com este nome foram encontradas."}},
        // An empty box does nothing.
        {Clients, "   ", false, {}, {}, {}},
    };
    for (const auto& c : cases) {
        test::SearchStore store;
        store.state.options().ProcEsp = c.procEsp;
        std::vector<std::string> offered;
        const ListChooser chooser = [&](const std::string&, const std::vector<std::string>& lines) {
            offered = lines;
            return c.pick;
        };

        const auto hit = RecordSearch(store.state, c.mode).find(c.typed, chooser);

        const std::string what = searchCaption(c.mode) + " '" + c.typed + "'";
        ASSERT_EQ(hit.has_value(), c.hit.has_value()) << what;
        if (hit) {
            EXPECT_EQ(hit->kind, c.hit->first) << what;
            EXPECT_EQ(hit->number, c.hit->second) << what;
        }
        EXPECT_EQ(store.dialogs.shownTexts(), c.messages) << what;
        EXPECT_EQ(offered, c.offered) << what;
    }
}

TEST(RecordSearch, PartialSearchIsOfferedAndExplained)
{
    struct Case {
        const char* typed;
        msg::Answer answer; // to the offer
        std::optional<std::pair<FileKind, int>> hit;
    };
    const Case cases[] = {
        {"zé", msg::Answer::Yes, std::pair{FileKind::Clients, 4}},
        {"souz", msg::Answer::No, std::nullopt},
        {"souz", msg::Answer::Yes, std::pair{FileKind::Clients, 2}},
    };
    for (const Case& c : cases) {
        test::SearchStore store;
        store.dialogs.answers = {c.answer};

        const auto hit = RecordSearch(store.state, SearchMode::Clients)
                             .find(c.typed, [](const auto&, const auto&) { return 0; });

        EXPECT_EQ(hit ? std::optional(std::pair{hit->kind, int(hit->number)}) : std::nullopt, c.hit)
            << c.typed;
        const bool offered = std::string(c.typed) != "zé";
        EXPECT_EQ(store.dialogs.messages.size(), offered ? 1u : 0u) << c.typed;
        if (offered) {
            EXPECT_EQ(store.dialogs.messages[0].flags, msg::Question + msg::YesNo);
        }
    }
    EXPECT_EQ(searchHint(SearchMode::Operations, false),
              "Por parte do nome, comece com *: \"*carlos\" acha \"Carlos Pereira\".");
    EXPECT_EQ(searchHint(SearchMode::Tapes, true),
              "A procura por parte do nome está ligada: \"tesouro\" acha \"O Tesouro "
              "Vermelho\".");
}

TEST(RecordSearch, ADependentIsListedUnderItsFamilysNumber)
{
    test::SearchStore store;
    auto& records = store.state.records();
    records.dependent() = {};
    records.dependent().Titular = 4;
    records.dependent().PrimNome = "Lia";
    records.dependent().SobreNome = "SILVA";
    records.writeRecord(FileKind::Dependents, 3);
    std::vector<std::string> offered;

    RecordSearch(store.state, SearchMode::Operations)
        .find("*silva", [&](const std::string&, const std::vector<std::string>& lines) {
            offered = lines;
            return std::optional<std::size_t>{};
        });

    EXPECT_EQ(offered, (std::vector<std::string>{"00001 JOÃO SILVA  (titular)",
                                                 "00001 joão silva  (dependente)",
                                                 "00004 Lia SILVA  (dependente)"}));
}

TEST(RecordSearch, TheFoundRecordBecomesCurrentAndMessagesHaveTheirIcons)
{
    test::SearchStore store;
    auto& records = store.state.records();
    records.client() = {};
    records.dependent() = {};

    RecordSearch(store.state, SearchMode::Operations).find("ana maria souza", {});
    RecordSearch(store.state, SearchMode::Clients).find("4", {});
    RecordSearch(store.state, SearchMode::Clients).find("99", {});
    RecordSearch(store.state, SearchMode::Clients).find("ninguém", {});

    EXPECT_EQ(records.dependent().Titular, 2);
    EXPECT_EQ(records.client().PrimNome, "Zé");
    ASSERT_EQ(store.dialogs.messages.size(), 2u);
    EXPECT_EQ(store.dialogs.messages[0].flags, msg::Exclamation);
    EXPECT_EQ(store.dialogs.messages[1].flags, msg::Information);
}

} // namespace
} // namespace tavolim::core
