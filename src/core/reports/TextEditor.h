#pragma once

#include "core/reports/RecentFiles.h"
#include "core/reports/RichDocument.h"
#include "core/reports/TextSearch.h"
#include "core/state/AppState.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavolim::core {

// How a file is kept: rich text for names ending in "rtf", plain text for any other.
enum class TextKind { Rich, Plain };
TextKind textKindOf(const std::filesystem::path& name);

struct EditorFont {
    std::string name;
    int size = 0; // points
};

// What frmFind asked for; "Próximo" repeats it.
struct FindRequest {
    std::u16string text;
    bool matchCase = false;
    SearchDirection direction = SearchDirection::Down;
};

// The text editor (frmEdTexto) without its text box: the document's file name and changed
// flag, the caption, opening and saving by kind with the size limit, the recent files, the
// question before a changed text is dropped, find, the date and time insert, the print
// choice and the editor font kept under "EdTexto". The window holds the text itself and
// hands it over as a RichDocument.
class TextEditor {
public:
    static constexpr std::uint64_t kMaxFileBytes = 65000;

    explicit TextEditor(Ports ports);

    // "EdTexto - " and the file name, or "Sem Título" for a new document.
    std::string caption() const;
    // The name the messages use: the file name, or "Sem Título".
    std::string documentName() const;
    const std::filesystem::path& fileName() const { return m_fileName; }
    bool hasFileName() const { return !m_fileName.empty(); }
    // The name proposed by "Salvar Como": the current one, or "Sem Título.txt".
    std::filesystem::path proposedSaveName() const;

    bool isChanged() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }

    // A new, empty document: the editor's empty rich text.
    RichDocument newDocument();
    // A printout handed over by another part of the program, as a new unchanged document
    // in the editor font.
    RichDocument printoutDocument(std::string_view text);
    // Reads the file by its kind; a file over 65000 bytes or one that cannot be read is
    // refused with a message and leaves the current document as it was. A name ending in
    // "rtf" whose bytes are not rich text is read as plain text.
    std::optional<RichDocument> open(const std::filesystem::path& name);
    // Writes the document by the name's kind. False, after a message naming the file and
    // the cause, when the file could not be written; the document then stays changed.
    bool save(const RichDocument& document, const std::filesystem::path& name);

    // Asks whether to save a changed text before it is dropped. Yes runs `save` (which may
    // still fail or be cancelled); true when the text may go.
    bool mayDiscard(const std::function<bool()>& save);

    const RecentFiles& recentFiles() const { return m_recent; }
    void reloadRecentFiles() { m_recent.reload(); }

    // The editor font ("Fonte"/"Nome", default "Courier New"; "Tam", default 10).
    const EditorFont& font() const { return m_font; }
    void setFont(EditorFont font) { m_font = std::move(font); }
    // On closing: the font goes back to the settings.
    void saveFont();
    // The editor font as the format of plain text.
    TextFormat plainFormat() const;

    void setFindRequest(FindRequest request) { m_find = std::move(request); }
    const FindRequest& findRequest() const { return m_find; }
    // The next match of the request in `text` from the selection; shows "Não encontrado"
    // when there is none.
    std::optional<TextSpan> findNext(std::u16string_view text, std::size_t selectionStart,
                                     std::size_t selectionEnd);

    // The clock's date and time, "dd/mm/yyyy hh:mm".
    std::string dateTimeText() const;

    // "Deseja imprimir o texto usando as fontes ?": true for Yes.
    bool askPrintWithFonts();
    // Prints the text without its fonts, in the editor font, through the printer port.
    bool printPlain(const RichDocument& document);
    // Tells the operator how a print job went.
    void reportPrinted(bool printed);

private:
    Ports m_ports;
    RecentFiles m_recent;
    EditorFont m_font;
    std::filesystem::path m_fileName;
    bool m_changed = false;
    FindRequest m_find;
};

} // namespace tavolim::core
