#include "model/SaveFolders.h"

#include "platform/UserFolders.h"

#include <QDir>

namespace mdlRKVUtilities {

QString SaveStartFolder(const QString& lastFolder, const QString& kind)
{
    if (Platform::isWritableFolder(lastFolder)) return lastFolder;
    const QString own = Platform::userDocumentsFolder() + QLatin1Char('/') + kind + QLatin1Char('/');
    // Should our folder not be made either, the chooser starts where it
    // would have and the user picks a folder there.
    return QDir().mkpath(own) ? own : lastFolder;
}

}  // namespace mdlRKVUtilities
