#include "app/printing/FindWindow.h"

#include "core/reports/TextEditor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavolim::app {

FindWindow::FindWindow(core::TextEditor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Procurar"));

    m_text = new QLineEdit;
    m_text->setObjectName(QStringLiteral("txtFind"));
    m_text->setMinimumWidth(240);
    auto* label = new QLabel(QStringLiteral("&Procurar:"));
    label->setBuddy(m_text);

    m_case = new QCheckBox(QStringLiteral("&Maiúsculas/minúsculas"));
    m_case->setObjectName(QStringLiteral("chkCase"));

    auto* direction = new QGroupBox(QStringLiteral("Direção"));
    m_up = new QRadioButton(QStringLiteral("A&cima"));
    m_up->setObjectName(QStringLiteral("optDirection0"));
    m_down = new QRadioButton(QStringLiteral("A&baixo"));
    m_down->setObjectName(QStringLiteral("optDirection1"));
    m_down->setChecked(true);
    auto* directions = new QHBoxLayout(direction);
    directions->addWidget(m_up);
    directions->addWidget(m_down);

    m_find = new QPushButton(QStringLiteral("&Localizar"));
    m_find->setObjectName(QStringLiteral("cmdFind"));
    m_find->setDefault(true);
    m_find->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"));
    cancel->setObjectName(QStringLiteral("cmdcancel"));

    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_find->setEnabled(!text.isEmpty()); });
    connect(m_find, &QPushButton::clicked, this, [this] {
        m_editor.setFindRequest(
            {m_text->text().toStdU16String(), m_case->isChecked(),
             m_up->isChecked() ? core::SearchDirection::Up : core::SearchDirection::Down});
        emit findRequested();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* textRow = new QHBoxLayout;
    textRow->addWidget(label);
    textRow->addWidget(m_text, 1);
    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(m_case);
    optionsRow->addStretch();
    optionsRow->addWidget(direction);
    auto* fields = new QVBoxLayout;
    fields->addLayout(textRow);
    fields->addLayout(optionsRow);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_find);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setTabOrder(m_text, m_case);
    setTabOrder(m_case, m_up);
    setTabOrder(m_up, m_down);
    setTabOrder(m_down, m_find);
    setTabOrder(m_find, cancel);
}

void FindWindow::prepare(const QString& selected)
{
    const core::FindRequest& last = m_editor.findRequest();
    m_text->setText(selected.isEmpty() ? QString::fromStdU16String(last.text) : selected);
    m_case->setChecked(last.matchCase);
    (last.direction == core::SearchDirection::Up ? m_up : m_down)->setChecked(true);
    m_text->selectAll();
    m_text->setFocus();
}

} // namespace tavolim::app
