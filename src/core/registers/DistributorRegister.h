#pragma once

#include "core/registers/RegisterModel.h"

#include <cstdint>
#include <string>

namespace tavolim::core {

// The controls of frmDadosDist as the operator reads and types them; CEP "@@@@@-@@@".
struct DistributorForm {
    std::string NumDist; // "000"
    std::string NomeEmpresa;
    std::string Contato;
    std::string CGC;
    std::string Endereco;
    std::string Bairro;
    std::string CEP;
    std::string Cidade;
    std::string Telefone;
    std::string TelCelular;
    std::string Email;
    std::string SitioInternet;
    std::string Observacoes;

    bool operator==(const DistributorForm&) const = default;
};

// The model of frmDadosDist, moving by distributor code like every register. Deleting a
// distributor takes it off every tape that names it (products keep the number), through a
// rewrite of the tape file that is either complete or not made.
class DistributorRegister final : public RegisterModel {
public:
    explicit DistributorRegister(AppState& state);

    DistributorForm form;

    int positionCount() const override;
    // A search result, or the distributor of a tape or product: a dirty record is saved first.
    bool moveToDistributor(std::int32_t code);
    bool addDistributor();
    // Asks, clears the tapes under the status "Atualizando Fitas", then deletes. True when
    // the distributor was deleted.
    bool deleteDistributor();

protected:
    std::int32_t numberAt(int position) const override
    {
        return position >= 1 && position <= positionCount() ? position : 0;
    }
    bool readIntoForm(std::int32_t number) override;
    void clearForm() override { form = {}; }
    std::string& nameBox() override { return form.NomeEmpresa; }
    bool writeForm() override;

private:
    bool clearFromTapes(std::int32_t code);

    std::string m_promptName;
};

} // namespace tavolim::core
