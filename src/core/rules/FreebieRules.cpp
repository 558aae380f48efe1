#include "core/rules/FreebieRules.h"

namespace tavolim::core {
namespace {

std::int16_t& at(RuleTable& table, int dayClass, int count)
{
    return table[static_cast<std::size_t>(classByCountIndex(dayClass, count))];
}

std::int16_t at(const RuleTable& table, int dayClass, int count)
{
    return table[static_cast<std::size_t>(classByCountIndex(dayClass, count))];
}

} // namespace

std::vector<FreebieRule> freebieRulesOf(const RuleTable& table, int dayClass, FreebieKind counted,
                                        int countedCode)
{
    std::vector<FreebieRule> rules;
    std::array<bool, MaxRuleCount + 1> claimed{};
    for (int n = 1; n <= MaxRuleCount; ++n) {
        const std::int16_t code = at(table, dayClass, n);
        if (claimed[static_cast<std::size_t>(n)] || code == 0) {
            continue;
        }
        int upTo = n;
        for (int k = 2 * n; k <= MaxRuleCount; k += n) {
            if (claimed[static_cast<std::size_t>(k)] || at(table, dayClass, k) != code) {
                break;
            }
            upTo = k;
        }
        for (int k = n; k <= upTo; k += n) {
            claimed[static_cast<std::size_t>(k)] = true;
        }
        rules.push_back({counted, countedCode, n, upTo, FreebieCode::decode(code)});
    }
    return rules;
}

void storeFreebieRule(RuleTable& table, int dayClass, int every, int upTo, FreebieCode grant)
{
    if (every < 1) {
        return;
    }
    for (int k = every; k <= upTo && k <= MaxRuleCount; k += every) {
        at(table, dayClass, k) = grant.encode();
    }
}

void clearFreebieRule(RuleTable& table, int dayClass, const FreebieRule& rule)
{
    if (rule.every < 1) {
        return;
    }
    const std::int16_t code = rule.grant.encode();
    for (int k = rule.every; k <= rule.upTo && k <= MaxRuleCount; k += rule.every) {
        if (at(table, dayClass, k) == code) {
            at(table, dayClass, k) = 0;
        }
    }
}

void copyDayClass(RuleTable& table, int dayClass)
{
    for (int n = 1; n <= MaxRuleCount; ++n) {
        const std::int16_t code = at(table, dayClass, n);
        for (int c = 1; c <= DayClasses; ++c) {
            at(table, c, n) = code;
        }
    }
}

void renumberGrants(RuleTable& table, FreebieKind kind, int deleted, int replacement)
{
    for (auto& entry : table) {
        FreebieCode grant = FreebieCode::decode(entry);
        if (entry == 0 || grant.kind != kind) {
            continue;
        }
        if (grant.code == deleted) {
            grant.code = replacement;
        }
        if (grant.code > deleted) {
            --grant.code;
        }
        // Bits 14 and 15 carry nothing; they stay as they were.
        entry = static_cast<std::int16_t>((entry & 0xC000) | (grant.encode() & 0x3FFF));
    }
}

} // namespace tavolim::core
