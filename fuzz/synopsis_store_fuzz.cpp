// The synopsis store over a fuzzed DadosFit.tvl (piece 1) and Sinopses.tvl (piece 2): every
// tape's synopsis read, a few writes, then a compaction, any step possibly hit by a failed
// write.
//
// What must hold: a synopsis reads as the block its tape points at when the whole block lies
// in the file, else ""; a write reads back as the trimmed text, grows the file by no more than
// the text and changes no other tape's synopsis (but one sharing the old block); the tape file
// is touched only by a compaction, and then only in the two synopsis fields of each record; a
// compaction, finished or failed, leaves every synopsis reading as before; nothing is written
// beside the data folder.
#include "support/FuzzSupport.h"

#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"
#include "core/store/RecordCodec.h"
#include "core/store/SynopsisStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>

namespace {

using namespace tavolim;
using namespace tavolim::core;
using fuzz::Bytes;

constexpr std::size_t kTape = TapeRecord::Size;
constexpr std::size_t kSinopse = 102; // Sinopse (Long) then TamSinopse (Int)
constexpr std::size_t kLooked = 256;

struct Block {
    std::int32_t sinopse = 0;
    std::int16_t tam = 0;
    bool inside(std::size_t heapSize) const
    {
        return sinopse >= 1 && tam >= 1 &&
               static_cast<std::int64_t>(sinopse) - 1 + tam <= static_cast<std::int64_t>(heapSize);
    }
    bool overlaps(const Block& o) const
    {
        return static_cast<std::int64_t>(sinopse) < static_cast<std::int64_t>(o.sinopse) + o.tam &&
               static_cast<std::int64_t>(o.sinopse) < static_cast<std::int64_t>(sinopse) + tam;
    }
};

struct Files {
    Bytes tapes;
    Bytes heap;

    static Files read(const std::filesystem::path& folder)
    {
        return {fuzz::readFile(folder / "DadosFit.tvl"), fuzz::readFile(folder / "Sinopses.tvl")};
    }
    std::size_t count() const { return std::min(tapes.size() / kTape, kLooked); }
    std::size_t whole() const { return tapes.size() / kTape; }
    Block block(std::size_t i) const
    {
        Block b;
        RecordDecoder d(std::span(tapes).subspan(i * kTape, kTape));
        d.field("Sinopse", kSinopse, b.sinopse);
        d.field("TamSinopse", kSinopse + 4, b.tam);
        return b;
    }
    std::string text(const Block& b) const
    {
        if (!b.inside(heap.size())) {
            return {};
        }
        const auto* from = reinterpret_cast<const char*>(heap.data()) + (b.sinopse - 1);
        return fromCp1252(std::string_view(from, static_cast<std::size_t>(b.tam)));
    }
};

std::string readBlock(const SynopsisStore& store, Block b)
{
    const Block asked = b;
    std::string text = store.readSynopsis(b.sinopse, b.tam);
    if (asked.sinopse <= 0 || asked.tam <= 0) {
        FUZZ_CHECK(b.sinopse == 0 && b.tam == 0);
    } else {
        FUZZ_CHECK(b.sinopse == asked.sinopse && b.tam == asked.tam);
    }
    return text;
}

std::vector<std::string> readAll(const SynopsisStore& store, const Files& files)
{
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < files.count(); ++i) {
        texts.push_back(readBlock(store, files.block(i)));
        FUZZ_CHECK(texts.back() == files.text(files.block(i)));
    }
    return texts;
}

