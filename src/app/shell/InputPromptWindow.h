#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace tavolim::app {

// frmPegaDado (a text) and frmPegaValor (a number, read by the core with either decimal
// mark): a prompt over one box, OK and Cancelar.
class InputPromptWindow final : public QDialog {
    Q_OBJECT

public:
    enum class Kind { Text, Value };

    InputPromptWindow(Kind kind, const QString& title, const QString& prompt,
                      const QString& initial, QWidget* parent = nullptr);

    QString text() const;

    // A check box (chkImprimir) under the box, as the credit and debit prompts have.
    void addCheckBox(const QString& caption, bool checked);
    bool isChecked() const;

private:
    QLineEdit* m_box = nullptr;
    QCheckBox* m_check = nullptr;
};

} // namespace tavolim::app
