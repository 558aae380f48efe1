#include "core/rules/Terms.h"

#include "core/rules/StoreCalendar.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/RuleTables.h"

#include <algorithm>

namespace tavolim::core {

TermCounting termCounting(int tipoPrazo)
{
    switch (tipoPrazo) {
    case 2:
        return TermCounting::SameLabel;
    case 3:
        return TermCounting::SameMedia;
    default:
        return TermCounting::AllTapes;
    }
}

int tableTerm(TermCounting counting, const TermTables& tables, int dayClass, TapeCounts counts)
{
    switch (counting) {
    case TermCounting::SameLabel:
        return tables.label
            .Prazos[static_cast<std::size_t>(classByCountIndex(dayClass, counts.label))];
    case TermCounting::SameMedia:
        return tables.media
            .Prazos[static_cast<std::size_t>(classByCountIndex(dayClass, counts.media))];
    case TermCounting::AllTapes:
        break;
    }
    return tables.rules
        .PrazosGerais[static_cast<std::size_t>(generalTermIndex(dayClass, counts.total))];
}

int rentalTerm(TermCounting counting, const TermTables& tables, TapeCounts counts,
               std::chrono::sys_days today, int prazoMinimo)
{
    const int t = tableTerm(counting, tables, dayClass(today), counts);
    int r = t > prazoMinimo ? nextOpenDays(tables.rules, today, today, t) : prazoMinimo;
    if (r > tables.label.NumMaxDias) {
        r = nextOpenDays(tables.rules, today, today, tables.label.NumMaxDias);
    }
    return r;
}

int renewalTerm(TermCounting counting, const TermTables& tables, int dayClass, TapeCounts counts,
                std::chrono::sys_days base, std::chrono::sys_days today)
{
    const int t = std::max(1, tableTerm(counting, tables, dayClass, counts));
    const int maxDays = std::max<int>(1, tables.label.NumMaxDias);
    int r = nextOpenDays(tables.rules, today, base, t);
    if (r > maxDays) {
        r = nextOpenDays(tables.rules, today, base, maxDays);
    }
    return r;
}

} // namespace tavolim::core
