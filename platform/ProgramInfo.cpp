#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>

namespace Platform {

ProgramVersion programVersion()
{
    // The build hands the project version down as three numbers.
    return ProgramVersion{RKV_VERSION_MAJOR, RKV_VERSION_MINOR, RKV_VERSION_REVISION};
}

QString programVersionText()
{
    const ProgramVersion v = programVersion();
    return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
}

QString platformName()
{
#if defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_FREEBSD)
    return QStringLiteral("FreeBSD");
#elif defined(Q_OS_OPENBSD)
    return QStringLiteral("OpenBSD");
#elif defined(Q_OS_NETBSD)
    return QStringLiteral("NetBSD");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#else
    return QStringLiteral("Unix");
#endif
}

QString programFolder()
{
    return programFolderFor(QCoreApplication::applicationDirPath());
}

QString programFolderFor(const QString& executableFolder)
{
    const QString exeDir = QDir::cleanPath(executableFolder);
    static const char* const dataFolders[] = {"models", "palettes", "schemes", "colors", "help"};
    for (const char* folder : dataFolders)
        if (QDir(exeDir).exists(QLatin1String(folder))) return exeDir;
    const QString installed = QDir::cleanPath(exeDir + QStringLiteral("/../share/RKVViewer3"));
    return QDir(installed).exists() ? installed : exeDir;
}

}  // namespace Platform
