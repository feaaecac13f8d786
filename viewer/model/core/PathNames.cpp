#include "model/core/PathNames.h"

#include "platform/files/RegularFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

namespace mdlRKVUtilities {

namespace {

qsizetype lastSeparator(const QString& path)
{
    return qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
}

// The entries of the folders one lookup has listed, by the folders' real
// paths: a name may reach the same folder many times (through links to "."
// or to a folder above), and a folder of a model may hold thousands of
// files, so each is listed at most once.
using FolderListings = QHash<QString, QStringList>;

// The entry of folder whose name equals name regardless of case, preferring
// the exact spelling; empty when there is none.
QString findEntry(const QString& folder, const QString& name, FolderListings& listings)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (QFileInfo::exists(dir.filePath(name))) return name;
    const QString key = QFileInfo(dir.path()).canonicalFilePath();
    if (key.isEmpty()) return QString();  // no such folder
    auto listed = listings.find(key);
    if (listed == listings.end()) {
        QStringList entries;
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        while (it.hasNext()) entries.append(it.nextFileInfo().fileName());
        listed = listings.insert(key, entries);
    }
    // The first match in name order, as a sorted listing would give it.
    QString found;
    for (const QString& entry : *listed)
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (found.isEmpty() || entry < found))
            found = entry;
    return found;
}

// The parts of a relative name with "." and empty parts dropped and each
// ".." taking away the part before it, so "A/../B" is looked up as "B". The
// ".." parts that climb above the start are kept, in front.
QStringList collapsedParts(const QString& name)
{
    QStringList parts;
    for (const QString& part : name.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String(".")) continue;
        if (part == QLatin1String("..") && !parts.isEmpty() && parts.last() != QLatin1String(".."))
            parts.removeLast();
        else
            parts.append(part);
    }
    return parts;
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
    // An absolute name stays absolute.
    QString resolved = name.startsWith(QLatin1Char('/')) ? base + QLatin1Char('/') : base;
    FolderListings listings;
    const QStringList parts = collapsedParts(name);
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part == QLatin1String("..")) {
            resolved += part;
        } else {
            const QString entry = findEntry(resolved, part, listings);
            if (entry.isEmpty()) return asWritten;
            resolved += entry;
        }
        if (i + 1 < parts.size()) resolved += QLatin1Char('/');
    }
    return resolved;
}

}  // namespace mdlRKVUtilities
