#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

// Name comparison straight on the code-page bytes of a record's name field, so a search over
// a full file never decodes a record that does not match. Both sides are trimmed of spaces
// (and NULs, which read as spaces) and compared in upper case, accented letters included.
class NameMatch {
public:
    // `typed` is UTF-8. Exact: the typed text is cut to `width` bytes first, as a name that
    // long could only have been stored cut. Partial: the stored name must match the pattern
    // "*" + typed + "*", "*" standing for any run of characters (typed ones included); a
    // space beside a star is taken into it.
    NameMatch(std::string_view typed, bool partial, std::size_t width);

    bool matches(std::span<const std::uint8_t> field) const;

private:
    // An upper-cased piece of a pattern, found in stored bytes of any case.
    class Piece {
    public:
        explicit Piece(std::string_view upper);
        std::size_t size() const { return m_text.size(); }
        std::size_t find(std::span<const std::uint8_t> name, std::size_t from) const;

    private:
        std::string m_text;
        std::array<std::uint8_t, 256> m_skip{};
    };

    std::string m_text; // upper-cased code-page bytes: the name, or the pattern
    // The pattern's pieces between stars. As it starts and ends with one, finding each piece
    // after the previous one is the whole match.
    std::vector<Piece> m_pieces;
    bool m_partial;
};

// Windows-1252 upper case of one byte ("ã" to "Ã", "ÿ" to "Ÿ").
std::uint8_t upperCp1252(std::uint8_t c);

} // namespace tavolim::core
