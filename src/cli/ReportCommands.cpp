#include "cli/ReportCommands.h"

#include "cli/LocalTime.h"
#include "core/reports/ListExport.h"
#include "core/reports/RecordListings.h"
#include "core/reports/RecordSheets.h"
#include "core/shell/NewInstallation.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <optional>
#include <utility>

namespace tavolim::cli {
namespace {

using namespace core;

struct SheetKind {
    std::string_view name;
    ReportKind kind;
    std::string_view missing; // "O cliente", ...
};

constexpr std::array<SheetKind, 4> kSheetKinds = {{
    {"cliente", ReportKind::Client, "O cliente"},
    {"fita", ReportKind::Tape, "A fita"},
    {"produto", ReportKind::Product, "O produto"},
    {"distribuidora", ReportKind::Distributor, "A distribuidora"},
}};

bool hasStore(const CommandLine& line, std::ostream& err)
{
    if (needsNewInstallation(line.folder)) {
        err << "A pasta " << line.folder.string() << " não tem uma instalação do Tavolim.\n";
        return false;
    }
    return true;
}

// The list the command names, selected; nullopt with the reason told when its argument
// matches nothing. An empty list is told on `err` and is no failure.
std::optional<RecordList> selected(const CommandLine& line, const RecordStore& store,
                                   std::ostream& err)
{
    const ListInfo& info = *listByToolName(line.what);
    std::string problem;
    const auto choice = choiceFromText(store, info.argument, line.argument, problem);
    if (!choice) {
        err << problem << "\n";
        return std::nullopt;
    }
    RecordList list = selectList(store, info.kind, *choice);
    if (list.rows.empty()) {
        err << info.emptyMessage << "\n";
    }
    return list;
}

} // namespace

bool isSheetKindName(std::string_view name)
{
    return std::any_of(kSheetKinds.begin(), kSheetKinds.end(),
                       [&](const SheetKind& k) { return k.name == name; });
}

int printList(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!hasStore(line, err)) {
        return 1;
    }
    const RecordStore store(line.folder);
    const auto list = selected(line, store, err);
    if (!list) {
        return 1;
    }
    if (!list->rows.empty()) {
        out << (line.csv ? listCsv(list->kind, list->rows) : listTabbed(list->kind, list->rows));
    }
    return 0;
}

int printListing(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!hasStore(line, err)) {
        return 1;
    }
    const RecordStore store(line.folder);
    const auto list = selected(line, store, err);
    if (!list) {
        return 1;
    }
    if (!list->rows.empty()) {
        const auto today = std::chrono::sys_days(line.today.value_or(localToday()));
        out << listingText(store, list->kind, list->rows, today);
    }
    return 0;
}

int printSheet(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!hasStore(line, err)) {
        return 1;
    }
    const SheetKind& kind = *std::find_if(kSheetKinds.begin(), kSheetKinds.end(),
                                          [&](const SheetKind& k) { return k.name == line.what; });
    RecordStore store(line.folder);
    store.readRecord(FileKind::GeneralRules, 1, true);
    auto& rules = store.rules();
    const MemoStore memos(line.folder, {rules.MemosLivres, rules.MemosDesperdicio});
    const auto code = static_cast<std::int32_t>(*line.number);
    const ListRow row{{}, code, 'R'};
    const auto sheet = rowSheet(store, memos, kind.kind, row);
    if (!sheet) {
        err << kind.missing << " " << code << " não existe ou foi excluíd"
            << (kind.missing.front() == 'A' ? "a" : "o") << ".\n";
        return 1;
    }
    out << *sheet;
    return 0;
}

} // namespace tavolim::cli
