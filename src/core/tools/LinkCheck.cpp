#include "core/tools/LinkCheck.h"

#include "core/books/RecordCleanUp.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/BinaryFile.h"
#include "core/store/DeletedNameTails.h"
#include "core/tools/DeletedListRebuild.h"
#include "core/tools/ErrorLog.h"
#include "core/tools/RecordImage.h"

#include <algorithm>
#include <functional>
#include <string>

namespace tavolim::core {
namespace {

std::string shownName(std::string first, const std::string& surname)
{
    if (isDeletedName(first)) {
        first.erase(0, 1);
    }
    return surname.empty() ? first : first.empty() ? surname : first + " " + surname;
}

template <class R>
std::string personName(const R& person)
{
    return shownName(person.PrimNome, person.SobreNome);
}

// Removes the entry at `index` of the first `count` slots, the later ones moving up.
template <class T, std::size_t N>
void removeAt(std::array<T, N>& slots, int count, int index)
{
    for (int i = index; i + 1 < count; ++i) {
        slots[static_cast<std::size_t>(i)] = slots[static_cast<std::size_t>(i + 1)];
    }
    if (count > 0) {
        slots[static_cast<std::size_t>(count - 1)] = T{};
    }
}

void releaseTape(TapeRecord& tape)
{
    tape.ClienteFita = 0;
    tape.ClienteTitular = false;
    tape.DataRetirada = 0;
    tape.HoraRetirada = 0;
    tape.QtdLocadas = 0;
    tape.ValorLocacao = Money();
    tape.Dias = 0;
    tape.Brinde = false;
    tape.DataBase = 0;
    tape.DiasBase = 0;
    tape.QtdBase = 0;
    tape.AcertoQtd = 0;
    tape.AcertoValor = Money();
}

std::string code(std::int32_t n)
{
    return std::to_string(n);
}

// Where the link fields lie, from the records' field lists.
struct LinkFields {
    std::size_t titular = fieldOffset<DependentRecord>("Titular");
    std::size_t numDep = fieldOffset<ClientRecord>("NumDep");
    std::size_t dep = fieldOffset<ClientRecord>("Dep");
    std::size_t clientNumFitas = fieldOffset<ClientRecord>("NumFitas");
    std::size_t clientFitas = fieldOffset<ClientRecord>("Fitas");
    std::size_t dependentNumFitas = fieldOffset<DependentRecord>("NumFitas");
    std::size_t dependentFitas = fieldOffset<DependentRecord>("Fitas");
    std::size_t clienteFita = fieldOffset<TapeRecord>("ClienteFita");
    std::size_t clienteTitular = fieldOffset<TapeRecord>("ClienteTitular");
    std::size_t numAtores = fieldOffset<TapeRecord>("NumAtores");
    std::size_t atores = fieldOffset<TapeRecord>("Atores");
    std::size_t diretor = fieldOffset<TapeRecord>("Diretor");
    std::size_t actorNumFitas = fieldOffset<ActorRecord>("NumFitas");
    std::size_t actorFitas = fieldOffset<ActorRecord>("Fitas");
};

// Walks the four files from their images; a repair loads the records it changes from the
// files, writes them and puts them back into the images.
class LinkChecker {
public:
    explicit LinkChecker(AppState& state)
        : m_state(state), m_records(state.records()), m_progress(state.ports().progress),
          m_clients(m_records.filePath(FileKind::Clients), FileKind::Clients),
          m_dependents(m_records.filePath(FileKind::Dependents), FileKind::Dependents),
          m_tapes(m_records.filePath(FileKind::Tapes), FileKind::Tapes),
          m_actors(m_records.filePath(FileKind::Actors), FileKind::Actors)
    {
    }

    bool rebuildLists() { return rebuildDeletedLists(m_state, {m_clients, m_dependents, m_tapes}); }

