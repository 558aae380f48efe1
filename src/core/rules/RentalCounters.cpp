#include "core/rules/RentalCounters.h"

#include <algorithm>

namespace tavolim::core {

TapeCounts RentalCounters::counts(Pair pair, int label, int media) const
{
    return {m_total, byLabel(pair, label), byMedia(pair, media)};
}

int RentalCounters::at(const std::vector<int>& counts, int code)
{
    if (code < 1 || static_cast<std::size_t>(code) > counts.size()) {
        return 0;
    }
    return counts[static_cast<std::size_t>(code - 1)];
}

void RentalCounters::change(std::vector<int>& counts, int code, int delta)
{
    if (code < 1) {
        return;
    }
    const auto i = static_cast<std::size_t>(code - 1);
    if (i >= counts.size()) {
        counts.resize(i + 1, 0);
    }
    counts[i] = std::max(0, counts[i] + delta);
}

void RentalCounters::changePair(Pair pair, int label, int media, int delta)
{
    auto& counts = m_pairs[index(pair)];
    change(counts.labels, label, delta);
    change(counts.media, media, delta);
}

void RentalCounters::changeFreebiePairs(int label, int media, int delta)
{
    if (!m_counting.price) {
        changePair(Pair::Price, label, media, delta);
    }
    if (!m_counting.term) {
        changePair(Pair::Term, label, media, delta);
    }
    if (!m_counting.promotion) {
        changePair(Pair::Promotion, label, media, delta);
    }
}

void RentalCounters::addTape(int label, int media)
{
    ++m_total;
    for (const auto pair : {Pair::Price, Pair::Term, Pair::Promotion}) {
        changePair(pair, label, media, +1);
    }
}

void RentalCounters::removeTape(int label, int media, bool freebie)
{
    m_total = std::max(0, m_total - 1);
    // A freebie row holds only the pairs that count freebies.
    changePair(Pair::Price, label, media, freebie && !m_counting.price ? 0 : -1);
    changePair(Pair::Term, label, media, freebie && !m_counting.term ? 0 : -1);
    changePair(Pair::Promotion, label, media, freebie && !m_counting.promotion ? 0 : -1);
}

void RentalCounters::markFreebie(int label, int media)
{
    changeFreebiePairs(label, media, -1);
}

void RentalCounters::unmarkFreebie(int label, int media)
{
    changeFreebiePairs(label, media, +1);
}

} // namespace tavolim::core
