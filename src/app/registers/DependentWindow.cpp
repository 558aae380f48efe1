#include "app/registers/DependentWindow.h"

#include "app/registers/PersonRegister.h"
#include "app/registers/RegisterButtons.h"
#include "app/reports/ReportActions.h"
#include "core/state/AppState.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

DependentWindow::DependentWindow(core::AppState& state, std::int16_t holder, int position,
                                 QWidget* parent)
    : QDialog(parent), m_model(state, holder)
{
    setObjectName(QStringLiteral("frmDadosDep"));
    setWindowTitle(QStringLiteral("Dados dos Dependentes"));

    auto* menus = new QMenuBar(this);
    QMenu* print = menus->addMenu(QStringLiteral("&Imprimir"));
    print->setObjectName(QStringLiteral("mnuImprimir"));
    QAction* current = print->addAction(QStringLiteral("Atual"));
    current->setObjectName(QStringLiteral("mnuImpCliAtual"));
    QAction* all = print->addAction(QStringLiteral("Todos"));
    all->setObjectName(QStringLiteral("mnuImpTodosRel"));
    connect(current, &QAction::triggered, this, [this, st = &state] {
        collect();
        if (m_model.isDirty() && !m_model.save()) {
            showForm();
            return;
        }
        showForm();
        printSheet(*st, core::ReportKind::Client, {{}, m_model.code(), 'D'});
    });
    connect(all, &QAction::triggered, this,
            [this, st = &state] { openSheetReport(*st, core::ReportKind::Client, this); });
    QAction* toHolder = menus->addAction(QStringLiteral("&Tornar Responsável"));
    toHolder->setObjectName(QStringLiteral("mnuTornarResp"));
    connect(toHolder, &QAction::triggered, this, &DependentWindow::makeHolder);

    auto* grid = new QGridLayout;
    m_controls = std::make_unique<PersonControls>(
        this, grid, PersonControls::Options{.grauParentesco = true, .tipoCasa = false},
        [this] { m_model.markDirty(); });

    RegisterButtons buttons(this,
                            {"cmdPrimeiroDependente", "cmdDependenteAnterior",
                             "cmdPróximoDependente", "cmdUltimoDependente",
                             QStringLiteral("dependente")},
                            m_model, [this](const std::function<void()>& f) { step(f); });
    auto* first = buttons.first;
    auto* previous = buttons.previous;
    auto* next = buttons.next;
    auto* last = buttons.last;
    auto* add = buttons.add;
    auto* save = buttons.save;
    auto* cancel = buttons.cancel;
    auto* remove = buttons.remove;
    auto* situation = buttons.situation;
    connectSituationButton(situation, state, m_model, false,
                           [this](const std::function<void()>& f) { step(f); });
    auto* ok = buttons.ok;

    connect(add, &QPushButton::clicked, this, [this] {
        bool added = false;
        step([this, &added] { added = m_model.addDependent(); });
        if (added) {
            m_controls->ci()->setFocus();
        }
    });
    connect(remove, &QPushButton::clicked, this,
            [this] { step([this] { m_model.deleteDependent(); }); });
    connect(ok, &QPushButton::clicked, this, &DependentWindow::accept);

    auto* moves = buttons.movesRow();
    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {add, save, cancel, remove, situation}) {
        actions->addWidget(b);
    }
    actions->addStretch();
    actions->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(grid, 1);
    layout->addLayout(moves);
    layout->addLayout(actions);

    std::vector<QWidget*> order = m_controls->tabOrder();
    for (QWidget* w : std::initializer_list<QWidget*>{first, previous, next, last, add, save,
                                                      cancel, remove, situation, ok}) {
        order.push_back(w);
    }
    chainTabOrder(order);

    m_model.showDependent(position);
    showForm();
    m_controls->firstName()->setFocus();
}

DependentWindow::~DependentWindow() = default;

void DependentWindow::showForm()
{
    m_controls->show(m_model.form);
}

void DependentWindow::collect()
{
    m_controls->collect(m_model.form);
}

template <class Step>
void DependentWindow::step(Step&& stepToRun)
{
    collect();
    stepToRun();
    showForm();
}

void DependentWindow::makeHolder()
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        showForm();
        return;
    }
    m_newHolder = m_model.makeHolder();
    if (m_newHolder) {
        QDialog::accept();
    }
}

void DependentWindow::accept()
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        showForm();
        return;
    }
    QDialog::accept();
}

void DependentWindow::reject()
{
    collect();
    if (m_model.close()) {
        QDialog::reject();
    } else {
        showForm();
    }
}

} // namespace tavolim::app
