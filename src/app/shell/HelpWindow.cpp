#include "app/shell/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

// Q_INIT_RESOURCE names a function of the global namespace.
inline void initManualResource()
{
    Q_INIT_RESOURCE(manual);
}

namespace tavolim::app {

QString HelpWindow::manualText()
{
    initManualResource();
    QFile file(QStringLiteral(":/ajuda/manual.md"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAjuda"));
    setWindowTitle(QStringLiteral("Ajuda do Tavolim"));

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("txtAjuda"));
    m_text->setOpenExternalLinks(true);
    m_text->setMarkdown(manualText());

    m_topics = new QListWidget(this);
    m_topics->setObjectName(QStringLiteral("lstTopicos"));
    const QStringList lines = manualText().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("## "))) {
            m_topics->addItem(line.mid(3).trimmed());
        }
    }
    m_topics->setWordWrap(true);
    m_topics->setMaximumWidth(300);
    connect(m_topics, &QListWidget::currentRowChanged, this, &HelpWindow::showTopic);
    auto* topicsTitle = new QLabel(QStringLiteral("&Assuntos:"), this);
    topicsTitle->setBuddy(m_topics);

    auto* close = new QPushButton(QStringLiteral("&Fechar"), this);
    close->setObjectName(QStringLiteral("cmdFechar"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* side = new QVBoxLayout;
    side->addWidget(topicsTitle);
    side->addWidget(m_topics, 1);
    side->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(m_text, 1);
    resize(860, 600);
    m_topics->setFocus();
}

void HelpWindow::showTopic(int row)
{
    const QListWidgetItem* item = m_topics->item(row);
    if (!item) {
        return;
    }
    // The first topic opens the manual at its title.
    if (row == 0) {
        m_text->moveCursor(QTextCursor::Start);
        m_text->verticalScrollBar()->setValue(0);
        return;
    }
    QTextCursor found = m_text->document()->find(item->text());
    if (found.isNull()) {
        return;
    }
    // The heading at the top of the view, not just somewhere on screen.
    found.clearSelection();
    m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
    m_text->setTextCursor(found);
    m_text->ensureCursorVisible();
}

} // namespace tavolim::app
