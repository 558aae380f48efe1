#include "core/tools/DeletedListRebuild.h"

#include "core/day/BusinessDay.h"
#include "core/ports/Progress.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/BinaryFile.h"
#include "core/store/DeletedList.h"
#include "core/store/RecordStore.h"
#include "core/tools/RecordImage.h"

namespace tavolim::core {
namespace {

std::vector<std::int32_t> markedRecords(const RecordStore& records, FileKind kind)
{
    std::vector<std::int32_t> out;
    const std::size_t mark = fileKindInfo(kind).nameOffset;
    records.scanRaw(kind, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
        if (bytes[mark] == '#') {
            out.push_back(n);
        }
    });
    return out;
}

template <class R>
void markUsedHistories(const RecordStore& records, FileKind kind, std::vector<bool>& tapeUsed,
                       std::vector<bool>& productUsed)
{
    const RecordImage image(records.filePath(kind), kind);
    for (std::int32_t n = 1; n <= image.count(); ++n) {
        const R person = image.numbers<R>(n);
        if (person.RegHistFita > 0 &&
            static_cast<std::size_t>(person.RegHistFita) < tapeUsed.size()) {
            tapeUsed[static_cast<std::size_t>(person.RegHistFita)] = true;
        }
        if (person.RegHistProd > 0 &&
            static_cast<std::size_t>(person.RegHistProd) < productUsed.size()) {
            productUsed[static_cast<std::size_t>(person.RegHistProd)] = true;
        }
    }
}

std::vector<std::int32_t> unused(const std::vector<bool>& used)
{
    std::vector<std::int32_t> out;
    for (std::size_t n = 1; n < used.size(); ++n) {
        if (!used[n]) {
            out.push_back(static_cast<std::int32_t>(n));
        }
    }
    return out;
}

std::vector<std::uint8_t> listBytes(const std::vector<std::int32_t>& numbers)
{
    std::vector<std::uint8_t> bytes;
    const auto put = [&](std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<std::uint8_t>(u >> shift));
        }
    };
    put(static_cast<std::int32_t>(numbers.size()));
    for (const auto n : numbers) {
        put(n);
    }
    return bytes;
}

std::size_t historyCount(const RecordStore& records, FileKind kind)
{
    return static_cast<std::size_t>(binaryfile::size(records.filePath(kind)) /
                                    fileKindInfo(kind).recordLength);
}

} // namespace

std::vector<std::pair<FileKind, std::vector<std::int32_t>>> expectedDeletedLists(
    const RecordStore& records)
{
    std::vector<std::pair<FileKind, std::vector<std::int32_t>>> out;
    for (const FileKind kind : {FileKind::Clients, FileKind::Dependents, FileKind::Tapes,
                                FileKind::Products, FileKind::Distributors}) {
        out.emplace_back(kind, markedRecords(records, kind));
    }
    // Index 0 stands for no history; numbers run 1..count.
    std::vector<bool> tapeUsed(historyCount(records, FileKind::TapeHistory) + 1, false);
    std::vector<bool> productUsed(historyCount(records, FileKind::ProductHistory) + 1, false);
    markUsedHistories<ClientRecord>(records, FileKind::Clients, tapeUsed, productUsed);
    markUsedHistories<DependentRecord>(records, FileKind::Dependents, tapeUsed, productUsed);
    out.emplace_back(FileKind::TapeHistory, unused(tapeUsed));
    out.emplace_back(FileKind::ProductHistory, unused(productUsed));
    return out;
}

bool rebuildDeletedLists(AppState& state)
{
    checkDateChange(state);
    ScopedWait wait(&state.ports().progress, "Verificando Registros Excluídos...");
    auto& records = state.records();
    StoreTransaction transaction(state);
    for (const auto& [kind, numbers] : expectedDeletedLists(records)) {
        const auto path = records.dataFolder() / std::string(fileKindInfo(kind).deletedList);
        if (DeletedList(path).entries() != numbers) {
            binaryfile::writeNew(path, listBytes(numbers));
        }
    }
    return transaction.commit();
}

} // namespace tavolim::core
