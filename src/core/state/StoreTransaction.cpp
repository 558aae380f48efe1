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
    if (m_state.readOnly && m_files.outermost()) {
        restore();
        refuseWhenReadOnly(m_state);
        return false;
    }
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

std::string readOnlyMessage()
{
    return "Os arquivos de dados estão somente para leitura, e o programa foi aberto apenas "
           "para consulta.\nNada pode ser gravado: verifique as permissões da pasta de dados e "
           "abra o programa novamente.";
}

bool refuseWhenReadOnly(AppState& state)
{
    if (!state.readOnly) {
        return false;
    }
    state.ports().dialogs.message(readOnlyMessage(), msg::Exclamation, "Somente consulta");
    return true;
}

} // namespace tavolim::core
