// The memo store over a fuzzed RegMemos.tvl (piece 1) and Memos.tvl (piece 2): every memo
// read, then a few writes, frees and new numbers, then a compaction, any step possibly hit by
// a failed write (a full disk).
//
// What must hold: a memo reads as the text its entry points at when the whole text lies in
// the heap, else ""; a write reads back as the trimmed text and changes no other memo (but
// one sharing its old block, which a damaged directory allows); a free empties only its own
// memo; the heap grows by no more than the text written; a compaction, finished or failed,
// leaves every memo reading as before, and a finished one keeps only the live texts and counts
// the free numbers; nothing is written beside the data folder.
#include "support/FuzzSupport.h"

#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"
#include "core/store/MemoStore.h"
#include "core/store/TextHelpers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <limits>

namespace {

using namespace tavolim;
using namespace tavolim::core;
using fuzz::Bytes;

// Memos looked at per input: a directory longer than this is only read past its end.
constexpr std::int64_t kLooked = 512;

struct Entry {
    std::int64_t pos = 0;
    std::int64_t length = 0;
    bool holdsText(std::size_t heapSize) const
    {
        return pos >= 1 && length >= 1 && pos - 1 + length <= static_cast<std::int64_t>(heapSize);
    }
};

std::int32_t int32At(const Bytes& b, std::size_t at)
{
    return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[at + 3]) << 24));
}

struct Files {
    Bytes directory;
    Bytes heap;

    static Files read(const std::filesystem::path& folder)
    {
        return {fuzz::readFile(folder / "RegMemos.tvl"), fuzz::readFile(folder / "Memos.tvl")};
    }
    std::int64_t entries() const { return static_cast<std::int64_t>(directory.size() / 8); }
    Entry entry(std::int64_t k) const
    {
        if (k < 1 || k > entries()) {
            return {};
        }
        const auto at = static_cast<std::size_t>(k - 1) * 8;
        return {int32At(directory, at), int32At(directory, at + 4)};
    }
    // The memo as the format defines it.
    std::string text(std::int64_t k) const
    {
        const Entry e = entry(k);
        if (!e.holdsText(heap.size())) {
            return {};
        }
        const auto* from = reinterpret_cast<const char*>(heap.data()) + (e.pos - 1);
        return fromCp1252(std::string_view(from, static_cast<std::size_t>(e.length)));
    }
    std::int32_t freeCount() const
    {
        std::int32_t n = 0;
        for (std::int64_t k = 1; k <= entries(); ++k) {
            n += entry(k).pos == -1 ? 1 : 0;
        }
        return n;
    }
};

struct Store {
    std::int32_t livres = 0;
    std::int16_t desperdicio = 0;
    MemoStore memos;

    Store(const std::filesystem::path& folder, std::int32_t l, std::int16_t d)
        : livres(l), desperdicio(d), memos(folder, MemoCounters{livres, desperdicio})
    {
    }
};

// Every memo looked at reads as the files say.
std::vector<std::string> readAll(const Store& store, const Files& files)
{
    std::vector<std::string> texts;
    const auto last = std::min(files.entries() + 2, kLooked);
    for (std::int64_t k = 1; k <= last; ++k) {
        texts.push_back(store.memos.readMemo(static_cast<std::int32_t>(k)));
        FUZZ_CHECK(texts.back() == files.text(k));
    }
    FUZZ_CHECK(store.memos.readMemo(0).empty());
    FUZZ_CHECK(store.memos.readMemo(-1).empty());
    return texts;
}

bool overlaps(const Entry& a, const Entry& b)
{
    return a.pos < b.pos + b.length && b.pos < a.pos + a.length;
}

void checkOthersKept(const Files& before, const Files& after, std::int64_t changed)
{
    const Entry old = before.entry(changed);
    const auto last = std::min(before.entries(), kLooked);
    for (std::int64_t k = 1; k <= last; ++k) {
        if (k == changed || (old.holdsText(before.heap.size()) && overlaps(old, before.entry(k)))) {
            continue;
        }
        if (after.text(k) != before.text(k)) {
            std::fprintf(stderr, "memo %lld mudou ('%s' -> '%s') ao gravar o %lld\n",
                         static_cast<long long>(k), before.text(k).c_str(), after.text(k).c_str(),
                         static_cast<long long>(changed));
        }
        FUZZ_CHECK(after.text(k) == before.text(k));
    }
}

