#include "core/tools/StoreAudit.h"

#include "core/store/BinaryFile.h"
#include "core/store/FileTransaction.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"
#include "core/tools/AuditRecords.h"
#include "core/tools/BookAudit.h"

#include <algorithm>

namespace tavolim::core {
namespace {

using namespace audit;

std::string money(Money value)
{
    return "R$ " + formatMoney(value);
}

class Auditor {
public:
    explicit Auditor(const std::filesystem::path& folder)
        : m_records(folder), m_files(readRecords(m_records))
    {
    }

    std::vector<AuditFinding> run(std::chrono::year_month_day today)
    {
        holders();
        dependents();
        tapes();
        actors();
        auditRecordLists(m_records, m_files, m_findings);
        std::vector<AuditedTape> rented(static_cast<std::size_t>(m_tapes.count()) + 1);
        for (std::int32_t t = 1; t <= m_tapes.count(); ++t) {
            const Tape& tape = m_tapes[t];
            rented[static_cast<std::size_t>(t)] = {tape.present, tape.deleted, tape.clienteFita,
                                                   tape.titular, tape.dataRetirada};
        }
        auditBooks(m_records.dataFolder(), today, rented, m_findings);
        return std::move(m_findings);
    }

private:
    void add(AuditIssue issue, std::string text) { m_findings.push_back({issue, std::move(text)}); }

    const Person& personOf(bool holder, std::int32_t code) const
    {
        return holder ? m_clients[code] : m_dependents[code];
    }

    // ", que não existe." or ", que está excluído." for a person who is not there; "" when
    // he is.
    static std::string absence(const Person& p)
    {
        return !p.present ? ", que não existe." : p.deleted ? ", que está excluído." : "";
    }

    void count(const std::string& who, const char* what, const char* field, std::int16_t value,
               int max)
    {
        if (value < 0 || value > max) {
            add(AuditIssue::CountOutOfRange, who + ": a contagem de " + what + " (" + field +
                                                 ") é " + n(value) + ", fora de 0 a " + n(max) +
                                                 ".");
        }
    }

    // What every person has: a list of tapes out and an account.
    void personTapesAndAccount(const Person& p, bool holder, std::int32_t code)
    {
        const std::string who = capitalised(person(holder, code));
        count(who, "fitas", "NumFitas", p.numFitas, ClientRecord::MaxTapes);
        const auto tapes = p.tapes();
        for (std::size_t i = 0; i < tapes.size(); ++i) {
            const std::int16_t t = tapes[i];
            const std::string listed = who + " tem na lista a fita " + n(t);
            if (std::find(tapes.begin(), tapes.begin() + static_cast<std::ptrdiff_t>(i), t) !=
                tapes.begin() + static_cast<std::ptrdiff_t>(i)) {
                add(AuditIssue::ListedTwice, who + " tem a fita " + n(t) + " duas vezes na lista.");
                continue;
            }
            const Tape& tape = m_tapes[t];
            if (!tape.present) {
                add(AuditIssue::ListedTapeMissing, listed + ", que não existe.");
            } else if (tape.deleted) {
                add(AuditIssue::ListedTapeMissing, listed + ", que está excluída.");
            } else if (tape.clienteFita <= 0) {
                add(AuditIssue::ListedTapeNotOut, listed + ", que não está locada.");
            } else if (tape.clienteFita != code || tape.titular != holder) {
                add(AuditIssue::ListedTapeNotOut, listed + ", que está locada para o " +
                                                      person(tape.titular, tape.clienteFita) + ".");
            }
        }
        if (p.pago.isPositive() && p.devido.isPositive()) {
            add(AuditIssue::CreditAndDebt, who + " tem crédito (" + money(p.pago) + ") e débito (" +
                                               money(p.devido) + ") ao mesmo tempo.");
        }
        if (p.pago.isNegative()) {
            add(AuditIssue::NegativeAmount, who + " tem crédito negativo (" + money(p.pago) + ").");
        }
        if (p.devido.isNegative()) {
            add(AuditIssue::NegativeAmount,
                who + " tem débito negativo (" + money(p.devido) + ").");
        }
    }

