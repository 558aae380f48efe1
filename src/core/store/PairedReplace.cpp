#include "core/store/PairedReplace.h"

#include "core/store/BinaryFile.h"

namespace tavolim::core {

void PairedReplace::finishInterrupted() const
{
    if (binaryfile::exists(secondaryTemp) && !binaryfile::exists(primaryTemp)) {
        binaryfile::replace(secondaryTemp, secondary);
    }
}

void PairedReplace::clearLeftovers() const
{
    finishInterrupted();
    binaryfile::remove(secondaryTemp);
    binaryfile::remove(primaryTemp);
}

bool PairedReplace::commit(std::span<const std::uint8_t> primaryBytes,
                           std::span<const std::uint8_t> secondaryBytes) const
{
    const bool hadPrimary = binaryfile::exists(primary);
    if (!binaryfile::writeNew(primaryTemp, primaryBytes) ||
        !binaryfile::writeNew(secondaryTemp, secondaryBytes) ||
        !binaryfile::replace(primaryTemp, primary)) {
        // A failed rename may have removed the old primary already; then the temporaries are
        // all that is left of it.
        if (binaryfile::exists(primary) || !hadPrimary) {
            binaryfile::remove(secondaryTemp);
            binaryfile::remove(primaryTemp);
        }
        return false;
    }
    binaryfile::replace(secondaryTemp, secondary);
    return true;
}

} // namespace tavolim::core
