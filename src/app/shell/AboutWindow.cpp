#include "app/shell/AboutWindow.h"

#include "app/shell/ProgramTitle.h"
#include "app/shell/QtConversions.h"
#include "core/shell/HelpTexts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

AboutWindow::AboutWindow(const core::AppState& state, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSobre"));
    setWindowTitle(QStringLiteral("Sobre o Tavolim"));

    auto* title = new QLabel(QString::fromLatin1(kProgramTitle), this);
    title->setObjectName(QStringLiteral("lblProductName"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.5);
    big.setBold(true);
    title->setFont(big);
    auto* text = new QLabel(toQString(core::aboutText(state)), this);
    text->setObjectName(QStringLiteral("lblSobre"));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setMinimumWidth(420);
}

} // namespace tavolim::app
