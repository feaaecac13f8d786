#include "mainwindow/PanelSplit.h"

#include <algorithm>

namespace PanelSplit {

Arrangement Arrange(double frameHeight, double chosenPaletteHeight)
{
    // The region viewport's height is frameHeight - (DesignedRegionTop +
    // shift) - BottomMargin with shift = paletteHeight - the designed height;
    // the highest palette that leaves it one row:
    const double roomForPalette = frameHeight - DesignedRegionTop - BottomMargin - MinimumListHeight
                                  + DesignedPaletteHeight;
    const double height = std::max(MinimumListHeight, std::min(chosenPaletteHeight, roomForPalette));
    return {height, height - DesignedPaletteHeight};
}

double DraggedHeight(double frameHeight, double heightAtPress, double travel)
{
    return Arrange(frameHeight, heightAtPress + travel).paletteHeight;
}

}  // namespace PanelSplit
