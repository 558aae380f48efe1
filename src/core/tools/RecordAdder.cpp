#include "core/tools/RecordAdder.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/ClientRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/TapeRecord.h"
#include "core/tools/FieldValues.h"

namespace tavolim::core {
namespace {

template <class R>
bool appendBlank(RecordStore& records, std::int32_t number)
{
    R record;
    record.name() = std::string(kTemporaryName);
    return records.save(number, record);
}

bool append(RecordStore& records, DataKind kind, std::int32_t number)
{
    switch (kind) {
    case DataKind::Clients:
        return appendBlank<ClientRecord>(records, number);
    case DataKind::Tapes:
        return appendBlank<TapeRecord>(records, number);
    case DataKind::Products:
        return appendBlank<ProductRecord>(records, number);
    case DataKind::Distributors:
        return appendBlank<DistributorRecord>(records, number);
    }
    return false;
}

} // namespace

RecordAdder::RecordAdder(AppState& state) : m_state(state) {}

std::string RecordAdder::countCaption() const
{
    const DataKindInfo& info = dataKindInfo(cboTipo);
    return "Existem " + std::to_string(m_state.records().recordCount(info.file)) +
           " Registros de " + std::string(info.name);
}

std::optional<RunResult> RecordAdder::add()
{
    auto& dialogs = m_state.ports().dialogs;
    const std::int32_t wanted = typedWholeNumber(txtQuantidade);
    if (wanted < 1) {
        dialogs.message(std::string(kAddNone), msg::Exclamation);
        return std::nullopt;
    }
    if (wanted > MaxAtOnce) {
        dialogs.message(std::string(kAddTooMany), msg::Exclamation);
        return std::nullopt;
    }
    auto& records = m_state.records();
    const FileKind file = dataKindInfo(cboTipo).file;
    const std::int32_t count = records.recordCount(file);
    if (count + wanted > MaxRecords) {
        dialogs.message(std::string(kAddBeyondLimit), msg::Exclamation);
        return std::nullopt;
    }

    BulkRun run(m_state, "Adicionando registros...", wanted, false);
    for (std::int32_t i = 1; i <= wanted; ++i) {
        if (!append(records, cboTipo, count + i)) {
            run.writeFailed(records.filePath(file));
            break;
        }
        if (!run.written() || !run.stepDone(i)) {
            break;
        }
    }
    const RunResult result = run.finish();
    const std::string added = std::to_string(result.changed) + std::string(kAdded);
    switch (result.end) {
    case RunEnd::Completed:
        dialogs.message(added, msg::Information);
        break;
    case RunEnd::Cancelled:
        dialogs.message("Operação cancelada: " + added, msg::Exclamation);
        break;
    case RunEnd::Failed:
        dialogs.message(result.failure + "\nA operação foi interrompida: " + added, msg::Critical,
                        "Erro");
        break;
    }
    return result;
}

} // namespace tavolim::core
