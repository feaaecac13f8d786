#pragma once

#include "render/CanvasExport.h"

class QPaintDevice;

// The opaque handles the control hands out for its surfaces (hwnd, hDC,
// BufferhDC). There are no window or device-context handles on this
// platform, so each surface gets a number of its own: 32-bit, never 0,
// unique within the process and never issued twice, stable for the life of
// the control. A host can turn a handle back into the surface it names
// (a QPaintDevice: the view widget or the buffer image) with device().
namespace SurfaceHandles {

RKV3CANVAS_EXPORT int issue(QPaintDevice* device);
RKV3CANVAS_EXPORT void release(int handle);

// The surface a handle names, or nullptr for a released or unknown handle.
RKV3CANVAS_EXPORT QPaintDevice* device(int handle);

}  // namespace SurfaceHandles
