#include "app/rules/RulesWindow.h"

#include "app/rules/FreebiePage.h"
#include "app/rules/GeneralPage.h"
#include "app/rules/LatePages.h"
#include "app/rules/RulesPage.h"
#include "app/rules/TablePages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tavolim::app {

RulesWindow::RulesWindow(core::AppState& state, QWidget* parent) : QDialog(parent), m_editor(state)
{
    setObjectName(QStringLiteral("frmDadosGer"));
    setWindowTitle(QStringLiteral("Dados Gerenciais da Locadora"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_pages = {new GeneralPage(m_editor, m_tabs), new PricePage(m_editor, m_tabs),
               new TermPage(m_editor, m_tabs),    new FreebiePage(m_editor, m_tabs),
               new MessagePage(m_editor, m_tabs), new LatePage(m_editor, m_tabs)};
    const char* captions[] = {"&Geral",   "&Diárias",   "P&razos",
                              "&Brindes", "Me&nsagens", "A&trasos"};
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        m_tabs->addTab(m_pages[i], QString::fromUtf8(captions[i]));
    }
    // A page is shown afresh when it comes to the front: another may have changed the lists.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0) {
            m_pages[static_cast<std::size_t>(index)]->refresh();
        }
    });
    connect(m_tabs, &QTabWidget::tabBarClicked, this, [this](int) { commitPages(); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAutoDefault(false);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("cmdCancelar"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &RulesWindow::accept);
    connect(cancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    for (RulesPage* page : m_pages) {
        page->refresh();
    }
    resize(960, 640);
}

void RulesWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_warned) {
        m_warned = true;
        // Once the window is up, so the warning stands over it.
        QTimer::singleShot(0, this, [this] { m_editor.warnAboutDamage(); });
    }
}

bool RulesWindow::commitPages()
{
    for (RulesPage* page : m_pages) {
        if (!page->commit()) {
            m_tabs->setCurrentWidget(page);
            return false;
        }
    }
    return true;
}

void RulesWindow::accept()
{
    if (!commitPages()) {
        return;
    }
    if (m_editor.save()) {
        QDialog::accept();
        return;
    }
    if (const auto& problem = m_editor.problem()) {
        RulesPage* page = m_pages[static_cast<std::size_t>(problem->tab)];
        m_tabs->setCurrentWidget(page);
        page->showProblem(*problem);
    }
}

void RulesWindow::reject()
{
    if (!commitPages()) {
        return;
    }
    if (m_editor.close()) {
        QDialog::reject();
        return;
    }
    if (const auto& problem = m_editor.problem()) {
        RulesPage* page = m_pages[static_cast<std::size_t>(problem->tab)];
        m_tabs->setCurrentWidget(page);
        page->showProblem(*problem);
    }
}

void openRulesEditor(core::AppState& state, QWidget* parent)
{
    RulesWindow window(state, parent);
    window.exec();
}

} // namespace tavolim::app
