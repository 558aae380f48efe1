#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace tavolim::core {

// Two files rewritten as one: both new contents go to temporaries beside them, then the
// primary's rename commits and the secondary's follows. A secondary temporary with no primary
// temporary beside it is therefore a committed rewrite whose second rename did not happen.
struct PairedReplace {
    std::filesystem::path primary;
    std::filesystem::path primaryTemp;
    std::filesystem::path secondary;
    std::filesystem::path secondaryTemp;

    // Completes a rewrite that committed but did not finish; anything else is left alone.
    void finishInterrupted() const;
    // Finishes a committed rewrite, then drops the leftovers of one that never committed
    // (the secondary's first, as a lone secondary temporary would read as committed).
    void clearLeftovers() const;
    // Writes both temporaries and renames them into place. False when the rewrite did not
    // commit: the old files then stay in force. True once the primary is in place, even if the
    // secondary's rename failed (finishInterrupted completes it later).
    bool commit(std::span<const std::uint8_t> primaryBytes,
                std::span<const std::uint8_t> secondaryBytes) const;
};

} // namespace tavolim::core
