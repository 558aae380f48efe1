#include "core/reports/BookNames.h"

#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordCodec.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

// Past this many separate reads of one kind, reading its whole file is cheaper.
constexpr std::size_t kSeparateReads = 48;

// Decodes only the record's text fields: a whole tape file is read for its titles alone,
// and its reservation and client arrays are not worth decoding for that.
class TextFieldsDecoder {
public:
    explicit TextFieldsDecoder(std::span<const std::uint8_t> bytes) : m_decoder(bytes) {}

    template <class T>
    void field(std::string_view, std::size_t, T&)
    {
    }
    void text(std::string_view name, std::size_t offset, std::size_t width, std::string& value)
    {
        m_decoder.text(name, offset, width, value);
    }
    template <class T, std::size_t N>
    void array(std::string_view, std::size_t, std::array<T, N>&)
    {
    }
    template <std::size_t N>
    void textArray(std::string_view, std::size_t, std::size_t, std::array<std::string, N>&)
    {
    }

private:
    RecordDecoder m_decoder;
};

template <class R>
std::optional<std::string> personView(const R& r)
{
    if (isDeletedName(r.PrimNome)) {
        return std::nullopt;
    }
    return joinFullName(r.PrimNome, r.SobreNome);
}

std::optional<std::string> tapeView(const TapeRecord& r)
{
    if (isDeletedName(r.Nome)) {
        return std::nullopt;
    }
    return trim(r.Nome);
}

std::optional<BookNames::Product> productView(const ProductRecord& r)
{
    if (isDeletedName(r.Descricao)) {
        return std::nullopt;
    }
    return BookNames::Product{trim(r.CodigoBarras), trim(r.Descricao)};
}

} // namespace

BookNames::BookNames(const RecordStore& records) : m_records(records) {}

template <class R, class T, class F>
std::optional<T> BookNames::lookup(Cache<T>& cache, std::int16_t code, F&& view)
{
    if (code < 1) {
        return std::nullopt;
    }
    if (cache.whole) {
        const auto i = static_cast<std::size_t>(code - 1);
        return i < cache.all.size() ? cache.all[i] : std::nullopt;
    }
    if (const auto hit = cache.some.find(code); hit != cache.some.end()) {
        return hit->second;
    }
    constexpr FileKind kind = kindOf<R>();
    if (cache.some.size() >= kSeparateReads) {
        cache.all.assign(static_cast<std::size_t>(m_records.recordCount(kind)), std::nullopt);
        R r;
        m_records.scanRaw(kind, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
            TextFieldsDecoder decoder(bytes);
            R::fields(r, decoder);
            cache.all[static_cast<std::size_t>(n - 1)] = view(r);
        });
        cache.whole = true;
        cache.some.clear();
        return lookup<R>(cache, code, view);
    }
    std::optional<T> found;
    if (code <= m_records.recordCount(kind)) {
        found = view(m_records.load<R>(code));
    }
    cache.some.emplace(code, found);
    return found;
}

std::optional<std::string> BookNames::tapeTitle(std::int16_t code)
{
    return lookup<TapeRecord>(m_tapes, code, tapeView);
}

std::optional<std::string> BookNames::personName(std::int16_t client, std::int16_t dependent)
{
    if (client < 1) {
        return std::nullopt;
    }
    if (dependent == -1) {
        return lookup<ClientRecord>(m_clients, client, personView<ClientRecord>);
    }
    return lookup<DependentRecord>(m_dependents, dependent, personView<DependentRecord>);
}

std::optional<BookNames::Product> BookNames::product(std::int16_t code)
{
    return lookup<ProductRecord>(m_products, code, productView);
}

} // namespace tavolim::core