    LinkCheckResult run()
    {
        const std::pair<const char*, void (LinkChecker::*)()> passes[] = {
            {"Verificando Clientes Dependentes...", &LinkChecker::dependents},
            {"Verificando Clientes Titulares...", &LinkChecker::holders},
            {"Verificando Fitas...", &LinkChecker::tapes},
            {"Verificando Atores...", &LinkChecker::actors},
        };
        for (const auto& [caption, pass] : passes) {
            m_caption = caption;
            m_progress.showWait(m_caption);
            (this->*pass)();
            m_progress.hideWait();
            if (m_failed) {
                break;
            }
        }
        return {m_repairs, !m_failed};
    }

private:
    // One repair: its message, its writes as one transaction, then its Err.log entry. False
    // when it could not be written (the check stops).
    bool repair(const std::string& message, const std::string& label,
                const std::function<void()>& write)
    {
        auto& dialogs = m_state.ports().dialogs;
        dialogs.message(message, msg::Information);
        {
            StoreTransaction transaction(m_state);
            write();
            if (!transaction.commit()) {
                m_failed = true;
                return false;
            }
        }
        if (!logError(m_records.dataFolder(), errorLogEntry(m_state.DataDia, message, label))) {
            dialogs.message(binaryfile::failureMessage(binaryfile::lastFailure()), msg::Critical);
            m_failed = true;
            return false;
        }
        ++m_repairs;
        // A deletion's clean-up shows its own wait window.
        m_progress.showWait(m_caption);
        return true;
    }

    Slots dependentsOf(std::int32_t h) const
    {
        return m_clients.slots(h, m_fields.numDep, m_fields.dep, ClientRecord::MaxDependents);
    }
    Slots tapesOf(bool holder, std::int32_t person) const
    {
        return holder ? m_clients.slots(person, m_fields.clientNumFitas, m_fields.clientFitas,
                                        ClientRecord::MaxTapes)
                      : m_dependents.slots(person, m_fields.dependentNumFitas,
                                           m_fields.dependentFitas, DependentRecord::MaxTapes);
    }
    Slots castOf(std::int32_t t) const
    {
        return m_tapes.slots(t, m_fields.numAtores, m_fields.atores, TapeRecord::MaxActors);
    }
    Slots tapesOfActor(std::int32_t a) const
    {
        return m_actors.slots(a, m_fields.actorNumFitas, m_fields.actorFitas,
                              ActorRecord::MaxTapes);
    }
    static bool live(const RecordImage& image, std::int32_t n)
    {
        return image.present(n) && !image.deleted(n);
    }

    void dependents()
    {
        for (std::int32_t d = 1; d <= m_dependents.count() && !m_failed; ++d) {
            if (!live(m_dependents, d)) {
                continue;
            }
            const std::int16_t holder = m_dependents.int16(d, m_fields.titular);
            if (live(m_clients, holder)) {
                continue;
            }
            const auto dependent = m_records.load<DependentRecord>(d);
            repair("O cliente dependente " + personName(dependent) + " será excluído por" +
                       " estar ligado a um titular não mais existente.",
                   "Código do Cliente: " + code(holder) + " - " +
                       "Código do Dependente: " + code(d),
                   [&] { deleteDependent(d); });
        }
    }

    // As the register deletes: marked, its histories let go, listed, taken off the tapes and
    // the books.
    void deleteDependent(std::int32_t d)
    {
        auto dependent = m_records.load<DependentRecord>(d);
        std::optional<char> tail;
        dependent.PrimNome = markDeletedName(dependent.PrimNome, DependentRecord::NameWidth, &tail);
        if (tail) {
            DeletedNameTails(m_records.dataFolder()).keep(FileKind::Dependents, d, *tail);
        }
        if (dependent.RegHistFita > 0) {
            m_records.addDeleted(FileKind::TapeHistory, dependent.RegHistFita);
        }
        if (dependent.RegHistProd > 0) {
            m_records.addDeleted(FileKind::ProductHistory, dependent.RegHistProd);
        }
        dependent.RegHistFita = 0;
        dependent.RegHistProd = 0;
        m_records.save(d, dependent);
        m_records.addDeleted(FileKind::Dependents, d);
        cleanUpDeletedRecord(m_records, m_progress, FileKind::Dependents, d);
        m_dependents.put(d, dependent);
    }

