#include "platform/SettingsStore.h"

#include "platform/files/RegularFile.h"
#include "platform/files/ReplacementFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
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
    const QString path = filePath(application);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    // QSettings would write its file by name, following a link at the ini
    // name to wherever it points. So the new ini is made as any file of the
    // program is (a ReplacementFile: a link at the ini name is replaced,
    // the old file's permissions kept) and QSettings edits it where it lies,
    // in the private folder. The lock is the one QSettings itself takes
    // around a write, so a change of another window in between is read here
    // and kept.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) return false;
    ReplacementFile file(path);
    if (!file.open()) return false;
    // The settings so far, from the ini file itself: a link at its name is
    // not ours (it may lead to a private file, whose content must not land
    // in a file others may read), so the new ini starts empty then.
    if (QFileInfo(path).isFile() && !QFileInfo(path).isSymLink()) {
        QFile old;
        if (!openRegularFile(old, path, false)) return false;
        const QByteArray bytes = old.readAll();
        if (old.error() != QFileDevice::NoError || !file.write(bytes)) return false;
    }
    {
        QSettings settings(file.writingPath(), QSettings::IniFormat);
        settings.setAtomicSyncRequired(true);
        for (const auto& [key, value] : keysAndValues) settings.setValue(settingsKey(section, key), value);
        settings.sync();
        if (settings.status() != QSettings::NoError) return false;
    }
    return file.commit();
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
