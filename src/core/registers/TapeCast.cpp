#include "core/registers/TapeCast.h"

#include "core/ports/Dialogs.h"
#include "core/registers/NameMatch.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/ActorRecord.h"
#include "core/store/Cp1252.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace tavolim::core {
namespace {

constexpr std::size_t kActorName = 2;
constexpr std::size_t kActorWidth = 30;

std::span<const std::uint8_t> field(std::span<const std::uint8_t> r, std::size_t offset,
                                    std::size_t width)
{
    return r.subspan(offset, width);
}

std::string text(std::span<const std::uint8_t> f)
{
    return decodeField({reinterpret_cast<const char*>(f.data()), f.size()});
}

// Whether the stored name, left spaces aside, begins with the upper-cased code-page bytes.
bool beginsWith(std::span<const std::uint8_t> stored, const std::string& upperPrefix)
{
    std::size_t at = 0;
    while (at < stored.size() && (stored[at] == ' ' || stored[at] == 0)) {
        ++at;
    }
    if (stored.size() - at < upperPrefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < upperPrefix.size(); ++i) {
        if (upperCp1252(stored[at + i]) != static_cast<std::uint8_t>(upperPrefix[i])) {
            return false;
        }
    }
    return true;
}

// The other live tapes that pass `wanted`, as "000000 Title" lines for the chooser.
using TapeFilter = std::function<bool(std::int32_t, const TapeRecord&)>;

std::optional<std::int32_t> chooseTape(AppState& state, std::int32_t self, const TapeFilter& wanted,
                                       const char* none, const ListChooser& choose)
{
    std::vector<std::int32_t> numbers;
    std::vector<std::string> lines;
    state.records().scan<TapeRecord>(FileKind::Tapes, [&](std::int32_t n, const TapeRecord& t) {
        if (n == self || isDeletedName(t.Nome) || !wanted(n, t)) {
            return;
        }
        char code[16];
        std::snprintf(code, sizeof code, "%06d ", static_cast<int>(n));
        numbers.push_back(n);
        lines.push_back(code + trim(t.Nome));
    });
    if (numbers.empty()) {
        state.ports().dialogs.message(none, msg::Information);
        return std::nullopt;
    }
    const auto chosen = choose ? choose(chooserCaption(ChooserList::Tapes), lines) : std::nullopt;
    if (!chosen || *chosen >= numbers.size()) {
        return std::nullopt;
    }
    return numbers[*chosen];
}

std::int16_t appendActor(RecordStore& records, const std::string& name)
{
    const auto number = records.nextRecordNumber(FileKind::Actors).value_or(0);
    if (number < 1 || number > RecordStore::MaxRecords) {
        return 0;
    }
    ActorRecord actor;
    actor.Codigo = static_cast<std::int16_t>(number);
    actor.Nome = name;
    return records.save(number, actor) ? static_cast<std::int16_t>(number) : 0;
}

template <class Array>
bool removeAt(Array& slots, std::int16_t& count, int clampedCount, std::size_t at)
{
    if (at >= static_cast<std::size_t>(clampedCount)) {
        return false;
    }
    std::move(slots.begin() + static_cast<std::ptrdiff_t>(at) + 1, slots.end(),
              slots.begin() + static_cast<std::ptrdiff_t>(at));
    slots.back() = 0;
    count = static_cast<std::int16_t>(clampedCount - 1);
    return true;
}

} // namespace

std::int16_t findActor(const RecordStore& records, std::string_view name)
{
    const std::string wanted = trim(name);
    if (wanted.empty()) {
        return 0;
    }
    const NameMatch match(wanted, false, kActorWidth);
    std::int32_t found = 0;
    records.scanRaw(FileKind::Actors, [&](std::int32_t n, std::span<const std::uint8_t> r) {
        if (found == 0 && match.matches(field(r, kActorName, kActorWidth))) {
            found = n;
        }
    });
    return static_cast<std::int16_t>(found);
}

std::int16_t directorNumber(RecordStore& records, std::string_view name)
{
    const std::string wanted = trim(name);
    if (wanted.empty()) {
        return 0;
    }
    const std::int16_t found = findActor(records, wanted);
    return found > 0 ? found : appendActor(records, wanted);
}

std::string actorName(const RecordStore& records, std::int16_t actor)
{
    return actor < 1 ? std::string() : trim(records.load<ActorRecord>(actor).Nome);
}

std::vector<CastLine> castOf(const RecordStore& records, const TapeRecord& tape)
{
    std::vector<CastLine> cast;
    for (int i = 0; i < tape.actorCount(); ++i) {
        const std::int16_t a = tape.Atores[static_cast<std::size_t>(i)];
        cast.push_back({a, actorName(records, a)});
    }
    return cast;
}

