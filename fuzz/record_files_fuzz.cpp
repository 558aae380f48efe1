// The record file layer over a fuzzed record file (piece 1), its deleted list (piece 2) and
// the kept name tails (piece 3, NomesExc.tvl), for the kind the steering piece picks.
//
// What must hold: records read by number are the file's bytes, blank past the end or outside
// 1..32767; a scan visits every whole record once, in order; the deleted list never names more
// than it holds; a new number is listed and still deleted, or the append number, and taking it
// drops only stale entries (and, for kinds that take, the number itself) from the oldest end;
// adding and removing list entries keeps the others in order; a record deleted and restored
// gets its name back whole and leaves the list as it was; nothing is written beside the data
// folder.
#include "support/FuzzSupport.h"

#include "core/store/ClientRecord.h"
#include "core/store/Cp1252.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/FileKind.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>

namespace {

using namespace tavolim;
using namespace tavolim::core;
using fuzz::Bytes;

std::vector<std::int32_t> listed(const RecordStore& store, FileKind kind, const Bytes& file)
{
    const auto entries = store.deletedNumbers(kind);
    FUZZ_CHECK(file.size() < 4 || entries.size() <= (file.size() - 4) / 4);
    return entries;
}

template <class R>
void checkReads(const RecordStore& store, FileKind kind, const Bytes& file)
{
    const std::int32_t count = store.recordCount(kind);
    FUZZ_CHECK(count == static_cast<std::int32_t>(file.size() / R::Size));
    for (const std::int32_t n : {-1, 0, 1, 2, count, count + 1, 32767, 32768}) {
        const R r = store.load<R>(n);
        // A torn last record reads as far as it goes, the rest as 0.
        const bool torn = n == count + 1 && file.size() % R::Size != 0;
        if (n >= 1 && (n <= count || torn) && n <= RecordStore::MaxRecords) {
            const auto at = static_cast<std::size_t>(n - 1) * R::Size;
            R expected;
            expected.decode(std::span(file).subspan(at, std::min(R::Size, file.size() - at)));
            FUZZ_CHECK(r.encoded() == expected.encoded());
        } else {
            if (r.encoded() != R{}.encoded()) {
                std::fprintf(stderr, "registro %d de %d não está em branco\n", n, count);
            }
            FUZZ_CHECK(r.encoded() == R{}.encoded());
        }
    }
    std::int32_t next = 1;
    store.scanRaw(kind, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
        FUZZ_CHECK(n == next++ && bytes.size() == R::Size);
    });
    FUZZ_CHECK(next - 1 == std::min(count, RecordStore::MaxRecords));
}

void checkNewNumber(RecordStore& store, FileKind kind, const Bytes& listFile)
{
    const auto before = listed(store, kind, listFile);
    const std::int32_t count = store.recordCount(kind);
    const auto n = store.nextRecordNumber(kind);
    const auto after = store.deletedNumbers(kind);
    const bool takes = kind == FileKind::Dependents || kind == FileKind::TapeHistory;
    FUZZ_CHECK(n.has_value());
    // What is left is the list cut at its oldest end.
    FUZZ_CHECK(after.size() <= before.size() &&
               std::equal(after.begin(), after.end(), before.begin()));
    if (*n == count + 1 && after.empty()) {
        return; // every entry was stale, or there was none
    }
    FUZZ_CHECK(*n >= 1 && *n <= RecordStore::MaxRecords);
    const std::size_t kept = after.size() + (takes ? 1 : 0);
    FUZZ_CHECK(kept <= before.size() && before[kept - 1] == *n);
    FUZZ_CHECK(takes || after.back() == *n);
    if (kind != FileKind::TapeHistory) {
        FUZZ_CHECK(store.isDeletedOnDisk(kind, *n));
    }
}

void checkListEdits(RecordStore& store, FileKind kind, FuzzedDataProvider& in)
{
    const auto before = store.deletedNumbers(kind);
    const auto number = in.ConsumeIntegralInRange<std::int32_t>(-2, 40);
    store.addDeleted(kind, number);
    auto after = store.deletedNumbers(kind);
    if (std::find(before.begin(), before.end(), number) != before.end()) {
        FUZZ_CHECK(after == before);
    } else {
        FUZZ_CHECK(!after.empty() && after.front() == number);
        FUZZ_CHECK(std::equal(before.begin(), before.end(), after.begin() + 1, after.end()));
    }
    const auto gone =
        after.empty() ? number : after[in.ConsumeIntegralInRange<std::size_t>(0, after.size() - 1)];
    store.removeDeleted(kind, gone);
    auto expected = after;
    expected.erase(std::find(expected.begin(), expected.end(), gone));
    FUZZ_CHECK(store.deletedNumbers(kind) == expected);
}

