#include "app/shell/QtPrinter.h"

#include "app/shell/QtConversions.h"
#include "core/printing/ReceiptPrinter.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStringList>

#include <cerrno>
#include <cstring>

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

namespace {

// The text as it stands on the device: no wrapping, tabs expanded, a new page when the
// current one is full. False when the device refused the job.
bool paintText(QPrinter& printer, const std::string& text, const std::string& fontName,
               int fontSize)
{
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

// What an operating-system error means for a printer port, in the operator's words.
std::string portError(const QString& port, int error)
{
    const std::string name = toStdString(port);
    switch (error) {
    case ENOENT:
        return "a porta " + name + " não existe neste computador";
    case EACCES:
    case EPERM:
        return "este usuário não tem permissão para escrever na porta " + name;
    case EBUSY:
        return "a porta " + name + " está ocupada por outro programa";
    case ENXIO:
    case ENODEV:
        return "não há impressora ligada à porta " + name;
    case EISDIR:
        return name + " é uma pasta, não uma porta de impressora";
    case ENOSPC:
        return "não há espaço livre no disco";
    default:
        return "o sistema recusou a porta " + name + " (" + std::strerror(error) + ")";
    }
}

// Dialogs go over the window the operator works in, never over the splash.
QWidget* dialogParent()
{
    QWidget* active = QApplication::activeWindow();
    return active && active->windowType() != Qt::SplashScreen ? active : nullptr;
}

} // namespace

bool QtPrinter::printText(const std::string& text, const std::string& fontName, int fontSize)
{
    m_lastError.clear();
    QPrinter& printer = device();
    // Without a printer Qt falls back to PDF; with no file name that job would vanish.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        m_lastError = QPrinterInfo::availablePrinterNames().isEmpty()
                          ? "nenhuma impressora está configurada neste computador"
                          : "nenhuma impressora foi escolhida em Arquivo > Configurar Impressora";
        return false;
    }
    if (!paintText(printer, text, fontName, fontSize)) {
        m_lastError = "a impressora " + toStdString(printer.printerName()) +
                      " não aceitou o trabalho (está ligada e com papel?)";
        return false;
    }
    return true;
}

bool QtPrinter::writeRaw(const std::string& port, std::span<const std::uint8_t> bytes)
{
    m_lastError.clear();
    const QString path = toQString(port);
#ifdef _WIN32
    // As given, "LPT1:" would be taken for a file in the current folder.
    QFile file(toQString(core::windowsDevicePath(port)));
#else
    QFile file(path);
#endif
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_lastError = portError(path, errno);
        return false;
    }
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    const auto size = static_cast<qint64>(bytes.size());
    qint64 written = 0;
    while (written < size) {
        errno = 0;
        const qint64 n = file.write(data + written, size - written);
        if (n <= 0) {
            m_lastError = portError(path, errno);
            return false;
        }
        written += n;
    }
    return true;
}

bool QtPrinter::setUp()
{
    QPrintDialog dialog(&device(), dialogParent());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::saveAsPdf(const std::string& text, const std::string& fontName, int fontSize)
{
    m_lastError.clear();
    m_savedFile.clear();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    }
    const QString suggested = QDir(folder).filePath(
        QStringLiteral("recibo-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")) +
        QStringLiteral(".pdf"));
    QString path = QFileDialog::getSaveFileName(dialogParent(), QStringLiteral("Salvar em PDF"),
                                                suggested, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) {
        return false;
    }
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    if (!paintText(pdf, text, fontName, fontSize) || QFileInfo(path).size() <= 0) {
        m_lastError = "não foi possível gravar o arquivo " + toStdString(path);
        return false;
    }
    m_savedFile = toStdString(QDir::toNativeSeparators(path));
    return true;
}

} // namespace tavolim::app
