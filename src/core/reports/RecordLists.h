#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class RecordStore;
struct GeneralRulesRecord;

// The kind of records a list or report holds; the list window is tagged with it.
enum class ReportKind { Client, Tape, Product, Distributor };

// "Cliente", "Fita", "Prod" or "Dist".
std::string_view reportKindTag(ReportKind kind);

// The lists of the Relatórios menu, in menu order.
enum class ListKind {
    Holders,
    Dependents,
    People,
    PeopleWithDebt,
    PeopleWithTapes,
    Tapes,
    TapesOut,
    TapesReserved,
    TapesBySection,
    TapesByLabel,
    TapesByDistributor,
    TapesByActor,
    Products,
    Distributors,
};

// What a list asks before it selects.
enum class ListArgument { None, Section, Label, DistributorName, ActorName };

struct ListInfo {
    ListKind kind;
    std::string_view menuName; // the main menu item
    std::string_view toolName; // the name tavolim-tool takes
    std::string_view title;    // the list window's caption
    ReportKind reportKind;
    ListArgument argument;
    std::string_view emptyMessage; // shown when nothing qualifies
};

std::span<const ListInfo> listTable();
const ListInfo& listInfo(ListKind kind);
const ListInfo* listByMenuName(std::string_view menuName);
const ListInfo* listByToolName(std::string_view toolName);

inline constexpr std::string_view kUnknownDistributor =
    "Nenhuma Distribuidora encontrada com este nome.";
inline constexpr std::string_view kUnknownActor =
    "Nenhum(a) ator/atriz encontrado(a) com este nome.";
inline constexpr std::string_view kDistributorPrompt = "Nome da Distribuidora:";
inline constexpr std::string_view kActorPrompt = "Nome do Ator/Atriz:";

// One row of the list window: the name (for people the trimmed first name, a space and the
// trimmed surname), the code and, for people, 'R' (holder) or 'D' (dependent); 0 otherwise.
struct ListRow {
    std::string name;
    std::int32_t code = 0;
    char kind = 0;

    bool operator==(const ListRow&) const = default;
};

// Whether a record read from a file counts: not deleted, and not a blank record (code 0, as a
// gap in a file or a read past its end gives).
template <class Rec>
bool isListed(const Rec& record)
{
    return record.Codigo != 0 && !(record.name().size() > 0 && record.name().front() == '#');
}

// The file a row's record lives in.
FileKind rowFile(ReportKind kind, const ListRow& row);

// What the argument of a list chose: a section position (1-based), a label record number, or
// the distributors or actors found by the typed name; `shown` names it in the caption.
struct ListChoice {
    std::int32_t number = 0;
    std::vector<std::int32_t> matches;
    std::string shown;
};

struct RecordList {
    ListKind list = ListKind::Holders;
    ReportKind kind = ReportKind::Client;
    std::string title;
    std::vector<ListRow> rows;
};

// Walks the files and selects, in record order (holders before dependents); deleted
// records are never listed. The choice is read only by the lists that take an argument.
RecordList selectList(const RecordStore& records, ListKind kind, const ListChoice& choice = {});

// Section names in their positions (position = index + 1), blank ones included so that the
// positions hold.
std::vector<std::string> sectionChoices(const GeneralRulesRecord& rules);
// Every label by record number (number = index + 1).
std::vector<std::string> labelChoices(const RecordStore& records);

// Records of Distributors or Actors whose name equals `typed`, trimmed, ignoring case;
// deleted ones never match. Empty when none.
std::vector<std::int32_t> recordsNamed(const RecordStore& records, FileKind kind,
                                       std::string_view typed);

// The choice for a list's argument given as text (tavolim-tool): a section or label by its
// name or number, a distributor or actor by name. nullopt with `problem` set when nothing
// matches.
std::optional<ListChoice> choiceFromText(const RecordStore& records, ListArgument argument,
                                         std::string_view text, std::string& problem);

} // namespace tavolim::core