    void holders()
    {
        for (std::int32_t h = 1; h <= m_clients.count() && !m_failed; ++h) {
            if (!live(m_clients, h)) {
                continue;
            }
            for (int i = 0; !m_failed;) {
                const Slots deps = dependentsOf(h);
                if (i >= deps.count()) {
                    break;
                }
                const std::int16_t d = deps[i];
                if (live(m_dependents, d) && m_dependents.int16(d, m_fields.titular) == h) {
                    ++i;
                    continue;
                }
                repair("O cliente dependente " + personName(m_records.load<DependentRecord>(d)) +
                           " será desligado do titular por " +
                           "estar excluído ou ligado a outro titular.",
                       "Código do Cliente: " + code(h) + " - " + "Código do Dependente: " + code(d),
                       [&] {
                           auto record = m_records.load<ClientRecord>(h);
                           const int count = record.depCount();
                           // The last listed dependent takes the freed place, as at deletion.
                           record.Dep[static_cast<std::size_t>(i)] =
                               record.Dep[static_cast<std::size_t>(count - 1)];
                           record.Dep[static_cast<std::size_t>(count - 1)] = 0;
                           record.NumDep = static_cast<std::int16_t>(count - 1);
                           m_records.save(h, record);
                           m_clients.put(h, record);
                       });
                if (dependentsOf(h).count() == deps.count()) {
                    ++i; // nothing changed: go on rather than ask again
                }
            }
        }
    }

    void tapes()
    {
        for (std::int32_t t = 1; t <= m_tapes.count() && !m_failed; ++t) {
            const std::int16_t renter = m_tapes.int16(t, m_fields.clienteFita);
            if (!m_tapes.present(t) || renter <= 0) {
                continue;
            }
            const bool holder = m_tapes.int16(t, m_fields.clienteTitular) == -1;
            if (live(holder ? m_clients : m_dependents, renter) &&
                tapesOf(holder, renter).contains(t)) {
                continue;
            }
            const std::string name = holder ? personName(m_records.load<ClientRecord>(renter))
                                            : personName(m_records.load<DependentRecord>(renter));
            repair("A fita " + m_records.load<TapeRecord>(t).Nome + " será desligada do cliente " +
                       name + " por causa de locação unilateral.",
                   "Código da Fita: " + code(t) +
                       (holder ? " Obs.: Cliente Resp." : " Obs.: Cliente Dep."),
                   [&] {
                       auto record = m_records.load<TapeRecord>(t);
                       releaseTape(record);
                       m_records.save(t, record);
                       m_tapes.put(t, record);
                   });
        }
        personTapes<ClientRecord>(m_clients, true);
        personTapes<DependentRecord>(m_dependents, false);
    }

    template <class R>
    void personTapes(RecordImage& image, bool holder)
    {
        for (std::int32_t p = 1; p <= image.count() && !m_failed; ++p) {
            if (!live(image, p)) {
                continue;
            }
            for (int i = 0; !m_failed;) {
                const Slots tapes = tapesOf(holder, p);
                if (i >= tapes.count()) {
                    break;
                }
                const std::int16_t t = tapes[i];
                if (m_tapes.present(t) && m_tapes.int16(t, m_fields.clienteFita) == p &&
                    (m_tapes.int16(t, m_fields.clienteTitular) == -1) == holder) {
                    ++i;
                    continue;
                }
                repair("O(A) cliente " + personName(m_records.load<R>(p)) +
                           " será desligado(a) da fita " + m_records.load<TapeRecord>(t).Nome +
                           " por causa de locação unilateral.",
                       "Código do Fita: " + code(t), [&] {
                           auto record = m_records.load<R>(p);
                           removeAt(record.Fitas, record.tapeCount(), i);
                           record.NumFitas = static_cast<std::int16_t>(record.tapeCount() - 1);
                           m_records.save(p, record);
                           image.put(p, record);
                       });
                if (tapesOf(holder, p).count() == tapes.count()) {
                    ++i;
                }
            }
        }
    }

