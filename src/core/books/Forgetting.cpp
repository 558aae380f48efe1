#include "core/books/Forgetting.h"

#include "core/books/BookFiles.h"
#include "core/books/BookRecords.h"
#include "core/books/HistoryRecords.h"
#include "core/ports/Progress.h"
#include "core/store/BinaryFile.h"
#include "core/store/RecordPatch.h"

#include <algorithm>
#include <string>

namespace tavolim::core {
namespace {

// Patches every record of a book as type R, with the progress window over it.
template <class R, class Edit>
void patchBook(const std::filesystem::path& file, Progress* progress, Edit&& edit)
{
    const auto total =
        static_cast<int>(std::min<std::uint64_t>(binaryfile::size(file) / R::Size, 0x7FFFFFFF));
    if (progress) {
        progress->begin(std::string(), 0, std::max(total, 1));
    }
    R record;
    patchRecords(
        file, R::Size,
        [&](std::int32_t, std::span<std::uint8_t> bytes) {
            record.decode(bytes);
            if (!edit(record)) {
                return false;
            }
            record.encode(bytes);
            return true;
        },
        [&](std::int32_t done, std::int32_t) {
            if (progress) {
                progress->step(done);
            }
        });
    if (progress) {
        progress->step(std::max(total, 1));
        progress->end();
    }
}

// Zeroes the code in every slot 2..100 of every history record holding it.
template <class R, class Codes>
void forgetInHistories(const std::filesystem::path& file, std::int32_t code, Codes codesOf)
{
    R record;
    patchRecords(file, R::Size, [&](std::int32_t, std::span<std::uint8_t> bytes) {
        record.decode(bytes);
        auto& codes = codesOf(record);
        bool changed = false;
        for (int slot = HistoryFirstSlot; slot <= HistoryLastSlot; ++slot) {
            auto& c = codes[static_cast<std::size_t>(slot - 1)];
            if (c == code) {
                c = 0;
                changed = true;
            }
        }
        if (changed) {
            record.encode(bytes);
        }
        return changed;
    });
}

} // namespace

void forgetPerson(const std::filesystem::path& folder, std::int16_t client, std::int16_t dependent,
                  Progress* progress)
{
    if (client < 1) {
        return;
    }
    patchBook<TapeBookRecord>(folder / std::string(bookFileInfo(Book::Rentals).bookFile), progress,
                              [&](TapeBookRecord& r) {
                                  if (r.Cliente != client || r.Dependente != dependent) {
                                      return false;
                                  }
                                  r.Cliente = 0;
                                  return true;
                              });
}

void forgetTape(const std::filesystem::path& folder, std::int16_t tape, Progress* progress)
{
    if (tape == 0) {
        return;
    }
    forgetInHistories<TapeHistoryRecord>(
        folder / std::string(kTapeHistoryFile), tape,
        [](TapeHistoryRecord & r) -> auto& { return r.Fita; });
    patchBook<TapeBookRecord>(folder / std::string(bookFileInfo(Book::Rentals).bookFile), progress,
                              [&](TapeBookRecord& r) {
                                  if (r.Fita != tape) {
                                      return false;
                                  }
                                  r.Fita = 0;
                                  return true;
                              });
}

void forgetProduct(const std::filesystem::path& folder, std::int16_t product, Progress* progress)
{
    if (product == 0) {
        return;
    }
    forgetInHistories<ProductHistoryRecord>(
        folder / std::string(kProductHistoryFile), product,
        [](ProductHistoryRecord & r) -> auto& { return r.Produto; });
    patchBook<SaleBookRecord>(folder / std::string(bookFileInfo(Book::Sales).bookFile), progress,
                              [&](SaleBookRecord& r) {
                                  if (r.Produto != product) {
                                      return false;
                                  }
                                  r.Produto = 0;
                                  return true;
                              });
}

} // namespace tavolim::core
