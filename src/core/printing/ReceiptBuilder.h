#pragma once

#include <string>
#include <string_view>

namespace tavolim::core {

class AppState;
struct ReceiptPerson;

// Builds the frame every receipt shares, from the options, the general rules record (margin,
// blank lines, receipt number), the store record, the logged-in operator and the clock.
// Every line ends in CR LF and starts with the margin, except the blank lines above and
// below. Texts are UTF-8.
class ReceiptBuilder {
public:
    // How ReceiptHeader numbers the receipt.
    static constexpr int NewNumber = 0;     // take the next number, saved at once
    static constexpr int CurrentNumber = 1; // print the last number again
    static constexpr int NoNumber = 2;      // any other value

    explicit ReceiptBuilder(AppState& state);

    int width() const;
    int margin() const;

    // No person: no client lines.
    std::string header(std::string_view title, const ReceiptPerson* person, int numbering);
    // messageKey: "ObsLoc", "ObsDev", "ObsPag", "ObsCred" or "" for no closing message.
    std::string footer(std::string_view messageKey, bool noSignature) const;
    // The store lines: built from the store record ("CabAuto") or the custom "Cabeçalho".
    std::string storeHeader() const;
    std::string indent(std::string_view text) const;
    // Margin + line + CR LF.
    std::string line(std::string_view text) const;

    // The test receipt: client 1 read from the file, the current number, zero amounts.
    std::string testReceipt();

private:
    std::string separator() const;

    AppState& m_state;
};

} // namespace tavolim::core
