#include "core/reports/ListPrompts.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

#include <algorithm>

namespace tavolim::core {
namespace {

// Picks a 1-based position among the non-blank names; nullopt when cancelled or when there
// is nothing to pick.
std::optional<std::int32_t> pick(const std::vector<std::string>& names, ChooserList chooser,
                                 const ListChooser& choose)
{
    std::vector<std::string> lines;
    std::vector<std::int32_t> positions;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!names[i].empty()) {
            lines.push_back(names[i]);
            positions.push_back(static_cast<std::int32_t>(i + 1));
        }
    }
    if (lines.empty() || !choose) {
        return std::nullopt;
    }
    const auto chosen = choose(chooserCaption(chooser), lines);
    if (!chosen || *chosen >= lines.size()) {
        return std::nullopt;
    }
    return positions[*chosen];
}

} // namespace

std::optional<RecordList> runList(AppState& state, ListKind kind, const ListChooser& choose)
{
    const ListInfo& info = listInfo(kind);
    Dialogs& dialogs = state.ports().dialogs;
    ListChoice choice;
    switch (info.argument) {
    case ListArgument::None:
        break;
    case ListArgument::Section:
    case ListArgument::Label: {
        const bool section = info.argument == ListArgument::Section;
        const auto names =
            section ? sectionChoices(state.records().rules()) : labelChoices(state.records());
        if (std::none_of(names.begin(), names.end(), [](const auto& n) { return !n.empty(); })) {
            dialogs.message(std::string(info.emptyMessage), msg::Information);
            return std::nullopt;
        }
        const auto position =
            pick(names, section ? ChooserList::Sections : ChooserList::Labels, choose);
        if (!position) {
            return std::nullopt;
        }
        choice.number = *position;
        choice.shown = names[static_cast<std::size_t>(*position - 1)];
        break;
    }
    case ListArgument::DistributorName:
    case ListArgument::ActorName: {
        const bool distributor = info.argument == ListArgument::DistributorName;
        const auto typed = dialogs.askText(
            std::string(distributor ? kDistributorPrompt : kActorPrompt), std::string(info.title));
        if (!typed || trim(*typed).empty()) {
            return std::nullopt;
        }
        std::string problem;
        auto found = choiceFromText(state.records(), info.argument, *typed, problem);
        if (!found) {
            dialogs.message(problem, msg::Exclamation);
            return std::nullopt;
        }
        choice = std::move(*found);
        break;
    }
    }
    RecordList list = selectList(state.records(), kind, choice);
    if (list.rows.empty()) {
        dialogs.message(std::string(info.emptyMessage), msg::Information);
        return std::nullopt;
    }
    return list;
}

} // namespace tavolim::core
