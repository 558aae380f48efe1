#include "core/store/SynopsisStore.h"

#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"
#include "core/store/PairedReplace.h"
#include "core/store/RecordCodec.h"
#include "core/store/TextHelpers.h"

#include <limits>
#include <span>
#include <system_error>
#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

constexpr const char* HeapFile = "Sinopses.tvl";
constexpr const char* HeapTemp = "Sinopses.tmp";
constexpr const char* TapeFile = "DadosFit.tvl";
constexpr const char* TapeTemp = "DadosFit.tmp";

// Where the tape record keeps its synopsis fields.
constexpr std::size_t TapeRecordSize = 228;
constexpr std::size_t SinopseOffset = 102;
constexpr std::size_t TamSinopseOffset = 106;

constexpr std::uint64_t MaxPosition = std::numeric_limits<std::int32_t>::max();

// True when the whole block lies inside a file of `heapSize` bytes.
bool holdsText(std::int32_t sinopse, std::int16_t tamSinopse, std::uint64_t heapSize)
{
    return sinopse >= 1 && tamSinopse >= 1 &&
           static_cast<std::uint64_t>(sinopse) - 1 + static_cast<std::uint64_t>(tamSinopse) <=
               heapSize;
}

} // namespace

SynopsisStore::SynopsisStore(std::filesystem::path dataFolder, std::int16_t& sinopsesDesperdicio)
    : m_folder(std::move(dataFolder)), m_desperdicio(sinopsesDesperdicio)
{
}

// Compaction rewrites the tape file (the commit) and the synopsis file together. Committing on
// the tape file means finishing a crashed compaction only ever touches our own file, never tape
// records written since.
PairedReplace SynopsisStore::compaction() const
{
    return {file(TapeFile), file(TapeTemp), file(HeapFile), file(HeapTemp)};
}

void SynopsisStore::finishInterruptedCompaction() const
{
    compaction().finishInterrupted();
}

// Tapes whose block runs past the end of the file (a tape file from another copy, a synopsis
// file cut short) read as "": once the file grew under them they would read, and later
// overwrite in place, another tape's text. Their synopsis fields are cleared in the tape file.
bool SynopsisStore::dropClaimsPastEnd(std::uint64_t heapSize) const
{
    const auto tapes = file(TapeFile);
    std::vector<std::uint64_t> dangling;
    std::uint64_t at = 0;
    binaryfile::readBlocks(
        tapes, 0, binaryfile::size(tapes), TapeRecordSize * 1024,
        [&](std::span<const std::uint8_t> block) {
            for (std::size_t i = 0; i + TapeRecordSize <= block.size();
                 i += TapeRecordSize, at += TapeRecordSize) {
                const auto record = block.subspan(i, TapeRecordSize);
                std::int32_t sinopse = 0;
                std::int16_t tamSinopse = 0;
                RecordDecoder(record).field("Sinopse", SinopseOffset, sinopse);
                RecordDecoder(record).field("TamSinopse", TamSinopseOffset, tamSinopse);
                if (sinopse >= 1 && tamSinopse >= 1 && !holdsText(sinopse, tamSinopse, heapSize)) {
                    dangling.push_back(at);
                }
            }
        });
    const std::uint8_t none[6] = {0, 0, 0, 0, 0, 0};
    for (const auto record : dangling) {
        if (!binaryfile::writeAt(tapes, record + SinopseOffset, none)) {
            return false;
        }
    }
    return true;
}

