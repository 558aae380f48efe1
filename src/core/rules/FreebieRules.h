#pragma once

#include "core/store/RuleTables.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tavolim::core {

using RuleTable = std::array<std::int16_t, RuleTableSize>;

// A freebie rule of the rules editor: "A cada" `every` tapes of the counted kind, the grant
// (units, kind and qualifier) is due. It lives in the Brindes table of the counted kind (the
// general one for any tape, else the label's or the media's) at count `every` of one day
// class and, when it repeats, again at every multiple of `every` up to `upTo`.
struct FreebieRule {
    FreebieKind counted = FreebieKind::AnyTape;
    int countedCode = 0; // label or media code; 0 for any tape
    int every = 0;
    int upTo = 0; // the last count it is stored at; `every` when it does not repeat
    FreebieCode grant;

    bool operator==(const FreebieRule&) const = default;
};

// The rules one table holds for a day class, by count. An entry and the entries at its
// multiples holding the same code read as one repeating rule; any other entry is a rule of
// its own.
std::vector<FreebieRule> freebieRulesOf(const RuleTable& table, int dayClass, FreebieKind counted,
                                        int countedCode);

// Stores the grant at `every`, 2 x `every`, ... up to `upTo` for the day class, over whatever
// those counts held.
void storeFreebieRule(RuleTable& table, int dayClass, int every, int upTo, FreebieCode grant);
// Clears what the rule stored, leaving counts that hold something else.
void clearFreebieRule(RuleTable& table, int dayClass, const FreebieRule& rule);
// Every count of the other two day classes takes the entry of `dayClass`.
void copyDayClass(RuleTable& table, int dayClass);

// After label or media `deleted` is gone: grants of that kind naming it name the replacement,
// and grants naming a later one name one less, as the records moved down.
void renumberGrants(RuleTable& table, FreebieKind kind, int deleted, int replacement);

} // namespace tavolim::core
