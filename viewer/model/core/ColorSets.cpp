#include "model/core/ColorSets.h"

namespace mdlRKVUtilities {

void BuildDefaultGrayScheme()
{
    SchemeColors[0] = PaperColor;
    SchemeNames[0] = PaperColorName();
    for (int r = 1; r < SchemeSize; ++r) {
        SchemeColors[r] = DefaultGrayColor;
        SchemeNames[r] = DefaultGrayName();
    }
}

void ClearColorSets()
{
    PaletteCount = 0;
    PaletteColors.fill(ColorRecord{});
    PaletteNames.fill(QString());
    SchemeColors.fill(ColorRecord{});
    SchemeNames.fill(QString());
}

}  // namespace mdlRKVUtilities
