#include "core/printing/ReceiptPrinter.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Printer.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/store/Cp1252.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

std::vector<std::uint8_t> directPrintBytes(std::string_view text, const Options& options)
{
    const std::string encoded =
        toCp1252(options.Desacent ? removeAccents(text) : std::string(text));
    std::vector<std::uint8_t> bytes = options.cmdBytesAntes;
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    bytes.insert(bytes.end(), options.cmdBytesDepois.begin(), options.cmdBytesDepois.end());
    return bytes;
}

std::string printerPort(const Options& options)
{
    if (!trim(options.PortaImp).empty()) {
        return trim(options.PortaImp);
    }
#ifdef _WIN32
    return "LPT1:";
#else
    return "/dev/usb/lp0";
#endif
}

ReceiptPrinter::ReceiptPrinter(AppState& state) : m_state(state) {}

bool ReceiptPrinter::printText(const std::string& text)
{
    const Options& options = m_state.options();
    if (options.IsDebugging) {
        if (m_state.showText) {
            m_state.showText(options.Desacent ? removeAccents(text) : text);
        }
        return true;
    }
    auto& printer = m_state.ports().printer;
    if (options.ImpDireto) {
        const std::string port = printerPort(options);
        if (printer.writeRaw(port, directPrintBytes(text, options))) {
            return true;
        }
        m_state.ports().dialogs.message("Não foi possível imprimir na porta " + port + ".",
                                        msg::Critical, "Erro");
        return false;
    }
    // A painted page has no room for raw printer commands, so only the text goes.
    if (printer.printText(options.Desacent ? removeAccents(text) : text, options.FonteImp,
                          options.TamFonte > 0 ? options.TamFonte : 0)) {
        return true;
    }
    m_state.ports().dialogs.message("Não foi possível imprimir.", msg::Critical, "Erro");
    return false;
}

bool ReceiptPrinter::printFramed(std::string_view body, std::string_view title)
{
    ReceiptBuilder builder(m_state);
    const std::string text = builder.header(title, nullptr, ReceiptBuilder::NoNumber) +
                             std::string(body) + builder.footer("", false);
    const bool printed = printText(text);
    if (printed) {
        m_state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
    }
    return printed;
}

int ReceiptPrinter::printCopies(std::string_view title, const ReceiptPerson* person,
                                const std::function<std::string(const ReceiptBuilder&)>& body,
                                std::string_view messageKey)
{
    ReceiptBuilder builder(m_state);
    int printed = 0;
    for (int copy = 0; copy < m_state.options().NumViasRec; ++copy) {
        const std::string text = builder.header(title, person, ReceiptBuilder::NewNumber) +
                                 body(builder) + builder.footer(messageKey, false);
        if (!printText(text)) {
            break;
        }
        ++printed;
    }
    return printed;
}

bool ReceiptPrinter::printTestReceipt()
{
    ReceiptBuilder builder(m_state);
    const bool printed = printText(builder.testReceipt());
    if (printed) {
        m_state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
    }
    return printed;
}

} // namespace tavolim::core
