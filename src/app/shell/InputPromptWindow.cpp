#include "app/shell/InputPromptWindow.h"

#include "app/shell/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tavolim::app {

InputPromptWindow::InputPromptWindow(Kind kind, const QString& title, const QString& prompt,
                                     const QString& initial, QWidget* parent)
    : QDialog(parent)
{
    const bool value = kind == Kind::Value;
    setObjectName(value ? QStringLiteral("frmPegaValor") : QStringLiteral("frmPegaDado"));
    setWindowTitle(title);

    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("lblPrompt"));
    label->setWordWrap(true);
    label->setMinimumWidth(320);

    m_box = new QLineEdit(initial, this);
    m_box->setObjectName(value ? QStringLiteral("txtValor") : QStringLiteral("txtDado"));
    if (value) {
        // Digits, a sign and either decimal mark; the core reads the rest.
        m_box->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("-?[0-9.,]*")), m_box));
    }
    m_box->selectAll();

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_box);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString InputPromptWindow::text() const
{
    return m_box->text();
}

void InputPromptWindow::addCheckBox(const QString& caption, bool checked)
{
    if (!m_check) {
        m_check = new QCheckBox(this);
        m_check->setObjectName(QStringLiteral("chkImprimir"));
        // Under the box, above OK and Cancelar.
        static_cast<QVBoxLayout*>(layout())->insertWidget(2, m_check);
    }
    m_check->setText(caption);
    m_check->setChecked(checked);
}

bool InputPromptWindow::isChecked() const
{
    return m_check && m_check->isChecked();
}

} // namespace tavolim::app
