#include "app/printing/TextWindow.h"

#include "app/shell/QtConversions.h"
#include "core/printing/ReceiptPrinter.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

TextWindow::TextWindow(core::AppState& state, const QString& text, const QString& title,
                       QWidget* parent)
    : QDialog(parent), m_state(state), m_title(title)
{
    setObjectName(QStringLiteral("frmText"));
    setWindowTitle(title.isEmpty() ? QStringLiteral("Tavolim") : title);

    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("txtText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(QString(text).remove(QLatin1Char('\r')));
    const QFontMetrics metrics(m_text->font());
    resize(metrics.horizontalAdvance(QString(50, QLatin1Char('M'))) + 40,
           metrics.lineSpacing() * 30);

    auto* print = new QPushButton(QStringLiteral("&Imprimir"));
    print->setObjectName(QStringLiteral("cmdImprimir"));
    print->setVisible(!title.isEmpty());
    auto* close = new QPushButton(QStringLiteral("&Fechar"));
    close->setObjectName(QStringLiteral("cmdFechar"));
    connect(print, &QPushButton::clicked, this, [this] {
        QString body = m_text->toPlainText();
        if (!body.isEmpty() && !body.endsWith(QLatin1Char('\n'))) {
            body += QLatin1Char('\n');
        }
        body.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        core::ReceiptPrinter(m_state).printFramed(toStdString(body), toStdString(m_title));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
}

} // namespace tavolim::app
