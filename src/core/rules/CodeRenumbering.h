#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace tavolim::core {

// What deleting labels, media or sections does to the codes that name them. Each deletion, in
// the numbering of its moment, sends the deleted code to a replacement and then lowers every
// later code by one, as the records after it move down: deleting 2 of 4 with replacement 3
// sends 2 and 3 to 2 and 4 to 3. Codes below 1 name nothing and stay as they are.
class CodeRenumbering {
public:
    void remove(int deleted, int replacement);

    bool empty() const { return m_steps.empty(); }
    int map(int code) const;

    // Every Int code 0..32767 mapped at once, for walking a whole file: entry c is map(c).
    std::vector<std::int16_t> table() const;

private:
    std::vector<std::pair<int, int>> m_steps;
};

// The codes of one kind of record that tapes name: sections, labels and media.
struct TapeRenumbering {
    CodeRenumbering sections;
    CodeRenumbering labels;
    CodeRenumbering media;

    bool empty() const { return sections.empty() && labels.empty() && media.empty(); }
};

// Re-points Secao, Selo and Midia of every whole tape record in `tapes`, the bytes of
// DadosFit.tvl, leaving every other byte as it is. `progress(done, total)` is told every
// 1024 records and at the end. Returns how many records changed.
int renumberTapes(std::span<std::uint8_t> tapes, const TapeRenumbering& codes,
                  const std::function<void(int done, int total)>& progress = {});

} // namespace tavolim::core
