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

std::vector<std::int32_t> markedRecords(const RecordImage& image)
{
    std::vector<std::int32_t> out;
    for (std::int32_t n = 1; n <= image.count(); ++n) {
        if (image.deleted(n)) {
            out.push_back(n);
        }
    }
    return out;
}

void markUsed(std::vector<bool>& used, std::int32_t number)
{
    if (number > 0 && static_cast<std::size_t>(number) < used.size()) {
        used[static_cast<std::size_t>(number)] = true;
    }
}

template <class R>
void markUsedHistories(const RecordImage& image, std::vector<bool>& tapeUsed,
                       std::vector<bool>& productUsed)
{
    const std::size_t tapes = fieldOffset<R>("RegHistFita");
    const std::size_t products = fieldOffset<R>("RegHistProd");
    for (std::int32_t n = 1; n <= image.count(); ++n) {
        markUsed(tapeUsed, image.int32(n, tapes));
        markUsed(productUsed, image.int32(n, products));
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
    const RecordStore& records, const PeopleAndTapes& images)
{
    const auto image = [&](FileKind kind) { return RecordImage(records.filePath(kind), kind); };
    std::vector<std::pair<FileKind, std::vector<std::int32_t>>> out = {
        {FileKind::Clients, markedRecords(images.clients)},
        {FileKind::Dependents, markedRecords(images.dependents)},
        {FileKind::Tapes, markedRecords(images.tapes)},
        {FileKind::Products, markedRecords(image(FileKind::Products))},
        {FileKind::Distributors, markedRecords(image(FileKind::Distributors))},
    };
    // Index 0 stands for no history; numbers run 1..count.
    std::vector<bool> tapeUsed(historyCount(records, FileKind::TapeHistory) + 1, false);
    std::vector<bool> productUsed(historyCount(records, FileKind::ProductHistory) + 1, false);
    markUsedHistories<ClientRecord>(images.clients, tapeUsed, productUsed);
    markUsedHistories<DependentRecord>(images.dependents, tapeUsed, productUsed);
    out.emplace_back(FileKind::TapeHistory, unused(tapeUsed));
    out.emplace_back(FileKind::ProductHistory, unused(productUsed));
    return out;
}

bool rebuildDeletedLists(AppState& state, const PeopleAndTapes& images)
{
    checkDateChange(state);
    ScopedWait wait(&state.ports().progress, "Verificando Registros Excluídos...");
    auto& records = state.records();
    StoreTransaction transaction(state);
    for (const auto& [kind, numbers] : expectedDeletedLists(records, images)) {
        const auto path = records.dataFolder() / std::string(fileKindInfo(kind).deletedList);
        if (DeletedList(path).entries() != numbers) {
            binaryfile::writeNew(path, listBytes(numbers));
        }
    }
    return transaction.commit();
}

bool rebuildDeletedLists(AppState& state)
{
    // The day may restart first, which writes the books, not these files.
    checkDateChange(state);
    auto& records = state.records();
    const auto image = [&](FileKind kind) { return RecordImage(records.filePath(kind), kind); };
    const RecordImage clients = image(FileKind::Clients);
    const RecordImage dependents = image(FileKind::Dependents);
    const RecordImage tapes = image(FileKind::Tapes);
    return rebuildDeletedLists(state, {clients, dependents, tapes});
}

} // namespace tavolim::core
