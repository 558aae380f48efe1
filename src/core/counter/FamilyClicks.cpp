#include "core/counter/FamilyClicks.h"

#include "core/counter/Situation.h"
#include "core/ports/Dialogs.h"

namespace tavolim::core {

std::optional<PersonRef> FamilyClicks::click(const Situation& shown, std::size_t row,
                                             std::chrono::milliseconds now)
{
    if (row >= shown.lstClientes.size() || shown.lstClientes[row].person == shown.person) {
        return std::nullopt;
    }
    if (m_last && now - *m_last < kPause) {
        m_dialogs.message("Vá mais devagar!", msg::Exclamation);
        return std::nullopt;
    }
    m_last = now;
    return shown.lstClientes[row].person;
}

} // namespace tavolim::core
