#include "StoreFixture.h"
#include "core/ports/Backup.h"
#include "core/ports/Dialogs.h"
#include "core/store/Crc32.h"
#include "core/store/FileTransaction.h"
#include "core/store/TextHelpers.h"
#include "core/tools/BackupContents.h"
#include "core/tools/BackupForm.h"
#include "core/tools/BackupMaker.h"
#include "core/tools/BackupRestore.h"
#include "core/tools/BackupSession.h"
#include "core/tools/RestoreForm.h"
#include "core/tools/ZipArchive.h"

#include <algorithm>
#include <cerrno>

namespace tavolim::core {
namespace {

using namespace std::chrono;
using test::snapshotOf;

std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const auto name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

class BackupTest : public test::SampleStoreFixture {
protected:
    BackupOutcome backUp() { return makeBackup(backupRequest(state, backups())); }

    // An archive of the given entries, stored as they are.
    void writeZip(const std::filesystem::path& file,
                  const std::vector<std::pair<std::string, std::string>>& entries)
    {
        ZipWriter zip(file, 0);
        for (const auto& [name, text] : entries) {
            const auto bytes = bytesOf(text);
            ASSERT_TRUE(zip.beginEntry(name, bytes.size(), 0) && zip.write(bytes)) << name;
        }
        ASSERT_TRUE(zip.close());
    }

