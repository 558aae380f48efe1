#pragma once

#include <string>

namespace tavolim::core {

class AppState;
struct StoreRecord;

// The controls of frmDadosLocadora: every field of the store record, CEP "@@@@@-@@@", and
// the notes from the memo store.
struct StoreDataForm {
    std::string NomeEmpresa;
    std::string NomeFantasia;
    std::string NomeProp;
    std::string CGC;
    std::string InscEst;
    std::string Endereco;
    std::string CEP;
    std::string Bairro;
    std::string Cidade;
    std::string Estado;
    std::string Telefone;
    std::string TelCelular;
    std::string Email;
    std::string Site;
    std::string Observacoes;

    bool operator==(const StoreDataForm&) const = default;
};

// Opening frmDadosLocadora: record 1 of DadosLoc.tvl as the window shows it.
StoreDataForm loadStoreData(AppState& state);
// cmdOK: every box into its field, record 1 written and the process-wide store record
// replaced, so the main window's caption and the receipts use it at once. False, after a
// message naming the file, when it could not be written.
bool saveStoreData(AppState& state, const StoreDataForm& form);
// The main window's caption: "Tavolim - " + the trimmed trade name.
std::string mainWindowCaption(const StoreRecord& store);

} // namespace tavolim::core
