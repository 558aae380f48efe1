#include "app/shell/QtLauncher.h"

#include "app/shell/QtConversions.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tavolim::app {

bool QtLauncher::openDocument(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

bool QtLauncher::openUrl(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(toQString(url), QUrl::TolerantMode));
}

bool QtLauncher::openHelp(const std::string& topic)
{
    const QString index =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ajuda/index.html"));
    if (!QFileInfo::exists(index)) {
        return false;
    }
    QUrl url = QUrl::fromLocalFile(index);
    if (!topic.empty()) {
        url.setFragment(toQString(topic));
    }
    return QDesktopServices::openUrl(url);
}

} // namespace tavolim::app
