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
};

} // namespace tavolim::core
