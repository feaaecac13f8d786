#include "RecentModels.h"

#include "ViewerSettings.h"

#include <QDir>
#include <QFileInfo>

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
    for (int i = 0; i < RecentModelLimit; ++i) SaveSetting(KeyOf(i), paths.value(i));
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
    SaveRecentModels(WithRecentModel(RecentModels(), path));
}

void ForgetRecentModel(const QString& path)
{
    QStringList paths = RecentModels();
    paths.removeAll(path);
    SaveRecentModels(paths);
}

void ClearRecentModels()
{
    SaveRecentModels({});
}

}  // namespace mdlRKVUtilities
