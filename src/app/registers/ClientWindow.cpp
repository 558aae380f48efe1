#include "app/registers/ClientWindow.h"

#include "app/registers/DependentWindow.h"
#include "app/registers/PersonRegister.h"
#include "app/registers/RegisterButtons.h"
#include "app/registers/SearchWindow.h"
#include "app/reports/ReportActions.h"
#include "app/shell/QtConversions.h"
#include "core/registers/FamilyRules.h"
#include "core/registers/RecordSearch.h"
#include "core/state/AppState.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tavolim::app {

ClientWindow::ClientWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_model(state)
{
    setObjectName(QStringLiteral("frmDadosCli"));
    setWindowTitle(QStringLiteral("Dados dos Clientes"));

    auto* menus = new QMenuBar(this);
    QMenu* print = menus->addMenu(QStringLiteral("&Imprimir"));
    print->setObjectName(QStringLiteral("mnuImprimir"));
    QAction* current = print->addAction(QStringLiteral("Atual"));
    current->setObjectName(QStringLiteral("mnuImpCliAtual"));
    QAction* all = print->addAction(QStringLiteral("Todos"));
    all->setObjectName(QStringLiteral("mnuImpTodosRel"));
    connect(current, &QAction::triggered, this, [this] {
        collect();
        if (m_model.isDirty() && !m_model.save()) {
            showForm();
            return;
        }
        showForm();
        printSheet(m_state, core::ReportKind::Client, {{}, m_model.code(), 'R'});
    });
    connect(all, &QAction::triggered, this,
            [this] { openSheetReport(m_state, core::ReportKind::Client, this); });

    auto* grid = new QGridLayout;
    m_controls = std::make_unique<PersonControls>(
        this, grid, PersonControls::Options{.grauParentesco = false, .tipoCasa = true},
        [this] { m_model.markDirty(); });

    m_dependents = new QListWidget(this);
    m_dependents->setObjectName(QStringLiteral("lstDependentes"));
    m_dependents->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_dependents->setMinimumWidth(220);
    connect(m_dependents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openDependent(m_dependents->row(item) + 1); });
    connect(m_dependents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openDependent(m_dependents->row(item) + 1); });
    auto* depTitle = new QLabel(QStringLiteral("&Dependentes:"), this);
    depTitle->setBuddy(m_dependents);

    RegisterButtons buttons(this,
                            {"cmdPrimeiroCliente", "cmdClienteAnterior", "cmdProxCliente",
                             "cmdUltimoCliente", QStringLiteral("cliente")},
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
    connectSituationButton(situation, m_state, m_model, true,
                           [this](const std::function<void()>& f) { step(f); });
    auto* ok = buttons.ok;
    auto* newDep = registerButton(this, "cmdNovoDep", QStringLiteral("Novo De&p."));
    auto* find = registerButton(this, "cmdProcurar", QStringLiteral("P&rocurar"));

    connect(add, &QPushButton::clicked, this, [this] {
        bool started = false;
        step([this, &started] { started = m_model.addHolder(); });
        if (started) {
            m_controls->ci()->setFocus();
        }
    });
    connect(remove, &QPushButton::clicked, this,
            [this] { step([this] { m_model.deleteHolder(); }); });
    connect(newDep, &QPushButton::clicked, this, [this] {
        std::optional<int> position;
        step([this, &position] { position = m_model.addDependent(); });
        if (position) {
            openDependent(*position);
        }
    });
    connect(find, &QPushButton::clicked, this, &ClientWindow::search);
    connect(ok, &QPushButton::clicked, this, &ClientWindow::accept);

    auto* moves = buttons.movesRow();
    auto* side = new QVBoxLayout;
    side->addWidget(depTitle);
    side->addWidget(m_dependents, 1);
    side->addWidget(newDep);
    auto* body = new QHBoxLayout;
    body->addLayout(grid, 3);
    body->addLayout(side, 1);
    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {add, save, cancel, remove, find, situation}) {
        actions->addWidget(b);
    }
    actions->addStretch();
    actions->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addLayout(body, 1);
    layout->addLayout(moves);
    layout->addLayout(actions);

    std::vector<QWidget*> order = m_controls->tabOrder();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_dependents, newDep, first, previous, next, last, add,
                                         save, cancel, remove, find, situation, ok}) {
        order.push_back(w);
    }
    chainTabOrder(order);

    m_model.open();
    showForm();
    m_controls->firstName()->setFocus();
}

ClientWindow::~ClientWindow() = default;

void ClientWindow::showClient(std::int32_t code)
{
    step([this, code] { m_model.showClient(code); });
}

void ClientWindow::showForm()
{
    m_controls->show(m_model.form);
    m_dependents->clear();
    for (const std::string& line : m_model.lstDependentes) {
        m_dependents->addItem(toQString(line));
    }
}

void ClientWindow::collect()
{
    m_controls->collect(m_model.form);
}

template <class Step>
void ClientWindow::step(Step&& stepToRun)
{
    collect();
    stepToRun();
    showForm();
}

void ClientWindow::openDependent(int position)
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        return;
    }
    const auto holder = static_cast<std::int16_t>(m_model.code());
    DependentWindow window(m_state, holder, position, this);
    window.exec();
    if (window.newHolder()) {
        m_model.showClient(*window.newHolder());
    } else {
        // The list reads the dependents afresh.
        m_model.showPosition(m_model.position());
    }
    showForm();
}

void ClientWindow::search()
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        showForm();
        return;
    }
    const auto hit = searchRecord(m_state, this, core::SearchMode::Clients);
    if (!hit) {
        return;
    }
    if (hit->kind == core::FileKind::Clients) {
        showClient(hit->number);
        return;
    }
    // A dependent opens inside its holder.
    const auto place =
        core::dependentPlace(m_state.records(), static_cast<std::int16_t>(hit->number));
    showClient(place.holder);
    if (place.position) {
        openDependent(*place.position);
    }
}

void ClientWindow::accept()
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        showForm();
        return;
    }
    QDialog::accept();
}

void ClientWindow::reject()
{
    collect();
    if (m_model.close()) {
        QDialog::reject();
    } else {
        showForm();
    }
}

} // namespace tavolim::app
