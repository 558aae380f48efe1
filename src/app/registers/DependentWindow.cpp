#include "app/registers/DependentWindow.h"

#include "app/registers/PersonRegister.h"
#include "app/registers/RegisterButtons.h"
#include "app/reports/ReportActions.h"
#include "app/shell/QtConversions.h"
#include "core/registers/FamilyRules.h"
#include "core/state/AppState.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

DependentWindow::DependentWindow(core::AppState& state, std::int16_t holder, int position,
                                 QWidget* parent)
    : RegisterWindow(m_model, parent), m_model(state, holder)
{
    setObjectName(QStringLiteral("frmDadosDep"));
    setWindowTitle(QStringLiteral("Dados dos Dependentes"));

    QMenuBar* menus = addPrintMenu(
        [this, st = &state] {
            printSheet(*st, core::ReportKind::Client, {{}, m_model.code(), 'D'});
        },
        [this, st = &state] { openSheetReport(*st, core::ReportKind::Client, this); });
    QAction* toHolder = menus->addAction(QStringLiteral("Tornar &Responsável"));
    toHolder->setObjectName(QStringLiteral("mnuTornarResp"));
    connect(toHolder, &QAction::triggered, this, &DependentWindow::makeHolder);

    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    m_controls = std::make_unique<PersonControls>(
        fields, grid, PersonControls::Options{.grauParentesco = true, .tipoCasa = false},
        [this] { m_model.markDirty(); });

    const auto run = [this](const std::function<void()>& f) { step(f); };
    RegisterButtons buttons(this,
                            {"cmdPrimeiroDependente", "cmdDependenteAnterior",
                             "cmdPróximoDependente", "cmdUltimoDependente",
                             QStringLiteral("dependente")},
                            m_model, run);
    connectSituationButton(buttons.situation, state, m_model, false, run);

    connect(buttons.add, &QPushButton::clicked, this, [this] {
        bool added = false;
        step([this, &added] { added = m_model.addDependent(); });
        if (added) {
            m_controls->ci()->setFocus();
        }
    });
    connect(buttons.remove, &QPushButton::clicked, this,
            [this] { step([this] { m_model.deleteDependent(); }); });
    connect(buttons.ok, &QPushButton::clicked, this, &DependentWindow::accept);

    auto* actions = new QHBoxLayout;
    for (QPushButton* b :
         {buttons.add, buttons.save, buttons.cancel, buttons.remove, buttons.situation}) {
        actions->addWidget(b);
    }
    actions->addStretch();
    actions->addWidget(buttons.ok);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(fields, 1);
    layout->addLayout(buttons.movesRow());
    layout->addLayout(actions);

    std::vector<QWidget*> order = m_controls->tabOrder();
    for (QWidget* w : std::initializer_list<QWidget*>{
             buttons.first, buttons.previous, buttons.next, buttons.last, buttons.add, buttons.save,
             buttons.cancel, buttons.remove, buttons.situation, buttons.ok}) {
        order.push_back(w);
    }
    chainTabOrder(order);

    m_model.showDependent(position);
    showForm();
    setNeedsRecord(fields,
                   {buttons.first, buttons.previous, buttons.next, buttons.last, buttons.save,
                    buttons.cancel, buttons.remove, buttons.situation},
                   nullptr);
    m_controls->firstName()->setFocus();
}

DependentWindow::~DependentWindow() = default;

void DependentWindow::showForm()
{
    m_controls->show(m_model.form);
    m_controls->setInscription(QString::fromUtf8(core::inscriptionCaption(false)));
}

void DependentWindow::collect()
{
    m_controls->collect(m_model.form);
}

void DependentWindow::makeHolder()
{
    if (!saveFirst()) {
        return;
    }
    m_newHolder = m_model.makeHolder();
    if (m_newHolder) {
        QDialog::accept();
    }
}

} // namespace tavolim::app
