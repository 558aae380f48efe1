#pragma once

#include "core/reports/RecordLists.h"
#include "core/tools/BulkRun.h"
#include "core/tools/DataFields.h"
#include "core/tools/RecordWalk.h"

#include <optional>
#include <string>

namespace tavolim::core {

class AppState;
class FieldEditor;
class FieldTest;

// What find selected: the rows in walk order, in the list window's form (name, code and, for
// clients, R or D), the list tagged with the kind; `cancelled` when the operator stopped it.
struct FoundRecords {
    RecordList list;
    bool cancelled = false;
};

// Tests each record of the range, showing the progress; nothing is written.
FoundRecords findRecords(AppState& state, DataKind kind, RecordRange range, const FieldTest& test);

// Runs `editor` over the records of the range that `test` accepts (every record without a
// test), writing each changed record, in batches, with the progress window (`caption`).
RunResult editRecords(AppState& state, DataKind kind, RecordRange range, const FieldEditor& editor,
                      const FieldTest* test, const std::string& caption);

// The list window's kind for the records of a data kind.
ReportKind reportKindOf(DataKind kind);

} // namespace tavolim::core
