#include "app/shell/Startup.h"

#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <fstream>

namespace tavolim::app {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

constexpr year_month_day kToday = year{2026} / 3 / 14;

TEST(Startup, DataFolderArgumentTakesBothFormsAndIgnoresTheRest)
{
    struct Case {
        QStringList args;
        std::optional<fs::path> expected;
    };
    const Case cases[] = {
        {{"tavolim"}, std::nullopt},
        {{"tavolim", "--dados", "/srv/loja"}, fs::path("/srv/loja")},
        {{"tavolim", "--dados=/srv/loja"}, fs::path("/srv/loja")},
        {{"tavolim", "--dados"}, std::nullopt},
        {{"tavolim", "--dados="}, std::nullopt},
        {{"tavolim", "--dadosx=/srv/loja"}, std::nullopt},
        {{"tavolim", "--dados", "/a", "--dados=/b"}, fs::path("/b")},
        {{"tavolim", "-x", "--dados", "/srv/Vídeo Sol"}, fs::path(u8"/srv/Vídeo Sol")},
        // The program's own path is never taken for the option.
        {{"--dados=/srv/loja"}, std::nullopt},
    };

    for (const Case& c : cases) {
        EXPECT_EQ(dataFolderArgument(c.args), c.expected) << c.args.join(' ').toStdString();
    }
}

TEST(Startup, ResolvedFolderIsAbsoluteAndFallsBackToThePerUserFolder)
{
    const test::TempDataFolder given;
    const fs::path perUser =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdU16String();

    EXPECT_EQ(resolveDataFolder({"tavolim", "--dados", given.path().c_str()}), given.path());
    EXPECT_EQ(resolveDataFolder({"tavolim", "--dados=loja"}), fs::current_path() / "loja");
    EXPECT_EQ(resolveDataFolder({"tavolim"}), perUser.lexically_normal());
}

TEST(Startup, EmptyFolderBecomesANewStore)
{
    const test::TempDataFolder folder;
    test::ScriptedDialogs dialogs;

    const auto made = prepareDataFolder(folder.path() / "nova", kToday, dialogs);
    const auto again = prepareDataFolder(folder.path() / "nova", kToday, dialogs);

    EXPECT_EQ(made, DataFolderState::Created);
    EXPECT_EQ(again, DataFolderState::Ready);
    EXPECT_TRUE(fs::exists(folder.path() / "nova" / "tavolim.ini"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Startup, FolderThatCannotBeMadeIsReported)
{
    const test::TempDataFolder folder;
    std::ofstream(folder.file("arquivo")) << "x";
    const fs::path impossible = folder.file("arquivo") / "dados";
    test::ScriptedDialogs dialogs;

    const auto result = prepareDataFolder(impossible, kToday, dialogs);

    EXPECT_EQ(result, DataFolderState::Failed);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Não foi possível criar os arquivos de dados em " + impossible.string());
    EXPECT_EQ(dialogs.messages[0].flags, core::msg::Critical);
}

} // namespace
} // namespace tavolim::app
