#include "app/registers/StoreDataWindow.h"

#include "app/registers/FormGrid.h"
#include "app/registers/PersonControls.h"
#include "app/registers/RegisterButtons.h"
#include "app/shell/QtConversions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

StoreDataWindow::StoreDataWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmDadosLocadora"));
    setWindowTitle(QStringLiteral("Dados da Locadora"));

    using F = core::StoreDataForm;
    FormGrid form(this, [] {});
    const struct {
        std::string F::*field;
        const char* name;
        const char* caption;
        int width;
        int row;
        int pair;
        int span;
    } boxes[] = {
        {&F::NomeEmpresa, "txtNomeEmpresa", "Nome da &Empresa:", 40, 0, 0, 2},
        {&F::NomeFantasia, "txtNomeFantasia", "Nome &Fantasia:", 30, 1, 0, 2},
        {&F::NomeProp, "txtNomeProp", "&Proprietário:", 30, 2, 0, 2},
        {&F::CGC, "txtCGC", "C&GC:", 20, 3, 0, 1},
        {&F::InscEst, "txtInscEst", "&Inscrição Estadual:", 20, 3, 1, 1},
        {&F::Endereco, "txtEndereço", "E&ndereço:", 40, 4, 0, 2},
        {&F::CEP, "txtCEP", "&CEP:", 9, 5, 0, 1},
        {&F::Bairro, "txtBairro", "&Bairro:", 25, 5, 1, 1},
        {&F::Cidade, "txtCidade", "Ci&dade:", 25, 6, 0, 1},
        {&F::Estado, "txtEstado", "Es&tado:", 2, 6, 1, 1},
        {&F::Telefone, "txtTelefone", "Te&lefone:", 35, 7, 0, 1},
        {&F::TelCelular, "txtTelCelular", "Tel. Cel&ular:", 20, 7, 1, 1},
        {&F::Email, "txtEmail", "E-&mail:", 40, 8, 0, 2},
        {&F::Site, "txtSite", "&Site:", 60, 9, 0, 2},
    };
    const core::StoreDataForm shown = core::loadStoreData(state);
    for (const auto& b : boxes) {
        QLineEdit* edit =
            form.box(b.name, QString::fromUtf8(b.caption), b.width, b.row, b.pair, b.span);
        edit->setText(toQString(shown.*b.field));
        m_boxes.emplace_back(b.field, edit);
        if (b.field == &F::CEP) {
            edit->setInputMask(QStringLiteral("99999-999;_"));
            edit->setText(toQString(shown.CEP));
        }
    }
    m_notes = form.notes("txtObservações", QStringLiteral("&Observações:"), 10, 2);
    m_notes->setPlainText(toQString(shown.Observacoes));
    form.layout()->setColumnStretch(1, 1);
    form.layout()->setColumnStretch(3, 1);

    auto* ok = registerButton(this, "cmdOK", QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = registerButton(this, "cmdCancelar", QStringLiteral("Cancelar"));
    connect(ok, &QPushButton::clicked, this, &StoreDataWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &StoreDataWindow::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form.layout(), 1);
    layout->addLayout(buttons);

    std::vector<QWidget*> order = form.order();
    order.push_back(ok);
    order.push_back(cancel);
    chainTabOrder(order);
    resize(600, 430);
}

void StoreDataWindow::accept()
{
    core::StoreDataForm form;
    for (const auto& [field, edit] : m_boxes) {
        form.*field = toStdString(edit->text());
    }
    if (form.CEP == "-") {
        form.CEP.clear();
    }
    form.Observacoes = toStdString(m_notes->toPlainText());
    if (core::saveStoreData(m_state, form)) {
        QDialog::accept();
    }
}

bool openStoreData(core::AppState& state, QWidget* parent)
{
    StoreDataWindow window(state, parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace tavolim::app
