#pragma once

#include "core/rules/RentalCounters.h"
#include "core/store/RuleTables.h"

#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
struct GeneralRulesRecord;
struct LabelRecord;
struct MediaRecord;

// The freebie and promotion boxes shown after a tape is added to a rental, when a count
// reaches an entry of the general, label or media table (looked up in that order). Granting
// is advisory: the operator marks the free tapes by hand.
struct RuleMessage {
    std::string title; // "Brinde" or "Promoção"
    std::string text;
};

// Name of the label (FreebieKind::Label) or media (FreebieKind::Media) with the given code.
using GrantedName = std::function<std::string(FreebieKind kind, int code)>;

// FreebieMessage with the price pair's counts of the added tape's label and media. Entries
// that grant no units or name no kind show nothing.
std::vector<RuleMessage> freebieMessages(const GeneralRulesRecord& rules, const LabelRecord& label,
                                         const MediaRecord& media, int dayClass,
                                         TapeCounts priceCounts, const GrantedName& grantedName);

// PromotionMessage with the promotion pair's counts; `memoText` gives the text of a memo.
std::vector<RuleMessage> promotionMessages(const GeneralRulesRecord& rules,
                                           const LabelRecord& label, const MediaRecord& media,
                                           int dayClass, TapeCounts promotionCounts,
                                           const std::function<std::string(int)>& memoText);

// Shows the boxes for today's day class through the Dialogs port. A label or media named by
// a freebie is read to get its name and becomes the current record of its kind.
void showFreebieMessages(AppState& state, const LabelRecord& label, const MediaRecord& media,
                         TapeCounts priceCounts);
void showPromotionMessages(AppState& state, const LabelRecord& label, const MediaRecord& media,
                           TapeCounts promotionCounts);

} // namespace tavolim::core
