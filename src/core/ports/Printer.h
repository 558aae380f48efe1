#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tavolim::core {

class Printer {
public:
    virtual ~Printer() = default;

    // Prints a finished text (UTF-8) with the given font; false when nothing could be printed.
    virtual bool printText(const std::string& text, const std::string& fontName, int fontSize) = 0;
    // Writes raw bytes to a printer port (a device or file path).
    virtual bool writeRaw(const std::string& port, std::span<const std::uint8_t> bytes) = 0;

    // Why the last printText or writeRaw failed, said for the operator ("nenhuma impressora
    // está configurada neste computador"); empty when the platform gave no reason.
    virtual std::string lastError() const { return {}; }
    // The platform's printer set-up; true when the operator chose a printer.
    virtual bool setUp() { return false; }
    // Saves the text as a PDF file the operator names; false when cancelled or not written
    // (lastError says why).
    virtual bool saveAsPdf(const std::string& /*text*/, const std::string& /*fontName*/,
                           int /*fontSize*/)
    {
        return false;
    }
    // The file the last saveAsPdf wrote.
    virtual std::string savedFile() const { return {}; }
};

} // namespace tavolim::core
