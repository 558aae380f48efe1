#include "app/shell/QtPrinter.h"

#include "app/shell/QtConversions.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

namespace tavolim::app {

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::device()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

bool QtPrinter::printText(const std::string& text, const std::string& fontName, int fontSize)
{
    QPrinter& printer = device();
    // Without a printer Qt falls back to PDF; with no file name that job would vanish.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        return false;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    QFont font(toQString(fontName));
    if (fontSize > 0) {
        font.setPointSize(fontSize);
    }
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal lineHeight = metrics.lineSpacing();
    const qreal pageWidth = printer.width();
    const qreal pageHeight = printer.height();

    QString all = toQString(text);
    all.remove(QLatin1Char('\r'));
    QStringList lines = all.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }

    qreal y = 0;
    for (const QString& line : std::as_const(lines)) {
        if (y > 0 && y + lineHeight > pageHeight) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(QRectF(0, y, pageWidth, lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs,
                         line);
        y += lineHeight;
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

bool QtPrinter::writeRaw(const std::string& port, std::span<const std::uint8_t> bytes)
{
    QFile file(toQString(port));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return false;
    }
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    const auto size = static_cast<qint64>(bytes.size());
    qint64 written = 0;
    while (written < size) {
        const qint64 n = file.write(data + written, size - written);
        if (n <= 0) {
            return false;
        }
        written += n;
    }
    return true;
}

} // namespace tavolim::app
