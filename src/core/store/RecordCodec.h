#pragma once

#include "core/store/Cp1252.h"
#include "core/store/Money.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tavolim::core {

// Every record struct lists its fields once, in a static `fields(self, visitor)` template,
// with the field's name and its byte offset in the record:
//
//     v.field("Codigo", 0, r.Codigo);          // Int (int16_t), Long (int32_t), Single
//     v.text("PrimNome", 2, 15, r.PrimNome);   // Text N
//     v.array("Dep", 251, r.Dep);              // N x Int, N x Bool, ...
//     v.textArray("Secoes", 478, 20, r.Secoes);
//
// The visitors below decode from and encode to the record's bytes; the command-line tool
// dumps through the same list, and the layout tests check the offsets tile the record.
// Scalar types map to the stored encodings: int16_t = Int, int32_t = Long, float = Single,
// Money = Single holding money, bool = Bool (-1 true, anything but -1 reads as false).

// A count field read from a file may hold anything (old data, hand edits): every use of a
// count as an array bound goes through this clamp to 0..max.
constexpr int clampCount(int stored, int max)
{
    return stored < 0 ? 0 : (stored > max ? max : stored);
}

template <class T>
constexpr std::size_t storedSize()
{
    if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, bool>) {
        return 2;
    } else {
        static_assert(std::is_same_v<T, std::int32_t> || std::is_same_v<T, float> ||
                      std::is_same_v<T, Money>);
        return 4;
    }
}

// Reads fields out of a record's bytes. Bytes missing at the end (a truncated file) read as 0.
class RecordDecoder {
public:
    explicit RecordDecoder(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    template <class T>
    void field(std::string_view, std::size_t offset, T& value)
    {
        std::uint8_t raw[4] = {0, 0, 0, 0};
        copyOut(offset, raw, storedSize<T>());
        if constexpr (std::is_same_v<T, std::int16_t>) {
            value = static_cast<std::int16_t>(raw[0] | (raw[1] << 8));
        } else if constexpr (std::is_same_v<T, bool>) {
            value = static_cast<std::int16_t>(raw[0] | (raw[1] << 8)) == -1;
        } else {
            const std::uint32_t u = raw[0] | (raw[1] << 8) | (raw[2] << 16) |
                                    (static_cast<std::uint32_t>(raw[3]) << 24);
            if constexpr (std::is_same_v<T, std::int32_t>) {
                value = static_cast<std::int32_t>(u);
            } else {
                float f;
                std::memcpy(&f, &u, sizeof f);
                if constexpr (std::is_same_v<T, float>) {
                    value = f;
                } else {
                    value = Money::fromSingle(f);
                }
            }
        }
    }

    void text(std::string_view, std::size_t offset, std::size_t width, std::string& value)
    {
        std::string raw(width, ' ');
        copyOut(offset, reinterpret_cast<std::uint8_t*>(raw.data()), width);
        value = decodeField(raw);
    }

    template <class T, std::size_t N>
    void array(std::string_view name, std::size_t offset, std::array<T, N>& values)
    {
        for (std::size_t i = 0; i < N; ++i) {
            field(name, offset + i * storedSize<T>(), values[i]);
        }
    }

    template <std::size_t N>
    void textArray(std::string_view name, std::size_t offset, std::size_t width,
                   std::array<std::string, N>& values)
    {
        for (std::size_t i = 0; i < N; ++i) {
            text(name, offset + i * width, width, values[i]);
        }
    }

private:
    void copyOut(std::size_t offset, std::uint8_t* out, std::size_t n) const
    {
        for (std::size_t i = 0; i < n; ++i) {
            out[i] = offset + i < m_bytes.size() ? m_bytes[offset + i] : std::uint8_t{0};
        }
    }

    std::span<const std::uint8_t> m_bytes;
};

// Writes fields into a record's bytes; writes falling outside the buffer are dropped.
class RecordEncoder {
public:
    explicit RecordEncoder(std::span<std::uint8_t> bytes) : m_bytes(bytes) {}

    template <class T>
    void field(std::string_view, std::size_t offset, const T& value)
    {
        std::uint32_t u = 0;
        if constexpr (std::is_same_v<T, std::int16_t>) {
            u = static_cast<std::uint16_t>(value);
        } else if constexpr (std::is_same_v<T, bool>) {
            u = value ? 0xFFFFu : 0u;
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            u = static_cast<std::uint32_t>(value);
        } else {
            float f;
            if constexpr (std::is_same_v<T, float>) {
                f = value;
            } else {
                f = value.toSingle();
            }
            std::memcpy(&u, &f, sizeof u);
        }
        const std::uint8_t raw[4] = {
            static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
        copyIn(offset, raw, storedSize<T>());
    }

    void text(std::string_view, std::size_t offset, std::size_t width, const std::string& value)
    {
        const std::string raw = encodeField(value, width);
        copyIn(offset, reinterpret_cast<const std::uint8_t*>(raw.data()), width);
    }

    template <class T, std::size_t N>
    void array(std::string_view name, std::size_t offset, const std::array<T, N>& values)
    {
        for (std::size_t i = 0; i < N; ++i) {
            field(name, offset + i * storedSize<T>(), values[i]);
        }
    }

    template <std::size_t N>
    void textArray(std::string_view name, std::size_t offset, std::size_t width,
                   const std::array<std::string, N>& values)
    {
        for (std::size_t i = 0; i < N; ++i) {
            text(name, offset + i * width, width, values[i]);
        }
    }

private:
    void copyIn(std::size_t offset, const std::uint8_t* in, std::size_t n)
    {
        for (std::size_t i = 0; i < n && offset + i < m_bytes.size(); ++i) {
            m_bytes[offset + i] = in[i];
        }
    }

    std::span<std::uint8_t> m_bytes;
};

// Base of every fixed-length record: decode/encode through the derived type's field list.
template <class Derived, std::size_t N>
struct Record {
    static constexpr std::size_t Size = N;

    void decode(std::span<const std::uint8_t> bytes)
    {
        RecordDecoder d(bytes);
        Derived::fields(static_cast<Derived&>(*this), d);
    }

    // Fields are written over `bytes`; bytes no field covers (reserved) are left as they are.
    void encode(std::span<std::uint8_t> bytes) const
    {
        RecordEncoder e(bytes);
        Derived::fields(static_cast<const Derived&>(*this), e);
    }

    std::vector<std::uint8_t> encoded() const
    {
        std::vector<std::uint8_t> bytes(N, 0);
        encode(bytes);
        return bytes;
    }
};

} // namespace tavolim::core
