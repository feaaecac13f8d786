#pragma once

#include <QString>

namespace Platform {

// The program's own title: the default title of every message box.
inline QString programTitle() { return QStringLiteral("RKVViewer3"); }

}  // namespace Platform
