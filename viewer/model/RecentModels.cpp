#include "model/RecentModels.h"

#include "model/ViewerSettings.h"
#include "platform/ProgramInfo.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace mdlRKVUtilities {

namespace {

Setting KeyOf(int index)
{
    return Setting(int(Setting::RecentModel1) + index);
}

// One spelling per file: absolute, with "." and ".." resolved.
QString Normalized(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The stored list read, changed and written back under the settings lock.
// No window works from a copy of its own: each reads the list afresh under
// the lock, so windows opening models at the same moment each add to what
// the others left, and none writes over another's entry.
void ChangeRecentModels(const std::function<QStringList(QStringList)>& change)
{
    const Platform::SettingsStore::Lock lock(Platform::programTitle());
    SaveRecentModels(change(RecentModels()));
}

}  // namespace

QStringList RecentModels()
{
    QStringList paths;
    for (int i = 0; i < RecentModelLimit; ++i) {
        const QString path = GetSetting(KeyOf(i));
        if (!path.isEmpty() && !paths.contains(path)) paths.append(path);
    }
    return paths;
}

void SaveRecentModels(const QStringList& paths)
{
    QList<std::pair<Setting, QString>> values;
    for (int i = 0; i < RecentModelLimit; ++i) values.append({KeyOf(i), paths.value(i)});
    SaveSettings(values);
}

QStringList WithRecentModel(QStringList paths, const QString& path)
{
    const QString entry = Normalized(path);
    paths.removeAll(entry);
    paths.prepend(entry);
    while (paths.size() > RecentModelLimit) paths.removeLast();
    return paths;
}

void RememberRecentModel(const QString& path)
{
    if (path.isEmpty()) return;
    ChangeRecentModels([&path](const QStringList& paths) { return WithRecentModel(paths, path); });
}

void ForgetRecentModel(const QString& path)
{
    ChangeRecentModels([&path](QStringList paths) {
        paths.removeAll(path);
        return paths;
    });
}

void ClearRecentModels()
{
    ChangeRecentModels([](const QStringList&) { return QStringList(); });
}

}  // namespace mdlRKVUtilities
