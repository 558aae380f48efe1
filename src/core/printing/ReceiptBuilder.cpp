#include "core/printing/ReceiptBuilder.h"

#include "core/ports/Clock.h"
#include "core/printing/ReceiptPerson.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

#include <cstdio>

namespace tavolim::core {
namespace {

std::string sixDigits(long value)
{
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%06ld", value);
    return buffer;
}

std::string twoDigits(long value)
{
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%02ld", value);
    return buffer;
}

std::string blankLines(int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += " ";
        out += kLineBreak;
    }
    return out;
}

} // namespace

ReceiptBuilder::ReceiptBuilder(AppState& state) : m_state(state) {}

int ReceiptBuilder::width() const
{
    return receiptWidth(m_state.options().NCol);
}

int ReceiptBuilder::margin() const
{
    return std::max<int>(0, m_state.records().rules().MargemEsq);
}

std::string ReceiptBuilder::line(std::string_view text) const
{
    return std::string(static_cast<std::size_t>(margin()), ' ') + std::string(text) +
           std::string(kLineBreak);
}

std::string ReceiptBuilder::indent(std::string_view text) const
{
    return indentLines(text, margin());
}

std::string ReceiptBuilder::separator() const
{
    return line(std::string(static_cast<std::size_t>(width()), '-'));
}

std::string ReceiptBuilder::header(std::string_view title, const ReceiptPerson* person,
                                   int numbering)
{
    auto& rules = m_state.records().rules();
    if (numbering == NewNumber) {
        ++rules.NumeroRecibo;
        // Saved at once, so that a crash never gives the same number twice.
        m_state.saveRules();
    }
    const std::string number = numbering == NewNumber || numbering == CurrentNumber
                                   ? " No." + sixDigits(rules.NumeroRecibo)
                                   : std::string();

    std::string out = blankLines(rules.LinhasAcima);
    out += separator();
    out += storeHeader();
    out += separator();

    const Clock& clock = m_state.ports().clock;
    const auto minutes = clock.timeOfDay().count();
    std::string stamp = dateToText(fromYmd(clock.today())) + "  " + twoDigits(minutes / 60) + ":" +
                        twoDigits(minutes % 60);
    stamp += width() == 45 ? "h  " + number + "    " : "h " + number;
    out += line(stamp + std::string(title));

    std::string operatorName;
    if (m_state.OperadorAtual >= 1 && m_state.OperadorAtual <= rules.operatorCount()) {
        operatorName = rules.NomeOperador[static_cast<std::size_t>(m_state.OperadorAtual - 1)];
    }
    // The name as stored: 25 characters.
    operatorName = cutChars(operatorName, 25);
    operatorName += std::string(25 - charCount(operatorName), ' ');
    out += line("Atendente: " + operatorName);

    if (person) {
        const auto cut = [this](const std::string& text) {
            return cutChars(text, static_cast<std::size_t>(width()));
        };
        const int code = person->person.code;
        if (person->person.titular) {
            out += line("Cliente: " + sixDigits(code));
            out += line(cut("Titular: " + person->holderName));
        } else {
            out += line("Cliente: " + sixDigits(code) + "  -  Dependente");
            out += line(cut("Titular: " + person->holderName));
            out += line(cut("Retirou: " + person->dependentName));
        }
    }
    out += separator();
    return out;
}

std::string ReceiptBuilder::storeHeader() const
{
    const Options& options = m_state.options();
    std::string out;
    if (!options.CabAuto) {
        std::string_view rest = options.Cabecalho;
        while (!rest.empty()) {
            const auto lf = rest.find('\n');
            std::string_view piece = rest.substr(0, lf);
            if (!piece.empty() && piece.back() == '\r') {
                piece.remove_suffix(1);
            }
            out += line(piece);
            rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
        }
        return out;
    }
    const auto& store = m_state.records().store();
    const auto centred = [&](const std::string& text) {
        return line(centerText(width(), cutChars(trim(text), static_cast<std::size_t>(width()))));
    };
    out += centred(trim(store.NomeFantasia).empty() ? store.NomeEmpresa : store.NomeFantasia);
    out += centred("CGC: " + trim(store.CGC));
    std::string address = trim(store.Endereco);
    if (!trim(store.Bairro).empty()) {
        address += " - " + trim(store.Bairro);
    }
    out += centred(address);
    out += centred(cepToText(store.CEP) + " - " + trim(store.Cidade));
    out += centred(store.Telefone);
    return out;
}

std::string ReceiptBuilder::footer(std::string_view messageKey, bool noSignature) const
{
    const Options& options = m_state.options();
    const std::string* message = messageKey == "ObsLoc"    ? &options.ObsLoc
                                 : messageKey == "ObsDev"  ? &options.ObsDev
                                 : messageKey == "ObsPag"  ? &options.ObsPag
                                 : messageKey == "ObsCred" ? &options.ObsCred
                                                           : nullptr;
    std::string out;
    if (message) {
        out += indent(*message) + std::string(kLineBreak);
    }
    if (!noSignature) {
        out += line(signatureLine(width()));
    }
    out += separator();
    out += blankLines(m_state.records().rules().LinhasAbaixo);
    return out;
}

std::string ReceiptBuilder::testReceipt()
{
    const ReceiptPerson first = receiptPersonOf(m_state.records(), {1, true});
    std::string out = header("#Rec.Teste#", &first, CurrentNumber);
    for (const char* label :
         {"Fitas Locadas", "Outros Débitos", "Total", "Valor Pago", "Valor Devido"}) {
        out += line(amountLine(label, Money()));
    }
    out += " ";
    out += kLineBreak;
    out += footer("ObsPag", false);
    return out;
}

} // namespace tavolim::core
