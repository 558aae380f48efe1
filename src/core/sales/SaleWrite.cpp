#include "core/sales/SaleWrite.h"

#include "core/books/PositionFile.h"
#include "core/books/SalesBook.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/sales/SaleReceipt.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/BinaryFile.h"
#include "core/store/ProductRecord.h"

#include <cerrno>

namespace tavolim::core {
namespace {

void tellNotWritten(AppState& state, const std::filesystem::path& file)
{
    // A write that failed names its own file and cause; a book that cannot be brought to the
    // day has no system error to tell.
    if (binaryfile::lastFailure().error == 0) {
        binaryfile::setFailure(file, EIO);
    }
    state.ports().dialogs.message(failedOperationMessage(), msg::Critical, "Erro");
}

} // namespace

bool writeSale(AppState& state, const std::vector<SaleLine>& lines)
{
    binaryfile::clearFailure();
    auto& caixa = state.CaixaDia;
    std::vector<SoldLine> sold;
    sold.reserve(lines.size());
    for (const auto& l : lines) {
        sold.push_back({l.product, l.quantity, l.chargedPrice()});
        caixa.ItensVendidos += l.quantity;
    }
    caixa.NumVendas = static_cast<std::int16_t>(caixa.NumVendas + 1);
    if (!appendSales(state, sold)) {
        tellNotWritten(state, PositionFile(state.dataFolder(), Book::Sales).positionPath());
        return false;
    }
    auto& records = state.records();
    for (const auto& l : lines) {
        auto product = records.load<ProductRecord>(l.product);
        product.Estoque -= static_cast<float>(l.quantity);
        if (!records.save(l.product, product)) {
            tellNotWritten(state, records.filePath(FileKind::Products));
            return false;
        }
    }
    return true;
}

void printSaleReceipt(AppState& state, const ReceiptPerson* person,
                      const std::function<std::string(const ReceiptBuilder&)>& body)
{
    int copies = 0;
    {
        ScopedWait wait(&state.ports().progress, "Imprimindo Nota...");
        copies = ReceiptPrinter(state).printCopies(kSaleReceiptTitle, person, body, "ObsPag");
    }
    if (copies > 0) {
        state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
    }
}

} // namespace tavolim::core