void write(Store& store, const std::filesystem::path& folder, FuzzedDataProvider& in)
{
    const Files before = Files::read(folder);
    std::int32_t number = 0;
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        break; // a new memo
    case 1:
        number = static_cast<std::int32_t>(in.ConsumeIntegralInRange<std::int64_t>(
            1, std::max<std::int64_t>(1, before.entries())));
        break;
    default:
        number = in.ConsumeIntegral<std::int32_t>();
        break;
    }
    const int fault = in.ConsumeIntegralInRange(0, 3);
    std::string text = fromCp1252(in.ConsumeRandomLengthString(200));
    const std::int32_t asked = number;
    const std::int32_t livres = store.livres;

    fuzz::failWriteNumber(fault);
    store.memos.writeMemo(number, text);
    fuzz::clearFault();
    const bool failed = fault != 0 && binaryfile::lastFailure().error != 0;
    binaryfile::clearFailure();

    const Files after = Files::read(folder);
    FUZZ_CHECK(text == trim(text));
    FUZZ_CHECK(after.heap.size() <= before.heap.size() + toCp1252(text).size());
    FUZZ_CHECK(
        after.directory.size() <=
        std::max(before.directory.size(), static_cast<std::size_t>(before.entries() + 1) * 8));
    if (asked < 0) {
        FUZZ_CHECK(number == asked);
        FUZZ_CHECK(after.heap == before.heap && after.directory == before.directory);
        return;
    }
    FUZZ_CHECK(number >= 0);
    if (number == 0) {
        FUZZ_CHECK(text.empty());
        FUZZ_CHECK(after.heap == before.heap && after.directory == before.directory);
        return;
    }
    if (!failed) {
        FUZZ_CHECK(store.memos.readMemo(number) == text);
    }
    // A free number reused, or a stale count of free numbers found out.
    FUZZ_CHECK(store.livres == livres || store.livres == livres - 1 ||
               (store.livres == 0 && before.freeCount() == 0));
    checkOthersKept(before, after, number);
}

void release(Store& store, const std::filesystem::path& folder, FuzzedDataProvider& in)
{
    const Files before = Files::read(folder);
    const auto number = static_cast<std::int32_t>(in.ConsumeIntegralInRange<std::int64_t>(
        -1, std::min<std::int64_t>(before.entries() + 1, kLooked)));
    const std::int32_t livres = store.livres;
    store.memos.freeMemo(number);
    const Files after = Files::read(folder);
    FUZZ_CHECK(after.heap == before.heap);
    FUZZ_CHECK(after.directory.size() == before.directory.size());
    if (number >= 1 && number <= before.entries()) {
        FUZZ_CHECK(store.memos.readMemo(number).empty());
        FUZZ_CHECK(after.entry(number).pos == -1);
        const bool counted =
            before.entry(number).pos != -1 && livres < std::numeric_limits<std::int32_t>::max();
        FUZZ_CHECK(store.livres == (counted ? livres + 1 : livres));
    } else {
        FUZZ_CHECK(after.directory == before.directory);
    }
    checkOthersKept(before, after, number);
}

void newNumber(Store& store, const std::filesystem::path& folder)
{
    const Files files = Files::read(folder);
    const std::int32_t n = store.memos.newMemoNumber();
    FUZZ_CHECK(n >= 1);
    FUZZ_CHECK(n <= files.entries() + 1);
    FUZZ_CHECK(n == files.entries() + 1 || files.entry(n).pos == -1);
    FUZZ_CHECK(Files::read(folder).directory == files.directory);
}

void compact(Store& store, const std::filesystem::path& folder, FuzzedDataProvider& in)
{
    const Files before = Files::read(folder);
    const auto texts = readAll(store, before);
    const int fault = in.ConsumeIntegralInRange(0, 8);

    fuzz::failWriteNumber(fault);
    const bool done = store.memos.compactMemos();
    fuzz::clearFault();
    binaryfile::clearFailure();

    // A compaction cut short after its commit is finished by the next use of the store.
    (void)store.memos.readMemo(0);
    const Files after = Files::read(folder);
    FUZZ_CHECK(readAll(store, after) == texts);
    if (done && fault == 0) {
        std::size_t live = 0;
        for (std::int64_t k = 1; k <= after.entries(); ++k) {
            const Entry e = after.entry(k);
            FUZZ_CHECK(e.pos == -1 || e.pos == 0 || e.holdsText(after.heap.size()));
            live += e.holdsText(after.heap.size()) ? static_cast<std::size_t>(e.length) : 0;
        }
        FUZZ_CHECK(after.heap.size() == live);
        FUZZ_CHECK(after.entries() == before.entries());
        FUZZ_CHECK(store.desperdicio == 0);
        FUZZ_CHECK(store.livres == after.freeCount());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pieces = fuzz::splitPieces({data, size}, 2);
    auto& sandbox = fuzz::Sandbox::instance();
    const auto& folder = sandbox.fresh();
    sandbox.put("RegMemos.tvl", pieces.files[0]);
    sandbox.put("Memos.tvl", pieces.files[1]);

    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(pieces.steering.data()),
                          pieces.steering.size());
    Store store(folder, in.ConsumeIntegral<std::int32_t>(), in.ConsumeIntegral<std::int16_t>());
    readAll(store, Files::read(folder));

    for (int step = 0; step < 6 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            write(store, folder, in);
            break;
        case 1:
            release(store, folder, in);
            break;
        case 2:
            newNumber(store, folder);
            break;
        default:
            compact(store, folder, in);
            break;
        }
        sandbox.checkConfined();
    }
    compact(store, folder, in);
    sandbox.checkConfined();
    return 0;
}
