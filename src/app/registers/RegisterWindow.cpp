#include "app/registers/RegisterWindow.h"

#include "core/registers/RegisterModel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace tavolim::app {

RegisterWindow::RegisterWindow(core::RegisterModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
}

void RegisterWindow::step(const std::function<void()>& run)
{
    collect();
    run();
    showForm();
    updateEnabled();
}

bool RegisterWindow::saveFirst()
{
    collect();
    if (m_model.isDirty() && !m_model.save()) {
        showForm();
        return false;
    }
    return true;
}

void RegisterWindow::accept()
{
    if (saveFirst()) {
        QDialog::accept();
    }
}

void RegisterWindow::reject()
{
    collect();
    if (m_escaping ? m_model.closeByEscape() : m_model.close()) {
        QDialog::reject();
    } else {
        showForm();
    }
}

void RegisterWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_escaping = true;
        reject();
        m_escaping = false;
        return;
    }
    QDialog::keyPressEvent(event);
}

QMenuBar* RegisterWindow::addPrintMenu(const std::function<void()>& printCurrent,
                                       const std::function<void()>& printAll)
{
    auto* menus = new QMenuBar(this);
    QMenu* print = menus->addMenu(QStringLiteral("&Imprimir"));
    print->setObjectName(QStringLiteral("mnuImprimir"));
    QAction* current = print->addAction(QStringLiteral("Atual"));
    current->setObjectName(QStringLiteral("mnuImpCliAtual"));
    QAction* all = print->addAction(QStringLiteral("Todos"));
    all->setObjectName(QStringLiteral("mnuImpTodosRel"));
    // The sheet shows what is on file, so the record is saved first.
    connect(current, &QAction::triggered, this, [this, printCurrent] {
        if (saveFirst()) {
            showForm();
            printCurrent();
        }
    });
    connect(all, &QAction::triggered, this, printAll);
    return menus;
}

void RegisterWindow::setNeedsRecord(QWidget* fields, std::vector<QPushButton*> buttons,
                                    QLabel* hint)
{
    m_fields = fields;
    m_needRecord = std::move(buttons);
    m_emptyHint = hint;
    updateEnabled();
}

void RegisterWindow::updateEnabled()
{
    const bool any = m_model.hasRecord();
    // A disabled container keeps its children's own states for when it comes back.
    if (m_fields) {
        m_fields->setEnabled(any);
    }
    for (QPushButton* b : m_needRecord) {
        b->setEnabled(any);
    }
    if (m_emptyHint) {
        m_emptyHint->setVisible(!any);
    }
}

} // namespace tavolim::app