void SynopsisStore::writeSynopsis(std::int32_t& sinopse, std::int16_t& tamSinopse, std::string text)
{
    finishInterruptedCompaction();
    // Trimmed first, so a text of spaces clears the synopsis instead of keeping an empty block.
    std::string bytes = toCp1252(trim(text));
    if (bytes.size() > MaxLength) {
        bytes.resize(MaxLength);
    }
    if (bytes.empty()) {
        if (sinopse >= 1 || tamSinopse >= 1) {
            if (m_desperdicio < std::numeric_limits<std::int16_t>::max()) {
                ++m_desperdicio;
            }
        }
        sinopse = 0;
        tamSinopse = 0;
        return;
    }

    const auto heapPath = file(HeapFile);
    const std::uint64_t heapSize = binaryfile::size(heapPath);
    const auto length = static_cast<std::int16_t>(bytes.size());
    std::uint64_t position = heapSize + 1;
    const bool appends = length > tamSinopse;
    if (!appends && holdsText(sinopse, tamSinopse, heapSize)) {
        position = static_cast<std::uint64_t>(sinopse);
    }
    if (position - 1 + bytes.size() > MaxPosition) {
        return; // Sinopse could not address it
    }
    if (position == heapSize + 1 && !dropClaimsPastEnd(heapSize)) {
        return;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (!binaryfile::writeAt(heapPath, position - 1, std::span(data, bytes.size()))) {
        return;
    }
    if (appends && m_desperdicio < std::numeric_limits<std::int16_t>::max()) {
        ++m_desperdicio;
    }
    sinopse = static_cast<std::int32_t>(position);
    tamSinopse = length;
}

std::string SynopsisStore::readSynopsis(std::int32_t& sinopse, std::int16_t& tamSinopse) const
{
    finishInterruptedCompaction();
    if (sinopse <= 0 || tamSinopse <= 0) {
        sinopse = 0;
        tamSinopse = 0;
        return {};
    }
    const auto heapPath = file(HeapFile);
    if (!holdsText(sinopse, tamSinopse, binaryfile::size(heapPath))) {
        return {};
    }
    std::size_t got = 0;
    const auto bytes = binaryfile::readAt(heapPath, static_cast<std::uint64_t>(sinopse) - 1,
                                          static_cast<std::size_t>(tamSinopse), &got);
    if (got != bytes.size()) {
        return {};
    }
    return fromCp1252(std::string(bytes.begin(), bytes.end()));
}

namespace {

// Tapes whose block lies inside the heap, and tapes whose claim is no place in it.
std::pair<std::size_t, std::size_t> claims(std::span<const std::uint8_t> tapes,
                                           std::uint64_t heapSize)
{
    std::size_t inside = 0;
    std::size_t outside = 0;
    for (std::size_t at = 0; at + TapeRecordSize <= tapes.size(); at += TapeRecordSize) {
        const auto record = tapes.subspan(at, TapeRecordSize);
        std::int32_t sinopse = 0;
        std::int16_t tamSinopse = 0;
        RecordDecoder(record).field("Sinopse", SinopseOffset, sinopse);
        RecordDecoder(record).field("TamSinopse", TamSinopseOffset, tamSinopse);
        if (holdsText(sinopse, tamSinopse, heapSize)) {
            ++inside;
        } else if (sinopse != 0 && tamSinopse != 0) {
            ++outside;
        }
    }
    return {inside, outside};
}

} // namespace

bool SynopsisStore::claimsDamaged() const
{
    const auto [inside, outside] =
        claims(binaryfile::readAll(file(TapeFile)), binaryfile::size(file(HeapFile)));
    return outside > inside;
}

bool SynopsisStore::compact()
{
    compaction().clearLeftovers();

    // One pass over the whole tape file in memory rather than a seek per record.
    auto tapes = binaryfile::readAll(file(TapeFile));
    const auto heap = binaryfile::readAll(file(HeapFile));
    if (const auto [inside, outside] = claims(tapes, heap.size()); outside > inside) {
        return false;
    }
    std::vector<std::uint8_t> packed;
    packed.reserve(heap.size());
    const std::size_t count = tapes.size() / TapeRecordSize;
    for (std::size_t i = 0; i < count; ++i) {
        const std::span<std::uint8_t> record(tapes.data() + i * TapeRecordSize, TapeRecordSize);
        std::int32_t sinopse = 0;
        std::int16_t tamSinopse = 0;
        RecordDecoder(record).field("Sinopse", SinopseOffset, sinopse);
        RecordDecoder(record).field("TamSinopse", TamSinopseOffset, tamSinopse);
        if (holdsText(sinopse, tamSinopse, heap.size())) {
            const auto from = heap.begin() + (sinopse - 1);
            sinopse = static_cast<std::int32_t>(packed.size() + 1);
            packed.insert(packed.end(), from, from + tamSinopse);
        } else {
            sinopse = 0; // a block outside the file holds nothing worth keeping
            tamSinopse = 0;
        }
        RecordEncoder enc(record);
        enc.field("Sinopse", SinopseOffset, sinopse);
        enc.field("TamSinopse", TamSinopseOffset, tamSinopse);
    }

    if (!compaction().commit(tapes, packed)) {
        return false;
    }
    m_desperdicio = 0;
    return true;
}

} // namespace tavolim::core
