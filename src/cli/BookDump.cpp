#include "cli/BookDump.h"

#include "cli/JsonRecord.h"
#include "core/books/BookFiles.h"
#include "core/books/BookRecords.h"
#include "core/books/HistoryRecords.h"
#include "core/shell/NewInstallation.h"
#include "core/store/BinaryFile.h"
#include "core/store/DailyTotalsRecord.h"

#include <algorithm>
#include <array>
#include <string>

namespace tavolim::cli {
namespace {

enum class Shape {
    Position,
    TapeBook,
    ReturnLog,
    SalesBook,
    DailyTotals,
    TapeHistory,
    ProductHistory
};

struct BookKind {
    std::string_view name;
    std::string_view file;
    Shape shape;
};

constexpr std::array<BookKind, 9> kBookKinds = {{
    {"livro-fitas", "LivroFts.tvl", Shape::TapeBook},
    {"fitas-dev", "FitasDev.tvl", Shape::ReturnLog},
    {"livro-caixa", "LivroCx.tvl", Shape::SalesBook},
    {"caixa", core::kDailyTotalsFile, Shape::DailyTotals},
    {"pos-livro-fitas", "PosLivFt.tvl", Shape::Position},
    {"pos-fitas-dev", "PosFtDev.tvl", Shape::Position},
    {"pos-livro-caixa", "PosLivCx.tvl", Shape::Position},
    {"hist-fita", core::kTapeHistoryFile, Shape::TapeHistory},
    {"hist-prod", core::kProductHistoryFile, Shape::ProductHistory},
}};

const BookKind* find(std::string_view name)
{
    for (const auto& k : kBookKinds) {
        if (k.name == name) {
            return &k;
        }
    }
    return nullptr;
}

// Calls f with a default record of the shape's type.
template <class F>
void withShape(Shape shape, F&& f)
{
    switch (shape) {
    case Shape::Position:
        f(core::PositionRecord{});
        break;
    case Shape::TapeBook:
        f(core::TapeBookRecord{});
        break;
    case Shape::ReturnLog:
        f(core::ReturnedTapeRecord{});
        break;
    case Shape::SalesBook:
        f(core::SaleBookRecord{});
        break;
    case Shape::DailyTotals:
        f(core::DailyTotalsRecord{});
        break;
    case Shape::TapeHistory:
        f(core::TapeHistoryRecord{});
        break;
    case Shape::ProductHistory:
        f(core::ProductHistoryRecord{});
        break;
    }
}

} // namespace

bool isBookKindName(std::string_view name)
{
    return find(name) != nullptr;
}

bool bookKindNeedsNumber(std::string_view name)
{
    const auto* kind = find(name);
    return kind && (kind->shape == Shape::TapeHistory || kind->shape == Shape::ProductHistory);
}

int dumpBook(const std::filesystem::path& folder, std::string_view name,
             std::optional<std::int64_t> number, std::ostream& out, std::ostream& err)
{
    const auto* kind = find(name);
    if (!kind) {
        return 1;
    }
    if (core::needsNewInstallation(folder)) {
        err << "A pasta " << folder.string() << " não tem uma instalação do Tavolim.\n";
        return 1;
    }
    const auto path = folder / std::string(kind->file);
    int code = 0;
    withShape(kind->shape, [&](auto record) {
        using R = decltype(record);
        const auto count = static_cast<std::int64_t>(core::binaryfile::size(path) / R::Size);
        std::int64_t first = 1;
        std::int64_t last = count;
        if (number) {
            // A history number past the end is a fresh, empty history, as the program reads it.
            const bool history = bookKindNeedsNumber(name);
            if (*number < 1 || (*number > count && !history)) {
                err << "O registro " << *number << " não existe em " << kind->file << ", que tem "
                    << count << (count == 1 ? " registro.\n" : " registros.\n");
                code = 1;
                return;
            }
            first = last = *number;
        }
        constexpr std::int64_t block = 1024;
        for (std::int64_t at = first; at <= last; at += block) {
            const std::int64_t n = std::min(block, last - at + 1);
            const auto bytes =
                core::binaryfile::readAt(path, static_cast<std::uint64_t>(at - 1) * R::Size,
                                         static_cast<std::size_t>(n) * R::Size);
            for (std::int64_t i = 0; i < n; ++i) {
                record.decode(
                    std::span(bytes).subspan(static_cast<std::size_t>(i) * R::Size, R::Size));
                out << jsonLine(recordToJson(record)) << '\n';
            }
        }
    });
    return code;
}

} // namespace tavolim::cli
