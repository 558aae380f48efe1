#include "core/shell/StoreOpening.h"

#include "core/store/BinaryFile.h"
#include "core/store/FileTransaction.h"
#include "core/tools/BackupRestore.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace tavolim::core {
namespace {

// Files that only a store that has been used holds.
constexpr std::array<std::string_view, 8> kStoreFiles = {
    "DadosCli.tvl", "DadosDep.tvl", "DadosFit.tvl", "LivroFts.tvl",
    "PosLivFt.tvl", "Caixa.tvl",    "FitaSelo.tvl", "DadosPrd.tvl",
};

bool isDataFile(const std::filesystem::path& path)
{
    const auto ext = path.extension().string();
    return ext == ".tvl" || ext == ".TVL" || path.filename() == "tavolim.ini" ||
           path.filename() == "Config.ini";
}

bool writable(const std::filesystem::path& path)
{
    std::error_code ec;
    const auto perms = std::filesystem::status(path, ec).permissions();
    // The write bit counts even for a user the system would let write anyway.
    if (ec || (perms & std::filesystem::perms::owner_write) == std::filesystem::perms::none) {
        return false;
    }
#ifdef _WIN32
    std::FILE* f = _wfopen(path.c_str(), L"r+b"); // the wide name: any letter in the folder
#else
    std::FILE* f = std::fopen(path.string().c_str(), "r+b");
#endif
    if (!f) {
        return false;
    }
    std::fclose(f);
    return true;
}

} // namespace

FolderContents inspectFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (std::filesystem::exists(folder / "tavolim.ini", ec)) {
        return FolderContents::Store;
    }
    for (const auto name : kStoreFiles) {
        const auto file = folder / std::string(name);
        if (std::filesystem::exists(file, ec) && std::filesystem::file_size(file, ec) > 0) {
            return FolderContents::StoreNoRules;
        }
    }
    return FolderContents::Empty;
}

std::string missingRulesMessage(const std::filesystem::path& folder)
{
    return "A pasta de dados '" + folder.string() +
           "' tem os arquivos de uma locadora, mas falta o arquivo tavolim.ini (as regras, os "
           "operadores e os contadores da locadora).\nO programa não vai criar uma instalação "
           "nova por cima dos dados. Copie o tavolim.ini de uma cópia desta pasta ou recupere um "
           "back-up (tavolim-tool --dados PASTA restaurar ARQUIVO) e abra o programa de novo.";
}

std::vector<std::string> unwritableFiles(const std::filesystem::path& folder)
{
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_regular_file(ec) && isDataFile(entry.path()) && !writable(entry.path())) {
            out.push_back(entry.path().filename().string());
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

StoreOpening openStore(const std::filesystem::path& folder)
{
    StoreOpening o;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    o.lock = std::make_unique<FolderLock>(folder);
    if (o.lock->state() == FolderLock::State::Busy) {
        o.notices.push_back(folderBusyMessage(folder));
        return o;
    }
    if (o.lock->held()) {
        switch (finishInterruptedRestore(folder)) {
        case RestoreRecovery::None:
        case RestoreRecovery::Discarded:
            break;
        case RestoreRecovery::Completed:
            o.notices.push_back("A recuperação de um back-up foi interrompida e foi concluída "
                                "agora: a pasta de dados tem os dados do back-up.");
            break;
        case RestoreRecovery::Failed:
            o.notices.push_back("A recuperação de um back-up foi interrompida e não pôde ser "
                                "concluída (" +
                                binaryfile::failureMessage(binaryfile::lastFailure()) +
                                "). Libere o problema e abra o programa de novo.");
            return o;
        }
    }
    o.contents = inspectFolder(folder);
    if (o.contents == FolderContents::StoreNoRules) {
        o.notices.push_back(missingRulesMessage(folder));
        return o;
    }
    if (o.contents == FolderContents::Empty && !o.lock->held()) {
        o.notices.push_back("Não foi possível criar os arquivos de dados em '" + folder.string() +
                            "' (" + binaryfile::causeText(o.lock->error()) + ").");
        return o;
    }
    const auto unwritable = unwritableFiles(folder);
    const bool readOnly = !o.lock->held() || !unwritable.empty();
    if (!readOnly) {
        switch (recoverJournal(folder)) {
        case JournalRecovery::None:
            break;
        case JournalRecovery::Discarded:
            o.notices.push_back("A última operação foi interrompida antes de ser gravada (o "
                                "programa foi fechado à força ou faltou energia): nada dela foi "
                                "gravado. Confira a última locação, devolução, pagamento ou "
                                "venda e faça-a de novo se preciso.");
            break;
        case JournalRecovery::Completed:
            o.notices.push_back("A última operação foi interrompida enquanto era gravada e foi "
                                "concluída agora: todos os arquivos estão em dia.");
            break;
        case JournalRecovery::Undone:
            o.notices.push_back(
                "A última operação foi interrompida enquanto era gravada e não pôde ser "
                "concluída (" +
                binaryfile::failureMessage(binaryfile::lastFailure()) +
                "). Ela foi desfeita: confira-a e faça-a de novo.");
            break;
        }
        o.verdict = StoreOpening::Verdict::Open;
        return o;
    }
    std::string which;
    for (const auto& name : unwritable) {
        which += (which.empty() ? "" : ", ") + name;
    }
    o.notices.push_back(
        "Os arquivos de dados da pasta '" + folder.string() + "' não podem ser gravados" +
        (which.empty() ? std::string(" (a pasta é somente para leitura)")
                       : " (somente leitura: " + which + ")") +
        ".\nO programa abrirá apenas para consulta: listas e relatórios funcionam, mas "
        "locações, devoluções, pagamentos, vendas e cadastros não serão gravados.");
    o.verdict = StoreOpening::Verdict::OpenReadOnly;
    return o;
}

} // namespace tavolim::core
