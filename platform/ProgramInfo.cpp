#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>

namespace Platform {

QString programFolder()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    static const char* const dataFolders[] = {"models", "palettes", "schemes", "colors", "help"};
    for (const char* folder : dataFolders)
        if (QDir(exeDir).exists(QLatin1String(folder))) return exeDir;
    const QString installed = QDir::cleanPath(exeDir + QStringLiteral("/../share/RKVViewer3"));
    return QDir(installed).exists() ? installed : exeDir;
}

}  // namespace Platform
