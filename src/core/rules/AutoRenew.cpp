#include "core/rules/AutoRenew.h"

#include "core/rules/StoreCalendar.h"
#include "core/rules/TapeCharge.h"
#include "core/state/AppState.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>

namespace tavolim::core {
namespace {

using std::chrono::sys_days;

std::optional<sys_days> dueDate(const TapeRecord& tape)
{
    const auto base = toYmd(tape.DataBase);
    if (!base) {
        return std::nullopt;
    }
    return sys_days(*base) + std::chrono::days(tape.DiasBase);
}

int countOf(const std::map<int, int>& counts, int code)
{
    const auto it = counts.find(code);
    return it == counts.end() ? 0 : it->second;
}

// The person's tapes read into memory, with the label and media records they name read once
// each.
class PersonTapes {
public:
    PersonTapes(AppState& state, std::span<const std::int16_t> tapeCodes) : m_state(state)
    {
        const auto& records = state.records();
        for (const auto code : tapeCodes) {
            // A code listed twice (a damaged list) is still one tape, renewed once.
            if (code < 1 || std::find(m_codes.begin(), m_codes.end(), code) != m_codes.end()) {
                continue;
            }
            m_codes.push_back(code);
            m_tapes.push_back(records.load<TapeRecord>(code));
        }
    }

    std::span<TapeRecord> tapes() { return m_tapes; }

    RenewalRules rules()
    {
        return {m_state.records().rules(), termCounting(m_state.options().TipoPrazo),
                workingDay(m_state), [this](int code) -> const LabelRecord& { return label(code); },
                [this](int code) -> const MediaRecord& { return media(code); }};
    }

    bool write(std::size_t i) { return m_state.records().save(m_codes[i], m_tapes[i]); }

private:
    const LabelRecord& label(int code) { return lookup(m_labels, code); }
    const MediaRecord& media(int code) { return lookup(m_media, code); }

    template <class R>
    const R& lookup(std::map<int, R>& cache, int code)
    {
        auto it = cache.find(code);
        if (it == cache.end()) {
            it = cache.emplace(code, code >= 1 ? m_state.records().load<R>(code) : R{}).first;
        }
        return it->second;
    }

    AppState& m_state;
    std::vector<std::int16_t> m_codes;
    std::vector<TapeRecord> m_tapes;
    std::map<int, LabelRecord> m_labels;
    std::map<int, MediaRecord> m_media;
};

bool reRenting(const AppState& state)
{
    return lateCharging(state.options().TipoCobraAtraso) == LateCharging::ReRent;
}

} // namespace

std::vector<std::size_t> renewEarliestDueDate(std::span<TapeRecord> tapes,
                                              const RenewalRules& rules)
{
    std::optional<sys_days> earliest;
    for (const auto& tape : tapes) {
        const auto due = dueDate(tape);
        if (due && (!earliest || *due < *earliest)) {
            earliest = due;
        }
    }
    if (!earliest || *earliest >= rules.today) {
        return {};
    }

    std::vector<std::size_t> renewed;
    std::map<int, int> byLabel;
    std::map<int, int> byMedia;
    for (std::size_t i = 0; i < tapes.size(); ++i) {
        if (dueDate(tapes[i]) == earliest) {
            renewed.push_back(i);
            ++byLabel[tapes[i].Selo];
            ++byMedia[tapes[i].Midia];
        }
    }

    const sys_days r = *earliest;
    const int c = dayClass(r);
    const int total = static_cast<int>(renewed.size());
    const MediaRecord noMedia{};
    for (const auto i : renewed) {
        auto& tape = tapes[i];
        const TapeCounts counts{total, countOf(byLabel, tape.Selo), countOf(byMedia, tape.Midia)};
        const auto& label = rules.label(tape.Selo);
        // The media record is read only when it chooses the term.
        const auto& media =
            rules.counting == TermCounting::SameMedia ? rules.media(tape.Midia) : noMedia;
        tape.DataBase = fromYmd(std::chrono::year_month_day(r));
        tape.DiasBase = static_cast<std::int16_t>(
            renewalTerm(rules.counting, {rules.rules, label, media}, c, counts, r, rules.today));
        tape.AcertoValor += labelPrice(label, counts.label, c);
        if (tape.AcertoQtd < std::numeric_limits<std::int16_t>::max()) {
            ++tape.AcertoQtd;
        }
        tape.QtdBase = static_cast<std::int16_t>(total);
    }
    return renewed;
}

RenewalReport autoRenew(AppState& state, std::span<const std::int16_t> tapeCodes)
{
    RenewalReport report;
    if (!reRenting(state)) {
        return report;
    }
    PersonTapes person(state, tapeCodes);
    const auto rules = person.rules();
    std::vector<bool> changed(person.tapes().size(), false);
    for (;;) {
        const auto renewed = renewEarliestDueDate(person.tapes(), rules);
        if (renewed.empty()) {
            break;
        }
        for (const auto i : renewed) {
            changed[i] = true;
        }
        report.renewals += static_cast<int>(renewed.size());
    }
    for (std::size_t i = 0; i < changed.size(); ++i) {
        if (changed[i]) {
            report.written = person.write(i) && report.written;
            ++report.tapeWrites;
        }
    }
    return report;
}

RenewalReport autoRenewOnce(AppState& state, std::span<const std::int16_t> tapeCodes)
{
    RenewalReport report;
    if (!reRenting(state)) {
        return report;
    }
    PersonTapes person(state, tapeCodes);
    for (const auto i : renewEarliestDueDate(person.tapes(), person.rules())) {
        report.written = person.write(i) && report.written;
        ++report.renewals;
        ++report.tapeWrites;
    }
    return report;
}

} // namespace tavolim::core
