#include "app/registers/ProductWindow.h"

#include "app/registers/DistributorWindow.h"
#include "app/registers/FormGrid.h"
#include "app/registers/PersonControls.h"
#include "app/registers/RegisterButtons.h"
#include "app/registers/SearchWindow.h"
#include "app/shell/QtConversions.h"
#include "core/state/AppState.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

ProductWindow::ProductWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_model(state)
{
    setObjectName(QStringLiteral("frmDadosProd"));
    setWindowTitle(QStringLiteral("Dados dos Produtos"));

    FormGrid form(this, [this] {
        if (!m_filling) {
            m_model.markDirty();
        }
    });
    m_codigo = form.display("txtCodigo", QStringLiteral("Código:"), 0);
    m_descricao = form.box("txtDescrição", QStringLiteral("&Descrição:"), 25, 1, 0, 2);
    m_codigoB = form.box("txtCodigoB", QStringLiteral("Código de &Barras:"), 13, 2);
    connect(m_codigoB, &QLineEdit::editingFinished, this, &ProductWindow::barcodeLeft);
    m_estoque = form.box("txtEstoque", QStringLiteral("Es&toque:"), 12, 3);
    m_unidade = form.box("txtUnidade", QStringLiteral("U&nidade:"), 2, 3, 1);
    m_icms = form.box("txtIcms", QStringLiteral("&ICMS (%):"), 6, 4);
    m_preco = form.box("txtPreço", QStringLiteral("&Preço:"), 10, 5);
    m_valorCompra = form.box("txtValorCompra", QStringLiteral("Valor de Co&mpra:"), 10, 5, 1);
    for (QLineEdit* e : {m_estoque, m_icms, m_preco, m_valorCompra}) {
        e->setAlignment(Qt::AlignRight);
    }
    for (QLineEdit* e : {m_preco, m_valorCompra}) {
        // An emptied price box reads "0,00" again.
        connect(e, &QLineEdit::editingFinished, this, [e] {
            if (e->text().trimmed().isEmpty()) {
                e->setText(QStringLiteral("0,00"));
            }
        });
    }
    m_dist = new QComboBox(this);
    m_dist->setObjectName(QStringLiteral("cboDist"));
    connect(m_dist, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling) {
            m_model.markDirty();
        }
    });
    auto* distributor = registerButton(this, "cmdDistribuidora", QStringLiteral("..."));
    distributor->setToolTip(QStringLiteral("Dados da distribuidora"));
    distributor->setFixedWidth(32);
    connect(distributor, &QPushButton::clicked, this, &ProductWindow::openDistributor);
    auto* distRow = new QHBoxLayout;
    distRow->addWidget(m_dist, 1);
    distRow->addWidget(distributor);
    auto* distLabel = new QLabel(QStringLiteral("Distribuid&ora:"), this);
    distLabel->setBuddy(m_dist);
    form.layout()->addWidget(distLabel, 6, 0);
    form.layout()->addLayout(distRow, 6, 1, 1, 3);
    m_notes = form.notes("txtObservações", QStringLiteral("Ob&servações:"), 7, 2);
    form.layout()->setColumnStretch(1, 1);
    form.layout()->setColumnStretch(3, 1);

    RegisterButtons buttons(this,
                            {"cmdPrimeiroReg", "cmdRegAnterior", "cmdProxReg", "cmdUltimoReg",
                             QStringLiteral("produto")},
                            m_model, [this](const std::function<void()>& f) { step(f); });
    delete buttons.situation;
    auto* find = registerButton(this, "cmdProcurar", QStringLiteral("Proc&urar"));
    connect(buttons.add, &QPushButton::clicked, this, [this] {
        bool started = false;
        step([this, &started] { started = m_model.addProduct(); });
        if (started) {
            m_codigoB->setFocus();
        }
    });
    connect(buttons.remove, &QPushButton::clicked, this,
            [this] { step([this] { m_model.deleteProduct(); }); });
    connect(find, &QPushButton::clicked, this, &ProductWindow::search);
    connect(buttons.ok, &QPushButton::clicked, this, &ProductWindow::accept);

    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {buttons.add, buttons.save, buttons.cancel, buttons.remove, find}) {
        actions->addWidget(b);
    }
    actions->addStretch();
    actions->addWidget(buttons.ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form.layout(), 1);
    layout->addLayout(buttons.movesRow());
    layout->addLayout(actions);

    std::vector<QWidget*> order = form.order();
    order.insert(order.end() - 1, {m_dist, distributor});
    for (QWidget* w : std::initializer_list<QWidget*>{
             buttons.first, buttons.previous, buttons.next, buttons.last, buttons.add, buttons.save,
             buttons.cancel, buttons.remove, find, buttons.ok}) {
        order.push_back(w);
    }
    chainTabOrder(order);

    fillDistributors();
    m_model.open();
    showForm();
    resize(560, 400);
    m_descricao->setFocus();
}

