#pragma once

#include <QLineEdit>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace tavolim::core {
struct PersonForm;
}

namespace tavolim::app {

// A date box of the registers: typed keys go through the core's date typing rule.
class DateLineEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit DateLineEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The person controls both register windows share, laid out in a grid, copied to and from
// the model's form. Every edit calls `edited` (the model's markDirty), except while the
// controls are being filled from the form.
class PersonControls final {
public:
    struct Options {
        bool grauParentesco = false; // the dependent's txtGrauParentesco
        bool tipoCasa = false;       // the holder's optCasaPropria/optCasaAlugada
    };

    PersonControls(QWidget* owner, QGridLayout* grid, Options options,
                   std::function<void()> edited);

    void show(const core::PersonForm& form);
    void collect(core::PersonForm& form) const;
    // The editable controls in keyboard order.
    const std::vector<QWidget*>& tabOrder() const { return m_order; }
    QLineEdit* firstName() const { return m_primNome; }
    QLineEdit* ci() const { return m_ci; }
    // The caption of txtNumInsc, which says whose number it shows.
    void setInscription(const QString& caption);

private:
    QLineEdit* m_numInsc = nullptr;
    QLabel* m_numInscCaption = nullptr;
    QLineEdit* m_primNome = nullptr;
    QLineEdit* m_sobreNome = nullptr;
    QLineEdit* m_ci = nullptr;
    QLineEdit* m_cpf = nullptr;
    QLineEdit* m_dataNasc = nullptr;
    QLineEdit* m_grau = nullptr;
    QLineEdit* m_endereco = nullptr;
    QLineEdit* m_cep = nullptr;
    QLineEdit* m_bairro = nullptr;
    QLineEdit* m_cidade = nullptr;
    QLineEdit* m_telRes = nullptr;
    QLineEdit* m_telCel = nullptr;
    QLineEdit* m_telCom = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_profissao = nullptr;
    QLineEdit* m_dataInsc = nullptr;
    QLineEdit* m_horaInsc = nullptr;
    QRadioButton* m_masc = nullptr;
    QRadioButton* m_fem = nullptr;
    QRadioButton* m_casado = nullptr;
    QRadioButton* m_solteiro = nullptr;
    QRadioButton* m_propria = nullptr;
    QRadioButton* m_alugada = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    std::vector<QWidget*> m_order;
    std::function<void()> m_edited;
    bool m_filling = false;
};

// Chains the keyboard order through the widgets, in the order given.
void chainTabOrder(const std::vector<QWidget*>& widgets);

} // namespace tavolim::app
