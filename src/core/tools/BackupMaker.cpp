#include "core/tools/BackupMaker.h"

#include "core/ports/Progress.h"
#include "core/store/BinaryFile.h"
#include "core/store/Crc32.h"
#include "core/store/FileTransaction.h"
#include "core/tools/StoreFiles.h"
#include "core/tools/ZipArchive.h"

#include <cerrno>
#include <chrono>
#include <map>

namespace tavolim::core {
namespace {

constexpr std::size_t kBlock = 1 << 20;
constexpr int kAttempts = 3;
// Fast deflate: record files are mostly spaces and zeros, which the lowest level already
// squeezes well, at a fraction of the time of the higher ones.
constexpr int kCompressionLevel = 1;
constexpr const char* kNotDone = " O back-up não foi feito.";
constexpr const char* kCancelled = "O back-up foi cancelado; nada foi gravado.";

struct FileStamp {
    std::uint64_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const FileStamp&) const = default;
};

using Stamps = std::map<std::string, FileStamp>;

Stamps stampsOf(const std::filesystem::path& folder)
{
    Stamps out;
    for (const std::string& name : storeFileNames(folder)) {
        std::error_code ec;
        FileStamp stamp;
        stamp.size = std::filesystem::file_size(folder / name, ec);
        stamp.modified = std::filesystem::last_write_time(folder / name, ec);
        out.emplace(name, stamp);
    }
    return out;
}

std::int64_t unixTime(std::filesystem::file_time_type t)
{
    const auto system = std::chrono::file_clock::to_sys(t);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

// Counts the work done (bytes written, then bytes read back) as a percentage.
class Meter {
public:
    Meter(Progress* progress, std::uint64_t total) : m_progress(progress), m_total(total) {}

    void phase(const std::string& caption)
    {
        if (m_progress) {
            // A backup may stop anywhere: the progress window offers Cancelar.
            m_progress->beginCancellable(caption, 0, 100);
            m_progress->step(percent());
        }
    }
    void add(std::uint64_t bytes)
    {
        m_done += bytes;
        if (m_progress) {
            m_progress->step(percent());
        }
    }
    void end()
    {
        if (m_progress) {
            m_progress->end();
        }
    }

private:
    int percent() const
    {
        return m_total == 0
                   ? 100
                   : static_cast<int>(std::min<std::uint64_t>(m_done * 100 / m_total, 100));
    }

    Progress* m_progress;
    std::uint64_t m_total;
    std::uint64_t m_done = 0;
};

enum class Pass { Written, Changed, Failed, Cancelled };

struct Attempt {
    Pass pass = Pass::Failed;
    std::vector<ManifestLine> entries; // every entry written, in order
    std::string message;
    std::vector<std::string> warnings;
};

class BackupRun {
public:
    BackupRun(const BackupRequest& request, Progress* progress,
              const std::function<bool()>& cancelRequested)
        : m_request(request), m_progress(progress), m_cancelRequested(cancelRequested)
    {
    }

    BackupOutcome run();

private:
    Attempt write(const std::filesystem::path& partial, const Stamps& stamps, Meter& meter);
    std::string verify(const std::filesystem::path& partial,
                       const std::vector<ManifestLine>& entries, Meter& meter, bool& stopped);
    bool cancelled() const
    {
        return m_cancelRequested ? m_cancelRequested()
                                 : m_progress != nullptr && m_progress->cancelRequested();
    }

    const BackupRequest& m_request;
    Progress* m_progress;
    const std::function<bool()>& m_cancelRequested;
};

Attempt BackupRun::write(const std::filesystem::path& partial, const Stamps& stamps, Meter& meter)
{
    Attempt attempt;
    ZipWriter zip(partial, kCompressionLevel);
    const auto made = std::chrono::sys_days(m_request.moment.day) + m_request.moment.time;
    const auto madeSeconds =
        std::chrono::duration_cast<std::chrono::seconds>(made.time_since_epoch()).count();
    const auto addText = [&](const char* name, const std::string& text) {
        const auto bytes = bytesOf(text);
        attempt.entries.push_back({name, bytes.size(), crc32(bytes)});
        return zip.beginEntry(name, bytes.size(), madeSeconds) && zip.write(bytes);
    };
    const auto failed = [&] {
        attempt.pass = Pass::Failed;
        attempt.message = zip.error() + kNotDone;
        return attempt;
    };

    BackupHeader header{m_request.version, m_request.storeName, m_request.moment,
                        m_request.safetyCopy};
    if (!addText(kHeaderEntry, headerText(header))) {
        return failed();
    }
    bool cut = false;
    for (const auto& [name, stamp] : stamps) {
        std::uint64_t stored = stamp.size;
        if (const auto length = recordLengthOf(name); length && stamp.size % *length != 0) {
            stored -= stamp.size % *length;
            attempt.warnings.push_back("O final incompleto do arquivo '" + name + "' (" +
                                       std::to_string(stamp.size % *length) +
                                       " bytes) ficou fora do back-up: não forma um registro "
                                       "inteiro e o programa não o lê.");
        }
        if (!zip.beginEntry(name, stored, unixTime(stamp.modified))) {
            return failed();
        }
        std::uint32_t crc = 0;
        std::uint64_t got = 0;
        bool writeFailed = false;
        bool stop = false;
        binaryfile::readBlocks(m_request.dataFolder / name, 0, stored, kBlock,
                               [&](std::span<const std::uint8_t> block) {
                                   if (writeFailed || stop) {
                                       return;
                                   }
                                   crc = crc32(block, crc);
                                   got += block.size();
                                   writeFailed = !zip.write(block);
                                   meter.add(block.size());
                                   stop = cancelled();
                               });
        if (writeFailed) {
            return failed();
        }
        if (stop) {
            attempt.pass = Pass::Cancelled;
            return attempt;
        }
        if (got != stored) {
            // Shorter than a moment ago: someone is writing the folder.
            cut = true;
            break;
        }
        attempt.entries.push_back({name, stored, crc});
    }
    if (cut) {
        attempt.pass = Pass::Changed;
        return attempt;
    }
    if (!m_request.settings.empty() && !addText(kSettingsEntry, settingsText(m_request.settings))) {
        return failed();
    }
    const std::string manifest = manifestText(attempt.entries);
    if (!addText(kManifestEntry, manifest) || !zip.close()) {
        return failed();
    }
    attempt.pass = Pass::Written;
    return attempt;
}

std::string BackupRun::verify(const std::filesystem::path& partial,
                              const std::vector<ManifestLine>& entries, Meter& meter, bool& stopped)
{
    const std::string name = partial.filename().string();
    const auto mismatch = [&](const std::string& what) {
        return "O back-up gravado em '" + name + "' não confere com os dados (" + what + ")." +
               kNotDone;
    };
    ZipReader zip(partial);
    for (const ManifestLine& expected : entries) {
        const auto entry = zip.next();
        if (!entry) {
            return mismatch(zip.failed() ? zip.error() : "falta o arquivo '" + expected.name + "'");
        }
        if (entry->name != expected.name) {
            return mismatch("arquivo inesperado '" + entry->name + "'");
        }
        std::uint32_t crc = 0;
        std::uint64_t size = 0;
        const bool read = zip.read([&](std::span<const std::uint8_t> block) {
            crc = crc32(block, crc);
            size += block.size();
            meter.add(block.size());
            stopped = cancelled();
            return !stopped;
        });
        if (stopped) {
            return {};
        }
        if (!read) {
            return mismatch(expected.name + ": " + zip.error());
        }
        if (size != expected.size || crc != expected.crc) {
            return mismatch(expected.name + ": tamanho ou CRC diferente");
        }
    }
    if (zip.next()) {
        return mismatch("entradas a mais");
    }
    return {};
}

BackupOutcome BackupRun::run()
{
    BackupOutcome outcome;
    const auto& data = m_request.dataFolder;
    if (!binaryfile::exists(data / kRulesFile)) {
        outcome.message =
            "A pasta '" + data.string() + "' não tem uma instalação do Tavolim." + kNotDone;
        return outcome;
    }
    std::error_code ec;
    std::filesystem::create_directories(m_request.destination, ec);
    if (ec || !std::filesystem::is_directory(m_request.destination)) {
        outcome.message = "Não foi possível criar a pasta '" + m_request.destination.string() +
                          "' (" + binaryfile::causeText(ec ? ec.value() : ENOTDIR) + ")." +
                          kNotDone;
        return outcome;
    }

    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (binaryfile::exists(data / kJournalFile)) {
            outcome.message = "Uma gravação foi interrompida na pasta de dados e ainda não foi "
                              "concluída (" +
                              std::string(kJournalFile) +
                              "); abra o programa nessa pasta antes de fazer o back-up." + kNotDone;
            return outcome;
        }
        const Stamps before = stampsOf(data);
        std::uint64_t total = 0;
        for (const auto& [name, stamp] : before) {
            total += stamp.size;
        }
        const auto final = freeArchivePath(m_request.destination, m_request.storeName,
                                           m_request.moment, m_request.safetyCopy);
        auto partial = final;
        partial += ".parcial";
        Meter meter(m_progress, 2 * total);
        meter.phase("Copiando os arquivos para o back-up...");
        Attempt written = write(partial, before, meter);
        const auto discard = [&] {
            meter.end();
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
        };
        if (written.pass == Pass::Written &&
            (stampsOf(data) != before || binaryfile::exists(data / kJournalFile))) {
            written.pass = Pass::Changed;
        }
        if (written.pass == Pass::Changed) {
            discard();
            continue;
        }
        if (written.pass == Pass::Cancelled) {
            discard();
            outcome.cancelled = true;
            outcome.message = kCancelled;
            return outcome;
        }
        if (written.pass == Pass::Failed || !binaryfile::sync(partial)) {
            discard();
            outcome.message =
                written.pass == Pass::Failed
                    ? written.message
                    : binaryfile::failureMessage(binaryfile::lastFailure()) + kNotDone;
            return outcome;
        }
        meter.phase("Conferindo o back-up...");
        bool stopped = false;
        const std::string wrong = verify(partial, written.entries, meter, stopped);
        if (stopped || !wrong.empty()) {
            discard();
            outcome.cancelled = stopped;
            outcome.message = stopped ? kCancelled : wrong;
            return outcome;
        }
        if (!binaryfile::replace(partial, final)) {
            discard();
            outcome.message = binaryfile::failureMessage(binaryfile::lastFailure()) + kNotDone;
            return outcome;
        }
        meter.end();
        outcome.done = true;
        outcome.archive = final;
        outcome.archiveSize = binaryfile::size(final);
        outcome.warnings = std::move(written.warnings);
        if (!m_request.safetyCopy) {
            for (const auto& old :
                 archivesBeyond(m_request.destination, m_request.storeName, m_request.keep)) {
                if (!binaryfile::remove(old)) {
                    outcome.warnings.push_back(
                        "O back-up antigo '" + old.filename().string() +
                        "' não pôde ser apagado (" +
                        binaryfile::causeText(binaryfile::lastFailure().error) + ").");
                }
            }
        }
        return outcome;
    }
    outcome.message = "Os arquivos de dados mudaram durante a cópia (o programa está gravando "
                      "neles?); tente de novo." +
                      std::string(kNotDone);
    return outcome;
}

} // namespace

BackupOutcome makeBackup(const BackupRequest& request, Progress* progress,
                         const std::function<bool()>& cancelRequested)
{
    return BackupRun(request, progress, cancelRequested).run();
}

} // namespace tavolim::core
