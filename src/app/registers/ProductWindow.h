#pragma once

#include "core/registers/ProductRegister.h"

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The product register (frmDadosProd), a thin view over core::ProductRegister.
class ProductWindow final : public QDialog {
    Q_OBJECT

public:
    explicit ProductWindow(core::AppState& state, QWidget* parent = nullptr);

    const core::ProductRegister& model() const { return m_model; }
    // Goes to the product of this code (a list row's).
    void showProduct(std::int32_t code);

public slots:
    void reject() override;

private:
    void showForm();
    void collect();
    template <class Step>
    void step(Step&& stepToRun);
    void barcodeLeft();
    void search();
    void openDistributor();
    void fillDistributors();
    void accept() override;

    core::AppState& m_state;
    core::ProductRegister m_model;
    bool m_filling = false;
    QLineEdit* m_codigo = nullptr;
    QLineEdit* m_descricao = nullptr;
    QLineEdit* m_codigoB = nullptr;
    QLineEdit* m_estoque = nullptr;
    QLineEdit* m_unidade = nullptr;
    QLineEdit* m_icms = nullptr;
    QLineEdit* m_preco = nullptr;
    QLineEdit* m_valorCompra = nullptr;
    QComboBox* m_dist = nullptr;
    QPlainTextEdit* m_notes = nullptr;
};

// Cadastros > Produtos (P): modal, on the first product or, with "MostraUltReg", the last.
void openProductRegister(core::AppState& state, QWidget* parent);

} // namespace tavolim::app
