#include "core/printing/ReceiptPrinter.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Printer.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/store/Cp1252.h"
#include "core/store/TextHelpers.h"

#include <cctype>

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

std::string windowsDevicePath(std::string_view port)
{
    std::string name = trim(std::string(port));
    if (name.ends_with(':')) {
        name.pop_back();
    }
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const auto numbered = [&](std::string_view prefix) {
        return name.size() == prefix.size() + 1 && name.starts_with(prefix) && name.back() >= '1' &&
               name.back() <= '9';
    };
    if (numbered("LPT") || numbered("COM") || name == "PRN" || name == "AUX") {
        return "\\\\.\\" + name;
    }
    return std::string(port);
}

ReceiptPrinter::ReceiptPrinter(AppState& state) : m_state(state) {}

bool ReceiptPrinter::printText(const std::string& text)
{
    return deliver(text) != Delivery::Failed;
}

ReceiptPrinter::Delivery ReceiptPrinter::deliver(const std::string& text)
{
    const Options& options = m_state.options();
    if (options.IsDebugging) {
        if (m_state.showText) {
            m_state.showText(options.Desacent ? removeAccents(text) : text);
        }
        return Delivery::Printed;
    }
    auto& printer = m_state.ports().printer;
    auto& dialogs = m_state.ports().dialogs;
    const std::string shown = options.Desacent ? removeAccents(text) : text;
    const int fontSize = options.TamFonte > 0 ? options.TamFonte : 0;
    for (;;) {
        std::string failure;
        if (options.ImpDireto) {
            const std::string port = printerPort(options);
            if (printer.writeRaw(port, directPrintBytes(text, options))) {
                return Delivery::Printed;
            }
            failure = "Não foi possível imprimir na porta " + port + ".";
        } else {
            // A painted page has no room for raw printer commands, so only the text goes.
            if (printer.printText(shown, options.FonteImp, fontSize)) {
                return Delivery::Printed;
            }
            failure = "Não foi possível imprimir.";
        }
        // Say why, and offer the ways out: another printer, or the receipt as a PDF file.
        const std::string why = printer.lastError();
        if (!why.empty()) {
            failure += "\nMotivo: " + why + ".";
        }
        failure += options.ImpDireto
                       ? "\n\nConfira a porta em Arquivo > Configurar Recibos, ou salve o recibo "
                         "em PDF."
                       : "\n\nConfigure uma impressora, ou salve o recibo em PDF.";
        const int choice =
            options.ImpDireto
                ? dialogs.choose(failure, "Erro de Impressão", "Salvar em &PDF...", "&Cancelar", "")
                : dialogs.choose(failure, "Erro de Impressão", "&Configurar Impressora...",
                                 "Salvar em &PDF...", "&Cancelar");
        const bool setUp = !options.ImpDireto && choice == 1;
        const bool pdf = options.ImpDireto ? choice == 1 : choice == 2;
        if (setUp && printer.setUp()) {
            continue;
        }
        if (pdf) {
            if (printer.saveAsPdf(shown, options.FonteImp, fontSize)) {
                dialogs.message("O recibo foi salvo no arquivo " + printer.savedFile() + ".",
                                msg::Information);
                return Delivery::SavedAsPdf;
            }
            if (!printer.lastError().empty()) {
                dialogs.message("O arquivo PDF não foi gravado.\nMotivo: " + printer.lastError() +
                                    ".",
                                msg::Critical, "Erro de Impressão");
            }
        }
        return Delivery::Failed;
    }
}

bool ReceiptPrinter::printFramed(std::string_view body, std::string_view title)
{
    ReceiptBuilder builder(m_state);
    const std::string text = builder.header(title, nullptr, ReceiptBuilder::NoNumber) +
                             std::string(body) + builder.footer("", false);
    const Delivery delivery = deliver(text);
    // A file needs no reminder to take the paper.
    if (delivery == Delivery::Printed) {
        m_state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
    }
    return delivery != Delivery::Failed;
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
        const Delivery delivery = deliver(text);
        if (delivery == Delivery::Failed) {
            break;
        }
        ++printed;
        // One file holds the receipt; its copies are for paper.
        if (delivery == Delivery::SavedAsPdf) {
            break;
        }
    }
    return printed;
}

bool ReceiptPrinter::printTestReceipt()
{
    ReceiptBuilder builder(m_state);
    const Delivery delivery = deliver(builder.testReceipt());
    if (delivery == Delivery::Printed) {
        m_state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
    }
    return delivery != Delivery::Failed;
}

} // namespace tavolim::core
