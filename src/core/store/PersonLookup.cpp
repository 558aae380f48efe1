#include "core/store/PersonLookup.h"

#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

std::string personName(const RecordStore& records, PersonRef person)
{
    const auto name = [](const auto& r) { return trim(r.PrimNome) + " " + trim(r.SobreNome); };
    return person.titular ? name(records.load<ClientRecord>(person.code))
                          : name(records.load<DependentRecord>(person.code));
}

std::int16_t holderOf(const RecordStore& records, PersonRef person)
{
    return person.titular ? person.code : records.load<DependentRecord>(person.code).Titular;
}

} // namespace tavolim::core
