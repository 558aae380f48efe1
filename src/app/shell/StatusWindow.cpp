#include "app/shell/StatusWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tavolim::app {

StatusWindow::StatusWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStatus"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblStatus"));
    m_caption->setWordWrap(true);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setTextVisible(false);
    m_percent = new QLabel(this);
    m_percent->setObjectName(QStringLiteral("lblPorcentagem"));
    m_percent->setAlignment(Qt::AlignCenter);
    m_cancel = new QPushButton(QStringLiteral("&Cancelar"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancelar"));
    m_cancel->setAutoDefault(false);
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_cancelRequested = true;
        m_cancel->setEnabled(false);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_bar);
    layout->addWidget(m_percent);
    layout->addWidget(m_cancel, 0, Qt::AlignCenter);
    setMinimumWidth(380);
}

void StatusWindow::start(const QString& caption, int minimum, int maximum, bool cancellable)
{
    m_cancelRequested = false;
    m_cancel->setVisible(cancellable);
    m_cancel->setEnabled(cancellable);
    setWindowTitle(caption);
    m_caption->setText(caption);
    m_bar->setRange(minimum, std::max(minimum, maximum));
    setValue(minimum);
}

void StatusWindow::setValue(int value)
{
    m_bar->setValue(std::clamp(value, m_bar->minimum(), m_bar->maximum()));
    const qint64 span = qint64(m_bar->maximum()) - m_bar->minimum();
    const qint64 done = qint64(m_bar->value()) - m_bar->minimum();
    m_percent->setText(QStringLiteral("%1%").arg(span > 0 ? done * 100 / span : 100));
}

void StatusWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (m_cancel->isVisible() && m_cancel->isEnabled()) {
            m_cancel->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void StatusWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

} // namespace tavolim::app
