#include "app/registers/DistributorWindow.h"

#include "app/registers/FormGrid.h"
#include "app/registers/PersonControls.h"
#include "app/registers/RegisterButtons.h"
#include "app/registers/SearchWindow.h"
#include "app/reports/ReportActions.h"
#include "app/shell/QtConversions.h"
#include "core/state/AppState.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

DistributorWindow::DistributorWindow(core::AppState& state, std::int32_t code, QWidget* parent)
    : QDialog(parent), m_state(state), m_model(state)
{
    setObjectName(QStringLiteral("frmDadosDist"));
    setWindowTitle(QStringLiteral("Dados das Distribuidoras"));

    FormGrid form(this, [this] {
        if (!m_filling) {
            m_model.markDirty();
        }
    });
    m_numDist = form.display("txtNumDist", QStringLiteral("Código:"), 0);
    m_nome = form.box("txtNomeEmpresa", QStringLiteral("&Nome:"), 30, 1, 0, 2);
    m_contato = form.box("txtContato", QStringLiteral("Con&tato:"), 35, 2, 0, 2);
    m_cgc = form.box("txtCGC", QStringLiteral("C&GC:"), 20, 3);
    m_endereco = form.box("txtEndereço", QStringLiteral("Endereço:"), 40, 4, 0, 2);
    m_bairro = form.box("txtBairro", QStringLiteral("&Bairro:"), 20, 5);
    m_cep = form.box("txtCEP", QStringLiteral("CE&P:"), 9, 5, 1);
    m_cep->setInputMask(QStringLiteral("99999-999;_"));
    m_cidade = form.box("txtCidade", QStringLiteral("Ci&dade:"), 15, 6);
    m_telefone = form.box("txtTelefone", QStringLiteral("Te&lefone:"), 25, 7);
    m_celular = form.box("txtTelCelular", QStringLiteral("Tel. Celula&r:"), 15, 7, 1);
    m_email = form.box("txtEmail", QStringLiteral("E-&mail:"), 25, 8);
    m_sitio = form.box("txtSitioInternet", QStringLiteral("&Sítio na Internet:"), 25, 8, 1);
    m_notes = form.notes("txtObservações", QStringLiteral("&Observações:"), 9, 2);
    form.layout()->setColumnStretch(1, 1);
    form.layout()->setColumnStretch(3, 1);

    RegisterButtons buttons(this,
                            {"cmdPrimeiroDist", "cmdDistAnterior", "cmdProxDist", "cmdUltimoDist",
                             QStringLiteral("distribuidor")},
                            m_model, [this](const std::function<void()>& f) { step(f); });
    delete buttons.situation;
    auto* find = registerButton(this, "cmdProcurar", QStringLiteral("Proc&urar"));
    connect(buttons.add, &QPushButton::clicked, this, [this] {
        bool started = false;
        step([this, &started] { started = m_model.addDistributor(); });
        if (started) {
            m_contato->setFocus();
        }
    });
    connect(buttons.remove, &QPushButton::clicked, this,
            [this] { step([this] { m_model.deleteDistributor(); }); });
    connect(find, &QPushButton::clicked, this, &DistributorWindow::search);
    connect(buttons.ok, &QPushButton::clicked, this, &DistributorWindow::accept);

    auto* menus = new QMenuBar(this);
    QMenu* print = menus->addMenu(QStringLiteral("&Imprimir"));
    print->setObjectName(QStringLiteral("mnuImprimir"));
    QAction* current = print->addAction(QStringLiteral("Atual"));
    current->setObjectName(QStringLiteral("mnuIpmDistAtual"));
    connect(current, &QAction::triggered, this, [this] {
        collect();
        if (m_model.isDirty() && !m_model.save()) {
            showForm();
            return;
        }
        showForm();
        if (m_model.code() > 0 && !m_model.showsDeleted()) {
            printSheet(m_state, core::ReportKind::Distributor, {{}, m_model.code(), 0});
        }
    });

    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {buttons.add, buttons.save, buttons.cancel, buttons.remove, find}) {
        actions->addWidget(b);
    }
    actions->addStretch();
    actions->addWidget(buttons.ok);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(form.layout(), 1);
    layout->addLayout(buttons.movesRow());
    layout->addLayout(actions);

    std::vector<QWidget*> order = form.order();
    for (QWidget* w : std::initializer_list<QWidget*>{
             buttons.first, buttons.previous, buttons.next, buttons.last, buttons.add, buttons.save,
             buttons.cancel, buttons.remove, find, buttons.ok}) {
        order.push_back(w);
    }
    chainTabOrder(order);

    if (code > 0) {
        m_model.moveToDistributor(code);
    } else {
        m_model.open();
    }
    showForm();
    resize(620, 420);
    m_nome->setFocus();
}

void DistributorWindow::showForm()
{
    const core::DistributorForm& f = m_model.form;
    m_filling = true;
    m_numDist->setText(toQString(f.NumDist));
    m_nome->setText(toQString(f.NomeEmpresa));
    m_contato->setText(toQString(f.Contato));
    m_cgc->setText(toQString(f.CGC));
    m_endereco->setText(toQString(f.Endereco));
    m_bairro->setText(toQString(f.Bairro));
    m_cep->setText(toQString(f.CEP));
    m_cidade->setText(toQString(f.Cidade));
    m_telefone->setText(toQString(f.Telefone));
    m_celular->setText(toQString(f.TelCelular));
    m_email->setText(toQString(f.Email));
    m_sitio->setText(toQString(f.SitioInternet));
    m_notes->setPlainText(toQString(f.Observacoes));
    m_filling = false;
}

void DistributorWindow::collect()
{
    core::DistributorForm& f = m_model.form;
    f.NomeEmpresa = toStdString(m_nome->text());
    f.Contato = toStdString(m_contato->text());
    f.CGC = toStdString(m_cgc->text());
    f.Endereco = toStdString(m_endereco->text());
    f.Bairro = toStdString(m_bairro->text());
    // An empty masked box reads as its separator alone.
    const QString cep = m_cep->text();
    f.CEP = cep == QStringLiteral("-") ? std::string() : toStdString(cep);
    f.Cidade = toStdString(m_cidade->text());
    f.Telefone = toStdString(m_telefone->text());
    f.TelCelular = toStdString(m_celular->text());
    f.Email = toStdString(m_email->text());
    f.SitioInternet = toStdString(m_sitio->text());
    f.Observacoes = toStdString(m_notes->toPlainText());
}

template <class Step>
void DistributorWindow::step(Step&& stepToRun)
{
    collect();
    stepToRun();
    showForm();
}

void DistributorWindow::search()
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        showForm();
        return;
    }
    if (const auto hit = searchRecord(m_state, this, core::SearchMode::Distributors)) {
        step([this, code = hit->number] { m_model.moveToDistributor(code); });
    }
}

void DistributorWindow::accept()
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        showForm();
        return;
    }
    QDialog::accept();
}

void DistributorWindow::reject()
{
    collect();
    if (m_model.close()) {
        QDialog::reject();
    } else {
        showForm();
    }
}

void openDistributorRegister(core::AppState& state, QWidget* parent, std::int32_t code)
{
    DistributorWindow window(state, code, parent);
    window.exec();
}

} // namespace tavolim::app