    std::string fileText(const char* name) const { return test::diskText(data() / name); }
};

TEST(Crc32, KnownValuesWholeOrInPieces)
{
    const std::string check = "123456789";
    std::string long_(1000, '\0');
    for (std::size_t i = 0; i < long_.size(); ++i) {
        long_[i] = static_cast<char>(i * 7 + 3);
    }
    const auto whole = crc32(bytesOf(long_));
    for (std::size_t cut = 0; cut <= 17; ++cut) {
        const auto bytes = bytesOf(long_);
        const auto first = crc32(std::span(bytes).first(cut));
        EXPECT_EQ(crc32(std::span(bytes).subspan(cut), first), whole) << cut;
    }
    EXPECT_EQ(crc32(bytesOf(check)), 0xCBF43926u);
    EXPECT_EQ(crc32({}), 0u);
    EXPECT_EQ(crc32(bytesOf(std::string(32, 'a'))), 0xcab11777u);
}

TEST_F(BackupTest, RoundTripRestoresEveryFileByteForByte)
{
    put(data() / "Err.log", "\"01/12/2026 - reparo\ncódigo\"\r\n");
    settings.write("Tavolim", "Opções", "Cabeçalho", "Locadora\r\nRua 1\\2");
    settings.write("EdTexto", "Fonte", "Nome", "Courier\tNew");
    settings.write("Outro", "Seção", "Chave", "não vai");
    const auto before = snapshotOf(data());
    const BackupOutcome made = backUp();
    ASSERT_TRUE(made.done) << made.message;
    put(data() / "DadosCli.tvl", fileText("DadosCli.tvl").substr(0, ClientRecord::Size));
    put(data() / "Extra.tvl", "de depois");
    std::filesystem::remove(data() / "Err.log");
    const auto changed = snapshotOf(data());
    test::MemorySettings restoredSettings;
    auto request = restoreRequest(state, made.archive);
    request.settings = &restoredSettings;

    const RestoreOutcome restored = restoreBackup(request);

    ASSERT_TRUE(restored.done) << restored.message;
    EXPECT_EQ(test::differences(snapshotOf(data()), before), std::vector<std::string>{});
    EXPECT_FALSE(std::filesystem::exists(data() / kRestoreFolder));
    settings.values.erase({"Outro", "Seção", "Chave"});
    EXPECT_EQ(restoredSettings.values, settings.values);
    // The safety copy holds the data the restore replaced, and restores like any backup.
    ASSERT_EQ(restored.safetyCopy.parent_path(), data() / "Backups");
    ASSERT_TRUE(readArchiveSummary(restored.safetyCopy)->header.safetyCopy);
    ASSERT_TRUE(restoreBackup(restoreRequest(state, restored.safetyCopy)).done);
    EXPECT_EQ(test::differences(snapshotOf(data()), changed), std::vector<std::string>{});
    // Into a folder with no store: the same files, and no safety copy.
    auto fresh = restoreRequest(state, made.archive);
    fresh.dataFolder = other.path() / "Nova";
    const RestoreOutcome elsewhere = restoreBackup(fresh);
    ASSERT_TRUE(elsewhere.done) << elsewhere.message;
    EXPECT_EQ(test::differences(snapshotOf(fresh.dataFolder), before), std::vector<std::string>{});
    EXPECT_TRUE(elsewhere.safetyCopy.empty());
}

TEST_F(BackupTest, ArchivesAreListedNewestFirstWithTheirStoreDateAndSize)
{
    const std::pair<year_month_day, minutes> moments[] = {
        {year{2026} / 12 / 3, hours{9}},
        {year{2026} / 12 / 5, hours{8} + minutes{5}},
        {year{2026} / 12 / 4, hours{23}},
    };
    for (const auto& [day, time] : moments) {
        clock.date = day;
        clock.now = time;
        ASSERT_TRUE(backUp().done);
    }
    put(backups() / "notas.zip", "não é zip");
    writeZip(backups() / "outro.zip", {{"Leiame.txt", "de outro programa"}});

    const auto listed = listArchives(backups());

    ASSERT_EQ(listed.size(), 3u);
    const std::string store = trim(state.records().store().NomeFantasia);
    const std::vector<std::string> expected[] = {
        {"05/12/2026 08:05", store, sizeText(listed[0].size)},
        {"04/12/2026 23:00", store, sizeText(listed[1].size)},
        {"03/12/2026 09:00", store, sizeText(listed[2].size)},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(RestoreForm::columns(listed[i]), expected[i]);
        EXPECT_EQ(listed[i].size, binaryfile::size(listed[i].file));
        EXPECT_EQ(listed[i].header.version, programVersion());
    }
    const auto name = listed[0].file.filename().u8string();
    EXPECT_EQ(std::string(name.begin(), name.end()),
              "Tavolim - " + store + " - 2026-12-05 08h05.zip");
    EXPECT_EQ(sizeText(1536), "2 KB");
    EXPECT_EQ(sizeText(3 * 1024 * 1024 + 300 * 1024), "3,3 MB");
}

TEST_F(BackupTest, DamagedOrForeignArchivesAreRefusedBeforeAnythingChanges)
{
    const std::string header =
        headerText({"1.0.0", "Loja", {year{2026} / 12 / 1, hours{10}}, false});
    const std::string clients = fileText("DadosCli.tvl");
    const std::string rules = fileText("tavolim.ini");
    const auto line = [](const std::string& name, const std::string& text) {
        return ManifestLine{name, text.size(), crc32(bytesOf(text))};
    };
    const std::string manifest = manifestText(
        {line("Tavolim.txt", header), line("DadosCli.tvl", clients), line("tavolim.ini", rules)});
    std::string damaged = clients;
    damaged[400] ^= 0x20;
    const std::string shortClients = clients.substr(0, clients.size() - 349);
    const std::string ragged = clients + "12345";
    using Entries = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        Entries entries;
        std::string why;
    };
    const Case cases[] = {
        {{{"Tavolim.txt", header}, {"tavolim.ini", rules}, {"Conteudo.txt", manifest}},
         "falta o arquivo 'DadosCli.tvl'"},
        {{{"Tavolim.txt", header},
          {"DadosCli.tvl", shortClients},
          {"tavolim.ini", rules},
          {"Conteudo.txt", manifest}},
         "o arquivo 'DadosCli.tvl' está incompleto"},
        {{{"Tavolim.txt", header},
          {"DadosCli.tvl", damaged},
          {"tavolim.ini", rules},
          {"Conteudo.txt", manifest}},
         "o arquivo 'DadosCli.tvl' está danificado"},
        {{{"Tavolim.txt", header},
          {"DadosCli.tvl", ragged},
          {"tavolim.ini", rules},
          {"Conteudo.txt", manifestText({line("Tavolim.txt", header), line("DadosCli.tvl", ragged),
                                         line("tavolim.ini", rules)})}},
         "o arquivo 'DadosCli.tvl' não é feito de registros inteiros"},
        {{{"Tavolim.txt", header},
          {"DadosCli.tvl", clients},
          {"Conteudo.txt",
           manifestText({line("Tavolim.txt", header), line("DadosCli.tvl", clients)})}},
         "falta o arquivo 'tavolim.ini'"},
        {{{"DadosCli.tvl", clients}, {"tavolim.ini", rules}, {"Conteudo.txt", manifest}},
         "não é um back-up do Tavolim"},
        {{{"Tavolim.txt", header}, {"DadosCli.tvl", clients}, {"tavolim.ini", rules}},
         "falta a lista do conteúdo (Conteudo.txt)"},
        {{{"Tavolim.txt", header}, {"Leiame.doc", "?"}, {"Conteudo.txt", manifest}},
         "o arquivo guarda uma entrada inesperada ('Leiame.doc')"},
        {{{"Tavolim.txt", header}, {"sub/DadosCli.tvl", clients}, {"Conteudo.txt", manifest}},
         "o arquivo guarda uma entrada inesperada ('sub/DadosCli.tvl')"},
        {{{"Tavolim.txt", header},
          {"DadosCli.tvl", clients},
          {"tavolim.ini", rules},
          {"Extra.tvl", "?"},
          {"Conteudo.txt", manifest}},
         "o arquivo 'Extra.tvl' não consta da lista do conteúdo"},
    };
    const auto before = snapshotOf(data());
    const auto archive = other.path() / "back-up.zip";
    const auto refuse = [&](const std::string& why) {
        const RestoreOutcome outcome = restoreBackup(restoreRequest(state, archive));
        EXPECT_FALSE(outcome.done);
        EXPECT_EQ(outcome.message.rfind("O back-up 'back-up.zip' não pode ser recuperado: ", 0), 0u)
            << outcome.message;
        EXPECT_NE(outcome.message.find(why), std::string::npos) << outcome.message;
        EXPECT_TRUE(outcome.message.ends_with(". Nada foi alterado.")) << outcome.message;
        EXPECT_EQ(test::differences(snapshotOf(data()), before), std::vector<std::string>{});
        EXPECT_FALSE(std::filesystem::exists(data() / kRestoreFolder));
        EXPECT_FALSE(std::filesystem::exists(data() / "Backups"));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        writeZip(archive, c.entries);
        refuse(c.why);
    }

