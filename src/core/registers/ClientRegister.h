#pragma once

#include "core/registers/PersonForm.h"
#include "core/registers/RegisterModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

// The model of frmDadosCli: the holder shown, its controls and its dependents list, moving
// by client code. Refusals and questions go through the Dialogs port with their texts.
class ClientRegister final : public RegisterModel {
public:
    explicit ClientRegister(AppState& state);

    PersonForm form;
    std::vector<std::string> lstDependentes;

    int positionCount() const override;
    // Shows the holder with this code (a search result, a new holder).
    void showClient(std::int32_t code) { showPosition(code); }

    // cmdAdicionar: saves a dirty holder, asks the name and starts the new holder. False when
    // nothing was started.
    bool addHolder();
    // cmdNovoDep: creates a dependent of the holder shown and returns its position in the
    // holder's list, for the dependent window to open on.
    std::optional<int> addDependent();
    // cmdExcluir: deletes the holder and its dependents when no one in the family owes,
    // holds tapes or has credit and the operator confirms. True when deleted.
    bool deleteHolder();

protected:
    // A position past the file is no record: an empty file shows an empty form.
    std::int32_t numberAt(int position) const override
    {
        return position >= 1 && position <= positionCount() ? position : 0;
    }
    bool readIntoForm(std::int32_t number) override;
    void clearForm() override;
    std::string& nameBox() override { return form.PrimNome; }
    bool writeForm() override;
};

} // namespace tavolim::core
