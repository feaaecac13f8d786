#include "SettingsStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

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
    return write(application, section, {{key, value}});
}

bool SettingsStore::write(const QString& application, const QString& section,
                          const QList<std::pair<QString, QString>>& keysAndValues)
{
    QSettings settings(filePath(application), QSettings::IniFormat);
    // QSettings writes a temporary file and renames it over the ini file;
    // never the ini file in place.
    settings.setAtomicSyncRequired(true);
    for (const auto& [key, value] : keysAndValues) settings.setValue(settingsKey(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// Not the ini file's own ".lock": QSettings takes that one for each write,
// and a holder of it could then never write.
SettingsStore::Lock::Lock(const QString& application)
    : file(filePath(application) + QStringLiteral(".update.lock"))
{
    QDir().mkpath(QFileInfo(filePath(application)).path());
    // Holders keep it for a few milliseconds: asked for again at short
    // intervals (QLockFile's own waits double up to seconds). A lock that
    // cannot be made at all is not waited for.
    const QDeadlineTimer deadline(10000);
    while (!file.tryLock(0) && file.error() == QLockFile::LockFailedError && !deadline.hasExpired())
        QThread::msleep(2);
}

QString SettingsStore::setFolder(const QString& folder)
{
    QString previous = overrideFolder();
    overrideFolder() = folder;
    return previous;
}

}  // namespace Platform
