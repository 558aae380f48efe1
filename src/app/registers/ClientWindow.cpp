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
    : RegisterWindow(m_model, parent), m_state(state), m_model(state)
{
    setObjectName(QStringLiteral("frmDadosCli"));
    setWindowTitle(QStringLiteral("Dados dos Clientes"));

    QMenuBar* menus = addPrintMenu(
        [this] {
            printSheet(m_state, core::ReportKind::Client, {{}, m_model.code(), 'R'});
        },
        [this] { openSheetReport(m_state, core::ReportKind::Client, this); });

    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    m_controls = std::make_unique<PersonControls>(
        fields, grid, PersonControls::Options{.grauParentesco = false, .tipoCasa = true},
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

    const auto run = [this](const std::function<void()>& f) { step(f); };
    RegisterButtons buttons(this,
                            {"cmdPrimeiroCliente", "cmdClienteAnterior", "cmdProxCliente",
                             "cmdUltimoCliente", QStringLiteral("cliente")},
                            m_model, run);
    connectSituationButton(buttons.situation, m_state, m_model, true, run);
    auto* newDep = registerButton(this, "cmdNovoDep", QStringLiteral("Novo De&pendente"));
    auto* find = registerButton(this, "cmdProcurar", QStringLiteral("Proc&urar"));

    connect(buttons.add, &QPushButton::clicked, this, [this] {
        bool started = false;
        step([this, &started] { started = m_model.addHolder(); });
        if (started) {
            m_controls->ci()->setFocus();
        }
    });
    connect(buttons.remove, &QPushButton::clicked, this,
            [this] { step([this] { m_model.deleteHolder(); }); });
    connect(newDep, &QPushButton::clicked, this, [this] {
        std::optional<int> position;
        step([this, &position] { position = m_model.addDependent(); });
        if (position) {
            openDependent(*position);
        }
    });
    connect(find, &QPushButton::clicked, this, &ClientWindow::search);
    connect(buttons.ok, &QPushButton::clicked, this, &ClientWindow::accept);

    auto* empty = new QLabel(
        QStringLiteral("Nenhum cliente cadastrado ainda. Use Adicionar para cadastrar o primeiro."),
        this);
    empty->setObjectName(QStringLiteral("lblVazio"));
    empty->setStyleSheet(QStringLiteral("color: #0000c0; font-weight: bold;"));

    auto* side = new QVBoxLayout;
    side->addWidget(depTitle);
    side->addWidget(m_dependents, 1);
    side->addWidget(newDep);
    auto* body = new QHBoxLayout;
    body->addWidget(fields, 3);
    body->addLayout(side, 1);
    auto* actions = new QHBoxLayout;
    for (QPushButton* b :
         {buttons.add, buttons.save, buttons.cancel, buttons.remove, find, buttons.situation}) {
        actions->addWidget(b);
    }
    actions->addStretch();
    actions->addWidget(buttons.ok);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(empty);
    layout->addLayout(body, 1);
    layout->addLayout(buttons.movesRow());
    layout->addLayout(actions);

    std::vector<QWidget*> order = m_controls->tabOrder();
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_dependents, newDep, buttons.first, buttons.previous, buttons.next, buttons.last,
             buttons.add, buttons.save, buttons.cancel, buttons.remove, find, buttons.situation,
             buttons.ok}) {
        order.push_back(w);
    }
    chainTabOrder(order);

    m_model.open();
    showForm();
    setNeedsRecord(fields,
                   {buttons.first, buttons.previous, buttons.next, buttons.last, buttons.save,
                    buttons.cancel, buttons.remove, find, buttons.situation, newDep},
                   empty);
    (m_model.hasRecord() ? static_cast<QWidget*>(m_controls->firstName()) : buttons.add)
        ->setFocus();
}

ClientWindow::~ClientWindow() = default;

void ClientWindow::showClient(std::int32_t code)
{
    step([this, code] { m_model.showClient(code); });
}

void ClientWindow::showForm()
{
    m_controls->show(m_model.form);
    m_controls->setInscription(QString::fromUtf8(core::inscriptionCaption(true)));
    m_dependents->clear();
    for (const std::string& line : m_model.lstDependentes) {
        m_dependents->addItem(toQString(line));
    }
}

void ClientWindow::collect()
{
    m_controls->collect(m_model.form);
}

void ClientWindow::openDependent(int position)
{
    if (!saveFirst()) {
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
    updateEnabled();
}

void ClientWindow::search()
{
    if (!saveFirst()) {
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

} // namespace tavolim::app