    void actorLeavesTape(std::int32_t t, std::int16_t a, int castIndex)
    {
        repair("O ator " + m_records.load<ActorRecord>(a).Nome + " será desligado da fita " +
                   m_records.load<TapeRecord>(t).Nome + " por causa de ligação unilateral.",
               "Código da fita: " + code(t) + " - " + "Código do Ator: " + code(a), [&] {
                   auto record = m_records.load<TapeRecord>(t);
                   if (castIndex < 0) {
                       record.Diretor = 0;
                   } else {
                       removeAt(record.Atores, record.actorCount(), castIndex);
                       record.NumAtores = static_cast<std::int16_t>(record.actorCount() - 1);
                   }
                   m_records.save(t, record);
                   m_tapes.put(t, record);
               });
    }

    void actors()
    {
        for (std::int32_t t = 1; t <= m_tapes.count() && !m_failed; ++t) {
            if (!m_tapes.present(t)) {
                continue;
            }
            for (int i = 0; !m_failed;) {
                const Slots cast = castOf(t);
                if (i >= cast.count()) {
                    break;
                }
                const std::int16_t a = cast[i];
                if (m_actors.present(a) && tapesOfActor(a).contains(t)) {
                    ++i;
                    continue;
                }
                actorLeavesTape(t, a, i);
                if (castOf(t).count() == cast.count()) {
                    ++i;
                }
            }
            // The register names a director from the tape only: the actor record need not
            // list the tape back, but it must be there.
            const std::int16_t director = m_tapes.int16(t, m_fields.diretor);
            if (director != 0 && !m_actors.present(director) && !m_failed) {
                actorLeavesTape(t, director, -1);
            }
        }
        for (std::int32_t a = 1; a <= m_actors.count() && !m_failed; ++a) {
            if (!m_actors.present(a)) {
                continue;
            }
            for (int i = 0; !m_failed;) {
                const Slots tapes = tapesOfActor(a);
                if (i >= tapes.count()) {
                    break;
                }
                const std::int16_t t = tapes[i];
                if (m_tapes.present(t) &&
                    (m_tapes.int16(t, m_fields.diretor) == a || castOf(t).contains(a))) {
                    ++i;
                    continue;
                }
                repair("A fita " + m_records.load<TapeRecord>(t).Nome + " será desligada do ator " +
                           m_records.load<ActorRecord>(a).Nome +
                           " por causa de ligação unilateral.",
                       "Código da fita: " + code(t) + " - " + "Código do Ator: " + code(a), [&] {
                           auto record = m_records.load<ActorRecord>(a);
                           removeAt(record.Fitas, record.tapeCount(), i);
                           record.NumFitas = static_cast<std::int16_t>(record.tapeCount() - 1);
                           m_records.save(a, record);
                           m_actors.put(a, record);
                       });
                if (tapesOfActor(a).count() == tapes.count()) {
                    ++i;
                }
            }
        }
    }

    AppState& m_state;
    RecordStore& m_records;
    Progress& m_progress;
    RecordImage m_clients;
    RecordImage m_dependents;
    RecordImage m_tapes;
    RecordImage m_actors;
    const LinkFields m_fields;
    std::string m_caption;
    int m_repairs = 0;
    bool m_failed = false;
};

} // namespace

LinkCheckResult checkLinks(AppState& state)
{
    // The day may restart first; then the files are read once, for the lists and the passes.
    checkDateChange(state);
    LinkChecker checker(state);
    if (!checker.rebuildLists()) {
        return {0, false};
    }
    return checker.run();
}

} // namespace tavolim::core
