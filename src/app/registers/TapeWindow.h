#pragma once

#include "app/registers/RegisterWindow.h"
#include "core/registers/TapeRegister.h"

#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The tape register (frmDadosFitas): a thin view over core::TapeRegister, which holds the
// tape shown and decides; the window copies its controls in and shows the form back.
class TapeWindow final : public RegisterWindow {
    Q_OBJECT

public:
    explicit TapeWindow(core::AppState& state, QWidget* parent = nullptr);

    const core::TapeRegister& model() const { return m_model; }
    // Shows the tape with this code; a dirty tape is saved first.
    void showTape(std::int32_t code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPlainFields();
    QWidget* buildCast();
    QWidget* buildPurchase();
    QWidget* buildCirculation();
    void showForm() override;
    void collect() override;
    void barcodeLeft();
    void search();
    void openPerson();
    // cmdDistribuidora: the distributor register on the tape's distributor.
    void openDistributor();
    // Typing in a box marks the tape edited, except while the box is being filled.
    void edited();

    core::AppState& m_state;
    core::TapeRegister m_model;
    bool m_filling = false;

    QLineEdit* m_numFita = nullptr;
    QLineEdit* m_nome = nullptr;
    QLineEdit* m_segNome = nullptr;
    QLineEdit* m_codigoB = nullptr;
    QComboBox* m_secao = nullptr;
    QComboBox* m_selo = nullptr;
    QComboBox* m_midia = nullptr;
    QComboBox* m_dist = nullptr;
    QRadioButton* m_dublado = nullptr;
    QRadioButton* m_legendado = nullptr;
    QLineEdit* m_anoLanc = nullptr;
    QLineEdit* m_duracao = nullptr;
    QLineEdit* m_diretor = nullptr;
    QComboBox* m_atores = nullptr;
    QPlainTextEdit* m_sinopse = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QLineEdit* m_dataCompra = nullptr;
    QLineEdit* m_valorCompra = nullptr;
    QLineEdit* m_valorVenda = nullptr;
    QLineEdit* m_totalLocacoes = nullptr;
    QLineEdit* m_rendimento = nullptr;
    QLineEdit* m_cliente = nullptr;
    QLineEdit* m_diaEmprestado = nullptr;
    QLineEdit* m_diaRetorna = nullptr;
    QListWidget* m_ultCli = nullptr;
    QListWidget* m_reservas = nullptr;
    QPushButton* m_addActor = nullptr;
    QLabel* m_elenco = nullptr;
    QPushButton* m_clienteComFita = nullptr;
    std::vector<QWidget*> m_order;
};

} // namespace tavolim::app