    void holders()
    {
        for (std::int32_t h = 1; h <= m_clients.count(); ++h) {
            const Person& p = m_clients[h];
            if (!p.live()) {
                continue;
            }
            const std::string who = "Cliente " + n(h);
            count(who, "dependentes", "NumDep", p.numDep, ClientRecord::MaxDependents);
            const auto deps = p.dependents();
            for (std::size_t i = 0; i < deps.size(); ++i) {
                const std::int16_t d = deps[i];
                const std::string listed = who + " lista o dependente " + n(d);
                if (std::find(deps.begin(), deps.begin() + static_cast<std::ptrdiff_t>(i), d) !=
                    deps.begin() + static_cast<std::ptrdiff_t>(i)) {
                    add(AuditIssue::ListedDependentWrong, listed + " duas vezes.");
                    continue;
                }
                const Person& dependent = m_dependents[d];
                if (!dependent.live()) {
                    add(AuditIssue::ListedDependentWrong, listed + absence(dependent));
                } else if (dependent.titular != h) {
                    add(AuditIssue::ListedDependentWrong,
                        listed + ", que é do cliente " + n(dependent.titular) + ".");
                }
            }
            personTapesAndAccount(p, true, h);
        }
    }

    void dependents()
    {
        for (std::int32_t d = 1; d <= m_dependents.count(); ++d) {
            const Person& p = m_dependents[d];
            if (!p.live()) {
                continue;
            }
            const Person& holder = m_clients[p.titular];
            const std::string named =
                "Dependente " + n(d) + " tem como titular o cliente " + n(p.titular);
            if (!holder.live()) {
                add(AuditIssue::HolderMissing, named + absence(holder));
            } else if (std::ranges::find(holder.dependents(), d) == holder.dependents().end()) {
                add(AuditIssue::DependentNotListed, named + ", que não o tem na lista.");
            }
            personTapesAndAccount(p, false, d);
        }
    }

    void tapeRental(std::int32_t t, const Tape& tape)
    {
        const std::string who = "Fita " + n(t);
        if (tape.clienteFita <= 0) {
            if (tape.rentalFields) {
                add(AuditIssue::StaleRentalData,
                    who + " não está locada, mas guarda dados de uma locação.");
            }
            return;
        }
        const std::string renter = person(tape.titular, tape.clienteFita);
        const Person& p = personOf(tape.titular, tape.clienteFita);
        if (!p.live()) {
            add(AuditIssue::RenterMissing,
                who + " locada para o " + renter +
                    (!p.present ? ", que não existe." : ", que está excluído."));
        } else if (std::ranges::find(p.tapes(), t) == p.tapes().end()) {
            add(AuditIssue::RenterNotListed,
                who + " locada para o " + renter + ", que não a tem na lista.");
        }
    }

