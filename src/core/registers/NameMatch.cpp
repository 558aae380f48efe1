#include "core/registers/NameMatch.h"

#include "core/store/Cp1252.h"

#include <algorithm>
#include <array>

namespace tavolim::core {
namespace {

constexpr std::array<std::uint8_t, 256> makeUpperTable()
{
    std::array<std::uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) {
        int u = c;
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
            u = c - 0x20;
        } else if (c == 0x9A || c == 0x9C || c == 0x9E) { // š œ ž
            u = c - 0x10;
        } else if (c == 0xFF) { // ÿ
            u = 0x9F;
        }
        t[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(u);
    }
    return t;
}

constexpr auto kUpper = makeUpperTable();

bool isBlank(std::uint8_t c)
{
    return c == ' ' || c == 0;
}

std::span<const std::uint8_t> trimmed(std::span<const std::uint8_t> s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && isBlank(s[b])) {
        ++b;
    }
    while (e > b && isBlank(s[e - 1])) {
        --e;
    }
    return s.subspan(b, e - b);
}

std::span<const std::uint8_t> bytesOf(std::string_view s)
{
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

} // namespace

std::uint8_t upperCp1252(std::uint8_t c)
{
    return kUpper[c];
}

NameMatch::NameMatch(std::string_view typed, bool partial, std::size_t width) : m_partial(partial)
{
    std::string bytes = toCp1252(typed);
    if (!partial && bytes.size() > width) {
        bytes.resize(width);
    }
    const auto core = trimmed(bytesOf(bytes));
    std::string text;
    if (partial) {
        text.push_back('*');
    }
    for (const auto c : core) {
        // Runs of stars mean the same as one and would only slow the matcher.
        if (c == '*' && !text.empty() && text.back() == '*' && partial) {
            continue;
        }
        text.push_back(static_cast<char>(kUpper[c]));
    }
    if (partial && text.back() != '*') {
        text.push_back('*');
    }
    m_text = std::move(text);
    if (partial) {
        // A space beside a star is taken into the star, so no piece starts or ends with one
        // and the stored name's padding can be searched as it is, untrimmed.
        std::size_t start = 0;
        while (start < m_text.size()) {
            const std::size_t star = std::min(m_text.find('*', start), m_text.size());
            std::string_view piece(m_text.data() + start, star - start);
            while (!piece.empty() && piece.front() == ' ') {
                piece.remove_prefix(1);
            }
            while (!piece.empty() && piece.back() == ' ') {
                piece.remove_suffix(1);
            }
            if (!piece.empty()) {
                m_pieces.emplace_back(piece);
            }
            start = star + 1;
        }
    }
}

bool NameMatch::matches(std::span<const std::uint8_t> field) const
{
    if (!m_partial) {
        // Most names differ in their first letter: decide that before trimming the end.
        std::size_t b = 0;
        while (b < field.size() && isBlank(field[b])) {
            ++b;
        }
        if (m_text.empty() || b == field.size()) {
            return m_text.empty() && b == field.size();
        }
        if (kUpper[field[b]] != static_cast<std::uint8_t>(m_text[0])) {
            return false;
        }
        const auto stored = trimmed(field.subspan(b));
        if (stored.size() != m_text.size()) {
            return false;
        }
        for (std::size_t i = 1; i < stored.size(); ++i) {
            if (kUpper[stored[i]] != static_cast<std::uint8_t>(m_text[i])) {
                return false;
            }
        }
        return true;
    }

    std::size_t at = 0;
    for (const auto& piece : m_pieces) {
        at = piece.find(field, at);
        if (at == std::string_view::npos) {
            return false;
        }
        at += piece.size();
    }
    return true;
}

NameMatch::Piece::Piece(std::string_view upper) : m_text(upper)
{
    // Horspool's skips, indexed by the stored byte as it is: the case folding is in the table.
    const std::size_t m = m_text.size();
    std::array<std::uint8_t, 256> byUpper;
    byUpper.fill(static_cast<std::uint8_t>(std::min<std::size_t>(m, 255)));
    for (std::size_t i = 0; i + 1 < m; ++i) {
        byUpper[static_cast<std::uint8_t>(m_text[i])] =
            static_cast<std::uint8_t>(std::min<std::size_t>(m - 1 - i, 255));
    }
    for (int b = 0; b < 256; ++b) {
        m_skip[static_cast<std::size_t>(b)] = byUpper[kUpper[static_cast<std::size_t>(b)]];
    }
}

std::size_t NameMatch::Piece::find(std::span<const std::uint8_t> name, std::size_t from) const
{
    const std::size_t m = m_text.size();
    for (std::size_t i = from; i + m <= name.size(); i += m_skip[name[i + m - 1]]) {
        std::size_t k = m;
        while (k > 0 && kUpper[name[i + k - 1]] == static_cast<std::uint8_t>(m_text[k - 1])) {
            --k;
        }
        if (k == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace tavolim::core
