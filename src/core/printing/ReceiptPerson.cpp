#include "core/printing/ReceiptPerson.h"

#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

ReceiptPerson receiptPersonOf(const RecordStore& records, PersonRef person)
{
    ReceiptPerson out;
    out.person = person;
    std::int16_t holder = person.code;
    if (!person.titular) {
        const auto dependent = records.load<DependentRecord>(person.code);
        holder = dependent.Titular;
        out.dependentName = trim(dependent.PrimNome) + " " + trim(dependent.SobreNome);
    }
    const auto client = records.load<ClientRecord>(holder);
    out.holderName = trim(client.PrimNome) + " " + trim(client.SobreNome);
    return out;
}

} // namespace tavolim::core
