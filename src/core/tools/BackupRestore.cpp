#include "core/tools/BackupRestore.h"

#include "core/ports/Progress.h"
#include "core/ports/SettingsStore.h"
#include "core/store/BinaryFile.h"
#include "core/store/Crc32.h"
#include "core/store/FileTransaction.h"
#include "core/tools/BackupMaker.h"
#include "core/tools/StoreFiles.h"
#include "core/tools/ZipArchive.h"

#include <algorithm>
#include <map>
#include <set>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tavolim::core {
namespace {

constexpr const char* kMarkerFile = "recuperar.lst";
constexpr std::string_view kMarkerTitle = "Recuperação do Tavolim";
constexpr std::string_view kRemove = "remover\t";
constexpr std::uint64_t kTextLimit = 16 << 20;
constexpr const char* kNothingChanged = " Nada foi alterado.";

// The renames of a folder reach the disk with the folder itself.
void syncFolder(const std::filesystem::path& folder)
{
#ifndef _WIN32
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)folder;
#endif
}

bool plainName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos;
}

void removeStaging(const std::filesystem::path& staging)
{
    std::error_code ec;
    std::filesystem::remove_all(staging, ec);
}

struct Staged {
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
};

class Unpacker {
public:
    Unpacker(const std::filesystem::path& archive, const std::filesystem::path& staging)
        : m_archive(archive), m_staging(staging)
    {
    }

    // Empty when the archive is whole and fit to restore; else the reason.
    std::string unpack();

    std::optional<std::vector<StoredSetting>> settings;
    std::vector<std::string> files;
    bool writeFailed = false;

private:
    std::string readText(ZipReader& zip, std::string& text, Staged& staged);
    std::string checkAgainstManifest() const;

    std::filesystem::path m_archive;
    std::filesystem::path m_staging;
    std::map<std::string, Staged> m_read;
    std::optional<BackupHeader> m_header;
    std::optional<std::vector<ManifestLine>> m_manifest;
};

std::string Unpacker::readText(ZipReader& zip, std::string& text, Staged& staged)
{
    bool tooLong = false;
    const bool read = zip.read([&](std::span<const std::uint8_t> block) {
        staged.crc = crc32(block, staged.crc);
        staged.size += block.size();
        tooLong = staged.size > kTextLimit;
        text.append(block.begin(), block.end());
        return !tooLong;
    });
    if (tooLong) {
        return "o arquivo está danificado (conteúdo longo demais)";
    }
    return read ? std::string() : "o arquivo está danificado ou incompleto (" + zip.error() + ")";
}

std::string Unpacker::unpack()
{
    std::error_code ec;
    std::filesystem::create_directories(m_staging, ec);
    ZipReader zip(m_archive);
    if (zip.failed()) {
        return "o arquivo não pôde ser lido (" + zip.error() + ")";
    }
    std::string manifestText;
    std::string settingsData;
    while (const auto entry = zip.next()) {
        if (!entry->regular || !plainName(entry->name) || m_read.count(entry->name)) {
            return "o arquivo guarda uma entrada inesperada ('" + entry->name + "')";
        }
        Staged staged;
        std::string why;
        if (entry->name == kHeaderEntry) {
            std::string text;
            why = readText(zip, text, staged);
            m_header = parseHeader(text);
        } else if (entry->name == kManifestEntry) {
            why = readText(zip, manifestText, staged);
            m_manifest = parseManifest(manifestText);
        } else if (entry->name == kSettingsEntry) {
            why = readText(zip, settingsData, staged);
            settings = parseSettings(settingsData);
        } else if (isStoreFileName(entry->name)) {
            // The staging folder is new: the first block creates the file.
            const auto target = m_staging / entry->name;
            const bool read = zip.read([&](std::span<const std::uint8_t> block) {
                staged.crc = crc32(block, staged.crc);
                writeFailed = !binaryfile::writeAt(target, staged.size, block);
                staged.size += block.size();
                return !writeFailed;
            });
            if (read && staged.size == 0) {
                writeFailed = !binaryfile::writeNew(target, {});
            }
            writeFailed = writeFailed || (read && !binaryfile::sync(target));
            if (writeFailed) {
                return binaryfile::failureMessage(binaryfile::lastFailure());
            }
            if (!read) {
                why = "o arquivo está danificado ou incompleto (" + zip.error() + ")";
            }
            files.push_back(entry->name);
        } else {
            return "o arquivo guarda uma entrada inesperada ('" + entry->name + "')";
        }
        if (!why.empty()) {
            return why;
        }
        m_read.emplace(entry->name, staged);
    }
    if (zip.failed()) {
        return "o arquivo está danificado ou incompleto (" + zip.error() + ")";
    }
    return checkAgainstManifest();
}

