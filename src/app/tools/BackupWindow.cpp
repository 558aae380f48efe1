#include "app/tools/BackupWindow.h"

#include "app/counter/CounterControls.h"
#include "app/shell/QtConversions.h"
#include "core/ports/Progress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tavolim::app {

// The backup's progress shown in the window itself, where its Cancel is.
class BackupWindow::InlineProgress final : public core::Progress {
public:
    InlineProgress(QLabel* caption, QProgressBar* bar) : m_caption(caption), m_bar(bar) {}

    void showWait(const std::string& caption) override { begin(caption, 0, 0); }
    void hideWait() override { end(); }
    void begin(const std::string& caption, int minimum, int maximum) override
    {
        m_caption->setText(toQString(caption));
        m_bar->setRange(minimum, maximum);
        QCoreApplication::processEvents();
    }
    void step(int value) override
    {
        m_bar->setValue(value);
        QCoreApplication::processEvents();
    }
    void end() override
    {
        m_caption->clear();
        m_bar->reset();
    }

private:
    QLabel* m_caption;
    QProgressBar* m_bar;
};

BackupWindow::BackupWindow(core::AppState& state, bool atExit, QWidget* parent)
    : QDialog(parent), m_state(state), m_form(state)
{
    setObjectName(QStringLiteral("frmBackup"));
    setWindowTitle(QString::fromUtf8(core::kBackupTitle));

    m_folder = new QLineEdit(toQString(m_form.txtPasta), this);
    m_folder->setObjectName(QStringLiteral("txtPasta"));
    m_folder->setMinimumWidth(360);
    auto* folderLabel =
        new QLabel(QStringLiteral("&Pasta do back-up (um pen drive ou outra pasta):"), this);
    folderLabel->setBuddy(m_folder);
    m_browse = namedButton(this, "cmdProcurar", QStringLiteral("P&rocurar..."));
    connect(m_browse, &QPushButton::clicked, this, &BackupWindow::browse);

    auto* last = new QLabel(toQString(m_form.lblUltimo()), this);
    last->setObjectName(QStringLiteral("lblUltimo"));
    auto* keep = new QLabel(toQString(m_form.lblManter()), this);
    keep->setObjectName(QStringLiteral("lblManter"));
    keep->setWordWrap(true);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("prgBackup"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false); // a percentage only while a backup runs

    m_ok = namedButton(this, "cmdOK", QStringLiteral("&Fazer Back-Up"));
    m_ok->setDefault(true);
    m_cancel = namedButton(this, "cmdCancelar", QStringLiteral("&Cancelar"));
    connect(m_ok, &QPushButton::clicked, this, &BackupWindow::start);
    connect(m_cancel, &QPushButton::clicked, this, &BackupWindow::reject);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folderLabel);
    layout->addLayout(folderRow);
    layout->addSpacing(6);
    layout->addWidget(last);
    layout->addWidget(keep);
    layout->addSpacing(6);
    layout->addWidget(m_status);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    m_ok->setFocus();

    // At exit the operator has already said to go ahead; a missing pen drive waits for him.
    if (atExit && QDir(m_folder->text()).exists()) {
        QTimer::singleShot(0, this, &BackupWindow::start);
    }
}

void BackupWindow::browse()
{
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Pasta do Back-Up"), m_folder->text());
    if (!chosen.isEmpty()) {
        m_folder->setText(QDir::toNativeSeparators(chosen));
    }
}

void BackupWindow::setRunning(bool running)
{
    m_running = running;
    m_folder->setEnabled(!running);
    m_browse->setEnabled(!running);
    m_ok->setEnabled(!running);
}

void BackupWindow::start()
{
    if (m_running) {
        return;
    }
    m_form.txtPasta = toStdString(m_folder->text());
    m_cancelRequested = false;
    setRunning(true);
    m_bar->setTextVisible(true);
    InlineProgress progress(m_status, m_bar);
    const bool done = m_form.fazerBackup(progress, [this] { return m_cancelRequested; });
    setRunning(false);
    m_bar->setTextVisible(false);
    if (done) {
        accept();
    }
}

void BackupWindow::reject()
{
    // While it runs, Cancel, Esc and the close box stop the backup; the window stays.
    if (m_running) {
        m_cancelRequested = true;
        return;
    }
    QDialog::reject();
}

void BackupWindow::closeEvent(QCloseEvent* event)
{
    if (m_running) {
        m_cancelRequested = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace tavolim::app