    // A whole archive cut short, and one with a byte of a stored entry changed under its CRC.
    writeZip(archive, {{"Tavolim.txt", header},
                       {"DadosCli.tvl", clients},
                       {"tavolim.ini", rules},
                       {"Conteudo.txt", manifest}});
    const std::string whole = test::diskText(archive);
    put(archive, whole.substr(0, whole.size() / 2));
    refuse("");
    std::string flipped = whole;
    flipped[flipped.find(clients.substr(0, 64)) + 500] ^= 0x01;
    put(archive, flipped);
    refuse("o arquivo está danificado ou incompleto");
}

// A backup port whose backup is the backup window's work with its folder as it opens.
class FormBackup final : public Backup {
public:
    explicit FormBackup(AppState& state) : m_state(state) {}
    bool available() const override { return true; }
    bool backup(const std::string&) override
    {
        BackupForm form(m_state);
        return form.fazerBackup(progress);
    }
    bool backupOnExit(const std::string& last) override { return backup(last); }
    bool restore() override { return false; }

    test::RecordingProgress progress;

private:
    AppState& m_state;
};

TEST_F(BackupTest, AFullOrReadOnlyFolderFailsCleanlyKeepingTheLastBackupDate)
{
    state.options().UltDiaFezBak = "01/12/2026";
    ASSERT_TRUE(state.config().writeConfig("UltDiaFezBak", "01/12/2026"));
    rememberBackupFolder(state, backups());
    FormBackup port(state);
    const int steps = test::countFaultPoints(
        [&] { ASSERT_TRUE(makeBackup(backupRequest(state, other.path() / "Contagem")).done); });
    ASSERT_GE(steps, 4); // create, write, sync, rename at least
    struct Case {
        int step;
        int error;
        std::string cause;
    };
    std::vector<Case> cases;
    for (int k = 1; k <= steps; ++k) {
        cases.push_back({k, ENOSPC, "disco cheio"});
    }
    cases.push_back({1, EROFS, "disco somente para leitura"});
    cases.push_back({1, EACCES, "sem permissão de gravação"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        dialogs.messages.clear();
        test::failAt(c.step, c.error);

        EXPECT_FALSE(backupOnDemand(state, port));

        binaryfile::setFaultHook({});
        EXPECT_EQ(namesIn(backups()), std::vector<std::string>{});
        EXPECT_EQ(state.options().UltDiaFezBak, "01/12/2026");
        EXPECT_EQ(state.config().readConfig("UltDiaFezBak", ""), "01/12/2026");
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].flags, msg::Critical);
        EXPECT_NE(dialogs.messages[0].text.find("(" + c.cause + ")"), std::string::npos)
            << dialogs.messages[0].text;
        EXPECT_TRUE(dialogs.messages[0].text.ends_with("O back-up não foi feito."));
    }

    // A folder that cannot be made (a file stands in its place).
    put(other.path() / "Arquivo", "x");
    rememberBackupFolder(state, other.path() / "Arquivo");
    dialogs.messages.clear();
    EXPECT_FALSE(backupOnDemand(state, port));
    EXPECT_NE(dialogs.shownTexts().at(0).find("Não foi possível criar a pasta"), std::string::npos);

    rememberBackupFolder(state, backups());
    port.progress.captions.clear();
    EXPECT_TRUE(backupOnDemand(state, port));
    EXPECT_EQ(state.config().readConfig("UltDiaFezBak", ""), "05/12/2026");
    EXPECT_EQ(namesIn(backups()).size(), 1u);
    EXPECT_EQ(port.progress.captions,
              (std::vector<std::string>{"Copiando os arquivos para o back-up...",
                                        "Conferindo o back-up..."}));
    EXPECT_EQ(port.progress.lastValue, 100);
}

