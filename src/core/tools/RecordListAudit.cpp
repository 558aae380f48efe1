#include "core/tools/AuditRecords.h"

#include "core/store/RecordStore.h"

#include <cstdlib>
#include <functional>

namespace tavolim::core::audit {
namespace {

class ListAuditor {
public:
    ListAuditor(const RecordStore& store, const Records& files, std::vector<AuditFinding>& findings)
        : m_store(store), m_files(files), m_findings(findings)
    {
    }

    void run()
    {
        deletedLists();
        histories();
    }

private:
    void add(AuditIssue issue, std::string text) { m_findings.push_back({issue, std::move(text)}); }

    // A number listed for reuse must be a deleted record (reusing a live one would write over
    // it); a deleted record should be listed.
    void deletedLists()
    {
        struct Kind {
            FileKind kind;
            const char* noun; // with its article
            bool feminine;
            std::function<Presence(std::int32_t)> state;
            std::int32_t count;
        };
        const Kind kinds[] = {
            {FileKind::Clients, "o cliente", false,
             [&](std::int32_t c) { return presence(m_files.clients[c]); }, m_files.clients.count()},
            {FileKind::Dependents, "o dependente", false,
             [&](std::int32_t d) { return presence(m_files.dependents[d]); },
             m_files.dependents.count()},
            {FileKind::Tapes, "a fita", true,
             [&](std::int32_t t) { return presence(m_files.tapes[t]); }, m_files.tapes.count()},
            {FileKind::Distributors, "a distribuidora", true,
             [&](std::int32_t d) { return m_files.distributors[d]; }, m_files.distributors.count()},
            {FileKind::Products, "o produto", false,
             [&](std::int32_t p) { return m_files.products[p]; }, m_files.products.count()},
        };
        for (const Kind& k : kinds) {
            const std::string list(fileKindInfo(k.kind).deletedList);
            const std::string excluded = k.feminine ? "excluída" : "excluído";
            std::vector<std::uint8_t> listed(static_cast<std::size_t>(k.count) + 1);
            for (const std::int32_t number : m_store.deletedNumbers(k.kind)) {
                if (number >= 1 && number <= k.count) {
                    listed[static_cast<std::size_t>(number)] = 1;
                }
                if (k.state(number) == Live) {
                    add(AuditIssue::DeletedListWrong, list + " lista " + k.noun + " " + n(number) +
                                                          ", que não está " + excluded + ".");
                }
            }
            for (std::int32_t number = 1; number <= k.count; ++number) {
                if (k.state(number) == Deleted && !listed[static_cast<std::size_t>(number)]) {
                    add(AuditIssue::DeletedListWrong, capitalised(std::string(k.noun).substr(2)) +
                                                          " " + n(number) + " está " + excluded +
                                                          ", mas não consta em " + list + ".");
                }
            }
        }
    }

    // Each history record belongs to one person, is in its file and is not listed free.
    void histories()
    {
        const std::pair<FileKind, const char*> kinds[] = {
            {FileKind::TapeHistory, "o histórico de fitas"},
            {FileKind::ProductHistory, "o histórico de produtos"},
        };
        // Plain names: a lambda cannot capture a structured binding under every compiler.
        for (const auto& entry : kinds) {
            const FileKind kind = entry.first;
            const char* noun = entry.second;
            const auto& info = fileKindInfo(kind);
            const std::int32_t count = m_store.recordCount(kind);
            // Who holds each history: 0 none, +c client c, -d dependent d.
            std::vector<std::int32_t> owner(static_cast<std::size_t>(count) + 1);
            const auto claim = [&](const Person& p, bool holder, std::int32_t code) {
                const std::int32_t h =
                    kind == FileKind::TapeHistory ? p.regHistFita : p.regHistProd;
                if (!p.live() || h == 0) {
                    return;
                }
                const std::string who = capitalised(person(holder, code));
                if (h < 0 || h > count) {
                    add(AuditIssue::HistoryWrong, who + " tem " + noun + " " + n(h) + ", que " +
                                                      std::string(info.fileName) + " não tem.");
                    return;
                }
                std::int32_t& first = owner[static_cast<std::size_t>(h)];
                if (first != 0) {
                    add(AuditIssue::HistoryWrong, who + " tem " + noun + " " + n(h) +
                                                      ", que é também do " +
                                                      person(first > 0, std::abs(first)) + ".");
                    return;
                }
                first = holder ? code : -code;
            };
            for (std::int32_t c = 1; c <= m_files.clients.count(); ++c) {
                claim(m_files.clients[c], true, c);
            }
            for (std::int32_t d = 1; d <= m_files.dependents.count(); ++d) {
                claim(m_files.dependents[d], false, d);
            }
            for (const std::int32_t h : m_store.deletedNumbers(kind)) {
                if (h >= 1 && h <= count && owner[static_cast<std::size_t>(h)] != 0) {
                    const std::int32_t o = owner[static_cast<std::size_t>(h)];
                    add(AuditIssue::HistoryWrong, std::string(info.deletedList) + " lista " + noun +
                                                      " " + n(h) + ", que é do " +
                                                      person(o > 0, std::abs(o)) + ".");
                }
            }
        }
    }

    const RecordStore& m_store;
    const Records& m_files;
    std::vector<AuditFinding>& m_findings;
};

} // namespace

void auditRecordLists(const RecordStore& store, const Records& records,
                      std::vector<AuditFinding>& findings)
{
    ListAuditor(store, records, findings).run();
}

} // namespace tavolim::core::audit
