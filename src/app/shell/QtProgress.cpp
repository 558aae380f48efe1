#include "app/shell/QtProgress.h"

#include "app/shell/QtConversions.h"
#include "app/shell/StatusWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

void letEventsRun()
{
    QCoreApplication::processEvents();
}

// Over the window the operator is working in, or the middle of the screen.
void centre(QWidget& window)
{
    QRect area;
    if (const QWidget* active = QApplication::activeWindow(); active && active != &window) {
        area = active->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        window.move(area.center() - window.rect().center());
    }
}

} // namespace

QtProgress::QtProgress() = default;

QtProgress::~QtProgress()
{
    delete m_wait;
    delete m_status;
}

void QtProgress::showWait(const std::string& caption)
{
    if (!m_wait) {
        auto* frame =
            new QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        frame->setObjectName(QStringLiteral("frmMessage"));
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
        auto* label = new QLabel(frame);
        label->setObjectName(QStringLiteral("lblMensagem"));
        label->setAlignment(Qt::AlignCenter);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(24, 16, 24, 16);
        layout->addWidget(label);
        m_wait = frame;
        m_waitLabel = label;
    }
    m_waitLabel->setText(toQString(caption));
    m_wait->adjustSize();
    centre(*m_wait);
    m_wait->show();
    m_wait->raise();
    letEventsRun();
}

void QtProgress::hideWait()
{
    if (m_wait) {
        m_wait->hide();
    }
    letEventsRun();
}

void QtProgress::begin(const std::string& caption, int minimum, int maximum)
{
    if (!m_status) {
        m_status = new StatusWindow(QApplication::activeWindow());
        m_status->setWindowModality(Qt::ApplicationModal);
    }
    m_status->start(toQString(caption), minimum, maximum);
    m_status->show();
    m_maximum = maximum;
    m_lastShown.start();
    letEventsRun();
}

void QtProgress::beginCancellable(const std::string& caption, int minimum, int maximum)
{
    begin(caption, minimum, maximum);
    m_status->start(toQString(caption), minimum, maximum, true);
}

bool QtProgress::cancelRequested()
{
    return m_status && m_status->cancelRequested();
}

void QtProgress::step(int value)
{
    if (!m_status) {
        return;
    }
    constexpr qint64 kMillisecondsBetween = 40;
    if (value < m_maximum && m_lastShown.isValid() &&
        m_lastShown.elapsed() < kMillisecondsBetween) {
        return;
    }
    m_status->setValue(value);
    m_lastShown.start();
    letEventsRun();
}

void QtProgress::end()
{
    if (m_status) {
        m_status->hide();
    }
    letEventsRun();
}

} // namespace tavolim::app