void write(SynopsisStore& store, std::int16_t& desperdicio, const std::filesystem::path& folder,
           FuzzedDataProvider& in)
{
    const Files before = Files::read(folder);
    Block b;
    if (before.count() > 0 && in.ConsumeBool()) {
        b = before.block(in.ConsumeIntegralInRange<std::size_t>(0, before.count() - 1));
    } else {
        b.sinopse = in.ConsumeIntegral<std::int32_t>();
        b.tam = in.ConsumeIntegral<std::int16_t>();
    }
    const Block old = b;
    const int fault = in.ConsumeIntegralInRange(0, 2);
    const std::string text = fromCp1252(in.ConsumeRandomLengthString(300));
    const std::int16_t wasted = desperdicio;

    fuzz::failWriteNumber(fault);
    store.writeSynopsis(b.sinopse, b.tam, text);
    fuzz::clearFault();
    const bool failed = fault != 0 && binaryfile::lastFailure().error != 0;
    binaryfile::clearFailure();

    const Files after = Files::read(folder);
    const std::string stored = trim(text);
    // The tape file changes only where a tape's block ran past the end of the synopsis file:
    // that claim is dropped before the file grows under it.
    FUZZ_CHECK(after.tapes.size() == before.tapes.size());
    for (std::size_t i = 0; i < before.tapes.size(); ++i) {
        if (after.tapes[i] != before.tapes[i]) {
            const std::size_t record = i / kTape;
            FUZZ_CHECK(record < before.whole());
            const Block was = before.block(record);
            FUZZ_CHECK(i % kTape >= kSinopse && i % kTape < kSinopse + 6);
            FUZZ_CHECK(was.sinopse >= 1 && was.tam >= 1 && !was.inside(before.heap.size()));
            const Block now = after.block(record);
            FUZZ_CHECK(now.sinopse == 0 && now.tam == 0);
        }
    }
    FUZZ_CHECK(after.heap.size() <= before.heap.size() + toCp1252(stored).size());
    FUZZ_CHECK(desperdicio >= wasted && desperdicio - wasted <= 1);
    if (failed) {
        FUZZ_CHECK(b.sinopse == old.sinopse && b.tam == old.tam);
    } else if (stored.empty()) {
        FUZZ_CHECK(b.sinopse == 0 && b.tam == 0);
    } else {
        FUZZ_CHECK(b.inside(after.heap.size()));
        FUZZ_CHECK(readBlock(store, b) == stored);
    }
    for (std::size_t i = 0; i < before.count(); ++i) {
        const Block other = before.block(i);
        if (!(old.inside(before.heap.size()) && old.overlaps(other))) {
            if (after.text(after.block(i)) != before.text(other)) {
                std::fprintf(stderr, "fita %zu (%d, %d) mudou ao gravar (%d, %d)\n", i,
                             other.sinopse, other.tam, old.sinopse, old.tam);
            }
            FUZZ_CHECK(after.text(after.block(i)) == before.text(other));
        }
    }
}

void compact(SynopsisStore& store, std::int16_t& desperdicio, const std::filesystem::path& folder,
             FuzzedDataProvider& in)
{
    const Files before = Files::read(folder);
    const auto texts = readAll(store, before);
    const int fault = in.ConsumeIntegralInRange(0, 8);

    fuzz::failWriteNumber(fault);
    const bool done = store.compact();
    fuzz::clearFault();
    binaryfile::clearFailure();

    // A compaction cut short after its commit is finished by the next use of the store.
    std::int32_t none = 0;
    std::int16_t noLength = 0;
    (void)store.readSynopsis(none, noLength);
    const Files after = Files::read(folder);
    FUZZ_CHECK(readAll(store, after) == texts);
    // Only the synopsis fields of the tapes change, and a torn last record stays as it was.
    FUZZ_CHECK(after.tapes.size() == before.tapes.size());
    for (std::size_t i = 0; i < before.tapes.size(); ++i) {
        const std::size_t at = i % kTape;
        const bool synopsisField =
            i < before.tapes.size() / kTape * kTape && at >= kSinopse && at < kSinopse + 6;
        FUZZ_CHECK(synopsisField || after.tapes[i] == before.tapes[i]);
    }
    if (done && fault == 0) {
        std::size_t live = 0;
        for (std::size_t i = 0; i < after.tapes.size() / kTape; ++i) {
            const Block b = after.block(i);
            FUZZ_CHECK(b.inside(after.heap.size()) || (b.sinopse == 0 && b.tam == 0));
            live += b.inside(after.heap.size()) ? static_cast<std::size_t>(b.tam) : 0;
        }
        FUZZ_CHECK(after.heap.size() == live);
        FUZZ_CHECK(desperdicio == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pieces = fuzz::splitPieces({data, size}, 2);
    auto& sandbox = fuzz::Sandbox::instance();
    const auto& folder = sandbox.fresh();
    sandbox.put("DadosFit.tvl", pieces.files[0]);
    sandbox.put("Sinopses.tvl", pieces.files[1]);

    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(pieces.steering.data()),
                          pieces.steering.size());
    std::int16_t desperdicio = in.ConsumeIntegralInRange<std::int16_t>(0, 32767);
    SynopsisStore store(folder, desperdicio);
    readAll(store, Files::read(folder));

    for (int step = 0; step < 4 && in.remaining_bytes() > 0; ++step) {
        if (in.ConsumeBool()) {
            write(store, desperdicio, folder, in);
        } else {
            compact(store, desperdicio, folder, in);
        }
        sandbox.checkConfined();
    }
    compact(store, desperdicio, folder, in);
    sandbox.checkConfined();
    return 0;
}
