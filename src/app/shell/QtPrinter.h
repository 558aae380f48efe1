#pragma once

#include "core/ports/Printer.h"

#include <memory>
#include <string>

class QPrinter;

namespace tavolim::app {

// Prints finished texts line by line on the chosen printer, and sends raw bytes (receipt
// printer commands) straight to a port.
class QtPrinter final : public core::Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // The printer every job goes to; the printer set-up dialog works on it. Made on first
    // use, since asking the system for its printers can be slow.
    QPrinter& device();

    // The text is printed as it stands: no wrapping, tabs expanded, a new page when the
    // current one is full.
    bool printText(const std::string& text, const std::string& fontName, int fontSize) override;
    // Appends to the port (a device or a file); false when it cannot be opened or written.
    bool writeRaw(const std::string& port, std::span<const std::uint8_t> bytes) override;
    std::string lastError() const override { return m_lastError; }
    // The platform's printer set-up dialog on device().
    bool setUp() override;
    // Asks for the file name, then paints the text into a PDF there.
    bool saveAsPdf(const std::string& text, const std::string& fontName, int fontSize) override;
    std::string savedFile() const override { return m_savedFile; }

private:
    std::unique_ptr<QPrinter> m_printer;
    std::string m_lastError;
    std::string m_savedFile;
};

} // namespace tavolim::app
