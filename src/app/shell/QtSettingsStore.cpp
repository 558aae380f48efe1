#include "app/shell/QtSettingsStore.h"

#include "app/shell/ProgramTitle.h"
#include "app/shell/QtConversions.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace tavolim::app {

std::string QtSettingsStore::read(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& defaultValue) const
{
    QSettings settings(QString::fromLatin1(kProgramTitle), toQString(application));
    settings.beginGroup(toQString(section));
    const QVariant value = settings.value(toQString(key));
    if (!value.isValid()) {
        return defaultValue;
    }
    // An unquoted "a, b" edited into the file by hand comes back as a list.
    if (value.typeId() == QMetaType::QStringList) {
        return toStdString(value.toStringList().join(QLatin1Char(',')));
    }
    return toStdString(value.toString());
}

void QtSettingsStore::write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value)
{
    QSettings settings(QString::fromLatin1(kProgramTitle), toQString(application));
    settings.beginGroup(toQString(section));
    settings.setValue(toQString(key), toQString(value));
}

std::vector<core::SettingValue> QtSettingsStore::allValues(const std::string& application) const
{
    QSettings settings(QString::fromLatin1(kProgramTitle), toQString(application));
    std::vector<core::SettingValue> out;
    for (const QString& path : settings.allKeys()) {
        // "Section/Key"; a key outside any group has no section.
        const qsizetype slash = path.indexOf(QLatin1Char('/'));
        const QString section = slash < 0 ? QString() : path.left(slash);
        const QString key = slash < 0 ? path : path.mid(slash + 1);
        out.push_back({toStdString(section), toStdString(key),
                       read(application, toStdString(section), toStdString(key), {})});
    }
    return out;
}

} // namespace tavolim::app
