#pragma once

#include <array>
#include <vector>

namespace tavolim::core {

// The counts a rule table is looked up with: all tapes of the rental, the tapes of one label
// and the tapes of one media. Each is 1..15 when it reaches a table.
struct TapeCounts {
    int total = 0;
    int label = 0;
    int media = 0;
};

// Whether a tape marked as freebie still counts, per pair of counters (the settings
// "ContaBrindeDiaria", "ContaBrindePrazo" and "ContaBrindeMsg").
struct FreebieCounting {
    bool price = false;     // the label price and the freebie messages
    bool term = false;      // the term in label or media mode
    bool promotion = false; // the promotion messages
};

// The counters of one open rental: TotalFitas and three pairs of counts by label code and by
// media code. The price pair chooses the price and the freebie messages, the term pair the
// term, the promotion pair the promotion messages. A freebie leaves the pairs that do not
// count it; TotalFitas always counts it. Codes below 1 are not counted; counts never go
// below 0.
class RentalCounters {
public:
    enum class Pair { Price, Term, Promotion };

    explicit RentalCounters(FreebieCounting counting = {}) : m_counting(counting) {}

    int totalTapes() const { return m_total; }
    int byLabel(Pair pair, int label) const { return at(m_pairs[index(pair)].labels, label); }
    int byMedia(Pair pair, int media) const { return at(m_pairs[index(pair)].media, media); }
    // TotalFitas with this pair's counts of the label and the media.
    TapeCounts counts(Pair pair, int label, int media) const;

    void addTape(int label, int media);
    void removeTape(int label, int media, bool freebie);
    void markFreebie(int label, int media);
    void unmarkFreebie(int label, int media);

private:
    struct Counts {
        std::vector<int> labels;
        std::vector<int> media;
    };

    static std::size_t index(Pair pair) { return static_cast<std::size_t>(pair); }
    static int at(const std::vector<int>& counts, int code);
    static void change(std::vector<int>& counts, int code, int delta);
    void changePair(Pair pair, int label, int media, int delta);
    // The pairs a freebie leaves, under the settings.
    void changeFreebiePairs(int label, int media, int delta);

    FreebieCounting m_counting;
    int m_total = 0;
    std::array<Counts, 3> m_pairs;
};

} // namespace tavolim::core
