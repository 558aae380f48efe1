#include "core/registers/StoreDataForm.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/StoreRecord.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

StoreDataForm loadStoreData(AppState& state)
{
    const auto s = state.records().load<StoreRecord>(1);
    StoreDataForm f;
    f.NomeEmpresa = trim(s.NomeEmpresa);
    f.NomeFantasia = trim(s.NomeFantasia);
    f.NomeProp = trim(s.NomeProp);
    f.CGC = trim(s.CGC);
    f.InscEst = trim(s.InscEst);
    f.Endereco = trim(s.Endereco);
    f.CEP = s.CEP == 0 ? std::string() : cepToText(s.CEP);
    f.Bairro = trim(s.Bairro);
    f.Cidade = trim(s.Cidade);
    f.Estado = trim(s.Estado);
    f.Telefone = trim(s.Telefone);
    f.TelCelular = trim(s.TelCelular);
    f.Email = trim(s.Email);
    f.Site = trim(s.Site);
    f.Observacoes = state.memos().readMemo(s.Observacoes);
    return f;
}

bool saveStoreData(AppState& state, const StoreDataForm& f)
{
    auto& records = state.records();
    StoreRecord s = records.load<StoreRecord>(1);
    s.NomeEmpresa = f.NomeEmpresa;
    s.NomeFantasia = f.NomeFantasia;
    s.NomeProp = f.NomeProp;
    s.CGC = f.CGC;
    s.InscEst = f.InscEst;
    s.Endereco = f.Endereco;
    s.CEP = textToCep(f.CEP);
    s.Bairro = f.Bairro;
    s.Cidade = f.Cidade;
    s.Estado = f.Estado;
    s.Telefone = f.Telefone;
    s.TelCelular = f.TelCelular;
    s.Email = f.Email;
    s.Site = f.Site;
    std::string notes = f.Observacoes;
    StoreTransaction write(state);
    state.memos().writeMemo(s.Observacoes, notes);
    if (!state.saveRules() || !records.save(1, s) || !write.commit()) {
        return false;
    }
    records.store() = s;
    return true;
}

std::string mainWindowCaption(const StoreRecord& store)
{
    return "Tavolim - " + trim(store.NomeFantasia);
}

} // namespace tavolim::core
