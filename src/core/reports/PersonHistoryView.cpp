#include "core/reports/PersonHistoryView.h"

#include "core/books/BookFiles.h"
#include "core/books/PositionFile.h"
#include "core/reports/BookDays.h"
#include "core/reports/BookNames.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

// The used slots of a ring, oldest first. A newest-slot cell out of range leaves no order
// to follow: the used slots are taken as they lie, and the operator is told.
template <class R>
std::vector<int> usedSlots(const R& record, std::string_view file, std::int32_t number,
                           std::vector<std::string>& warnings)
{
    const int newest = record.newestSlot();
    const auto used = [&](int slot) { return record.isUsed(slot); };
    std::vector<int> slots;
    if (newest >= HistoryFirstSlot && newest <= HistoryLastSlot) {
        slots = historyOrder(newest, used);
    } else {
        for (int slot = HistoryFirstSlot; slot <= HistoryLastSlot; ++slot) {
            slots.push_back(slot);
        }
    }
    std::erase_if(slots, [&](int slot) { return !used(slot); });
    const bool damaged =
        newest != 0 ? newest < HistoryFirstSlot || newest > HistoryLastSlot : !slots.empty();
    if (damaged) {
        warnings.push_back("O histórico desta pessoa (" + std::string(file) + ", registro " +
                           std::to_string(number) +
                           ") está danificado: a posição do registro "
                           "mais recente é " +
                           std::to_string(newest) +
                           ". Os registros foram mostrados na ordem em que estão gravados.");
    }
    return slots;
}

std::size_t idx(int slot)
{
    return static_cast<std::size_t>(slot - 1);
}

void readRentals(const RecordStore& records, PersonHistoryView& view)
{
    const auto& folder = records.dataFolder();
    const auto record = Histories(folder).readTape(view.historyNumber);
    const auto slots = usedSlots(record, kTapeHistoryFile, view.historyNumber, view.warnings);
    const PositionFile book(folder, Book::Rentals);
    const std::int32_t bookCount = book.bookCount();

    std::vector<std::int32_t> numbers;
    int pastEnd = 0;
    for (const int slot : slots) {
        const std::int32_t n = record.RegLivro[idx(slot)];
        if (n > 0 && n <= bookCount) {
            numbers.push_back(n);
        } else if (n != 0) {
            ++pastEnd;
        }
    }
    const auto read = readRecordsAt<TapeBookRecord>(book.bookPath(), numbers);
    BookNames names(records);
    std::size_t next = 0;
    for (const int slot : slots) {
        RentalHistoryLine line;
        line.tape = record.Fita[idx(slot)];
        const std::int32_t n = record.RegLivro[idx(slot)];
        if (n > 0 && n <= bookCount) {
            const TapeBookRecord& r = read[next++];
            // The book's own record is shown as it reads, even when it names another tape.
            line.tape = r.Fita;
            line.book = TapeBookLine{n, r, std::nullopt, std::nullopt};
        }
        line.tapeTitle = names.tapeTitle(line.tape);
        if (line.book) {
            line.book->tapeTitle = line.tapeTitle;
        }
        view.rentals.push_back(std::move(line));
    }
    if (pastEnd > 0) {
        view.warnings.push_back(
            std::to_string(pastEnd) +
            (pastEnd == 1 ? " locação do histórico aponta" : " locações do histórico apontam") +
            " para além do fim de LivroFts.tvl (que tem " + std::to_string(bookCount) +
            " registros); dela" + (pastEnd == 1 ? "" : "s") + " só a fita é mostrada.");
    }
}

void readPurchases(const RecordStore& records, PersonHistoryView& view)
{
    const auto record = Histories(records.dataFolder()).readProduct(view.historyNumber);
    const auto slots = usedSlots(record, kProductHistoryFile, view.historyNumber, view.warnings);
    BookNames names(records);
    for (const int slot : slots) {
        const auto i = idx(slot);
        PurchaseHistoryLine line{
            {record.Data[i], record.Produto[i], record.Qtd[i], record.Valor[i]}, std::nullopt};
        if (const auto product = names.product(line.entry.Produto)) {
            line.description = product->description;
        }
        view.purchases.push_back(std::move(line));
    }
}

} // namespace

const RentalHistoryCells& rentalHistoryHeadings()
{
    static const RentalHistoryCells headings = {"N°",    "Data Loc.",      "Data Dev.",
                                                "Dias",  "Código da Fita", "Nome da Fita",
                                                "Valor", "Diárias",        "Total"};
    return headings;
}

RentalHistoryCells rentalHistoryCells(const RentalHistoryLine& line, int number)
{
    RentalHistoryCells cells;
    if (line.book) {
        const auto all = tapeBookCells(*line.book, number);
        std::copy_n(all.begin(), RentalHistoryColumns, cells.begin());
        return cells;
    }
    cells[0] = std::to_string(number);
    cells[4] = std::to_string(line.tape);
    cells[5] = line.tapeTitle.value_or(std::string(kDeletedRecord));
    return cells;
}

const PurchaseHistoryCells& purchaseHistoryHeadings()
{
    static const PurchaseHistoryCells headings = {"N°",       "Data", "Código",      "Descrição",
                                                  "Unitário", "Qtd.", "Preço\nTotal"};
    return headings;
}

PurchaseHistoryCells purchaseHistoryCells(const PurchaseHistoryLine& line, int number)
{
    const auto& e = line.entry;
    return {std::to_string(number),      dateToText(e.Data),
            std::to_string(e.Produto),   line.description.value_or(std::string(kDeletedRecord)),
            formatMoney(e.Valor),        std::to_string(e.Qtd),
            formatMoney(e.Valor * e.Qtd)};
}

PersonHistoryView readPersonHistory(const RecordStore& records, HistoryKind kind,
                                    std::int32_t historyNumber)
{
    PersonHistoryView view;
    view.kind = kind;
    view.historyNumber = historyNumber;
    if (historyNumber < 1) {
        return view;
    }
    if (kind == HistoryKind::Rentals) {
        readRentals(records, view);
    } else {
        readPurchases(records, view);
    }
    return view;
}

std::optional<PersonHistoryView> personHistory(const RecordStore& records, PersonRef person,
                                               HistoryKind kind)
{
    const FileKind fileKind = person.titular ? FileKind::Clients : FileKind::Dependents;
    if (person.code < 1 || person.code > records.recordCount(fileKind)) {
        return std::nullopt;
    }
    const auto read = [&](const auto& r) -> std::optional<PersonHistoryView> {
        if (isDeletedName(r.PrimNome)) {
            return std::nullopt;
        }
        auto view = readPersonHistory(records, kind,
                                      kind == HistoryKind::Rentals ? r.RegHistFita : r.RegHistProd);
        view.personName = joinFullName(r.PrimNome, r.SobreNome);
        return view;
    };
    return person.titular ? read(records.load<ClientRecord>(person.code))
                          : read(records.load<DependentRecord>(person.code));
}

} // namespace tavolim::core
