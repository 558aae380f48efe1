#include "app/shell/MsgBoxWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

QStyle::StandardPixmap pixmapFor(int icon)
{
    switch (icon & 0x70) {
    case 16:
        return QStyle::SP_MessageBoxCritical;
    case 32:
        return QStyle::SP_MessageBoxQuestion;
    case 48:
        return QStyle::SP_MessageBoxWarning;
    case 64:
        return QStyle::SP_MessageBoxInformation;
    default:
        return QStyle::SP_CustomBase;
    }
}

// The letter after the first single "&", lower-cased; null when the caption has none.
QChar accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

} // namespace

MsgBoxWindow::MsgBoxWindow(const QString& title, int icon, const QString& text,
                           const std::array<QString, 3>& captions, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMsgBox"));
    setWindowTitle(title);

    auto* body = new QHBoxLayout;
    if (const auto pixmap = pixmapFor(icon); pixmap != QStyle::SP_CustomBase) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("imgIcone"));
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        picture->setPixmap(style()->standardIcon(pixmap, nullptr, this).pixmap(size, size));
        picture->setAlignment(Qt::AlignTop);
        body->addWidget(picture);
    }
    // The label grows with the text and pushes the buttons down.
    auto* message = new QLabel(text, this);
    message->setObjectName(QStringLiteral("lblMensagem"));
    message->setWordWrap(true);
    message->setMinimumWidth(280);
    body->addWidget(message, 1);

    auto* row = new QHBoxLayout;
    row->addStretch();
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setObjectName(QStringLiteral("cmdBotao%1").arg(i + 1));
        button->setAutoDefault(false);
        button->setVisible(!captions[i].isEmpty());
        connect(button, &QPushButton::clicked, this, [this, i] { done(int(i) + 1); });
        row->addWidget(button);
        m_buttons[i] = button;
    }
    m_buttons[0]->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MsgBoxWindow::keyPressEvent(QKeyEvent* event)
{
    // Synthetic key events may carry no text; the key code still names the letter.
    QChar typed = event->text().size() == 1 ? event->text()[0].toLower() : QChar();
    if (typed.isNull() && event->key() >= Qt::Key_0 && event->key() <= Qt::Key_Z) {
        typed = QChar(event->key()).toLower();
    }
    if (!typed.isNull() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (QPushButton* button : m_buttons) {
            if (!button->isHidden() && accessKey(button->text()) == typed) {
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event); // Esc rejects: 0
}

} // namespace tavolim::app
