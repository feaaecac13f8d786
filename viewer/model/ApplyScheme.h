#pragma once

#include <functional>

class RKV3CanvasCtl;

namespace mdlRKVUtilities {

// Receives one region colour: the canvas's UpdatePaletteColor, or a test's
// recorder. Returns false when the call failed.
using PaletteColorSink = std::function<bool(short Index, int ColorValue, short Offset)>;

// Pushes scheme entries 1 to 255 into a region palette, in ascending order,
// one call per region and none for the paper (region 0). Stops at the first
// failing call and returns false. Nothing is rendered.
bool ApplySchemeTo(const PaletteColorSink& sink);

// ApplySchemeTo the canvas's UpdatePaletteColor.
bool ApplyScheme(RKV3CanvasCtl& canvas);

}  // namespace mdlRKVUtilities
