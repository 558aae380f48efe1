// Every record struct decoded from any bytes and encoded back through its field list.
//
// What must hold: the fields lie inside the record and never overlap; decoding a short input
// reads the missing bytes as 0; encoding over the stored bytes changes only what the
// encodings cannot keep (a Bool that is neither 0 nor -1, a NUL in a text, a Single holding
// money) and keeps every reserved byte; one decode/encode reaches a fixpoint; count accessors
// stay inside their arrays; date, time and postal-code fields convert to text and back.
#include "support/FuzzSupport.h"

#include "core/books/BookRecords.h"
#include "core/books/HistoryRecords.h"
#include "core/store/ActorRecord.h"
#include "core/store/ClientRecord.h"
#include "core/store/DailyTotalsRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/StoreRecord.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <variant>

namespace {

using namespace tavolim;
using namespace tavolim::core;
using fuzz::Bytes;

enum class Kind : std::uint8_t { Reserved, Exact, Bool, Money, Text };

// What each byte of the record is, from the field list.
struct ByteMap {
    explicit ByteMap(std::size_t size) : kinds(size, Kind::Reserved) {}

    void cover(std::size_t offset, std::size_t length, Kind kind)
    {
        FUZZ_CHECK(length > 0 && offset + length <= kinds.size());
        for (std::size_t i = offset; i < offset + length; ++i) {
            FUZZ_CHECK(kinds[i] == Kind::Reserved); // two fields on one byte
            kinds[i] = kind;
        }
        starts.push_back(offset);
    }

    template <class T>
    void field(std::string_view, std::size_t offset, const T&)
    {
        Kind kind = Kind::Exact;
        if constexpr (std::is_same_v<T, bool>) {
            kind = Kind::Bool;
        } else if constexpr (std::is_same_v<T, Money>) {
            kind = Kind::Money;
        }
        cover(offset, storedSize<T>(), kind);
    }
    void text(std::string_view, std::size_t offset, std::size_t width, const std::string&)
    {
        cover(offset, width, Kind::Text);
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

    std::vector<Kind> kinds;
    std::vector<std::size_t> starts;
};

// The decoded values in field order, comparable across a round trip. Singles compare by
// their bits, so a NaN compares equal to itself.
using Value = std::variant<std::int64_t, std::uint32_t, std::string>;

struct Values {
    template <class T>
    void field(std::string_view name, std::size_t, const T& value)
    {
        names.emplace_back(name);
        if constexpr (std::is_same_v<T, float>) {
            std::uint32_t bits;
            std::memcpy(&bits, &value, sizeof bits);
            values.emplace_back(bits);
        } else if constexpr (std::is_same_v<T, Money>) {
            values.emplace_back(value.thousandths());
            FUZZ_CHECK(value.thousandths() >= -1'000'000'000'000'000'000 &&
                       value.thousandths() <= 1'000'000'000'000'000'000);
        } else {
            values.emplace_back(static_cast<std::int64_t>(value));
            if constexpr (std::is_same_v<T, std::int32_t>) {
                checkLong(name, value);
            } else if constexpr (std::is_same_v<T, std::int16_t>) {
                checkInt(name, value);
            }
        }
    }
    void text(std::string_view name, std::size_t, std::size_t width, const std::string& value)
    {
        // UTF-8 of at most `width` code-page characters, no NUL, no trailing blank.
        FUZZ_CHECK(value.size() <= width * 3);
        FUZZ_CHECK(value.find('\0') == std::string::npos);
        FUZZ_CHECK(value.empty() || value.back() != ' ');
        FUZZ_CHECK(toCp1252(value).size() <= width);
        names.emplace_back(name);
        values.emplace_back(value);
    }
    template <class T, std::size_t N>
    void array(std::string_view name, std::size_t offset, const std::array<T, N>& a)
    {
        for (std::size_t i = 0; i < N; ++i) {
            field(name, offset, a[i]);
        }
    }
    template <std::size_t N>
    void textArray(std::string_view name, std::size_t offset, std::size_t width,
                   const std::array<std::string, N>& a)
    {
        for (std::size_t i = 0; i < N; ++i) {
            text(name, offset, width, a[i]);
        }
    }

    // Date fields (Data...) as the screens show and read them.
    static void checkLong(std::string_view name, std::int32_t value)
    {
        if (name.starts_with("Data") || name == "UltData" || name == "ReservaData") {
            const std::string shown = dateToText(value);
            FUZZ_CHECK(!shown.empty());
            if (const auto ymd = toYmd(value)) {
                FUZZ_CHECK(fromYmd(*ymd) == value);
                FUZZ_CHECK(textToDate(shown) == value);
            }
        } else if (name == "CEP") {
            const std::string shown = cepToText(value);
            if (value >= 0 && value <= 99'999'999) {
                FUZZ_CHECK(value == 0 || textToCep(shown) == value);
            }
        }
    }
    static void checkInt(std::string_view name, std::int16_t value)
    {
        if (name.starts_with("Hora")) {
            const std::string shown = timeToText(value);
            if (value >= 0 && value <= 2359 && value % 100 <= 59) {
                FUZZ_CHECK(textToTime(shown) == value);
            }
        }
    }

