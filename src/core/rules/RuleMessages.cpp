#include "core/rules/RuleMessages.h"

#include "core/ports/Dialogs.h"
#include "core/rules/StoreCalendar.h"
#include "core/state/AppState.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/TextHelpers.h"

#include <array>
#include <cstdint>

namespace tavolim::core {
namespace {

constexpr const char* kFreebieTitle = "Brinde";
constexpr const char* kPromotionTitle = "Promoção";

// The three tables looked up for an added tape, each with its count and its count line.
struct Lookup {
    std::int16_t entry;
    std::string countLine;
};

using Table = std::array<std::int16_t, RuleTableSize>;

std::array<Lookup, 3> lookups(const Table& general, const Table& byLabel, const Table& byMedia,
                              const LabelRecord& label, const MediaRecord& media, int dayClass,
                              TapeCounts counts)
{
    auto at = [&](const Table& table, int count) {
        return table[static_cast<std::size_t>(classByCountIndex(dayClass, count))];
    };
    return {{
        {at(general, counts.total), std::to_string(counts.total) + " Unidades Locáveis."},
        {at(byLabel, counts.label),
         std::to_string(counts.label) + " Unidades do Selo " + trim(label.Nome) + "."},
        {at(byMedia, counts.media),
         std::to_string(counts.media) + " Unidades da Mídia " + trim(media.Nome) + "."},
    }};
}

std::string grantText(FreebieCode code, const GrantedName& grantedName)
{
    std::string text = "Direito a " + std::to_string(code.units) + " Unidade(s) ";
    switch (code.kind) {
    case FreebieKind::Label:
        return text + "do Selo " + trim(grantedName(code.kind, code.code)) + ".";
    case FreebieKind::Media:
        return text + "da Mídia " + trim(grantedName(code.kind, code.code)) + ".";
    case FreebieKind::AnyTape:
    case FreebieKind::None:
        break;
    }
    return text + "de Qualquer Gênero.";
}

void show(AppState& state, const std::vector<RuleMessage>& messages)
{
    for (const auto& m : messages) {
        state.ports().dialogs.message(m.text, msg::Information, m.title);
    }
}

} // namespace

std::vector<RuleMessage> freebieMessages(const GeneralRulesRecord& rules, const LabelRecord& label,
                                         const MediaRecord& media, int dayClass,
                                         TapeCounts priceCounts, const GrantedName& grantedName)
{
    std::vector<RuleMessage> messages;
    for (const auto& l : lookups(rules.BrindesGerais, label.Brindes, media.Brindes, label, media,
                                 dayClass, priceCounts)) {
        const auto code = FreebieCode::decode(l.entry);
        if (!code.grantsNothing()) {
            messages.push_back(
                {kFreebieTitle, l.countLine + "\n\n" + grantText(code, grantedName)});
        }
    }
    return messages;
}

std::vector<RuleMessage> promotionMessages(const GeneralRulesRecord& rules,
                                           const LabelRecord& label, const MediaRecord& media,
                                           int dayClass, TapeCounts promotionCounts,
                                           const std::function<std::string(int)>& memoText)
{
    std::vector<RuleMessage> messages;
    for (const auto& l : lookups(rules.PromocoesGerais, label.Promocoes, media.Promocoes, label,
                                 media, dayClass, promotionCounts)) {
        if (l.entry > 0) {
            messages.push_back({kPromotionTitle, l.countLine + "\n\n" + memoText(l.entry)});
        }
    }
    return messages;
}

void showFreebieMessages(AppState& state, const LabelRecord& label, const MediaRecord& media,
                         TapeCounts priceCounts)
{
    const auto& records = state.records();
    const auto grantedName = [&records](FreebieKind kind, int code) -> std::string {
        if (code < 1) {
            return {};
        }
        return kind == FreebieKind::Label ? records.load<LabelRecord>(code).Nome
                                          : records.load<MediaRecord>(code).Nome;
    };
    show(state, freebieMessages(records.rules(), label, media, dayClass(workingDay(state)),
                                priceCounts, grantedName));
}

void showPromotionMessages(AppState& state, const LabelRecord& label, const MediaRecord& media,
                           TapeCounts promotionCounts)
{
    const auto memos = state.memos();
    show(state,
         promotionMessages(state.records().rules(), label, media, dayClass(workingDay(state)),
                           promotionCounts, [&memos](int memo) { return memos.readMemo(memo); }));
}

} // namespace tavolim::core