bool addActor(AppState& state, std::int16_t tapeCode, std::string_view typed)
{
    auto& dialogs = state.ports().dialogs;
    auto& records = state.records();
    const std::string name = trim(typed);
    if (name.empty()) {
        dialogs.message("Digite o nome do(a) ator(atriz) na caixa e clique em 'Adicionar'.",
                        msg::Exclamation);
        return false;
    }
    TapeRecord tape = records.load<TapeRecord>(tapeCode);
    const int count = tape.actorCount();
    if (count >= TapeRecord::MaxActors) {
        dialogs.message("A fita atual já possui 10 atores.", msg::Exclamation);
        return false;
    }
    std::int16_t actor = findActor(records, name);
    const auto castEnd = tape.Atores.begin() + count;
    if (actor > 0 && std::find(tape.Atores.begin(), castEnd, actor) != castEnd) {
        return false;
    }
    StoreTransaction write(state);
    if (actor == 0 && (actor = appendActor(records, name)) == 0) {
        return false;
    }

    ActorRecord a = records.load<ActorRecord>(actor);
    const int listed = a.tapeCount();
    const auto tapesEnd = a.Fitas.begin() + listed;
    if (listed < ActorRecord::MaxTapes &&
        std::find(a.Fitas.begin(), tapesEnd, tapeCode) == tapesEnd) {
        a.Fitas[static_cast<std::size_t>(listed)] = tapeCode;
        a.NumFitas = static_cast<std::int16_t>(listed + 1);
    }
    records.save(actor, a);
    tape.Atores[static_cast<std::size_t>(count)] = actor;
    tape.NumAtores = static_cast<std::int16_t>(count + 1);
    records.save(tapeCode, tape);
    return write.commit();
}

bool removeActor(AppState& state, std::int16_t tapeCode, int slot)
{
    auto& records = state.records();
    TapeRecord tape = records.load<TapeRecord>(tapeCode);
    if (slot < 1) {
        return false;
    }
    const std::int16_t actor = slot <= tape.actorCount()
                                   ? tape.Atores[static_cast<std::size_t>(slot - 1)]
                                   : std::int16_t{0};
    if (!removeAt(tape.Atores, tape.NumAtores, tape.actorCount(),
                  static_cast<std::size_t>(slot - 1))) {
        return false;
    }
    StoreTransaction write(state);
    records.save(tapeCode, tape);
    if (actor > 0) {
        ActorRecord a = records.load<ActorRecord>(actor);
        const auto end = a.Fitas.begin() + a.tapeCount();
        const auto at = std::find(a.Fitas.begin(), end, tapeCode);
        if (removeAt(a.Fitas, a.NumFitas, a.tapeCount(),
                     static_cast<std::size_t>(at - a.Fitas.begin()))) {
            records.save(actor, a);
        }
    }
    return write.commit();
}

std::optional<std::string> completeActorName(AppState& state, std::string_view typed,
                                             const ListChooser& choose)
{
    std::string prefix = toCp1252(trim(typed));
    for (char& c : prefix) {
        c = static_cast<char>(upperCp1252(static_cast<std::uint8_t>(c)));
    }
    std::vector<std::string> names;
    state.records().scanRaw(FileKind::Actors, [&](std::int32_t, std::span<const std::uint8_t> r) {
        const auto name = field(r, kActorName, kActorWidth);
        if (beginsWith(name, prefix)) {
            if (std::string shown = text(name); !shown.empty()) {
                names.push_back(trim(shown));
            }
        }
    });
    if (names.empty()) {
        state.ports().dialogs.message("Nenhum ator encontrado com este nome.", msg::Information);
        return std::nullopt;
    }
    if (names.size() == 1) {
        return names.front();
    }
    const auto chosen = choose ? choose(chooserCaption(ChooserList::Actors), names) : std::nullopt;
    if (!chosen || *chosen >= names.size()) {
        return std::nullopt;
    }
    return names[*chosen];
}

std::optional<std::int32_t> tapesWithActor(AppState& state, std::int16_t actor, std::int32_t self,
                                           const ListChooser& choose)
{
    std::vector<std::int16_t> listed;
    if (actor > 0) {
        const auto a = state.records().load<ActorRecord>(actor);
        listed.assign(a.Fitas.begin(), a.Fitas.begin() + a.tapeCount());
    }
    return chooseTape(
        state, self,
        [&](std::int32_t n, const TapeRecord&) {
            return std::find(listed.begin(), listed.end(), n) != listed.end();
        },
        "Nenhum filme relacionado a este(a) ator(atriz) foi encontrado.", choose);
}

std::optional<std::int32_t> filmsWithDirector(AppState& state, std::string_view director,
                                              std::int32_t self, const ListChooser& choose)
{
    const std::int16_t who = findActor(state.records(), director);
    return chooseTape(
        state, self, [&](std::int32_t, const TapeRecord& t) { return who > 0 && t.Diretor == who; },
        "Nenhum filme relacionado a este diretor foi encontrado.", choose);
}

} // namespace tavolim::core
