#pragma once

#include "render/CanvasExport.h"

#include <QImage>
#include <QSize>

// An image for a whole page (tens of megabytes), its memory asked of the
// system in large pages where the system offers them: the first touch of
// such memory then costs one fault per 2 MiB instead of one per 4 KiB, which
// on some machines takes longer than the decoding of the page itself. The
// pixels are uninitialised. Returns a null image when memory runs out.
RKV3CANVAS_EXPORT QImage MakePageImage(QSize size, QImage::Format format);
