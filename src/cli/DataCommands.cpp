#include "cli/DataCommands.h"

#include "cli/LocalTime.h"
#include "cli/Utf8Path.h"
#include "core/ports/Dialogs.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/FileTransaction.h"
#include "core/store/FolderLock.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"
#include "core/tools/BackupMaker.h"
#include "core/tools/BackupRestore.h"
#include "core/tools/BackupSession.h"
#include "core/tools/LinkCheck.h"
#include "core/tools/QuietPorts.h"
#include "core/tools/RepeatedRecords.h"
#include "core/tools/StoreAudit.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace tavolim::cli {
namespace {

using namespace core;

// The store's calendar and clock are the local ones.
BackupMoment localNow()
{
    const std::tm local = localTime();
    return {std::chrono::year{local.tm_year + 1900} /
                std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
                std::chrono::day{static_cast<unsigned>(local.tm_mday)},
            std::chrono::minutes{local.tm_hour * 60 + local.tm_min}};
}

bool hasStore(const CommandLine& line, std::ostream& err)
{
    if (needsNewInstallation(line.folder)) {
        err << "A pasta " << line.folder.string() << " não tem uma instalação do Tavolim.\n";
        return false;
    }
    return true;
}

std::string storeNameIn(const std::filesystem::path& folder)
{
    return trim(RecordStore(folder).load<StoreRecord>(1).NomeFantasia);
}

// Finishes what an interrupted program left (a journal, a restore), which only the holder of
// the folder may do.
void settle(const std::filesystem::path& folder)
{
    finishInterruptedRestore(folder);
    recoverJournal(folder);
}

// Repairs and the like go to the output, as the program shows them; failures to the errors.
class ToolDialogs final : public Dialogs {
public:
    ToolDialogs(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    msg::Answer message(const std::string& text, int flags, const std::string&) override
    {
        const int icon = flags & 0x70;
        (icon == msg::Critical || icon == msg::Exclamation ? m_err : m_out) << text << "\n";
        return msg::Answer::Ok;
    }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> askValue(const std::string&, const std::string&,
                                        const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::chrono::year_month_day> askDate(
        const std::string&, const std::string&, std::optional<std::chrono::year_month_day>) override
    {
        return std::nullopt;
    }
    int choose(const std::string&, const std::string&, const std::string&, const std::string&,
               const std::string&) override
    {
        return 0;
    }

private:
    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace

int backupCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!hasStore(line, err)) {
        return 1;
    }
    {
        const FolderLock lock(line.folder);
        if (lock.held()) {
            settle(line.folder);
        } else {
            // The program is at work: a journal on disk is one of its writes finishing.
            for (int i = 0; i < 50 && binaryfile::exists(line.folder / kJournalFile); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        }
    }
    QuietPorts quiet(localNow().day);
    BackupRequest request;
    request.dataFolder = line.folder;
    request.destination = line.destination;
    request.storeName = storeNameIn(line.folder);
    request.moment = localNow();
    request.version = programVersion();
    request.keep = loadOptions(quiet, ConfigFile(line.folder)).NumBackUps;
    const BackupOutcome outcome = makeBackup(request);
    if (!outcome.done) {
        err << outcome.message << "\n";
        return 1;
    }
    out << utf8Text(outcome.archive) << "\n";
    for (const std::string& warning : outcome.warnings) {
        err << warning << "\n";
    }
    return 0;
}

int restoreCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    const std::filesystem::path archive = utf8Path(line.what);
    if (!binaryfile::exists(archive)) {
        err << "O arquivo " << utf8Text(archive) << " não existe.\n";
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(line.folder, ec);
    const FolderLock lock(line.folder);
    if (lock.state() == FolderLock::State::Busy) {
        err << folderBusyMessage(line.folder) << "\n";
        return 1;
    }
    if (!lock.held()) {
        err << "Não foi possível usar a pasta " << line.folder.string() << " ("
            << binaryfile::causeText(lock.error()) << ").\n";
        return 1;
    }
    const BackupMoment now = localNow();
    RestoreRequest request;
    request.dataFolder = line.folder;
    request.archive = archive;
    request.safetyFolder = defaultBackupFolder(line.folder);
    request.storeName = storeNameIn(line.folder);
    request.moment = now;
    request.version = programVersion();
    const RestoreOutcome outcome = restoreBackup(request);
    if (!outcome.done) {
        err << outcome.message << "\n";
        return 1;
    }
    out << "Back-up recuperado em " << utf8Text(line.folder) << ".\n";
    if (!outcome.safetyCopy.empty()) {
        out << "Os dados anteriores estão em " << utf8Text(outcome.safetyCopy) << ".\n";
    }
    return 0;
}

namespace {

// `verificar` without --reparar: reads only, so no lock and no journal recovery.
int auditCommand(const CommandLine& line, std::ostream& out)
{
    const AuditReport report = auditStore(line.folder, line.today ? *line.today : localNow().day);
    if (report.pendingJournal) {
        out << pendingJournalNotice() << "\n";
    }
    for (const AuditFinding& finding : report.findings) {
        out << finding.text << "\n";
    }
    out << findingsCountLine(report.findings.size()) << "\n";
    return report.findings.empty() ? 0 : 1;
}

} // namespace

int checkCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!hasStore(line, err)) {
        return 1;
    }
    if (!line.repair) {
        return auditCommand(line, out);
    }
    const FolderLock lock(line.folder);
    if (lock.state() == FolderLock::State::Busy) {
        err << folderBusyMessage(line.folder) << "\n";
        return 1;
    }
    settle(line.folder);
    const auto today = line.today ? *line.today : localNow().day;
    QuietPorts quiet(today, localNow().time);
    ToolDialogs dialogs(out, err);
    AppState state(line.folder, {dialogs, quiet, quiet, quiet, quiet, quiet});
    state.loadOptions();
    state.DataDia = today;
    const LinkCheckResult result = checkLinks(state);
    if (!result.completed) {
        err << "A verificação parou; o que foi reparado está gravado e anotado em Err.log.\n";
        return 1;
    }
    if (result.repairs == 0) {
        err << "Nenhum reparo foi necessário.\n";
    } else {
        err << result.repairs << (result.repairs == 1 ? " reparo feito" : " reparos feitos")
            << " e anotado" << (result.repairs == 1 ? "" : "s") << " em Err.log.\n";
    }
    return 0;
}

int repeatedCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!hasStore(line, err)) {
        return 1;
    }
    const RepeatKind kind = line.what == "clientes"   ? RepeatKind::Clients
                            : line.what == "fitas"    ? RepeatKind::Tapes
                            : line.what == "produtos" ? RepeatKind::Products
                                                      : RepeatKind::Distributors;
    const RecordStore store(line.folder);
    const RepeatReport report =
        line.codes ? findRepeatedCodes(store, kind) : findRepeatedNames(store, kind);
    out << report.text << "\n";
    return 0;
}

} // namespace tavolim::cli
