#include "cli/Tool.h"

#include "cli/BookCommands.h"
#include "cli/BookDump.h"
#include "cli/CommandLine.h"
#include "cli/DataCommands.h"
#include "cli/Dump.h"
#include "cli/FindCommand.h"
#include "cli/LocalTime.h"
#include "cli/ReportCommands.h"
#include "cli/SituationCommand.h"
#include "cli/Usage.h"
#include "core/shell/NewInstallation.h"
#include "core/store/FileTransaction.h"
#include "core/store/FolderLock.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "core/tools/SampleStore.h"

#include <chrono>
#include <ctime>
#include <memory>

namespace tavolim::cli {
namespace {

using core::FileKind;

int init(const std::filesystem::path& folder, std::ostream& out, std::ostream& err)
{
    if (!core::needsNewInstallation(folder)) {
        err << "A pasta " << folder.string()
            << " já tem uma instalação do Tavolim (tavolim.ini); nada foi alterado.\n";
        return 1;
    }
    if (!core::createNewInstallation(folder, localToday())) {
        err << "Não foi possível criar a instalação em " << folder.string() << ".\n";
        return 1;
    }
    out << "Instalação nova criada em " << folder.string() << ".\n";
    return 0;
}

int sample(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    const auto& folder = line.folder;
    const auto today = localToday();
    if (core::needsNewInstallation(folder) && !core::createNewInstallation(folder, today)) {
        err << "Não foi possível criar a instalação em " << folder.string() << ".\n";
        return 1;
    }
    core::RecordStore store(folder);
    if (store.recordCount(FileKind::Clients) > 0) {
        err << "A pasta " << folder.string()
            << " já tem clientes; a loja de exemplo só é criada numa instalação nova.\n";
        return 1;
    }
    auto& rules = store.rules();
    core::MemoStore memos(folder, {rules.MemosLivres, rules.MemosDesperdicio});
    core::SynopsisStore synopses(folder, rules.SinopsesDesperdicio);
    if (!core::fillSampleStore(store, memos, synopses, line.size, today)) {
        err << "Não foi possível criar a loja de exemplo em " << folder.string()
            << ": a pasta já tem cadastros, falta selo ou mídia, ou uma gravação falhou.\n";
        return 1;
    }
    out << "Loja de exemplo criada em " << folder.string() << ": "
        << store.recordCount(FileKind::Clients) << " clientes, "
        << store.recordCount(FileKind::Dependents) << " dependentes, "
        << store.recordCount(FileKind::Tapes) << " fitas, " << store.recordCount(FileKind::Actors)
        << " atores, " << store.recordCount(FileKind::Distributors) << " distribuidores, "
        << store.recordCount(FileKind::Products) << " produtos.\n";
    return 0;
}

int dump(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (line.what == "memo") {
        return dumpMemo(line.folder, *line.number, out, err);
    }
    if (line.what == "sinopse") {
        return dumpSynopsis(line.folder, *line.number, out, err);
    }
    if (isBookKindName(line.what)) {
        return dumpBook(line.folder, line.what, line.number, out, err);
    }
    return dumpRecords(line.folder, *recordKindFromName(line.what), line.number, out, err);
}

} // namespace

int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CommandLine line = parseCommandLine(args);
    if (!line.problem.empty()) {
        err << "tavolim-tool: " << line.problem << "\n\n" << usageText();
        return 2;
    }
    // The commands that write take the folder for themselves, as the program does; the others
    // only read and may run beside it.
    std::unique_ptr<core::FolderLock> lock;
    if (line.command == Command::Init || line.command == Command::Sample ||
        line.command == Command::Situation) {
        lock = std::make_unique<core::FolderLock>(line.folder);
        if (lock->state() == core::FolderLock::State::Busy) {
            err << core::folderBusyMessage(line.folder) << "\n";
            return 1;
        }
        if (lock->held()) {
            core::recoverJournal(line.folder);
        }
    }
    switch (line.command) {
    case Command::Help:
        out << usageText();
        return 0;
    case Command::Init:
        return init(line.folder, out, err);
    case Command::Dump:
        return dump(line, out, err);
    case Command::Sample:
        return sample(line, out, err);
    case Command::Situation:
        return printSituation(line, out, err);
    case Command::List:
        return printList(line, out, err);
    case Command::Listing:
        return printListing(line, out, err);
    case Command::Sheet:
        return printSheet(line, out, err);
    case Command::TapeBook:
        return listTapeBookCommand(line, out, err);
    case Command::SalesBook:
        return listSalesBookCommand(line, out, err);
    case Command::DailySummary:
        return dailySummaryCommand(line, out, err);
    case Command::History:
        return historyCommand(line, out, err);
    case Command::Backup:
        return backupCommand(line, out, err);
    case Command::Restore:
        return restoreCommand(line, out, err);
    case Command::Check:
        return checkCommand(line, out, err);
    case Command::Repeated:
        return repeatedCommand(line, out, err);
    case Command::Find:
        return findCommand(line, out, err);
    }
    return 2;
}

} // namespace tavolim::cli
