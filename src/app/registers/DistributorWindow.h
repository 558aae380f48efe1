#pragma once

#include "core/registers/DistributorRegister.h"

#include <QDialog>

#include <cstdint>

class QLineEdit;
class QPlainTextEdit;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The distributor register (frmDadosDist), a thin view over core::DistributorRegister.
class DistributorWindow final : public QDialog {
    Q_OBJECT

public:
    // On `code` when given (the distributor of a tape or product), else as the register
    // opens ("MostraUltReg").
    explicit DistributorWindow(core::AppState& state, std::int32_t code = 0,
                               QWidget* parent = nullptr);

    const core::DistributorRegister& model() const { return m_model; }

public slots:
    void reject() override;

private:
    void showForm();
    void collect();
    template <class Step>
    void step(Step&& stepToRun);
    void search();
    void accept() override;

    core::AppState& m_state;
    core::DistributorRegister m_model;
    bool m_filling = false;
    QLineEdit* m_numDist = nullptr;
    QLineEdit* m_nome = nullptr;
    QLineEdit* m_contato = nullptr;
    QLineEdit* m_cgc = nullptr;
    QLineEdit* m_endereco = nullptr;
    QLineEdit* m_bairro = nullptr;
    QLineEdit* m_cep = nullptr;
    QLineEdit* m_cidade = nullptr;
    QLineEdit* m_telefone = nullptr;
    QLineEdit* m_celular = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_sitio = nullptr;
    QPlainTextEdit* m_notes = nullptr;
};

// Cadastros > Distribuidores, and the "..." beside a distributor combo: modal, on `code`
// when given. Returns after the window closed.
void openDistributorRegister(core::AppState& state, QWidget* parent, std::int32_t code = 0);

} // namespace tavolim::app