std::string Unpacker::checkAgainstManifest() const
{
    if (!m_header) {
        return "não é um back-up do Tavolim";
    }
    if (!m_manifest) {
        return "falta a lista do conteúdo (" + std::string(kManifestEntry) + ")";
    }
    std::set<std::string> listed{kManifestEntry};
    for (const ManifestLine& line : *m_manifest) {
        listed.insert(line.name);
        const auto it = m_read.find(line.name);
        if (it == m_read.end()) {
            return "falta o arquivo '" + line.name + "'";
        }
        if (it->second.size != line.size) {
            return "o arquivo '" + line.name + "' está incompleto";
        }
        if (it->second.crc != line.crc) {
            return "o arquivo '" + line.name + "' está danificado";
        }
    }
    for (const auto& [name, staged] : m_read) {
        if (!listed.count(name)) {
            return "o arquivo '" + name + "' não consta da lista do conteúdo";
        }
    }
    if (!m_read.count(kRulesFile)) {
        return "falta o arquivo '" + std::string(kRulesFile) + "'";
    }
    for (const std::string& name : files) {
        const auto length = recordLengthOf(name);
        if (length && m_read.at(name).size % *length != 0) {
            return "o arquivo '" + name + "' não é feito de registros inteiros";
        }
    }
    if (m_header && settings == std::nullopt && m_read.count(kSettingsEntry)) {
        return "a lista de preferências está danificada";
    }
    return {};
}

std::string markerText(const std::vector<std::string>& removals)
{
    std::string text = std::string(kMarkerTitle) + "\r\n";
    for (const auto& name : removals) {
        text += std::string(kRemove) + name + "\r\n";
    }
    return text + "fim\r\n";
}

