#include "help/HelpTopics.h"

#include "model/core/PathNames.h"
#include "model/core/TextLines.h"

std::optional<QString> ReadTextFile(const QString& programFolder, const QString& relativePath)
{
    // The relative path starts with a separator; the folder gets none of its
    // own, as the program folder ends without one.
    QString relative = relativePath;
    while (relative.startsWith(QLatin1Char('\\')) || relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    const QString path = mdlRKVUtilities::ResolveRelativePath(programFolder + QLatin1Char('/'), relative);

    mdlRKVUtilities::TextLines lines;
    if (!mdlRKVUtilities::FileExists(path) || !lines.open(path)) return std::nullopt;
    QString text;
    while (const std::optional<QString> line = lines.next()) {
        text += *line;
        text += QLatin1String("\r\n");
    }
    return text;
}
