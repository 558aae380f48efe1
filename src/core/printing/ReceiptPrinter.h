#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class AppState;
class ReceiptBuilder;
struct ReceiptPerson;
struct Options;

inline constexpr std::string_view kRemovePrintout = "Não se esqueça de retirar impressão!";

// Sends finished receipts out the way the options say: with "IsDebugging" to the state's
// text window; with "ImpDireto" as raw bytes to the printer port ("CmdImpAntes" bytes, the
// text in Windows-1252, "CmdImpDepois" bytes); otherwise to the platform printer with
// "FonteImp" and "TamFonte". "Desacent" removes accents first. A failed print is told to
// the operator and reported as false.
class ReceiptPrinter {
public:
    explicit ReceiptPrinter(AppState& state);

    // A failure says why and offers the ways out: setting up a printer (then printing again)
    // or saving the text as a PDF. True when the text was printed or saved.
    bool printText(const std::string& text);
    // Header without number or client, the body, a footer without message; then the
    // reminder to take the printout.
    bool printFramed(std::string_view body, std::string_view title);
    // "NumViasRec" copies, each with a new number: header + body(builder) + footer. Returns
    // the copies printed (0 when "NumViasRec" is 0 or less); a receipt saved as a PDF
    // instead is one copy.
    int printCopies(std::string_view title, const ReceiptPerson* person,
                    const std::function<std::string(const ReceiptBuilder&)>& body,
                    std::string_view messageKey);
    // mnuArqImpRecTeste: one copy, then the reminder.
    bool printTestReceipt();

private:
    enum class Delivery { Printed, SavedAsPdf, Failed };
    Delivery deliver(const std::string& text);

    AppState& m_state;
};

// What direct printing writes for a receipt.
std::vector<std::uint8_t> directPrintBytes(std::string_view text, const Options& options);
// The port direct printing uses: "PortaImp", or the platform's usual one when empty.
std::string printerPort(const Options& options);
// The name Windows opens a port by: a device ("LPT1:", "com2", "PRN") becomes "\\.\LPT1",
// which no path handling takes for a file in the current folder; a file or a shared printer
// ("C:\recibo.txt", "\\servidor\impressora") stays as it is.
std::string windowsDevicePath(std::string_view port);

} // namespace tavolim::core
