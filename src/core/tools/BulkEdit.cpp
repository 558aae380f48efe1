#include "core/tools/BulkEdit.h"

#include "core/state/AppState.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordCodec.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"
#include "core/tools/FieldEdit.h"

namespace tavolim::core {
namespace {

// Only the name fields are decoded: a find may list thousands of rows.
template <class R>
ListRow rowOf(const WalkStep& step)
{
    R record;
    RecordDecoder decoder(step.bytes);
    if constexpr (std::is_same_v<R, ClientRecord> || std::is_same_v<R, DependentRecord>) {
        static const FieldSlot first = *fieldSlot(kindOf<R>(), "PrimNome");
        static const FieldSlot last = *fieldSlot(kindOf<R>(), "SobreNome");
        decoder.text({}, first.offset, first.width, record.PrimNome);
        decoder.text({}, last.offset, last.width, record.SobreNome);
        return {joinFullName(record.PrimNome, record.SobreNome), step.number,
                std::is_same_v<R, ClientRecord> ? 'R' : 'D'};
    } else {
        const auto& info = fileKindInfo(kindOf<R>());
        decoder.text({}, info.nameOffset, info.nameWidth, record.name());
        return {trim(record.name()), step.number, 0};
    }
}

ListRow rowOf(const WalkStep& step)
{
    switch (step.file) {
    case FileKind::Clients:
        return rowOf<ClientRecord>(step);
    case FileKind::Dependents:
        return rowOf<DependentRecord>(step);
    case FileKind::Tapes:
        return rowOf<TapeRecord>(step);
    case FileKind::Products:
        return rowOf<ProductRecord>(step);
    default:
        return rowOf<DistributorRecord>(step);
    }
}

enum class Edited { Unchanged, Changed, Failed };

template <class R>
Edited edit(RecordStore& records, const WalkStep& step, const FieldEditor& editor,
            EditContext& context)
{
    R record;
    record.decode(step.bytes);
    if (!editor.apply(record, step.number, context)) {
        return Edited::Unchanged;
    }
    return records.save(step.number, record) ? Edited::Changed : Edited::Failed;
}

Edited edit(RecordStore& records, const WalkStep& step, const FieldEditor& editor,
            EditContext& context)
{
    switch (step.file) {
    case FileKind::Clients:
        return edit<ClientRecord>(records, step, editor, context);
    case FileKind::Dependents:
        return edit<DependentRecord>(records, step, editor, context);
    case FileKind::Tapes:
        return edit<TapeRecord>(records, step, editor, context);
    case FileKind::Products:
        return edit<ProductRecord>(records, step, editor, context);
    default:
        return edit<DistributorRecord>(records, step, editor, context);
    }
}

ListKind listKindOf(DataKind kind)
{
    switch (kind) {
    case DataKind::Clients:
        return ListKind::People;
    case DataKind::Tapes:
        return ListKind::Tapes;
    case DataKind::Products:
        return ListKind::Products;
    case DataKind::Distributors:
        return ListKind::Distributors;
    }
    return ListKind::People;
}

} // namespace

ReportKind reportKindOf(DataKind kind)
{
    switch (kind) {
    case DataKind::Clients:
        return ReportKind::Client;
    case DataKind::Tapes:
        return ReportKind::Tape;
    case DataKind::Products:
        return ReportKind::Product;
    case DataKind::Distributors:
        return ReportKind::Distributor;
    }
    return ReportKind::Client;
}

FoundRecords findRecords(AppState& state, DataKind kind, RecordRange range, const FieldTest& test)
{
    FoundRecords found;
    found.list.list = listKindOf(kind);
    found.list.kind = reportKindOf(kind);
    found.list.title = "Registros Localizados - " + std::string(dataKindInfo(kind).name);
    BulkRun run(state, "Localizando...", range.size(), false);
    RecordWalk(state.records(), kind, range)
        .run(
            [&](const WalkStep& step) {
                if (test.matches(step.file, step.bytes)) {
                    found.list.rows.push_back(rowOf(step));
                }
                return true;
            },
            [&](std::int32_t done) { return run.stepDone(done); });
    found.cancelled = run.finish().end == RunEnd::Cancelled;
    return found;
}

RunResult editRecords(AppState& state, DataKind kind, RecordRange range, const FieldEditor& editor,
                      const FieldTest* test, const std::string& caption)
{
    const FieldType type = editor.field().type;
    MemoStore memos = state.memos();
    SynopsisStore synopses = state.synopses();
    std::vector<bool> shared;
    if (type == FieldType::Synopsis) {
        shared = tapesSharingSynopsis(state.records());
    }
    EditContext context{memos, synopses, &shared};
    BulkRun run(state, caption, range.size(),
                type == FieldType::Memo || type == FieldType::Synopsis);
    auto& records = state.records();
    RecordWalk(records, kind, range)
        .run(
            [&](const WalkStep& step) {
                if (test && !test->matches(step.file, step.bytes)) {
                    return true;
                }
                switch (edit(records, step, editor, context)) {
                case Edited::Unchanged:
                    return true;
                case Edited::Changed:
                    return run.written();
                case Edited::Failed:
                    run.writeFailed(records.filePath(step.file));
                    return false;
                }
                return false;
            },
            [&](std::int32_t done) { return run.stepDone(done); });
    return run.finish();
}

} // namespace tavolim::core
