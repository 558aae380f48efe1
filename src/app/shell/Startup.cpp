#include "app/shell/Startup.h"

#include "app/shell/QtConversions.h"
#include "core/ports/Dialogs.h"
#include "core/shell/DataFolder.h"
#include "core/shell/NewInstallation.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace tavolim::app {

std::optional<std::filesystem::path> dataFolderArgument(const QStringList& args)
{
    const QString option = QStringLiteral("--dados");
    const QString withValue = option + QLatin1Char('=');
    std::optional<std::filesystem::path> folder;
    for (qsizetype i = 1; i < args.size(); ++i) {
        QString value;
        if (args[i] == option) {
            if (i + 1 >= args.size()) {
                break;
            }
            value = args[++i];
        } else if (args[i].startsWith(withValue)) {
            value = args[i].mid(withValue.size());
        } else {
            continue;
        }
        folder = value.isEmpty() ? std::nullopt : std::optional(toPath(value));
    }
    return folder;
}

std::filesystem::path resolveDataFolder(const QStringList& args)
{
    const auto folder = core::chooseDataFolder(
        dataFolderArgument(args), toPath(QCoreApplication::applicationDirPath()),
        toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    return std::filesystem::absolute(folder).lexically_normal();
}

DataFolderState prepareDataFolder(const std::filesystem::path& folder,
                                  std::chrono::year_month_day today, core::Dialogs& dialogs)
{
    if (!core::needsNewInstallation(folder)) {
        return DataFolderState::Ready;
    }
    if (core::createNewInstallation(folder, today)) {
        return DataFolderState::Created;
    }
    dialogs.message("Não foi possível criar os arquivos de dados em " +
                        toStdString(toQString(folder)),
                    core::msg::Critical);
    return DataFolderState::Failed;
}

} // namespace tavolim::app
