#include "support/TempDataFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace tavolim::app {
namespace {

QString qpath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// The real program, started without a screen as on a machine with no display, must come up
// and wait for the operator: on a store with clients and tapes (its first dialog is the
// default operator's warning) and on an empty folder (a new store). It once aborted two
// seconds in, when the splash freed a message box parented to it.
TEST(ProgramStart, OffscreenStartOutlivesTheSplashOnASampleStoreAndOnAnEmptyFolder)
{
    const test::TempDataFolder folder;
    const auto sample = folder.path() / "exemplo";
    QProcess tool;
    tool.start(QStringLiteral(TAVOLIM_TOOL),
               {QStringLiteral("--dados"), qpath(sample), QStringLiteral("exemplo"),
                QStringLiteral("--clientes"), QStringLiteral("30"), QStringLiteral("--fitas"),
                QStringLiteral("60")});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    // Settings go to the test's folder, not the user's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), qpath(folder.path() / "config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), qpath(folder.path() / "data"));
    const std::array<std::filesystem::path, 2> stores = {sample, folder.path() / "vazia"};
    std::array<std::unique_ptr<QProcess>, 2> runs;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        runs[i] = std::make_unique<QProcess>();
        runs[i]->setProcessEnvironment(environment);
        runs[i]->start(QStringLiteral(TAVOLIM_PROGRAM),
                       {QStringLiteral("--dados"), qpath(stores[i])});
        ASSERT_TRUE(runs[i]->waitForStarted(10000));
    }

    // Well past the splash's two seconds; the second run had all this time too.
    const bool firstEnded = runs[0]->waitForFinished(4500);
    const bool secondEnded = runs[1]->waitForFinished(100);

    for (std::size_t i = 0; i < runs.size(); ++i) {
        QProcess& run = *runs[i];
        const std::string errors = run.readAllStandardError().toStdString();
        EXPECT_EQ(run.state(), QProcess::Running) << stores[i] << " exit " << run.exitCode() << "\n"
                                                  << errors;
        EXPECT_EQ(errors.find("double free"), std::string::npos) << errors;
        EXPECT_EQ(errors.find("corrupted"), std::string::npos) << errors;
        run.kill();
        run.waitForFinished(10000);
    }
    EXPECT_FALSE(firstEnded);
    EXPECT_FALSE(secondEnded);
    EXPECT_TRUE(std::filesystem::exists(stores[1] / "tavolim.ini"));
}

} // namespace
} // namespace tavolim::app
