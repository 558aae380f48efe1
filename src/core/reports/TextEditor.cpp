#include "core/reports/TextEditor.h"

#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Printer.h"
#include "core/ports/SettingsStore.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/reports/RtfReader.h"
#include "core/reports/RtfWriter.h"
#include "core/reports/TextFile.h"
#include "core/reports/Utf.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace tavolim::core {

namespace {

const std::string kApplication = "EdTexto";
const std::string kFontSection = "Fonte";
constexpr std::string_view kUntitled = "Sem Título";
constexpr int kDefaultFontSize = 10;

int readSize(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0 && value < 1000
               ? value
               : kDefaultFontSize;
}

} // namespace

TextKind textKindOf(const std::filesystem::path& name)
{
    const std::string text = pathText(name);
    if (text.size() < 3) {
        return TextKind::Plain;
    }
    std::string end = text.substr(text.size() - 3);
    for (char& c : end) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return end == "rtf" ? TextKind::Rich : TextKind::Plain;
}

TextEditor::TextEditor(Ports ports) : m_ports(ports), m_recent(ports.settings)
{
    m_font.name = m_ports.settings.read(kApplication, kFontSection, "Nome", "Courier New");
    m_font.size = readSize(m_ports.settings.read(kApplication, kFontSection, "Tam", ""));
}

std::string TextEditor::caption() const
{
    return "EdTexto - " + documentName();
}

std::string TextEditor::documentName() const
{
    return m_fileName.empty() ? std::string(kUntitled) : pathText(m_fileName);
}

std::filesystem::path TextEditor::proposedSaveName() const
{
    if (!m_fileName.empty()) {
        return m_fileName;
    }
    const std::string name = std::string(kUntitled) + ".txt";
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

RichDocument TextEditor::newDocument()
{
    m_fileName.clear();
    m_changed = false;
    return parseRtf(kEmptyDocumentRtf).document;
}

RichDocument TextEditor::printoutDocument(std::string_view text)
{
    m_fileName.clear();
    m_changed = false;
    return documentFromPlainText(text, plainFormat());
}

std::optional<RichDocument> TextEditor::open(const std::filesystem::path& name)
{
    const FileRead read = readFileUpTo(name, kMaxFileBytes);
    if (read.tooLong) {
        m_ports.dialogs.message(
            "O arquivo é muito grande para ser aberto por este editor de texto.", msg::Exclamation);
        return std::nullopt;
    }
    if (read.error) {
        m_ports.dialogs.message("Não foi possível abrir o arquivo " + pathText(name) + ": " +
                                    describeFileError(read.error) + ".",
                                msg::Critical, "Erro");
        return std::nullopt;
    }
    RichDocument document;
    bool readAsRich = false;
    if (textKindOf(name) == TextKind::Rich) {
        RtfReadResult rich = parseRtf(read.bytes);
        if (rich.isRtf) {
            document = std::move(rich.document);
            readAsRich = true;
        }
    }
    if (!readAsRich) {
        document = documentFromPlainText(decodePlainText(read.bytes), plainFormat());
    }
    m_fileName = name;
    m_changed = false;
    m_recent.add(pathText(name));
    return document;
}

bool TextEditor::save(const RichDocument& document, const std::filesystem::path& name)
{
    const std::string bytes = textKindOf(name) == TextKind::Rich
                                  ? writeRtf(document)
                                  : encodePlainText(plainText(document));
    if (const std::error_code error = writeFileReplacing(name, bytes)) {
        m_ports.dialogs.message("Não foi possível gravar o arquivo " + pathText(name) + ": " +
                                    describeFileError(error) + ".",
                                msg::Critical, "Erro");
        return false;
    }
    m_fileName = name;
    m_changed = false;
    m_recent.add(pathText(name));
    return true;
}

bool TextEditor::mayDiscard(const std::function<bool()>& save)
{
    if (!m_changed) {
        return true;
    }
    const msg::Answer answer = m_ports.dialogs.message(
        "O texto em [" + documentName() + "] foi alterado.\nDeseja salvar as alterações ?",
        msg::Question + msg::YesNoCancel, "EdTexto");
    switch (answer) {
    case msg::Answer::Yes:
        return save();
    case msg::Answer::No:
        return true;
    default:
        return false;
    }
}

void TextEditor::saveFont()
{
    m_ports.settings.write(kApplication, kFontSection, "Nome", m_font.name);
    m_ports.settings.write(kApplication, kFontSection, "Tam", std::to_string(m_font.size));
}

TextFormat TextEditor::plainFormat() const
{
    TextFormat format;
    format.font = m_font.name;
    format.halfPoints = m_font.size * 2;
    return format;
}

std::optional<TextSpan> TextEditor::findNext(std::u16string_view text, std::size_t selectionStart,
                                             std::size_t selectionEnd)
{
    const auto found = findText(text, m_find.text, selectionStart, selectionEnd, m_find.direction,
                                m_find.matchCase);
    if (!found) {
        m_ports.dialogs.message("Não encontrado: '" + utf16ToUtf8(m_find.text) + "'",
                                msg::Information, "Procurar");
    }
    return found;
}

std::string TextEditor::dateTimeText() const
{
    const std::chrono::year_month_day day = m_ports.clock.today();
    const auto minutes = m_ports.clock.timeOfDay().count();
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d %02d:%02d", unsigned(day.day()),
                  unsigned(day.month()), int(day.year()), static_cast<int>(minutes / 60 % 24),
                  static_cast<int>(minutes % 60));
    return text;
}

bool TextEditor::askPrintWithFonts()
{
    return m_ports.dialogs.message("Deseja imprimir o texto usando as fontes ?",
                                   msg::Question + msg::YesNo, "Imprimir") == msg::Answer::Yes;
}

bool TextEditor::printPlain(const RichDocument& document)
{
    const bool printed = m_ports.printer.printText(plainText(document), m_font.name, m_font.size);
    reportPrinted(printed);
    return printed;
}

void TextEditor::reportPrinted(bool printed)
{
    if (printed) {
        m_ports.dialogs.message(std::string(kRemovePrintout), msg::Information);
    } else {
        m_ports.dialogs.message("Não foi possível imprimir.", msg::Critical, "Erro");
    }
}

} // namespace tavolim::core
