#include "app/counter/CounterOpeners.h"

#include "app/counter/PaymentWindow.h"
#include "app/counter/RentalWindow.h"
#include "app/counter/ReturnWindow.h"
#include "app/sales/ClientSaleWindow.h"

namespace tavolim::app {

CounterOpeners counterWindows()
{
    CounterOpeners openers;
    openers.rental = runRental;
    openers.giveBack = runReturn;
    openers.quickReturn = runQuickReturn;
    openers.payment = runPayment;
    openers.sale = runClientSale;
    return openers;
}

} // namespace tavolim::app
