#pragma once

#include "render/CanvasExport.h"

#include <QColor>
#include <QtGlobal>

// Colour values of the control's BackColor: either an explicit colour
// (red + 256 x green + 65536 x blue, 0 to 0xFFFFFF) or a system colour
// (0x80000000 + the system colour's index, 0 to 24), which follows the
// platform's colour scheme.
namespace ColorValues {

inline constexpr qint32 ApplicationWorkspace = qint32(0x8000000C);
inline constexpr qint32 WindowBackground = qint32(0x80000005);

// The colour a value stands for; false (and black) for a value that is
// neither kind.
RKV3CANVAS_EXPORT bool resolve(qint32 value, QColor& color);

}  // namespace ColorValues
