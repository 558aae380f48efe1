#include "app/tools/RestoreWindow.h"

#include "app/counter/CounterControls.h"
#include "app/shell/QtConversions.h"
#include "core/state/AppState.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tavolim::app {

RestoreWindow::RestoreWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_form(state)
{
    setObjectName(QStringLiteral("frmRecBackup"));
    setWindowTitle(QString::fromUtf8(core::kRestoreTitle));

    m_folder = new QLineEdit(toQString(m_form.txtPasta()), this);
    m_folder->setObjectName(QStringLiteral("txtPasta"));
    auto* folderLabel = new QLabel(QStringLiteral("&Pasta dos back-ups:"), this);
    folderLabel->setBuddy(m_folder);
    auto* browse = namedButton(this, "cmdProcurar", QStringLiteral("P&rocurar..."));
    connect(browse, &QPushButton::clicked, this, &RestoreWindow::browseFolder);
    connect(m_folder, &QLineEdit::editingFinished, this, [this] {
        if (toStdString(m_folder->text()) != m_form.txtPasta()) {
            m_form.setPasta(toStdString(m_folder->text()));
            fillList();
        }
    });

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstBackups"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {QStringLiteral("Data"), QStringLiteral("Locadora"), QStringLiteral("Tamanho")});
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    auto* listLabel = new QLabel(QStringLiteral("&Back-ups, os mais recentes primeiro:"), this);
    listLabel->setBuddy(m_list);
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this] { m_form.selected = m_list->indexOfTopLevelItem(m_list->currentItem()); });
    connect(m_list, &QTreeWidget::itemActivated, this, &RestoreWindow::restore);

    auto* other = namedButton(this, "cmdArquivo", QStringLiteral("&Outro arquivo..."));
    connect(other, &QPushButton::clicked, this, &RestoreWindow::openArchive);
    auto* ok = namedButton(this, "cmdOK", QStringLiteral("R&ecuperar"));
    ok->setDefault(true);
    auto* cancel = namedButton(this, "cmdCancelar", QStringLiteral("&Cancelar"));
    connect(ok, &QPushButton::clicked, this, &RestoreWindow::restore);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(other);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folderLabel);
    layout->addLayout(folderRow);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    fillList();
    resize(560, 360);
    m_list->setFocus();
}

void RestoreWindow::fillList()
{
    m_list->clear();
    for (const auto& archive : m_form.archives()) {
        QStringList cells;
        for (const std::string& cell : core::RestoreForm::columns(archive)) {
            cells << toQString(cell);
        }
        auto* item = new QTreeWidgetItem(m_list, cells);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(0, toQString(archive.file.string()));
    }
    for (int column = 0; column < 3; column += 2) {
        m_list->resizeColumnToContents(column);
    }
    const int selected = m_form.selected;
    if (selected >= 0) {
        m_list->setCurrentItem(m_list->topLevelItem(selected));
    }
}

void RestoreWindow::browseFolder()
{
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Pasta dos Back-Ups"), m_folder->text());
    if (!chosen.isEmpty()) {
        m_folder->setText(QDir::toNativeSeparators(chosen));
        m_form.setPasta(toStdString(m_folder->text()));
        fillList();
    }
}

void RestoreWindow::openArchive()
{
    const QString chosen = QFileDialog::getOpenFileName(
        this, QStringLiteral("Abrir Back-Up"), m_folder->text(),
        QStringLiteral("Back-ups do Tavolim (*.zip);;Todos os Arquivos (*)"));
    if (!chosen.isEmpty() && m_form.addArchive(toStdString(chosen))) {
        fillList();
    }
}

void RestoreWindow::restore()
{
    if (m_form.recuperar(m_state.ports().progress)) {
        accept();
    }
}

} // namespace tavolim::app
