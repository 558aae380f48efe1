#pragma once

#include "app/registers/PersonControls.h"
#include "app/registers/RegisterWindow.h"
#include "core/registers/DependentRegister.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The dependent register (frmDadosDep): a thin view over core::DependentRegister, always
// inside one holder and moving through the holder's list.
class DependentWindow final : public RegisterWindow {
    Q_OBJECT

public:
    DependentWindow(core::AppState& state, std::int16_t holder, int position,
                    QWidget* parent = nullptr);
    ~DependentWindow() override;

    const core::DependentRegister& model() const { return m_model; }
    // The client code of a dependent made a holder here, for the client window to show.
    const std::optional<std::int32_t>& newHolder() const { return m_newHolder; }

private:
    void showForm() override;
    void collect() override;
    void makeHolder();

    core::DependentRegister m_model;
    std::unique_ptr<PersonControls> m_controls;
    std::optional<std::int32_t> m_newHolder;
};

} // namespace tavolim::app