template <class R>
void checkDeleteAndRestore(RecordStore& store, FileKind kind, FuzzedDataProvider& in)
{
    const std::int32_t count = std::min(store.recordCount(kind), RecordStore::MaxRecords);
    if (count < 1) {
        return;
    }
    const auto n = in.ConsumeIntegralInRange<std::int32_t>(1, count);
    if (store.isDeletedOnDisk(kind, n)) {
        return;
    }
    const auto listBefore = store.deletedNumbers(kind);
    if (std::find(listBefore.begin(), listBefore.end(), n) != listBefore.end()) {
        return; // a list already naming a live record: not what deletion starts from
    }
    store.readRecord(kind, n, true);
    const std::string name = store.load<R>(n).name();

    withCurrent(store.current(), kind, [&](auto& r) {
        if constexpr (std::is_same_v<std::decay_t<decltype(r)>, R>) {
            FUZZ_CHECK(r.name() == name);
        }
    });
    FUZZ_CHECK(store.deleteRecord(kind, n) == n);
    FUZZ_CHECK(store.isDeletedOnDisk(kind, n));
    const auto deleted = store.listDeleted(kind);
    FUZZ_CHECK(!deleted.empty() && deleted.front().number == n);

    const auto restored = store.restoreRecord(kind, n);
    FUZZ_CHECK(restored.has_value());
    if (*restored != name) {
        std::fprintf(stderr, "nome '%s' voltou como '%s'\n", name.c_str(), restored->c_str());
    }
    FUZZ_CHECK(*restored == name);
    FUZZ_CHECK(store.load<R>(n).name() == name);
    FUZZ_CHECK(!store.isDeletedOnDisk(kind, n));
    FUZZ_CHECK(store.deletedNumbers(kind) == listBefore);
}

template <class R>
void run(FileKind kind, const fuzz::Pieces& pieces, FuzzedDataProvider& in)
{
    auto& sandbox = fuzz::Sandbox::instance();
    const auto& folder = sandbox.fresh();
    const auto& info = fileKindInfo(kind);
    sandbox.put(info.fileName, pieces.files[0]);
    sandbox.put(info.deletedList, pieces.files[1]);
    sandbox.put("NomesExc.tvl", pieces.files[2]);
    RecordStore store(folder);

    const Bytes file = fuzz::readFile(store.filePath(kind));
    checkReads<R>(store, kind, file);
    const Bytes listFile = fuzz::readFile(folder / std::string(info.deletedList));
    const auto entries = listed(store, kind, listFile);
    if constexpr (requires(R r) { r.name(); }) {
        for (const auto& e : store.listDeleted(kind)) {
            FUZZ_CHECK(e.number >= 1 && e.number <= store.recordCount(kind));
            FUZZ_CHECK(std::find(entries.begin(), entries.end(), e.number) != entries.end());
        }
    }
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        checkNewNumber(store, kind, listFile);
        break;
    case 1:
        checkListEdits(store, kind, in);
        break;
    default:
        if constexpr (requires(R r) { r.name(); }) {
            if (kind != FileKind::Dependents) {
                checkDeleteAndRestore<R>(store, kind, in);
            }
        }
        break;
    }
    sandbox.checkConfined();
}

// History numbers carry no mark: their list alone decides what is free.
void runHistoryList(const fuzz::Pieces& pieces, FuzzedDataProvider& in)
{
    auto& sandbox = fuzz::Sandbox::instance();
    const auto& folder = sandbox.fresh();
    const auto& info = fileKindInfo(FileKind::TapeHistory);
    sandbox.put(info.fileName, pieces.files[0]);
    sandbox.put(info.deletedList, pieces.files[1]);
    RecordStore store(folder);
    const Bytes listFile = fuzz::readFile(folder / std::string(info.deletedList));
    if (in.ConsumeBool()) {
        checkNewNumber(store, FileKind::TapeHistory, listFile);
    } else {
        checkListEdits(store, FileKind::TapeHistory, in);
    }
    sandbox.checkConfined();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pieces = fuzz::splitPieces({data, size}, 3);
    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(pieces.steering.data()),
                          pieces.steering.size());
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0:
        run<ClientRecord>(FileKind::Clients, pieces, in);
        break;
    case 1:
        run<DependentRecord>(FileKind::Dependents, pieces, in);
        break;
    case 2:
        run<TapeRecord>(FileKind::Tapes, pieces, in);
        break;
    case 3:
        run<DistributorRecord>(FileKind::Distributors, pieces, in);
        break;
    case 4:
        run<ProductRecord>(FileKind::Products, pieces, in);
        break;
    default:
        runHistoryList(pieces, in);
        break;
    }
    return 0;
}
