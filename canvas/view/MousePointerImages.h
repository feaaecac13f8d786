#pragma once

#include "render/CanvasExport.h"

#include <QCursor>
#include <QImage>
#include <QPoint>

// The control's image list of pointer images (imgMousePointer): three 32 x 32
// monochrome cursors, drawn here in code so they are the same on every run.
// Each is a black shape with a one-pixel white outline all round, so it
// shows on any page colour.
namespace MousePointerImages {

enum Index {
    Dropper = 0,    // pipette pointing to the lower left; picker tool
    PanArrow = 1,   // four-way arrow 15 pixels across; pan tool, no drag
    DragArrow = 2,  // smaller four-way arrow 13 pixels across; during a drag
};

inline constexpr int Count = 3;
inline constexpr int Side = 32;

// The cursor's picture: transparent, opaque black and opaque white pixels
// only (Format_ARGB32). An index outside 0..2 gives a null image.
RKV3CANVAS_EXPORT QImage image(int index);

// The pixel that points: (10, 20) for the dropper's tip, (8, 7) for the
// centre of both arrows.
RKV3CANVAS_EXPORT QPoint hotSpot(int index);

RKV3CANVAS_EXPORT QCursor cursor(int index);

}  // namespace MousePointerImages