TEST_F(BackupTest, TheNewestNOfTheStoreAreKeptAndNothingElseIsTouched)
{
    state.options().NumBackUps = 3;
    const std::string store = trim(state.records().store().NomeFantasia);
    const std::vector<std::string> strangers = {
        "Tavolim - Outra Loja - 2020-01-01 10h00.zip",
        "Tavolim - " + store + " - 2020-01-01 10h00 - antes de recuperar.zip",
        "Tavolim - " + store + " - notas.zip",
        "leiame.txt",
    };
    std::filesystem::create_directories(backups());
    for (const auto& name : strangers) {
        put(backups() / std::filesystem::path(std::u8string(name.begin(), name.end())), "?");
    }
    const std::pair<int, int> moments[] = {{1, 600}, {2, 600}, {2, 600}, {3, 480}, {3, 481}};
    for (const auto& [day, minute] : moments) {
        clock.date = year{2026} / 12 / day;
        clock.now = minutes{minute};
        ASSERT_TRUE(backUp().done);
    }

    std::vector<std::string> expected = strangers;
    for (const char* kept : {"2026-12-02 10h00 (2)", "2026-12-03 08h00", "2026-12-03 08h01"}) {
        expected.push_back("Tavolim - " + store + " - " + kept + ".zip");
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(backups()), expected);
}

TEST_F(BackupTest, CancellingLeavesTheFolderAsItWas)
{
    int asked = 0;
    for (const int cancelAt : {1, 3}) {
        asked = 0;
        const BackupOutcome outcome = makeBackup(backupRequest(state, backups()), &progress,
                                                 [&] { return ++asked >= cancelAt; });

        EXPECT_FALSE(outcome.done);
        EXPECT_TRUE(outcome.cancelled);
        EXPECT_EQ(outcome.message, "O back-up foi cancelado; nada foi gravado.");
        EXPECT_EQ(namesIn(backups()), std::vector<std::string>{});
    }
    // Without a cancel of its own, the backup stops at the progress window's Cancelar.
    progress.cancelAfterSteps = 2;
    const BackupOutcome outcome = makeBackup(backupRequest(state, backups()), &progress);
    EXPECT_TRUE(progress.cancellable);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(namesIn(backups()), std::vector<std::string>{});
}

TEST_F(BackupTest, FilesChangedWhileCopiedAreCopiedAgain)
{
    const auto tapes = data() / "DadosFit.tvl";
    const std::string grown = fileText("DadosFit.tvl") + std::string(TapeRecord::Size, '\0');
    bool written = false;
    const BackupOutcome outcome = makeBackup(backupRequest(state, backups()), nullptr, [&] {
        if (!written) {
            written = true;
            put(tapes, grown);
        }
        return false;
    });
    ASSERT_TRUE(outcome.done) << outcome.message;
    const auto after = snapshotOf(data());

    ASSERT_TRUE(restoreBackup(restoreRequest(state, outcome.archive)).done);

    EXPECT_EQ(fileText("DadosFit.tvl"), grown);
    EXPECT_EQ(test::differences(snapshotOf(data()), after), std::vector<std::string>{});
}

TEST_F(BackupTest, AnIncompleteLastRecordIsLeftOutWithAWarning)
{
    const std::string clients = fileText("DadosCli.tvl");
    put(data() / "DadosCli.tvl", clients + "12345");
    put(data() / "Memos.tvl", fileText("Memos.tvl") + "xyz"); // no records: kept whole

    const BackupOutcome outcome = backUp();
    ASSERT_TRUE(outcome.done) << outcome.message;
    const std::string memos = fileText("Memos.tvl");
    ASSERT_TRUE(restoreBackup(restoreRequest(state, outcome.archive)).done);

    EXPECT_EQ(outcome.warnings,
              std::vector<std::string>{"O final incompleto do arquivo 'DadosCli.tvl' (5 bytes) "
                                       "ficou fora do back-up: não forma um registro inteiro e o "
                                       "programa não o lê."});
    EXPECT_EQ(fileText("DadosCli.tvl"), clients);
    EXPECT_EQ(fileText("Memos.tvl"), memos);
}

TEST_F(BackupTest, AnUnfinishedJournalOrNoStoreRefusesTheBackup)
{
    put(data() / kJournalFile, "meio");
    const BackupOutcome journal = backUp();
    std::filesystem::remove(data() / kJournalFile);
    std::filesystem::remove(data() / "tavolim.ini");
    const BackupOutcome empty = backUp();

    EXPECT_FALSE(journal.done);
    EXPECT_NE(journal.message.find("(Diario.jnl)"), std::string::npos);
    EXPECT_FALSE(empty.done);
    EXPECT_NE(empty.message.find("não tem uma instalação do Tavolim"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(backups()) && !namesIn(backups()).empty());
}

} // namespace
} // namespace tavolim::core
