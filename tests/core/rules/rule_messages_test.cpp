#include "core/rules/RuleMessages.h"

#include "core/ports/Dialogs.h"
#include "core/rules/RulesFixture.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/MemoStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using test::date;

std::int16_t& entry(std::array<std::int16_t, RuleTableSize>& table, int dayClass, int count)
{
    return table[static_cast<std::size_t>(classByCountIndex(dayClass, count))];
}

// Saturday: day class 3. Labels "Catálogo" (1) and "Lançamento" (3); media "VHS" (1) and
// "DVD" (2).
struct Store : test::RulesFixture {
    Store() : RulesFixture(date(2026, 12, 5))
    {
        writeLabel(3, "Lançamento", 500, 1);
        writeLabel(2, "Infantil", 300, 1);
        writeLabel(1, "Catálogo", 300, 2);
        writeMedia(2, "DVD");
        writeMedia(1, "VHS");
        tapeLabel = records().label();
        tapeMedia = records().media();
    }

    LabelRecord tapeLabel;
    MediaRecord tapeMedia;
};

TEST(RuleMessages, FreebieCodesAreDecodedAndWordedForEachTable)
{
    Store s;
    auto& rules = s.records().rules();
    entry(rules.BrindesGerais, 3, 2) = 0x1002; // 2 of any tape
    entry(s.tapeLabel.Brindes, 3, 2) = 0x2035; // 5 of label 3
    entry(s.tapeMedia.Brindes, 3, 1) = 0x3021; // 1 of media 2
    entry(s.tapeMedia.Brindes, 3, 2) = 0x0005; // units of no kind
    entry(rules.BrindesGerais, 1, 2) = 0x1003; // another day class

    showFreebieMessages(s.state, s.tapeLabel, s.tapeMedia, {2, 2, 1});
    const auto texts = s.dialogs.shownTexts();
    showFreebieMessages(s.state, s.tapeLabel, s.tapeMedia, {3, 1, 2});

    EXPECT_EQ(texts, (std::vector<std::string>{
                         "2 Unidades Locáveis.\n\nDireito a 2 Unidade(s) de Qualquer Gênero.",
                         "2 Unidades do Selo Catálogo.\n\n"
                         "Direito a 5 Unidade(s) do Selo Lançamento.",
                         "1 Unidades da Mídia VHS.\n\nDireito a 1 Unidade(s) da Mídia DVD.",
                     }));
    EXPECT_EQ(s.dialogs.messages.size(), 3u); // the second tape reached no entry
    for (const auto& m : s.dialogs.messages) {
        EXPECT_EQ(m.title, "Brinde");
        EXPECT_EQ(m.flags, msg::Information);
    }
}

TEST(RuleMessages, PromotionsShowTheirMemoTexts)
{
    Store s;
    auto memos = s.state.memos();
    std::int32_t general = 0;
    std::int32_t media = 0;
    std::string generalText = "Leve 3, pague 2!";
    std::string mediaText = "DVD em dobro às quartas.";
    memos.writeMemo(general, generalText);
    memos.writeMemo(media, mediaText);
    entry(s.records().rules().PromocoesGerais, 3, 3) = static_cast<std::int16_t>(general);
    entry(s.tapeLabel.Promocoes, 3, 1) = -1;
    entry(s.tapeMedia.Promocoes, 3, 2) = static_cast<std::int16_t>(media);

    showPromotionMessages(s.state, s.tapeLabel, s.tapeMedia, {3, 1, 2});

    ASSERT_EQ(s.dialogs.messages.size(), 2u);
    EXPECT_EQ(s.dialogs.messages[0].text, "3 Unidades Locáveis.\n\nLeve 3, pague 2!");
    EXPECT_EQ(s.dialogs.messages[1].text, "2 Unidades da Mídia VHS.\n\nDVD em dobro às quartas.");
    EXPECT_EQ(s.dialogs.messages[1].title, "Promoção");
    EXPECT_EQ(s.dialogs.messages[1].flags, msg::Information);
}

} // namespace
} // namespace tavolim::core
