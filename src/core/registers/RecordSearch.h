#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class AppState;
class RecordStore;

// What frmProcura looks for; its caption names the mode.
enum class SearchMode {
    Clients,      // "Procurar Cliente": the person opens in the client register
    Operations,   // "Iniciar Operações": the person opens in the client situation
    Tapes,        // "Procurar Fita"
    ReturnTape,   // "Devolver Fita": only a tape that is out
    Products,     // "Procurar Produto"
    Distributors, // "Procurar Distribuidora": by name or by contact person
};

std::string searchCaption(SearchMode mode);
// The search box's one-line hint on searching by part of a name, with an example of the
// mode's kind; `partialAlways` is "ProcEsp".
std::string searchHint(SearchMode mode, bool partialAlways);

// The lists frmDadosProcura shows, each with the caption line that invites the click.
enum class ChooserList { Clients, Tapes, Actors, Products, Distributors, Labels, Sections };

std::string chooserCaption(ChooserList list);
ChooserList chooserListFor(SearchMode mode);

// Shows `lines` under `caption` and returns the index of the line picked, or nullopt.
using ListChooser = std::function<std::optional<std::size_t>(
    const std::string& caption, const std::vector<std::string>& lines)>;

// A record found. People are a code plus a kind: Clients (holder) or Dependents.
struct SearchHit {
    FileKind kind = FileKind::Clients;
    std::int32_t number = 0;
    std::string line; // as the chooser shows it: code, name, holder or dependent

    bool operator==(const SearchHit&) const = default;
};

// Every record of the mode's kind whose name matches, skipping deleted ones: holders before
// dependents, each in file order. One buffered pass per file; only matches are decoded.
//
// People: the typed text is cut at its first space into first name and surname, and both
// must match. Exact: trimmed and in upper case. Partial: each typed part may occur anywhere in
// its stored field; a single typed word may occur anywhere in the first name or the surname.
// Distributors match by name or by contact person.
std::vector<SearchHit> findByName(const RecordStore& store, SearchMode mode, std::string_view typed,
                                  bool partial);

// Whether a record of the mode's kind has exactly this name: the duplicate check of new
// records. Exact only, as a partial hit would refuse "ANA" because "ANA MARIA" exists;
// dependents are read only when no holder has the name; a distributor's contact is no name.
bool nameExists(const RecordStore& store, SearchMode mode, std::string_view name);

// A typed code: an optionally signed run of digits (surrounding spaces allowed), else nullopt.
// Values beyond 32 bits read as 0, which no record has.
std::optional<std::int32_t> typedCode(std::string_view text);

// The search box's model: it decides, tells the operator through the Dialogs port, and leaves
// the found record as the current record of its kind (read from the file), ready to open.
class RecordSearch {
public:
    RecordSearch(AppState& state, SearchMode mode);

    SearchMode mode() const { return m_mode; }
    std::string caption() const { return searchCaption(m_mode); }
    std::string hint() const;
    // "CodPrimProc": the code box comes before the name box.
    bool codeFirst() const;

    // An empty box does nothing. A code reads that record; a name searches (partial with
    // "ProcEsp" or a leading "*"), and several matches go to `choose`. An exact search that
    // finds nothing offers the partial one's matches, when there are any. Failures show their
    // message and give nullopt, as does a cancelled choice.
    std::optional<SearchHit> find(std::string_view typed, const ListChooser& choose);
    // The same for a text that is a name even when it is all digits ("1917").
    std::optional<SearchHit> findName(std::string_view typed, const ListChooser& choose);

private:
    std::optional<SearchHit> byCode(std::int32_t code);
    // The tape return takes only a tape that is out (the current tape record).
    bool acceptable();

    AppState& m_state;
    SearchMode m_mode;
};

} // namespace tavolim::core
