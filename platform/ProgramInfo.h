#pragma once

#include <QString>

namespace Platform {

// The program's own title: the default title of every message box.
inline QString programTitle() { return QStringLiteral("RKVViewer3"); }

// The program's version, set in one place: the project version of the build.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
ProgramVersion programVersion();
// The version as "major.minor.revision", plain decimal (for --version).
QString programVersionText();

// The name of the platform this build runs on, as a user knows it
// ("Linux", "FreeBSD", ...).
QString platformName();

// The program folder, where help/, models/, palettes/, schemes/ and colors/
// lie: the executable's own folder in the build tree, or the share folder
// (<prefix>/share/RKVViewer3) of an installed program. Ends without a
// separator.
QString programFolder();

// The program folder of an executable that lies in executableFolder: that
// folder when it holds any of the data folders (the build tree), else
// ../share/RKVViewer3 beside it when that exists (an installed program),
// else the executable's folder.
QString programFolderFor(const QString& executableFolder);

}  // namespace Platform
