#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tavolim::core {

struct PairedReplace;

// Tape synopses, kept in Sinopses.tvl: texts back to back in the Western code page, with no
// header and no separators. A tape finds its text through its own fields Sinopse (1-based byte
// position, 0 = none) and TamSinopse (length in bytes, at most 32767 as it is an Int). A text
// that no longer fits is written again at the end and its old block abandoned;
// SinopsesDesperdicio of the general rules record counts the appends since the last compaction.
//
// A block that does not lie inside the file reads as "", is never overwritten in place, and is
// taken from its tape before the file grows under it (so it never reads another tape's text).
class SynopsisStore {
public:
    static constexpr std::size_t MaxLength = 32767;

    SynopsisStore(std::filesystem::path dataFolder, std::int16_t& sinopsesDesperdicio);

    // Stores the trimmed text (cut to MaxLength code-page bytes) and points the tape's fields
    // at it; an empty text clears them. On an I/O failure the fields are left as they were.
    void writeSynopsis(std::int32_t& sinopse, std::int16_t& tamSinopse, std::string text);
    // Sets both fields to 0 when either says there is no synopsis.
    std::string readSynopsis(std::int32_t& sinopse, std::int16_t& tamSinopse) const;
    // Rewrites the file with only the blocks the tapes of DadosFit.tvl use, in record order,
    // and points each tape at its new place. False when the new files could not be put in
    // place, or when the tapes' claims are damaged; the old ones then stay in force.
    bool compact();
    // More tapes claim a block outside the file than inside it: claims that lost track of the
    // texts, over which a compaction would throw them away.
    bool claimsDamaged() const;

private:
    std::filesystem::path file(const char* name) const { return m_folder / name; }
    PairedReplace compaction() const;
    void finishInterruptedCompaction() const;
    bool dropClaimsPastEnd(std::uint64_t heapSize) const;

    std::filesystem::path m_folder;
    std::int16_t& m_desperdicio;
};

} // namespace tavolim::core
