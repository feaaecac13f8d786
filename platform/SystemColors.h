#pragma once

#include <QtGlobal>

namespace Platform {

// The classic system colours by their index (0 = scroll bar, 1 = desktop,
// 2 = active caption, ... 15 = button face, ... 24 = tooltip background),
// taken from the application's palette and returned as colour values (red +
// 256 x green + 65536 x blue). An index without a colour gives 0 (black).
qint32 sysColor(int index);

}  // namespace Platform
