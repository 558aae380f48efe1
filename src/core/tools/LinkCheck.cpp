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

template <class T, std::size_t N>
bool listed(const std::array<T, N>& slots, int count, T value)
{
    return std::find(slots.begin(), slots.begin() + count, value) != slots.begin() + count;
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
    // One repair: its message, its writes as one transaction, then its Err.log entry.
    void repair(const std::string& message, const std::string& label,
                const std::function<void()>& write)
    {
        if (m_failed) {
            return;
        }
        auto& dialogs = m_state.ports().dialogs;
        dialogs.message(message, msg::Information);
        {
            StoreTransaction transaction(m_state);
            write();
            if (!transaction.commit()) {
                m_failed = true;
                return;
            }
        }
        if (!logError(m_records.dataFolder(), errorLogEntry(m_state.DataDia, message, label))) {
            dialogs.message(binaryfile::failureMessage(binaryfile::lastFailure()), msg::Critical);
            m_failed = true;
            return;
        }
        ++m_repairs;
        // A deletion's clean-up shows its own wait window.
        m_progress.showWait(m_caption);
    }

    bool holderMissing(std::int16_t holder) const
    {
        return !m_clients.present(holder) || m_clients.deleted(holder);
    }

    void dependents()
    {
        for (std::int32_t d = 1; d <= m_dependents.count() && !m_failed; ++d) {
            if (!m_dependents.present(d) || m_dependents.deleted(d)) {
                continue;
            }
            const auto holder = m_dependents.numbers<DependentRecord>(d).Titular;
            if (!holderMissing(holder)) {
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

    bool dependentBelongs(std::int16_t d, std::int32_t holder) const
    {
        return m_dependents.present(d) && !m_dependents.deleted(d) &&
               m_dependents.numbers<DependentRecord>(d).Titular == holder;
    }

    void holders()
    {
        for (std::int32_t h = 1; h <= m_clients.count() && !m_failed; ++h) {
            if (!m_clients.present(h) || m_clients.deleted(h)) {
                continue;
            }
            for (int i = 0; !m_failed;) {
                const auto holder = m_clients.numbers<ClientRecord>(h);
                if (i >= holder.depCount()) {
                    break;
                }
                const std::int16_t d = holder.Dep[static_cast<std::size_t>(i)];
                if (dependentBelongs(d, h)) {
                    ++i;
                    continue;
                }
                const auto dependent = m_records.load<DependentRecord>(d);
                const int before = m_repairs;
                repair("O cliente dependente " + personName(dependent) +
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
                if (m_repairs == before) {
                    break;
                }
            }
        }
    }

    template <class R>
    bool personListsTape(const RecordImage& image, std::int16_t person, std::int32_t tape) const
    {
        if (!image.present(person) || image.deleted(person)) {
            return false;
        }
        const auto record = image.numbers<R>(person);
        return listed(record.Fitas, record.tapeCount(), static_cast<std::int16_t>(tape));
    }

    void tapes()
    {
        for (std::int32_t t = 1; t <= m_tapes.count() && !m_failed; ++t) {
            const auto tape = m_tapes.numbers<TapeRecord>(t);
            if (!m_tapes.present(t) || !tape.isRented()) {
                continue;
            }
            const bool holder = tape.ClienteTitular;
            const bool named =
                holder ? personListsTape<ClientRecord>(m_clients, tape.ClienteFita, t)
                       : personListsTape<DependentRecord>(m_dependents, tape.ClienteFita, t);
            if (named) {
                continue;
            }
            const std::string name =
                holder ? personName(m_records.load<ClientRecord>(tape.ClienteFita))
                       : personName(m_records.load<DependentRecord>(tape.ClienteFita));
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
            if (!image.present(p) || image.deleted(p)) {
                continue;
            }
            for (int i = 0; !m_failed;) {
                const auto person = image.numbers<R>(p);
                if (i >= person.tapeCount()) {
                    break;
                }
                const std::int16_t t = person.Fitas[static_cast<std::size_t>(i)];
                const auto tape = m_tapes.numbers<TapeRecord>(t);
                if (m_tapes.present(t) && tape.ClienteFita == p && tape.ClienteTitular == holder) {
                    ++i;
                    continue;
                }
                const int before = m_repairs;
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
                if (m_repairs == before) {
                    break;
                }
            }
        }
    }

    bool actorListsTape(std::int16_t a, std::int32_t t) const
    {
        if (!m_actors.present(a)) {
            return false;
        }
        const auto actor = m_actors.numbers<ActorRecord>(a);
        return listed(actor.Fitas, actor.tapeCount(), static_cast<std::int16_t>(t));
    }

    bool tapeListsActor(std::int16_t t, std::int32_t a) const
    {
        if (!m_tapes.present(t)) {
            return false;
        }
        const auto tape = m_tapes.numbers<TapeRecord>(t);
        return tape.Diretor == a ||
               listed(tape.Atores, tape.actorCount(), static_cast<std::int16_t>(a));
    }

    void actorLeavesTape(std::int32_t t, std::int16_t a, bool director)
    {
        repair("O ator " + m_records.load<ActorRecord>(a).Nome + " será desligado da fita " +
                   m_records.load<TapeRecord>(t).Nome + " por causa de ligação unilateral.",
               "Código da fita: " + code(t) + " - " + "Código do Ator: " + code(a), [&] {
                   auto record = m_records.load<TapeRecord>(t);
                   if (director) {
                       record.Diretor = 0;
                   } else {
                       const int count = record.actorCount();
                       const auto at =
                           std::find(record.Atores.begin(), record.Atores.begin() + count, a);
                       removeAt(record.Atores, count, static_cast<int>(at - record.Atores.begin()));
                       record.NumAtores = static_cast<std::int16_t>(count - 1);
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
                const auto tape = m_tapes.numbers<TapeRecord>(t);
                if (i >= tape.actorCount()) {
                    break;
                }
                const std::int16_t a = tape.Atores[static_cast<std::size_t>(i)];
                if (actorListsTape(a, t)) {
                    ++i;
                    continue;
                }
                const int before = m_repairs;
                actorLeavesTape(t, a, false);
                if (m_repairs == before) {
                    break;
                }
            }
            // The register names a director from the tape only: the actor record need not
            // list the tape back, but it must be there.
            const auto director = m_tapes.numbers<TapeRecord>(t).Diretor;
            if (director != 0 && !m_actors.present(director)) {
                actorLeavesTape(t, director, true);
            }
        }
        for (std::int32_t a = 1; a <= m_actors.count() && !m_failed; ++a) {
            if (!m_actors.present(a)) {
                continue;
            }
            for (int i = 0; !m_failed;) {
                const auto actor = m_actors.numbers<ActorRecord>(a);
                if (i >= actor.tapeCount()) {
                    break;
                }
                const std::int16_t t = actor.Fitas[static_cast<std::size_t>(i)];
                if (tapeListsActor(t, a)) {
                    ++i;
                    continue;
                }
                const int before = m_repairs;
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
                if (m_repairs == before) {
                    break;
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
    std::string m_caption;
    int m_repairs = 0;
    bool m_failed = false;
};

} // namespace

LinkCheckResult checkLinks(AppState& state)
{
    checkDateChange(state);
    if (!rebuildDeletedLists(state)) {
        return {0, false};
    }
    return LinkChecker(state).run();
}

} // namespace tavolim::core
