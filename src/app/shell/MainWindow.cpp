#include "app/shell/MainWindow.h"

#include "app/shell/ProgramTitle.h"
#include "app/shell/QtConversions.h"
#include "core/shell/AppState.h"

#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

namespace tavolim::app {

MainWindow::MainWindow(core::AppState& state, QWidget* parent)
    : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    // The name field is space-padded in its record.
    const QString store = toQString(m_state.records().store().NomeFantasia).trimmed();
    setWindowTitle(QString::fromLatin1(kProgramTitle) + QStringLiteral(" - ") + store);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(32, 28, 32, 28);
    layout->setSpacing(12);

    m_storeName = new QLabel(store, central);
    m_storeName->setObjectName(QStringLiteral("lblLocadora"));
    QFont nameFont = m_storeName->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2);
    nameFont.setBold(true);
    m_storeName->setFont(nameFont);

    const QString folder = QDir::toNativeSeparators(toQString(m_state.dataFolder()));
    m_dataFolder = new QLabel(QStringLiteral("Pasta de dados: ") + folder, central);
    m_dataFolder->setObjectName(QStringLiteral("lblPastaDados"));
    m_dataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_dataFolder->setToolTip(folder);
    // A long path is cut rather than widening the window past the screen.
    m_dataFolder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    layout->addWidget(m_storeName);
    layout->addWidget(m_dataFolder);
    layout->addStretch();
    setCentralWidget(central);
    resize(800, 560);
}

} // namespace tavolim::app
