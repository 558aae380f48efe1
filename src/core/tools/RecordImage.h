#pragma once

#include "core/store/FileKind.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

namespace detail {
// Visits a record's field list for the offset of one field.
struct FieldFinder {
    std::string_view wanted;
    std::size_t offset = std::numeric_limits<std::size_t>::max();

    void found(std::string_view field, std::size_t at)
    {
        if (field == wanted) {
            offset = at;
        }
    }
    template <class T>
    void field(std::string_view field, std::size_t at, const T&)
    {
        found(field, at);
    }
    void text(std::string_view field, std::size_t at, std::size_t, const std::string&)
    {
        found(field, at);
    }
    template <class T, std::size_t N>
    void array(std::string_view field, std::size_t at, const std::array<T, N>&)
    {
        found(field, at);
    }
    template <std::size_t N>
    void textArray(std::string_view field, std::size_t at, std::size_t,
                   const std::array<std::string, N>&)
    {
        found(field, at);
    }
};
} // namespace detail

// The byte offset of a field in its record, as the record's field list gives it.
template <class R>
std::size_t fieldOffset(std::string_view name)
{
    const R record{};
    detail::FieldFinder finder{name};
    R::fields(record, finder);
    return finder.offset;
}

// The first `count` slots of a list field (Dep, Fitas, Atores), read in place: good until
// the record is put back.
class Slots {
public:
    Slots() = default;
    Slots(const std::uint8_t* bytes, int count) : m_bytes(bytes), m_count(count) {}

    int count() const { return m_count; }
    std::int16_t operator[](int i) const
    {
        const std::uint8_t* p = m_bytes + 2 * i;
        return static_cast<std::int16_t>(p[0] | (p[1] << 8));
    }
    bool contains(std::int32_t value) const
    {
        for (int i = 0; i < m_count; ++i) {
            if ((*this)[i] == value) {
                return true;
            }
        }
        return false;
    }

private:
    const std::uint8_t* m_bytes = nullptr;
    int m_count = 0;
};

// A whole record file read into memory at once, for checks that look at every record and
// at the records they point to. They read the few fields they follow straight from the
// bytes; put() keeps the image in step with a record written back.
class RecordImage {
public:
    RecordImage(const std::filesystem::path& file, FileKind kind);

    // Whole records in the image.
    std::int32_t count() const { return m_count; }
    bool inRange(std::int32_t n) const { return n >= 1 && n <= m_count; }
    // A record that is there: in range and not a blank gap (Codigo 0).
    bool present(std::int32_t n) const;
    // Present and marked "#" in its name field.
    bool deleted(std::int32_t n) const;

    // An Int or Bool field (Bool: -1 true) of record n, or a Long; 0 out of range.
    std::int16_t int16(std::int32_t n, std::size_t offset) const;
    std::int32_t int32(std::int32_t n, std::size_t offset) const;
    // The list at `values` with its count at `countOffset`, the count clamped to 0..max.
    Slots slots(std::int32_t n, std::size_t countOffset, std::size_t values, int max) const;

    template <class R>
    void put(std::int32_t n, const R& record)
    {
        if (inRange(n)) {
            record.encode(std::span(m_bytes).subspan(offset(n), R::Size));
        }
    }

private:
    std::size_t offset(std::int32_t n) const { return static_cast<std::size_t>(n - 1) * m_length; }
    std::span<const std::uint8_t> bytes(std::int32_t n) const
    {
        return std::span(m_bytes).subspan(offset(n), m_length);
    }

    std::vector<std::uint8_t> m_bytes;
    std::size_t m_length;
    std::size_t m_nameOffset;
    std::size_t m_nameWidth;
    std::int32_t m_count = 0;
};

} // namespace tavolim::core
