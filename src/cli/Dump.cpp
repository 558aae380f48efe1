#include "cli/Dump.h"

#include "cli/JsonRecord.h"
#include "core/shell/NewInstallation.h"
#include "core/store/BinaryFile.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"

#include <algorithm>
#include <array>
#include <string>
#include <type_traits>

namespace tavolim::cli {
namespace {

using core::FileKind;

struct KindName {
    std::string_view name;
    FileKind kind;
};

constexpr std::array<KindName, 10> kKindNames = {{
    {"clientes", FileKind::Clients},
    {"dependentes", FileKind::Dependents},
    {"fitas", FileKind::Tapes},
    {"atores", FileKind::Actors},
    {"distribuidores", FileKind::Distributors},
    {"produtos", FileKind::Products},
    {"selos", FileKind::Labels},
    {"midias", FileKind::Media},
    {"regras", FileKind::GeneralRules},
    {"locadora", FileKind::Store},
}};

// One memo directory entry: PosMemo and TamMemo, 4 bytes each.
constexpr std::uint64_t kMemoEntrySize = 8;

bool holdsStore(const std::filesystem::path& folder, std::ostream& err)
{
    if (core::needsNewInstallation(folder)) {
        err << "A pasta " << folder.string() << " não tem uma instalação do Tavolim.\n";
        return false;
    }
    return true;
}

// Record numbers the record layer can address in a file of `count` records.
bool inRange(std::int64_t number, std::int64_t count)
{
    return number >= 1 && number <= std::min<std::int64_t>(count, core::RecordStore::MaxRecords);
}

} // namespace

std::optional<FileKind> recordKindFromName(std::string_view name)
{
    for (const auto& k : kKindNames) {
        if (k.name == name) {
            return k.kind;
        }
    }
    return std::nullopt;
}

int dumpRecords(const std::filesystem::path& folder, FileKind kind,
                std::optional<std::int64_t> number, std::ostream& out, std::ostream& err)
{
    if (!holdsStore(folder, err)) {
        return 1;
    }
    core::RecordStore store(folder);
    if (number) {
        const auto count = store.recordCount(kind);
        if (!inRange(*number, count)) {
            err << "O registro " << *number << " não existe em "
                << core::fileKindInfo(kind).fileName << ", que tem " << count
                << (count == 1 ? " registro.\n" : " registros.\n");
            return 1;
        }
        store.readRecord(kind, static_cast<int>(*number), true);
        core::withCurrent(store.current(), kind, [&](const auto& record) {
            out << jsonLine(recordToJson(record)) << '\n';
        });
        return 0;
    }
    // The current record only names the type; the walk reads the file in blocks.
    core::withCurrent(store.current(), kind, [&](const auto& prototype) {
        using R = std::decay_t<decltype(prototype)>;
        store.scan<R>(kind, [&](std::int32_t, const R& record) {
            out << jsonLine(recordToJson(record)) << '\n';
        });
    });
    return 0;
}

int dumpMemo(const std::filesystem::path& folder, std::int64_t number, std::ostream& out,
             std::ostream& err)
{
    if (!holdsStore(folder, err)) {
        return 1;
    }
    core::RecordStore store(folder);
    store.readRecord(FileKind::GeneralRules, 1, true);
    auto& rules = store.rules();
    core::MemoStore memos(folder, {rules.MemosLivres, rules.MemosDesperdicio});
    const auto count =
        static_cast<std::int64_t>(core::binaryfile::size(folder / "RegMemos.tvl") / kMemoEntrySize);
    if (number < 1 || number > count) {
        err << "O memo " << number << " não existe; há " << count
            << (count == 1 ? " memo.\n" : " memos.\n");
        return 1;
    }
    Json line = Json::object();
    line["Memo"] = number;
    line["Texto"] = memos.readMemo(static_cast<std::int32_t>(number));
    out << jsonLine(line) << '\n';
    return 0;
}

int dumpSynopsis(const std::filesystem::path& folder, std::int64_t tape, std::ostream& out,
                 std::ostream& err)
{
    if (!holdsStore(folder, err)) {
        return 1;
    }
    core::RecordStore store(folder);
    const auto count = store.recordCount(FileKind::Tapes);
    if (!inRange(tape, count)) {
        err << "A fita " << tape << " não existe; o arquivo de fitas tem " << count
            << (count == 1 ? " registro.\n" : " registros.\n");
        return 1;
    }
    store.readRecord(FileKind::GeneralRules, 1, true);
    store.readRecord(FileKind::Tapes, static_cast<int>(tape), true);
    const auto& t = store.tape();
    // Read through copies: the store zeroes the fields of a tape that has no synopsis, and
    // the dump shows them as stored.
    std::int32_t sinopse = t.Sinopse;
    std::int16_t tamSinopse = t.TamSinopse;
    core::SynopsisStore synopses(folder, store.rules().SinopsesDesperdicio);
    Json line = Json::object();
    line["Fita"] = tape;
    line["Sinopse"] = t.Sinopse;
    line["TamSinopse"] = t.TamSinopse;
    line["Texto"] = synopses.readSynopsis(sinopse, tamSinopse);
    out << jsonLine(line) << '\n';
    return 0;
}

} // namespace tavolim::cli
