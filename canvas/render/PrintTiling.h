#pragma once

#include "render/CanvasExport.h"

// The layout arithmetic of a printed sheet, shared by the canvas that prints
// and the print dialog that shows the layout in advance. All lengths are in
// inches, as 32-bit floats; the area is the printer's printable area.

// Height kept free for the header band at the top of the tile area and the
// footer band at its bottom, together; the header band alone.
constexpr float PrintTextBands = 0.5f;
constexpr float PrintHeaderBand = 0.25f;
// No more copies than this are placed across or down one sheet, so an
// absurd page resolution cannot keep the printer busy with millions of
// invisible copies.
constexpr int MaxPrintTiles = 100;

struct PrintTiles {
    int across = 1;
    int down = 1;
};

// How many copies of a page fit on the sheet. With tileMode 0 the available
// area is the printable area less the offsets on both sides and less the
// text bands; each count is the available length over the page length
// rounded to the nearest whole number (halves to even), one less when that
// many do not fit, and at least 1. Any other tileMode gives one copy.
RKV3CANVAS_EXPORT PrintTiles CountPrintTiles(float printWidth, float printHeight, float hOffset,
                                             float vOffset, float pageWidth, float pageHeight,
                                             int tileMode);

// Where the copies go: each sits centred in a cell of the available area
// (cells of the whole area in centred mode, too), the first one's top-left
// corner at (originX, originY) below the header band, pulled back to the
// printer's physical offsets when centring would put it further up or left.
struct PrintPlacement {
    PrintTiles tiles;
    float cellWidth = 0;
    float cellHeight = 0;
    float originX = 0;
    float originY = 0;
};

RKV3CANVAS_EXPORT PrintPlacement PlacePrintTiles(float printWidth, float printHeight, float hOffset,
                                                 float vOffset, float pageWidth, float pageHeight,
                                                 int tileMode, float minOriginX, float minOriginY);