void ProductWindow::fillDistributors()
{
    m_filling = true;
    const int current = m_dist->currentIndex();
    m_dist->clear();
    for (const std::string& name : core::distributorList(m_state.records())) {
        m_dist->addItem(toQString(name));
    }
    m_dist->setCurrentIndex(current < m_dist->count() ? current : -1);
    m_filling = false;
}

void ProductWindow::showForm()
{
    const core::ProductForm& f = m_model.form;
    m_filling = true;
    m_codigo->setText(toQString(f.Codigo));
    m_descricao->setText(toQString(f.Descricao));
    m_codigoB->setText(toQString(f.CodigoB));
    m_estoque->setText(toQString(f.Estoque));
    m_unidade->setText(toQString(f.Unidade));
    m_icms->setText(toQString(f.Icms));
    m_preco->setText(toQString(f.Preco));
    m_valorCompra->setText(toQString(f.ValorCompra));
    m_dist->setCurrentIndex(f.Distribuidor - 1 < m_dist->count() ? f.Distribuidor - 1 : -1);
    m_notes->setPlainText(toQString(f.Observacoes));
    m_filling = false;
}

void ProductWindow::collect()
{
    core::ProductForm& f = m_model.form;
    f.Descricao = toStdString(m_descricao->text());
    f.CodigoB = toStdString(m_codigoB->text());
    f.Estoque = toStdString(m_estoque->text());
    f.Unidade = toStdString(m_unidade->text());
    f.Icms = toStdString(m_icms->text());
    f.Preco = toStdString(m_preco->text());
    f.ValorCompra = toStdString(m_valorCompra->text());
    f.Distribuidor = m_dist->currentIndex() + 1;
    f.Observacoes = toStdString(m_notes->toPlainText());
}

template <class Step>
void ProductWindow::step(Step&& stepToRun)
{
    collect();
    stepToRun();
    showForm();
}

void ProductWindow::barcodeLeft()
{
    if (m_filling || !m_state.options().VerifNomeECod || m_model.code() <= 0) {
        return;
    }
    collect();
    if (m_model.checkBarcode() != core::BarcodeVerdict::Accepted) {
        m_codigoB->setFocus();
        m_codigoB->selectAll();
    }
}

void ProductWindow::search()
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        showForm();
        return;
    }
    if (const auto hit = searchRecord(m_state, this, core::SearchMode::Products)) {
        step([this, code = hit->number] { m_model.moveToProduct(code); });
    }
}

void ProductWindow::openDistributor()
{
    collect();
    openDistributorRegister(m_state, this, m_dist->currentIndex() + 1);
    // The names may have changed there.
    fillDistributors();
    showForm();
}

void ProductWindow::accept()
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        showForm();
        return;
    }
    QDialog::accept();
}

void ProductWindow::reject()
{
    collect();
    if (m_model.close()) {
        QDialog::reject();
    } else {
        showForm();
    }
}

void ProductWindow::showProduct(std::int32_t code)
{
    step([this, code] { m_model.moveToProduct(code); });
}

void openProductRegister(core::AppState& state, QWidget* parent)
{
    ProductWindow window(state, parent);
    window.exec();
}

} // namespace tavolim::app
