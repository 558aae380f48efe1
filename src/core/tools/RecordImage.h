#pragma once

#include "core/store/FileKind.h"
#include "core/store/RecordCodec.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace tavolim::core {

// A whole record file read into memory at once, for checks that look at every record and
// at the records they point to. Records are decoded without their text fields, which the
// checks need only for the few they report; put() keeps the image in step with a record
// written back.
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

    // The record's numbers (text fields left empty); a blank record out of range.
    template <class R>
    R numbers(std::int32_t n) const
    {
        R record;
        if (inRange(n)) {
            NumbersDecoder decoder(bytes(n));
            R::fields(record, decoder);
        }
        return record;
    }

    template <class R>
    void put(std::int32_t n, const R& record)
    {
        if (inRange(n)) {
            record.encode(std::span(m_bytes).subspan(offset(n), R::Size));
        }
    }

private:
    // RecordDecoder without the text fields.
    struct NumbersDecoder : RecordDecoder {
        using RecordDecoder::RecordDecoder;
        void text(std::string_view, std::size_t, std::size_t, std::string&) {}
        template <std::size_t N>
        void textArray(std::string_view, std::size_t, std::size_t, std::array<std::string, N>&)
        {
        }
    };

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
