#pragma once

#include "core/registers/RecordSearch.h"
#include "core/registers/TapeForm.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class AppState;
class RecordStore;
struct TapeRecord;

// The cast and director of a tape, kept in DadosAto.tvl. A tape lists up to 10 actors in
// Atores and each of them lists the tape back in Fitas (up to 70); a director is only named
// by the tape's Diretor. Every change writes both records at once, as the register's cast
// buttons do, whatever the state of the tape's other fields in the window.

// The actor whose trimmed name equals `name` (case aside), first in record order; 0: none.
std::int16_t findActor(const RecordStore& records, std::string_view name);
// The director named in txtDiretor: found, or appended as a new actor; 0 for an empty name
// or a full file.
std::int16_t directorNumber(RecordStore& records, std::string_view name);
// Trimmed name of the actor (read forced); "" for no actor.
std::string actorName(const RecordStore& records, std::int16_t actor);
// The lines of cboAtores, slot 1 first.
std::vector<CastLine> castOf(const RecordStore& records, const TapeRecord& tape);

// cmdAdicionarAtor on the stored tape: the typed name, found or created, joins the cast.
// Refused with its message for an empty name or a tape with 10 actors; an actor already in
// the cast is not listed twice. True when the cast changed.
bool addActor(AppState& state, std::int16_t tape, std::string_view typed);
// cmdRemoverAtor: cast slot `slot` (1-based) leaves the tape, and the tape the actor's list.
bool removeActor(AppState& state, std::int16_t tape, int slot);

// cmdCompletNomeAtor: the actor's full name for the typed beginning (case aside); several
// go to `choose`. None shows "Nenhum ator encontrado com este nome.".
std::optional<std::string> completeActorName(AppState& state, std::string_view typed,
                                             const ListChooser& choose);
// cmdFitasComAtor: the tapes in the actor's list other than `self`, deleted ones skipped,
// offered to `choose`; the tape picked.
std::optional<std::int32_t> tapesWithActor(AppState& state, std::int16_t actor, std::int32_t self,
                                           const ListChooser& choose);
// cmdFilmesComDiretor: the other tapes whose Diretor is the person named.
std::optional<std::int32_t> filmsWithDirector(AppState& state, std::string_view director,
                                              std::int32_t self, const ListChooser& choose);

} // namespace tavolim::core
