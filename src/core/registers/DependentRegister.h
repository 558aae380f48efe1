#pragma once

#include "core/registers/PersonForm.h"
#include "core/registers/RegisterModel.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavolim::core {

// The model of frmDadosDep: always inside one holder, moving through the holder's Dep list
// by position (1 to NumDep). NumInsc shows the holder's code.
class DependentRegister final : public RegisterModel {
public:
    DependentRegister(AppState& state, std::int16_t holder);

    PersonForm form;

    std::int16_t holder() const { return m_holder; }
    int positionCount() const override;
    void showDependent(int position) { showPosition(position); }

    // cmdAdicionar: saves a dirty dependent, asks the name and adds another dependent to the
    // same holder, shown at once. False when nothing was added.
    bool addDependent();
    // cmdExcluir: deletes the dependent shown when it owes nothing, holds no tape, has no
    // credit and the operator confirms. True when deleted.
    bool deleteDependent();
    // mnuTornarResp: makes the dependent shown a holder of its own, moving its tapes,
    // reservations and last-client entries to the new client code, which is returned for
    // the client window to open on.
    std::optional<std::int32_t> makeHolder();

protected:
    std::int32_t numberAt(int position) const override;
    bool readIntoForm(std::int32_t number) override;
    void clearForm() override;
    std::string& nameBox() override { return form.PrimNome; }
    bool writeForm() override;
    bool canRevive() const override { return false; }

private:
    std::int16_t m_holder;
};

} // namespace tavolim::core
