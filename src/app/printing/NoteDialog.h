#pragma once

#include <QDialog>

class QLineEdit;

namespace tavolim::core {
class Money;
}

namespace tavolim::app {

// frmNota: asks for an amount and a note to print, for the extra-charge, discount, credit
// and debit buttons. Modal; the caller reads the fields and the tag: "" after OK, "x" after
// Cancel or Esc.
class NoteDialog final : public QDialog {
    Q_OBJECT

public:
    explicit NoteDialog(QWidget* parent = nullptr);

    QString tag() const { return m_tag; }
    core::Money amount() const;
    QString note() const;
    void setAmount(core::Money amount);
    void setNote(const QString& note);

    void done(int result) override;

private:
    QLineEdit* m_valor = nullptr;
    QLineEdit* m_nota = nullptr;
    QString m_tag = QStringLiteral("x");
};

} // namespace tavolim::app
