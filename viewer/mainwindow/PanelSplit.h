#pragma once

// The boundary between the palette list and the region list in the colour
// frame, which the user may drag. The palette viewport keeps its designed
// height (2175 twips) until the boundary is dragged; a dragged boundary
// gives the palette viewport the height the user chose, and the region
// list's part of the frame (its caption, the scheme buttons, the scheme
// name, the region viewport and its scroll bar) moves down or up by as much
// as the palette grew or shrank, while the region viewport still reaches
// down to the frame's bottom margin. No widgets here: plain twips.
namespace PanelSplit {

// The palette viewport's designed top and height, in twips.
constexpr double PaletteTop = 1080;
constexpr double DesignedPaletteHeight = 2175;
// The region viewport's designed top, and the frame's bottom margin below it.
constexpr double DesignedRegionTop = 4200;
constexpr double BottomMargin = 120;
// The least height either viewport is given: one row of swatches (120 +
// 255 + 120 twips), so neither list can vanish.
constexpr double MinimumListHeight = 495;

struct Arrangement {
    double paletteHeight;  // of the palette viewport and its scroll bar
    double shift;          // how far the region list's part moves down from its designed place
};

// The arrangement in a frame `frameHeight` twips high for the palette height
// the user chose: that height, but no less than one row, and no more than
// leaves the region viewport one row (when the frame is too low for both,
// the palette keeps its one row).
Arrangement Arrange(double frameHeight, double chosenPaletteHeight);

// The palette height a drag chooses: the height at the press moved by the
// pointer's travel (down is positive), kept within what Arrange allows.
double DraggedHeight(double frameHeight, double heightAtPress, double travel);

}  // namespace PanelSplit