std::optional<std::vector<std::string>> parseMarker(const std::string& text)
{
    std::vector<std::string> removals;
    std::size_t at = 0;
    bool titled = false;
    while (at < text.size()) {
        auto end = text.find("\r\n", at);
        if (end == std::string::npos) {
            return std::nullopt;
        }
        const std::string line = text.substr(at, end - at);
        at = end + 2;
        if (!titled) {
            if (line != kMarkerTitle) {
                return std::nullopt;
            }
            titled = true;
        } else if (line == "fim") {
            return removals;
        } else if (line.starts_with(kRemove) && plainName(line.substr(kRemove.size()))) {
            removals.push_back(line.substr(kRemove.size()));
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// Step 4: carries the staged files into the data folder. Each rename replaces one file
// whole, and a file already carried over is no longer staged, so running it again after a
// stop goes on where it stopped.
bool rollForward(const std::filesystem::path& data, const std::filesystem::path& staging,
                 const std::vector<std::string>& removals)
{
    for (const std::string& name : storeFileNames(staging)) {
        if (!binaryfile::replace(staging / name, data / name)) {
            return false;
        }
    }
    for (const std::string& name : removals) {
        if (!binaryfile::remove(data / name)) {
            return false;
        }
    }
    syncFolder(data);
    if (!binaryfile::remove(staging / kMarkerFile)) {
        return false;
    }
    removeStaging(staging);
    return true;
}

std::string refusal(const std::filesystem::path& archive, const std::string& why)
{
    return "O back-up '" + archive.filename().string() + "' não pode ser recuperado: " + why + "." +
           kNothingChanged;
}

} // namespace

std::optional<ArchiveSummary> readArchiveSummary(const std::filesystem::path& file)
{
    ZipReader zip(file);
    const auto entry = zip.next();
    if (!entry || entry->name != kHeaderEntry) {
        return std::nullopt;
    }
    std::string text;
    bool tooLong = false;
    if (!zip.read([&](std::span<const std::uint8_t> block) {
            text.append(block.begin(), block.end());
            tooLong = text.size() > kTextLimit;
            return !tooLong;
        })) {
        return std::nullopt;
    }
    const auto header = parseHeader(text);
    if (!header) {
        return std::nullopt;
    }
    return ArchiveSummary{file, *header, binaryfile::size(file)};
}

std::vector<ArchiveSummary> listArchives(const std::filesystem::path& folder)
{
    std::vector<ArchiveSummary> out;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (it->path().extension() == ".zip" && it->is_regular_file(typeError)) {
            if (auto summary = readArchiveSummary(it->path())) {
                out.push_back(std::move(*summary));
            }
        }
    }
    std::sort(out.begin(), out.end(), [](const ArchiveSummary& a, const ArchiveSummary& b) {
        const auto key = [](const ArchiveSummary& s) {
            return std::tuple(std::chrono::sys_days(s.header.moment.day), s.header.moment.time,
                              s.file.filename().string());
        };
        return key(a) > key(b);
    });
    return out;
}

RestoreOutcome restoreBackup(const RestoreRequest& request, Progress* progress)
{
    RestoreOutcome outcome;
    const auto& data = request.dataFolder;
    const auto staging = data / kRestoreFolder;
    std::error_code ec;
    std::filesystem::create_directories(data, ec);
    if (finishInterruptedRestore(data) == RestoreRecovery::Failed ||
        recoverJournal(data) == JournalRecovery::Undone) {
        outcome.message = binaryfile::failureMessage(binaryfile::lastFailure()) + kNothingChanged;
        return outcome;
    }

    Unpacker unpacker(request.archive, staging);
    std::string why;
    {
        ScopedWait wait(progress, "Conferindo o back-up...");
        why = unpacker.unpack();
    }
    if (!why.empty()) {
        removeStaging(staging);
        outcome.message =
            unpacker.writeFailed ? why + kNothingChanged : refusal(request.archive, why);
        return outcome;
    }

    if (binaryfile::exists(data / kRulesFile)) {
        BackupRequest copy;
        copy.dataFolder = data;
        copy.destination = request.safetyFolder;
        copy.storeName = request.storeName;
        copy.moment = request.moment;
        copy.version = request.version;
        copy.settings = request.currentSettings;
        copy.safetyCopy = true;
        const BackupOutcome safety = makeBackup(copy, progress);
        if (!safety.done) {
            removeStaging(staging);
            outcome.message = "A cópia de segurança dos dados atuais não pôde ser feita: " +
                              safety.message.substr(0, safety.message.rfind(" O back-up")) +
                              " O back-up não foi recuperado." + kNothingChanged;
            return outcome;
        }
        outcome.safetyCopy = safety.archive;
    }

    const std::set<std::string> incoming(unpacker.files.begin(), unpacker.files.end());
    std::vector<std::string> removals;
    for (const std::string& name : storeFileNames(data)) {
        if (!incoming.count(name)) {
            removals.push_back(name);
        }
    }
    const std::string marker = markerText(removals);
    if (!binaryfile::writeAllAtomic(staging / kMarkerFile,
                                    std::vector<std::uint8_t>(marker.begin(), marker.end()))) {
        outcome.message = binaryfile::failureMessage(binaryfile::lastFailure()) + kNothingChanged;
        removeStaging(staging);
        return outcome;
    }
    {
        ScopedWait wait(progress, "Recuperando os arquivos...");
        if (!rollForward(data, staging, removals)) {
            outcome.message = binaryfile::failureMessage(binaryfile::lastFailure()) +
                              " A recuperação será concluída na próxima vez que o programa "
                              "abrir a pasta de dados.";
            return outcome;
        }
    }
    if (request.settings && unpacker.settings) {
        for (const StoredSetting& s : *unpacker.settings) {
            const bool ours =
                std::find(std::begin(kBackedUpApplications), std::end(kBackedUpApplications),
                          s.application) != std::end(kBackedUpApplications);
            if (ours) {
                request.settings->write(s.application, s.value.section, s.value.key, s.value.value);
            }
        }
    }
    outcome.done = true;
    return outcome;
}

RestoreRecovery finishInterruptedRestore(const std::filesystem::path& dataFolder)
{
    const auto staging = dataFolder / kRestoreFolder;
    std::error_code ec;
    if (!std::filesystem::is_directory(staging, ec)) {
        return RestoreRecovery::None;
    }
    const auto bytes = binaryfile::readAll(staging / kMarkerFile);
    const auto removals = parseMarker(std::string(bytes.begin(), bytes.end()));
    if (!removals) {
        removeStaging(staging);
        return RestoreRecovery::Discarded;
    }
    return rollForward(dataFolder, staging, *removals) ? RestoreRecovery::Completed
                                                       : RestoreRecovery::Failed;
}

} // namespace tavolim::core
