#include "core/rules/RulesEditor.h"

#include "core/ports/Dialogs.h"
#include "core/rules/FreebieRules.h"
#include "core/rules/RuleCells.h"
#include "core/rules/RulesEditorFixture.h"
#include "core/state/AppState.h"
#include "core/store/ConfigFile.h"
#include "support/RecordFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using test::RulesEditorTest;

TEST(RuleCells, EveryBoxRefusesTextNegativesAndValuesItsFieldCannotHold)
{
    using Check = std::function<std::optional<std::string>(std::string_view)>;
    const auto refusalOf = [](auto typed) -> std::optional<std::string> {
        if (const auto* r = std::get_if<CellRefusal>(&typed)) {
            return r->text;
        }
        return std::nullopt;
    };
    const Check price = [&](std::string_view t) { return refusalOf(typedPrice(t)); };
    const Check term = [&](std::string_view t) { return refusalOf(typedTerm(t)); };
    const Check maxDays = [&](std::string_view t) { return refusalOf(typedMaxDays(t)); };
    const Check receipt = [&](std::string_view t) { return refusalOf(typedReceiptNumber(t)); };
    const Check count = [&](std::string_view t) { return refusalOf(typedFreebieCount(t)); };
    const Check fine = [&](std::string_view t) { return refusalOf(typedFineValue(t)); };
    const std::string notNumber = "O valor digitado não é um número.";
    const std::string negative = "O valor não pode ser negativo.";
    const struct {
        const Check* check;
        const char* typed;
        std::optional<std::string> refusal;
    } cases[] = {
        {&price, "2,50", std::nullopt},
        {&price, "R$ 1.234,5", std::nullopt},
        {&price, "abc", notNumber},
        {&price, "", notNumber},
        {&price, "-1,00", negative},
        {&price, "0", "O valor da diária nao pode ser nulo."},
        {&price, "100000", "O valor não pode passar de R$ 99.999,99."},
        {&price, "99999999999999999999", "O valor não pode passar de R$ 99.999,99."},
        {&fine, "0", std::nullopt},
        {&term, "3", std::nullopt},
        {&term, "0", "O prazo deve ser no mínimo de um dia."},
        {&term, "-2", "O prazo deve ser no mínimo de um dia."},
        {&term, "2,5", notNumber},
        {&term, "40000", "O prazo não pode passar de 9999 dias."},
        {&maxDays, "0", std::nullopt},
        {&maxDays, "-1", negative},
        {&receipt, "2147483647", std::nullopt},
        {&receipt, "2147483648", "O número do recibo não pode passar de 2147483647."},
        {&receipt, "1e3", notNumber},
        {&count, "0", "O número de fitas não pode ser nulo."},
        {&count, "16", "O número de fitas não pode ser maior que 15."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ((*c.check)(c.typed), c.refusal) << '"' << c.typed << '"';
    }
    EXPECT_EQ(*accepted(typedPrice("R$ 1.234,5")), Money::fromCents(123450));
}

TEST_F(RulesEditorTest, ARefusedCellShowsWhyAndChangesNothing)
{
    const struct {
        const char* what;
        std::function<bool(RulesEditor&)> act;
        const char* refusal;
    } cases[] = {
        {"price",
         [](RulesEditor& e) {
             return e.setPrice({0, 1}, 1, 1, "dez");
         },
         "O valor digitado não é um número."},
        {"term", [](RulesEditor& e) { return e.setTerm({}, 2, 3, "0"); },
         "O prazo deve ser no mínimo de um dia."},
        {"max days", [](RulesEditor& e) { return e.setMaxDays(0, "-3"); },
         "O valor não pode ser negativo."},
        {"receipt", [](RulesEditor& e) { return e.setNumRecibo("99999999999"); },
         "O número do recibo não pode passar de 2147483647."},
        {"fine value", [](RulesEditor& e) { return e.setFineValue(0, "-0,50"); },
         "O valor não pode ser negativo."},
        {"fine time", [](RulesEditor& e) { return e.setFineTime(0, "uma"); },
         "O valor digitado não é um número."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RulesEditor editor(state);
        dialogs.messages.clear();

        EXPECT_FALSE(c.act(editor));

        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{c.refusal});
        EXPECT_FALSE(editor.isDirty());
        EXPECT_EQ(editor.priceText({0}, 1, 1), "1,00");
        EXPECT_EQ(editor.termText({}, 2, 3), "1");
    }
}

TEST_F(RulesEditorTest, APriceTypedForSeveralLabelsGoesToEachOfThem)
{
    RulesEditor editor(state);
    EXPECT_TRUE(editor.pricesDiffer({0, 2}, 3, 1));

    ASSERT_TRUE(editor.setPrice({0, 2}, 3, 1, "5.5"));

    EXPECT_FALSE(editor.pricesDiffer({0, 2}, 3, 1));
    EXPECT_EQ(editor.priceText({2}, 3, 1), "5,50");
    EXPECT_EQ(editor.priceText({1}, 3, 1), "2,00");
    ASSERT_TRUE(editor.save());
    // Count 1 of class 3 is element (1 - 1) x 3 + (3 - 1) of the count-major table.
    const auto labels = bytesOf("FitaSelo.tvl");
    for (std::size_t label : {0u, 2u}) {
        float price = 0;
        std::memcpy(&price, &labels[label * LabelRecord::Size + 29 + 2 * 4], 4);
        EXPECT_FLOAT_EQ(price, 5.5f);
    }
}

TEST_F(RulesEditorTest, TermsGoToTheTableTheCountingModeNames)
{
    const struct {
        int tipo;
        std::vector<int> owners;
        std::function<std::int16_t()> stored;
    } cases[] = {
        {1, {}, [this] { return state.records().rules().PrazosGerais[generalTermIndex(2, 1)]; }},
        {2,
         {1, 3},
         [this] { return state.records().load<LabelRecord>(4).Prazos[classByCountIndex(2, 1)]; }},
        {3,
         {2},
         [this] { return state.records().load<MediaRecord>(3).Prazos[classByCountIndex(2, 1)]; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tipo);
        RulesEditor editor(state);
        editor.setTipoPrazo(c.tipo);

        ASSERT_TRUE(editor.setTerm(c.owners, 2, 1, "6"));
        ASSERT_TRUE(editor.save());

        EXPECT_EQ(c.stored(), 6);
        EXPECT_EQ(ConfigFile(folder.path()).readConfig("TipoPrazo", ""), std::to_string(c.tipo));
        EXPECT_EQ(state.options().TipoPrazo, c.tipo);
    }
}

TEST_F(RulesEditorTest, SettingsAndDaysAreStoredWhereTheCounterReadsThem)
{
    RulesEditor editor(state);
    editor.setTipoCobraAtraso(4);
    editor.setCobrarMulta(true);
    editor.setBrindeAuto(true);
    editor.setContaBrindeDiaria(true);
    editor.setContaBrindePrazo(true);
    editor.setContaBrindeMsg(true);
    editor.setAbreDomingo(true);
    editor.setCobraDomingo(true);
    editor.setCobraSabado(false);
    ASSERT_TRUE(editor.setNumRecibo("1234"));

    ASSERT_TRUE(editor.save());

    const ConfigFile config(folder.path());
    for (const char* key :
         {"CobrarMulta", "BrindeAuto", "ContaBrindeDiaria", "ContaBrindePrazo", "ContaBrindeMsg"}) {
        EXPECT_EQ(config.readConfig(key, ""), "True") << key;
    }
    EXPECT_EQ(config.readConfig("TipoCobraAtraso", ""), "4");
    const auto& o = state.options();
    EXPECT_TRUE(o.CobrarMulta && o.BrindeAuto && o.ContaBrindeDiaria && o.ContaBrindePrazo &&
                o.ContaBrindeMsg);
    EXPECT_EQ(o.TipoCobraAtraso, 4);
    const auto stored = test::readRecords<GeneralRulesRecord>(folder.file("tavolim.ini"))[0];
    EXPECT_EQ(stored.NumeroRecibo, 1234);
    EXPECT_TRUE(stored.AbreDomingo);
    EXPECT_TRUE(stored.CobraDomingo);
    EXPECT_FALSE(stored.CobraSabado);
    EXPECT_EQ(state.records().rules().NumeroRecibo, 1234);
}

TEST_F(RulesEditorTest, PromotionTextsGoToTheMemoStoreAndTheirNumbersToTheTables)
{
    {
        RulesEditor editor(state);
        editor.setPromotionText(TableOwner::General, 0, 1, 3, "Leve 3, pague 2!");
        editor.setPromotionText(TableOwner::Label, 2, 2, 1, "Selo 3 em dobro");
        ASSERT_TRUE(editor.save());
    }
    const std::int16_t general = state.records().rules().PromocoesGerais[classByCountIndex(1, 3)];
    const std::int16_t label =
        state.records().load<LabelRecord>(3).Promocoes[classByCountIndex(2, 1)];
    EXPECT_EQ(state.memos().readMemo(general), "Leve 3, pague 2!");
    EXPECT_EQ(state.memos().readMemo(label), "Selo 3 em dobro");

    RulesEditor editor(state);
    EXPECT_EQ(editor.promotionText(TableOwner::Label, 2, 2, 1), "Selo 3 em dobro");
    editor.setPromotionText(TableOwner::Label, 2, 2, 1, "  ");
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(state.records().load<LabelRecord>(3).Promocoes[classByCountIndex(2, 1)], 0);
    EXPECT_EQ(state.records().rules().MemosLivres, 1);
}

TEST(FreebieRules, EntriesAtMultiplesWithTheSameCodeReadAsOneRepeatingRule)
{
    const auto grant = [](int units) { return FreebieCode{units, 0, FreebieKind::AnyTape}; };
    RuleTable table{};
    storeFreebieRule(table, 2, 3, 12, grant(1));  // 3, 6, 9, 12
    storeFreebieRule(table, 2, 5, 5, grant(2));   // 5 only
    storeFreebieRule(table, 2, 10, 10, grant(1)); // 10: same code as the first, not a multiple
    storeFreebieRule(table, 1, 2, 15, grant(1));  // another day class

    const auto rules = freebieRulesOf(table, 2, FreebieKind::Label, 4);

    const std::vector<FreebieRule> expected = {
        {FreebieKind::Label, 4, 3, 12, grant(1)},
        {FreebieKind::Label, 4, 5, 5, grant(2)},
        {FreebieKind::Label, 4, 10, 10, grant(1)},
    };
    EXPECT_EQ(rules, expected);
    clearFreebieRule(table, 2, rules[0]);
    EXPECT_EQ(freebieRulesOf(table, 2, FreebieKind::Label, 4).size(), 2u);
    EXPECT_EQ(freebieRulesOf(table, 1, FreebieKind::Label, 4).front().upTo, 14);
}

TEST_F(RulesEditorTest, FreebieRulesAreAddedRemovedAndCopiedByDayClass)
{
    RulesEditor editor(state);
    const struct {
        RulesEditor::NewFreebie rule;
        const char* refusal;
    } refused[] = {
        {{FreebieKind::AnyTape, -1, "0", "", "1", FreebieKind::AnyTape, -1},
         "O número de fitas não pode ser nulo."},
        {{FreebieKind::AnyTape, -1, "16", "", "1", FreebieKind::AnyTape, -1},
         "O número de fitas não pode ser maior que 15."},
        {{FreebieKind::Label, -1, "2", "", "1", FreebieKind::AnyTape, -1},
         "Selecione o selo das fitas contadas."},
        {{FreebieKind::AnyTape, -1, "2", "", "0", FreebieKind::AnyTape, -1},
         "O número de brindes não pode ser nulo."},
        {{FreebieKind::AnyTape, -1, "2", "", "1", FreebieKind::Media, 9},
         "Selecione a mídia dos brindes."},
        {{FreebieKind::AnyTape, -1, "4", "3", "1", FreebieKind::AnyTape, -1},
         "O número máximo não pode ser menor que o número de fitas."},
    };
    for (const auto& r : refused) {
        dialogs.messages.clear();
        EXPECT_FALSE(editor.addFreebieRule(3, r.rule));
        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{r.refusal});
    }
    EXPECT_FALSE(editor.isDirty());

    ASSERT_TRUE(
        editor.addFreebieRule(3, {FreebieKind::Media, 1, "2", "6", "1", FreebieKind::Label, 0}));
    const auto rules = editor.freebieRules(3);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(editor.freebieRow(0, rules[0]),
              (std::array<std::string, 6>{"1", "Mídia Mídia 2", "6", "2", "1", "Selo Selo 1"}));
    EXPECT_TRUE(editor.freebieRules(1).empty());
    dialogs.messages.clear();
    editor.copyFreebieRules(3);
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"Os dados foram copiados para os outros dias da semana."});
    EXPECT_EQ(editor.freebieRules(1), editor.freebieRules(2));
    editor.removeFreebieRule(3, rules[0]);
    EXPECT_TRUE(editor.freebieRules(3).empty());
    ASSERT_TRUE(editor.save());
    const auto media = state.records().load<MediaRecord>(2);
    EXPECT_EQ(FreebieCode::decode(media.Brindes[classByCountIndex(1, 4)]),
              (FreebieCode{1, 1, FreebieKind::Label}));
    EXPECT_EQ(media.Brindes[classByCountIndex(3, 4)], 0);
}

} // namespace
} // namespace tavolim::core