    void tapeReferences(std::int32_t t, const Tape& tape)
    {
        const std::string who = "Fita " + n(t);
        if (tape.selo == 0) {
            add(AuditIssue::MissingRule, who + " não tem selo.");
        } else if (!m_labels[tape.selo]) {
            add(AuditIssue::MissingRule, who + " tem o selo " + n(tape.selo) + ", que não existe.");
        }
        if (tape.midia == 0) {
            add(AuditIssue::MissingRule, who + " não tem mídia.");
        } else if (!m_media[tape.midia]) {
            add(AuditIssue::MissingRule,
                who + " tem a mídia " + n(tape.midia) + ", que não existe.");
        }
        if (tape.secao < 0 || tape.secao > m_sections) {
            add(AuditIssue::MissingRule,
                who + " tem a seção " + n(tape.secao) + ", que não existe.");
        }
        if (tape.distribuidor != 0) {
            const Presence d = m_distributors[tape.distribuidor];
            if (d != Live) {
                add(AuditIssue::MissingDistributor,
                    who + " tem a distribuidora " + n(tape.distribuidor) +
                        (d == Absent ? ", que não existe." : ", que está excluída."));
            }
        }
        if (tape.diretor != 0 && !m_actors[tape.diretor].present) {
            add(AuditIssue::MissingDirector,
                who + " tem como diretor o ator " + n(tape.diretor) + ", que não existe.");
        }
        count(who, "atores", "NumAtores", tape.numAtores, TapeRecord::MaxActors);
        for (const std::int16_t a : tape.cast()) {
            const Actor& actor = m_actors[a];
            const std::string cast = who + " tem no elenco o ator " + n(a);
            if (!actor.present) {
                add(AuditIssue::CastNotListedBack, cast + ", que não existe.");
            } else if (std::ranges::find(actor.tapes(), t) == actor.tapes().end()) {
                add(AuditIssue::CastNotListedBack, cast + ", que não a tem na lista.");
            }
        }
        count(who, "reservas", "NumReservas", tape.numReservas, TapeRecord::MaxReservations);
        const int reservations = clampCount(tape.numReservas, TapeRecord::MaxReservations);
        for (int i = 0; i < reservations; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            const bool holder = tape.reservaTitular[slot];
            const std::int16_t code = tape.reservaCliente[slot];
            const std::string gone = absence(personOf(holder, code));
            if (!gone.empty()) {
                add(AuditIssue::ReservationPersonMissing,
                    who + " tem uma reserva para o " + person(holder, code) + gone);
            }
        }
    }

    void tapes()
    {
        for (std::int32_t t = 1; t <= m_tapes.count(); ++t) {
            const Tape& tape = m_tapes[t];
            if (!tape.present) {
                continue;
            }
            if (tape.deleted) {
                if (tape.clienteFita > 0) {
                    add(AuditIssue::DeletedTapeOut,
                        "Fita " + n(t) + " está excluída, mas consta locada para o " +
                            person(tape.titular, tape.clienteFita) + ".");
                }
                continue;
            }
            tapeRental(t, tape);
            tapeReferences(t, tape);
        }
    }

    void actors()
    {
        for (std::int32_t a = 1; a <= m_actors.count(); ++a) {
            const Actor& actor = m_actors[a];
            if (!actor.present) {
                continue;
            }
            const std::string who = "Ator " + n(a);
            count(who, "fitas", "NumFitas", actor.numFitas, ActorRecord::MaxTapes);
            for (const std::int16_t t : actor.tapes()) {
                const Tape& tape = m_tapes[t];
                const std::string listed = who + " tem na lista a fita " + n(t);
                if (!tape.present) {
                    add(AuditIssue::ActorTapeNotCast, listed + ", que não existe.");
                } else if (tape.diretor != a &&
                           std::ranges::find(tape.cast(), a) == tape.cast().end()) {
                    add(AuditIssue::ActorTapeNotCast, listed + ", que não o tem no elenco.");
                }
            }
        }
    }

    RecordStore m_records;
    const Records m_files;
    const Table<Person>& m_clients = m_files.clients;
    const Table<Person>& m_dependents = m_files.dependents;
    const Table<Tape>& m_tapes = m_files.tapes;
    const Table<Actor>& m_actors = m_files.actors;
    const Table<Presence>& m_distributors = m_files.distributors;
    const Table<std::uint8_t>& m_labels = m_files.labels;
    const Table<std::uint8_t>& m_media = m_files.media;
    const int m_sections = m_files.sections;
    std::vector<AuditFinding> m_findings;
};

} // namespace

AuditReport auditStore(const std::filesystem::path& folder, std::chrono::year_month_day today)
{
    AuditReport report;
    report.pendingJournal = binaryfile::exists(folder / kJournalFile);
    report.findings = Auditor(folder).run(today);
    return report;
}

std::string pendingJournalNotice()
{
    return std::string("Há uma gravação inacabada (") + kJournalFile +
           "): o programa a termina ao abrir a pasta, e o que segue pode mudar com isso.";
}

std::string findingsCountLine(std::size_t count)
{
    if (count == 0) {
        return "Nenhum problema encontrado.";
    }
    return std::to_string(count) +
           (count == 1 ? " problema encontrado." : " problemas encontrados.");
}

} // namespace tavolim::core
