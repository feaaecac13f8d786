#include "PathNames.h"

#include "RegularFile.h"

#include <QDir>
#include <QFileInfo>

namespace mdlRKVUtilities {

namespace {

qsizetype lastSeparator(const QString& path)
{
    return qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

// The entry of folder whose name equals name regardless of case, preferring
// the exact spelling; empty when there is none.
QString findEntry(const QString& folder, const QString& name)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (QFileInfo::exists(dir.filePath(name))) return name;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return QString();
}

}  // namespace

QString FileNameOf(const QString& path) { return path.mid(lastSeparator(path) + 1); }

QString FolderOf(const QString& path) { return path.left(lastSeparator(path) + 1); }

bool FileExists(const QString& path)
{
    return Platform::isRegularFile(path);
}

QString ResolveRelativePath(const QString& folder, const QString& relativeName)
{
    QString base = folder;
    base.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString asWritten = base + name;
    if (name.isEmpty() || QFileInfo::exists(asWritten)) return asWritten;

    // Walk the name part by part, matching each in the folder found so far.
    QString resolved = base;
    const QStringList parts = name.split(QLatin1Char('/'));
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..")) {
            resolved += part;
        } else {
            const QString entry = findEntry(resolved, part);
            if (entry.isEmpty()) return asWritten;
            resolved += entry;
        }
        if (i + 1 < parts.size()) resolved += QLatin1Char('/');
    }
    return resolved;
}

}  // namespace mdlRKVUtilities
