#include "core/counter/ClientNavigation.h"

#include "core/store/RecordStore.h"

#include <algorithm>

namespace tavolim::core {

std::optional<std::int16_t> moveClient(const RecordStore& records, ClientMove move,
                                       std::int16_t from)
{
    const std::int32_t count = records.recordCount(FileKind::Clients);
    std::int32_t n = 0;
    int step = 1;
    switch (move) {
    case ClientMove::First:
        n = 1;
        break;
    case ClientMove::Previous:
        n = std::min<std::int32_t>(from, count + 1) - 1;
        step = -1;
        break;
    case ClientMove::Next:
        n = std::max<std::int32_t>(from, 0) + 1;
        break;
    case ClientMove::Last:
        n = count;
        step = -1;
        break;
    }
    for (; n >= 1 && n <= count; n += step) {
        if (!records.isDeletedOnDisk(FileKind::Clients, n)) {
            return static_cast<std::int16_t>(n);
        }
    }
    return std::nullopt;
}

} // namespace tavolim::core
