#include "core/state/StoreTransaction.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"

namespace tavolim::core {

StoreTransaction::StoreTransaction(AppState& state)
    : m_state(state), m_files(state.dataFolder()), m_current(state.records().current()),
      m_caixa(state.CaixaDia)
{
}

StoreTransaction::~StoreTransaction()
{
    if (!m_done && m_files.outermost()) {
        restore();
    }
}

void StoreTransaction::restore()
{
    m_state.records().current() = m_current;
    m_state.CaixaDia = m_caixa;
}

bool StoreTransaction::commit()
{
    m_done = true;
    binaryfile::clearFailure();
    if (m_files.commit()) {
        return true;
    }
    restore();
    m_state.ports().dialogs.message(failedOperationMessage(), msg::Critical, "Erro");
    return false;
}

std::string failedOperationMessage()
{
    return binaryfile::failureMessage(binaryfile::lastFailure()) +
           "\nA operação foi cancelada e nada foi gravado.";
}

} // namespace tavolim::core