    std::vector<Value> values;
    std::vector<std::string> names;
};

// Names the first field whose values differ, for the report of a failed round trip.
bool sameValues(const Values& a, const Values& b)
{
    for (std::size_t i = 0; i < a.values.size() && i < b.values.size(); ++i) {
        if (a.values[i] != b.values[i]) {
            std::fprintf(stderr, "campo %s difere\n", a.names[i].c_str());
            return false;
        }
    }
    return a.values.size() == b.values.size();
}

template <class R>
Values valuesOf(const R& record)
{
    Values v;
    R::fields(record, v);
    return v;
}

template <class R>
void checkCounts(const R& r)
{
    if constexpr (requires { r.depCount(); }) {
        FUZZ_CHECK(r.depCount() >= 0 && r.depCount() <= static_cast<int>(r.Dep.size()));
    }
    if constexpr (requires { r.tapeCount(); }) {
        FUZZ_CHECK(r.tapeCount() >= 0 && r.tapeCount() <= R::MaxTapes);
    }
    if constexpr (requires { r.actorCount(); }) {
        FUZZ_CHECK(r.actorCount() >= 0 && r.actorCount() <= static_cast<int>(r.Atores.size()));
    }
    if constexpr (requires { r.reservationCount(); }) {
        FUZZ_CHECK(r.reservationCount() >= 0 &&
                   r.reservationCount() <= static_cast<int>(r.ReservaCliente.size()));
    }
    if constexpr (requires { r.sectionCount(); }) {
        FUZZ_CHECK(r.sectionCount() >= 0 && r.sectionCount() <= static_cast<int>(r.Secoes.size()));
        FUZZ_CHECK(r.operatorCount() >= 0 &&
                   r.operatorCount() <= static_cast<int>(r.NomeOperador.size()));
    }
    if constexpr (requires { r.headerDate(); }) {
        if (const auto d = r.headerDate()) {
            FUZZ_CHECK(d->ok());
            const auto again = DailyTotalsRecord::header(*d).headerDate();
            FUZZ_CHECK(again && *again == *d);
        }
    }
    if constexpr (requires { r.total(); }) {
        (void)r.total();
    }
}

template <class R>
void checkRecord(std::span<const std::uint8_t> input)
{
    ByteMap map(R::Size);
    const R blank{};
    R::fields(blank, map);

    // The input as one stored record; a short one is a torn record, read as 0 past its end.
    Bytes stored(R::Size, 0);
    std::copy_n(input.begin(), std::min(input.size(), R::Size), stored.begin());
    R fromInput;
    fromInput.decode(input);
    R r;
    r.decode(stored);
    FUZZ_CHECK(sameValues(valuesOf(fromInput), valuesOf(r)));
    checkCounts(r);

    Bytes again = stored;
    r.encode(again);
    for (const std::size_t start : map.starts) {
        if (map.kinds[start] == Kind::Bool) {
            const std::uint8_t kept = stored[start] == 0xFF && stored[start + 1] == 0xFF ? 0xFF : 0;
            FUZZ_CHECK(again[start] == kept && again[start + 1] == kept);
        }
    }
    for (std::size_t i = 0; i < R::Size; ++i) {
        switch (map.kinds[i]) {
        case Kind::Reserved:
        case Kind::Exact:
            FUZZ_CHECK(again[i] == stored[i]);
            break;
        case Kind::Text:
            FUZZ_CHECK(again[i] == (stored[i] == 0 ? ' ' : stored[i]));
            break;
        case Kind::Bool:
        case Kind::Money:
            break;
        }
    }

    // One round makes the stored form what the program writes: decoding it gives the same
    // values and encoding them gives the same bytes.
    R second;
    second.decode(again);
    FUZZ_CHECK(sameValues(valuesOf(second), valuesOf(r)));
    FUZZ_CHECK(second.encoded() == r.encoded());
    Bytes third = again;
    second.encode(third);
    FUZZ_CHECK(third == again);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input(data, size);
    checkRecord<ClientRecord>(input);
    checkRecord<DependentRecord>(input);
    checkRecord<TapeRecord>(input);
    checkRecord<DistributorRecord>(input);
    checkRecord<LabelRecord>(input);
    checkRecord<MediaRecord>(input);
    checkRecord<ActorRecord>(input);
    checkRecord<GeneralRulesRecord>(input);
    checkRecord<StoreRecord>(input);
    checkRecord<ProductRecord>(input);
    checkRecord<DailyTotalsRecord>(input);
    checkRecord<PositionRecord>(input);
    checkRecord<TapeBookRecord>(input);
    checkRecord<ReturnedTapeRecord>(input);
    checkRecord<SaleBookRecord>(input);
    checkRecord<TapeHistoryRecord>(input);
    checkRecord<ProductHistoryRecord>(input);
    return 0;
}
