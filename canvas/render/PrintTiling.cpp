#include "render/PrintTiling.h"

#include <algorithm>
#include <cmath>

namespace {

// Copies of a page that fit in one direction.
int fitting(float available, float page)
{
    const float ratio = available / page;
    if (!(ratio >= 1.0f)) return 1;  // also a ratio that is not a number
    if (ratio > float(MaxPrintTiles) + 1.0f) return MaxPrintTiles;
    int count = int(std::nearbyint(ratio));  // the default rounding: halves to even
    if (available < float(count) * page) --count;
    return std::clamp(count, 1, MaxPrintTiles);
}

}  // namespace

PrintTiles CountPrintTiles(float printWidth, float printHeight, float hOffset, float vOffset,
                           float pageWidth, float pageHeight, int tileMode)
{
    if (tileMode != 0) return {};
    const float aw = printWidth - 2 * hOffset;
    const float ah = printHeight - 2 * vOffset - PrintTextBands;
    return {fitting(aw, pageWidth), fitting(ah, pageHeight)};
}

PrintPlacement PlacePrintTiles(float printWidth, float printHeight, float hOffset, float vOffset,
                               float pageWidth, float pageHeight, int tileMode, float minOriginX,
                               float minOriginY)
{
    PrintPlacement placement;
    placement.tiles =
        CountPrintTiles(printWidth, printHeight, hOffset, vOffset, pageWidth, pageHeight, tileMode);
    placement.cellWidth = (printWidth - 2 * hOffset) / float(placement.tiles.across);
    placement.cellHeight = (printHeight - 2 * vOffset - PrintTextBands) / float(placement.tiles.down);
    const float px = (placement.cellWidth - pageWidth) / 2;
    const float py = (placement.cellHeight - pageHeight) / 2;
    placement.originX = std::max(hOffset + px, minOriginX);
    placement.originY = std::max(vOffset + py + PrintHeaderBand, minOriginY);
    return placement;
}
