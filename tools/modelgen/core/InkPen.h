#pragma once

#include <QPen>

// The line styles printed in the ink channel. Levels are ink levels
// (255 = no ink, 0 = black); widths are in drawing units (page pixels at
// 150 pixels per inch).
enum class InkStyle {
    Cut,      // solid black outline of a piece
    Fold,     // dashed fold line between two faces of a piece
    Detail,   // outline of a printed detail (window, door, beam)
    Texture,  // light surface lines (bricks, tiles, planks, grass)
    Lettering // page titles, piece labels, instructions
};

QPen MakeInkPen(InkStyle style, double lineWidth = 0.0);
