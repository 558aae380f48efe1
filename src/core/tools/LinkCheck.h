#pragma once

namespace tavolim::core {

class AppState;

struct LinkCheckResult {
    int repairs = 0;
    // False when a repair could not be written (the operator was told) and the check
    // stopped there; running it again goes on from what is on the files.
    bool completed = true;
};

// CheckLinks ("Verificar Bancos de Dados"): the date-change check, RebuildDeletedLists, then
// four passes, each named in the wait window, over the links that two records keep of each
// other:
// 1. "Verificando Clientes Dependentes...": a dependent whose holder is deleted or missing
//    is deleted (as the register deletes: marked, its histories let go, listed, taken off
//    the tapes and the books);
// 2. "Verificando Clientes Titulares...": a holder's entry for a deleted dependent, or for
//    one whose Titular is another holder, is taken off the holder's list;
// 3. "Verificando Fitas...": a tape naming a client (or dependent) who does not list it back
//    is released; a person listing a tape that does not name him back loses the entry;
// 4. "Verificando Atores...": a cast link that the actor does not list back, or a director
//    who is no actor record, is taken off the tape; a tape an actor lists that neither casts
//    nor is directed by him leaves the actor. (A director is named from the tape only, as
//    the tape register keeps him.)
// Every repair shows its message, is written in its own store transaction, and only then is
// appended to Err.log, dated with the current day.
LinkCheckResult checkLinks(AppState& state);

} // namespace tavolim::core
