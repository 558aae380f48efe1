#include "app/shell/SplashWindow.h"

#include "app/shell/ProgramTitle.h"
#include "app/shell/QtConversions.h"
#include "core/shell/BackgroundPicture.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace tavolim::app {

SplashWindow::SplashWindow(int lifetimeMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);

    auto* title = new QLabel(QString::fromLatin1(kProgramTitle), this);
    title->setObjectName(QStringLiteral("lblProductName"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 3.5);
    big.setBold(true);
    title->setFont(big);
    auto* subtitle = new QLabel(QStringLiteral("Gerenciamento de Locadoras"), this);
    subtitle->setObjectName(QStringLiteral("lblDescricao"));
    auto* version = new QLabel(toQString(core::versionCaption()), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 32, 40, 28);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(subtitle, 0, Qt::AlignHCenter);
    layout->addSpacing(24);
    layout->addWidget(version, 0, Qt::AlignRight);
    // 6000 x 3600 twips at design time.
    setFixedSize(400, 240);

    QTimer::singleShot(lifetimeMs, this, &QWidget::close);
}

void SplashWindow::mousePressEvent(QMouseEvent*)
{
    close();
}

void SplashWindow::keyPressEvent(QKeyEvent*)
{
    close();
}

} // namespace tavolim::app
