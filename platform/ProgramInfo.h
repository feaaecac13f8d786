#pragma once

#include <QString>

namespace Platform {

// The program's own title: the default title of every message box.
inline QString programTitle() { return QStringLiteral("RKVViewer3"); }

// The program folder, where help/, models/, palettes/, schemes/ and colors/
// lie: the executable's own folder in the build tree, or the share folder
// (<prefix>/share/RKVViewer3) of an installed program. Ends without a
// separator.
QString programFolder();

}  // namespace Platform
