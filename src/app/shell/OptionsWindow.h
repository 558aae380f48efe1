#pragma once

#include "core/shell/OptionsForm.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmOpções: the options of the settings table, on six tabs. OK writes them and applies the
// appearance; Cancelar, Esc or the close box ask "Deseja salvar as alterações ?" when
// something changed.
class OptionsWindow final : public QDialog {
    Q_OBJECT

public:
    explicit OptionsWindow(core::AppState& state, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

signals:
    // The picture, its mode, the main window's colour or the legend may have changed.
    void appearanceChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* appearanceTab();
    QWidget* settingsTab();
    QWidget* settings2Tab();
    QWidget* dataTab();
    QWidget* accountsTab();
    QWidget* backupTab();

    void load();
    void store();
    void updateEnabled();
    void chooseColour(std::optional<std::int32_t>& colour, QLabel* sample);
    void checkBackupDays();
    void applied();

    core::AppState& m_state;
    core::OptionsForm m_form;
    bool m_loading = false;
    bool m_checkingDays = false;

    QLineEdit* m_imagem = nullptr;
    QRadioButton* m_centralizado = nullptr;
    QRadioButton* m_justificado = nullptr;
    QRadioButton* m_ladoALado = nullptr;
    QLabel* m_sampleFundoPrinc = nullptr;
    QLabel* m_sampleFundo = nullptr;
    QLabel* m_sampleJan = nullptr;
    QLabel* m_sampleBot = nullptr;
    QCheckBox* m_mostrarLeg = nullptr;
    QCheckBox* m_gravHistFita = nullptr;
    QCheckBox* m_verifHist = nullptr;
    QCheckBox* m_gravHistProd = nullptr;
    QCheckBox* m_verifNomeECod = nullptr;
    QCheckBox* m_procEsp = nullptr;
    QCheckBox* m_codPrim = nullptr;
    QCheckBox* m_codPrimProc = nullptr;
    QCheckBox* m_confirmOp = nullptr;
    QRadioButton* m_ultReg = nullptr;
    QRadioButton* m_primReg = nullptr;
    QRadioButton* m_sairNada = nullptr;
    QRadioButton* m_sairSalvar = nullptr;
    QRadioButton* m_sairPerguntar = nullptr;
    QRadioButton* m_unicaConta = nullptr;
    QRadioButton* m_contasSep = nullptr;
    QCheckBox* m_askBackUp = nullptr;
    QRadioButton* m_bakTodosDias = nullptr;
    QRadioButton* m_bakACada = nullptr;
    QLineEdit* m_bakNumDias = nullptr;
    QRadioButton* m_bakToda = nullptr;
    QComboBox* m_bakDiaSem = nullptr;
    QSpinBox* m_bakManter = nullptr;
};

} // namespace tavolim::app
