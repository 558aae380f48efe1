#include "app/shell/OperatorsWindow.h"

#include "app/shell/LoginWindow.h"
#include "app/shell/QtConversions.h"
#include "core/state/AppState.h"
#include "core/state/Operators.h"
#include "core/store/TextHelpers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace tavolim::app {

OperatorsWindow::OperatorsWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmUsuários"));
    setWindowTitle(QStringLiteral("Usuários"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstUsuarios"));

    auto* frame = new QGroupBox(QStringLiteral("Tipo"), this);
    frame->setObjectName(QStringLiteral("fraTipo"));
    m_level = new QSlider(Qt::Horizontal, frame);
    m_level->setObjectName(QStringLiteral("Slider1"));
    m_level->setRange(core::kLevelAdministrator, core::kLevelOperator);
    m_level->setPageStep(1);
    m_level->setTickPosition(QSlider::TicksBelow);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(m_level, 0, 0, 1, 3);
    const char* positions[] = {"Administrador", "Médio", "Operador"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromUtf8(positions[i]), frame);
        label->setAlignment(i == 0 ? Qt::AlignLeft : i == 1 ? Qt::AlignHCenter : Qt::AlignRight);
        grid->addWidget(label, 1, i);
    }

    auto* add = new QPushButton(QStringLiteral("&Adicionar..."), this);
    add->setObjectName(QStringLiteral("cmdAdicionar"));
    auto* remove = new QPushButton(QStringLiteral("&Excluir"), this);
    remove->setObjectName(QStringLiteral("cmdExcluir"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    connect(add, &QPushButton::clicked, this, &OperatorsWindow::addOperator);
    connect(remove, &QPushButton::clicked, this, &OperatorsWindow::deleteOperator);
    connect(ok, &QPushButton::clicked, this, &OperatorsWindow::accept);
    connect(m_list, &QListWidget::currentRowChanged, this, &OperatorsWindow::showLevel);
    connect(m_level, &QSlider::valueChanged, this, &OperatorsWindow::levelMoved);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* left = new QVBoxLayout;
    left->addWidget(m_list);
    left->addWidget(frame);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    fillList(m_state.OperadorAtual);
    resize(420, 320);
}

void OperatorsWindow::fillList(int select)
{
    const QSignalBlocker block(m_list);
    m_list->clear();
    const auto& rules = m_state.records().rules();
    for (int i = 0; i < rules.operatorCount(); ++i) {
        m_list->addItem(toQString(core::trim(rules.NomeOperador[static_cast<std::size_t>(i)])));
    }
    m_list->setCurrentRow(std::clamp(select, 1, std::max(1, rules.operatorCount())) - 1);
    showLevel();
}

void OperatorsWindow::showLevel()
{
    const QSignalBlocker block(m_level);
    const int level = core::operatorLevel(m_state.records().rules(), m_list->currentRow() + 1);
    m_level->setEnabled(level != 0);
    m_level->setValue(level != 0 ? level : core::kLevelOperator);
}

void OperatorsWindow::levelMoved(int level)
{
    if (!core::setOperatorLevel(m_state.records().rules(), m_list->currentRow() + 1, level,
                                m_state.ports().dialogs)) {
        showLevel();
    }
}

void OperatorsWindow::addOperator()
{
    auto& rules = m_state.records().rules();
    if (!core::mayAddOperator(rules, m_state.ports().dialogs)) {
        return;
    }
    if (LoginWindow::run(m_state, core::AccessForm::Mode::Register, this)) {
        fillList(rules.operatorCount());
    }
}

void OperatorsWindow::deleteOperator()
{
    const int row = m_list->currentRow() + 1;
    if (core::deleteOperator(m_state.records().rules(), row, m_state.OperadorAtual,
                             m_state.ports().dialogs)) {
        fillList(row);
    }
}

void OperatorsWindow::accept()
{
    m_state.saveRules();
    QDialog::accept();
}

} // namespace tavolim::app
