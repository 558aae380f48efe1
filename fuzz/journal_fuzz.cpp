// The start-up recovery over a fuzzed Diario.jnl, in a data folder holding a few files
// (pieces 2 and 3: DadosCli.tvl and Caixa.tvl).
//
// The first byte of the steering piece chooses the journal: even, piece 1 is the journal as it
// stands (any bytes, a torn or damaged journal); odd, the rest of the steering piece describes
// one that is whole (files, names, flags, writes), which is written in the journal's format so
// that the recovery gets past its checks.
//
// What must hold: the journal is gone afterwards; nothing is written outside the data folder
// and nothing there becomes a folder or a link, whatever the names say; a journal refused
// leaves every file as it was; a whole one is refused exactly when it names something other
// than a plain file of the folder; a finished one leaves each file as its writes make it.
#include "support/FuzzSupport.h"

#include "core/store/BinaryFile.h"
#include "core/store/Crc32.h"
#include "core/store/FileTransaction.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>

namespace {

using namespace tavolim;
using namespace tavolim::core;
using fuzz::Bytes;

struct Write {
    std::uint64_t offset = 0;
    Bytes bytes;
};

struct File {
    std::string name;
    bool existed = false;
    bool replaced = false;
    std::uint64_t baseSize = 0;
    std::vector<Write> redo;
    std::vector<Write> undo;
};

// Names a journal may try: the program's own, and every way out of the folder.
constexpr const char* kNames[] = {
    "DadosCli.tvl", "Caixa.tvl", "LivroFts.tvl", "Diario.jnl", "",         ".",
    "..",           "../fora",   "/tmp/fora",    "sub/x",      "a\\b",     "C:fora",
    "..\\fora",     "dados",     "fora/..",      "x ",         "\x01\x7f", "DadosCli.tvl/",
};

std::uint64_t offsetFrom(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return in.ConsumeIntegral<std::uint64_t>(); // anything, far past any file
    case 1:
        return in.ConsumeIntegralInRange<std::uint64_t>(0, fuzz::Sandbox::kFileSizeLimit * 2);
    default:
        return in.ConsumeIntegralInRange<std::uint64_t>(0, 4096);
    }
}

std::vector<Write> writesFrom(FuzzedDataProvider& in)
{
    std::vector<Write> writes(in.ConsumeIntegralInRange(0, 4));
    for (auto& w : writes) {
        w.offset = offsetFrom(in);
        const auto text = in.ConsumeRandomLengthString(64);
        w.bytes.assign(text.begin(), text.end());
    }
    return writes;
}

std::vector<File> journalFrom(FuzzedDataProvider& in)
{
    std::vector<File> files(in.ConsumeIntegralInRange(0, 4));
    for (auto& f : files) {
        if (in.ConsumeBool()) {
            f.name = kNames[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kNames) - 1)];
        } else {
            f.name = in.ConsumeRandomLengthString(16);
        }
        f.existed = in.ConsumeBool();
        f.replaced = in.ConsumeBool();
        f.baseSize = offsetFrom(in);
        f.redo = writesFrom(in);
        f.undo = writesFrom(in);
    }
    return files;
}

// The journal's format: magic, file count, each file (name, flags, size before, redo and undo
// writes), CRC-32 of all that, end mark. Little-endian.
class Encoder {
public:
    template <class T>
    void number(T v)
    {
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i)));
        }
    }
    void bytes(std::string_view b) { out.insert(out.end(), b.begin(), b.end()); }
    void writes(const std::vector<Write>& list)
    {
        number(static_cast<std::uint32_t>(list.size()));
        for (const auto& w : list) {
            number(w.offset);
            number(static_cast<std::uint32_t>(w.bytes.size()));
            out.insert(out.end(), w.bytes.begin(), w.bytes.end());
        }
    }
    Bytes out;
};

Bytes encode(const std::vector<File>& files)
{
    Encoder e;
    e.bytes("TVLDIAR1");
    e.number(static_cast<std::uint32_t>(files.size()));
    for (const auto& f : files) {
        e.number(static_cast<std::uint16_t>(f.name.size()));
        e.bytes(f.name);
        e.number(static_cast<std::uint8_t>((f.existed ? 1 : 0) | (f.replaced ? 2 : 0)));
        e.number(f.baseSize);
        e.writes(f.redo);
        e.writes(f.undo);
    }
    e.number(crc32(e.out));
    e.bytes("FIM!");
    return e.out;
}

// A name the folder can hold as a file of its own: no separator, no drive, no dot names, no
// control character.
bool plainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// The folder's files once every redo write is made, in journal order.
std::map<std::string, Bytes> redone(std::map<std::string, Bytes> files,
                                    const std::vector<File>& journal)
{
    for (const auto& f : journal) {
        // A file named without a write, and not replaced, is not opened: one that is not
        // there stays away.
        if (!f.replaced && f.redo.empty() && files.count(f.name) == 0) {
            continue;
        }
        Bytes& bytes = files[f.name];
        if (f.replaced) {
            bytes.clear();
        }
        for (const auto& w : f.redo) {
            if (w.bytes.empty()) {
                continue; // a seek alone does not lengthen a file
            }
            bytes.resize(std::max<std::size_t>(bytes.size(), w.offset + w.bytes.size()), 0);
            std::copy(w.bytes.begin(), w.bytes.end(),
                      bytes.begin() + static_cast<std::ptrdiff_t>(w.offset));
        }
    }
    files.erase(kJournalFile);
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pieces = fuzz::splitPieces({data, size}, 3);
    auto& sandbox = fuzz::Sandbox::instance();
    const auto& folder = sandbox.fresh();
    sandbox.put("DadosCli.tvl", pieces.files[1]);
    sandbox.put("Caixa.tvl", pieces.files[2]);

    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(pieces.steering.data()),
                          pieces.steering.size());
    const bool whole = in.ConsumeIntegral<std::uint8_t>() % 2 == 1;
    std::vector<File> journal;
    if (whole) {
        journal = journalFrom(in);
        const Bytes bytes = encode(journal);
        sandbox.put(kJournalFile,
                    std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } else {
        sandbox.put(kJournalFile, pieces.files[0]);
    }

    const auto before = sandbox.snapshot();
    const bool hadJournal = before.count(kJournalFile) == 1;
    const auto outcome = recoverJournal(folder);
    binaryfile::clearFailure();
    sandbox.checkConfined();
    auto after = sandbox.snapshot();
    FUZZ_CHECK(after.count(kJournalFile) == 0);
    FUZZ_CHECK(hadJournal == (outcome != JournalRecovery::None));

    auto unchanged = before;
    unchanged.erase(kJournalFile);
    if (outcome == JournalRecovery::Discarded || outcome == JournalRecovery::None) {
        FUZZ_CHECK(after == unchanged);
    }
    if (!whole) {
        return 0;
    }
    bool plain = true;
    for (const auto& f : journal) {
        plain = plain && plainFileName(f.name);
    }
    if (plain != (outcome != JournalRecovery::Discarded)) {
        for (const auto& f : journal) {
            std::fprintf(stderr, "nome '%s' (%zu bytes)\n", f.name.c_str(), f.name.size());
        }
    }
    FUZZ_CHECK(plain == (outcome != JournalRecovery::Discarded));
    if (outcome == JournalRecovery::Completed) {
        FUZZ_CHECK(after == redone(unchanged, journal));
    }
    return 0;
}
