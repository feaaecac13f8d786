#include "model/ApplyScheme.h"

#include "model/core/ColorSets.h"

#include "view/RKV3CanvasCtl.h"

namespace mdlRKVUtilities {

bool ApplySchemeTo(const PaletteColorSink& sink)
{
    for (int r = 1; r < SchemeSize; ++r) {
        const ColorRecord& color = SchemeColors[r];
        if (!sink(short(r), ColorValueOf(color), color.Offset)) return false;
    }
    return true;
}

bool ApplyScheme(RKV3CanvasCtl& canvas)
{
    return ApplySchemeTo([&canvas](short Index, int ColorValue, short Offset) {
        return canvas.UpdatePaletteColor(Index, ColorValue, Offset);
    });
}

}  // namespace mdlRKVUtilities
