#include "SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>

namespace Platform {

namespace {

QString& overrideFolder()
{
    static QString folder;
    return folder;
}

// Keys and sections are kept as given; QSettings would otherwise read a "/"
// in them as a group separator.
QString settingsKey(const QString& section, const QString& key)
{
    QString s = section, k = key;
    s.replace(QLatin1Char('/'), QLatin1Char('_'));
    k.replace(QLatin1Char('/'), QLatin1Char('_'));
    return s + QLatin1Char('/') + k;
}

}  // namespace

QString SettingsStore::filePath(const QString& application)
{
    QString folder = overrideFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QLatin1Char('/') + application + QStringLiteral(".ini");
}

QString SettingsStore::read(const QString& application, const QString& section, const QString& key,
                            const QString& defaultValue)
{
    QSettings settings(filePath(application), QSettings::IniFormat);
    const QVariant value = settings.value(settingsKey(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

bool SettingsStore::write(const QString& application, const QString& section, const QString& key,
                          const QString& value)
{
    QSettings settings(filePath(application), QSettings::IniFormat);
    // QSettings writes a temporary file and renames it over the ini file;
    // never the ini file in place.
    settings.setAtomicSyncRequired(true);
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString SettingsStore::setFolder(const QString& folder)
{
    QString previous = overrideFolder();
    overrideFolder() = folder;
    return previous;
}

}  // namespace Platform
