#pragma once

#include "core/sales/SaleGrid.h"

#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
class ReceiptBuilder;
struct ReceiptPerson;

// What every confirmed sale writes, in grid order, inside the caller's open StoreTransaction:
// NumVendas and ItensVendidos of CaixaDia (saved by the caller with the money), one sales-book
// record per line (a freebie at price 0) counted in today's position record, and each
// product's stock lowered by its quantity (it may go below 0). False when something could not
// be written; the operator was told and the caller must not commit.
bool writeSale(AppState& state, const std::vector<SaleLine>& lines);

// Prints a sale receipt "NumViasRec" times with the status "Imprimindo Nota...", then the
// reminder to take it. `person` is null for a walk-in sale.
void printSaleReceipt(AppState& state, const ReceiptPerson* person,
                      const std::function<std::string(const ReceiptBuilder&)>& body);

} // namespace tavolim::core
