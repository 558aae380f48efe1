#pragma once

#include "core/printing/ReceiptSettingsForm.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmConfigRec: the receipt settings in three tabs. The model refuses, advises and saves;
// the window copies its controls in and out.
class ReceiptSettingsWindow final : public QDialog {
    Q_OBJECT

public:
    explicit ReceiptSettingsWindow(core::AppState& state, QWidget* parent = nullptr);

    void done(int result) override;

private:
    QWidget* makeHeaderTab();
    QWidget* makeMessagesTab();
    QWidget* makeAdvancedTab();
    QPlainTextEdit* makeLinesBox(const QString& name, QString* accepted);
    QWidget* makeAlignButtons(const QString& name, QPlainTextEdit* box);
    void showValues();
    void readControls();
    void checkLines(QPlainTextEdit* box, QString* accepted);
    void chooseMessage(int index);
    void save();
    bool fontExists(const std::string& name) const;

    core::ReceiptSettingsForm m_form;
    QRadioButton* m_cabAuto = nullptr;
    QRadioButton* m_cabManual = nullptr;
    QPlainTextEdit* m_cabecalho = nullptr;
    QString m_acceptedCabecalho;
    QComboBox* m_nota = nullptr;
    int m_notaShown = 0;
    QPlainTextEdit* m_msgNota = nullptr;
    QString m_acceptedMsg;
    QCheckBox* m_desacent = nullptr;
    QSpinBox* m_numVias = nullptr;
    QRadioButton* m_horas = nullptr;
    QRadioButton* m_dias = nullptr;
    QSpinBox* m_espEsq = nullptr;
    QSpinBox* m_acima = nullptr;
    QSpinBox* m_abaixo = nullptr;
    QLineEdit* m_fontName = nullptr;
    QComboBox* m_tamFonte = nullptr;
    QRadioButton* m_fiscal = nullptr;
    QRadioButton* m_comum = nullptr;
    QLineEdit* m_cmdAntes = nullptr;
    QLineEdit* m_cmdDepois = nullptr;
    QRadioButton* m_direto = nullptr;
    QRadioButton* m_spool = nullptr;
    QLineEdit* m_porta = nullptr;
};

} // namespace tavolim::app
