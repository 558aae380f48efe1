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

// Plain search: names are a few dozen bytes, too short for the library's to pay off.
std::size_t findPiece(std::string_view name, const std::string& piece, std::size_t from)
{
    const std::size_t m = piece.size();
    for (std::size_t i = from; i + m <= name.size(); ++i) {
        if (name[i] != piece[0]) {
            continue;
        }
        std::size_t k = 1;
        while (k < m && name[i + k] == piece[k]) {
            ++k;
        }
        if (k == m) {
            return i;
        }
    }
    return std::string_view::npos;
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

NameMatch::NameMatch(std::string_view typed, bool partial, std::size_t width)
    : m_partial(partial)
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

    // Names are at most 35 bytes; a wider field would take the heap.
    std::array<char, 64> small;
    std::string large;
    char* upper = small.data();
    if (field.size() > small.size()) {
        large.resize(field.size());
        upper = large.data();
    }
    for (std::size_t i = 0; i < field.size(); ++i) {
        upper[i] = static_cast<char>(kUpper[field[i]]);
    }
    const std::string_view name(upper, field.size());
    std::size_t at = 0;
    for (const auto& piece : m_pieces) {
        at = findPiece(name, piece, at);
        if (at == std::string_view::npos) {
            return false;
        }
        at += piece.size();
    }
    return true;
}

} // namespace tavolim::core
