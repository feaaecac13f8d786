#pragma once

#include "modelgen/core/Piece.h"

#include <QPointF>
#include <QRectF>

#include <vector>

// Builders for the common nets of paper buildings. All of them put faces and
// glue flaps into a piece and return the face indices and rectangles callers
// need to print details onto.
namespace NetBuilders {

struct WallSpec {
    double width = 0.0;
    double gableHeight = 0.0; // 0: a plain wall; otherwise a gable triangle on top
};

struct WallStrip {
    std::vector<int> faces;    // one face per wall, left to right
    std::vector<QRectF> walls; // the rectangular part of each wall (below the eave line)
};

// A strip of walls side by side, eave line at y = topLeft.y(): bottom flaps
// on every wall, flaps along the top of every wall (the roof rests on them)
// and an end flap on the right of the last wall.
WallStrip wallStrip(Piece& piece, QPointF topLeft, const std::vector<WallSpec>& walls,
                    double height, double flapDepth, int wallRegion, int flapRegion);

struct BoxNet {
    int front = -1, rightEnd = -1, back = -1, leftEnd = -1, top = -1, bottom = -1;
    QRectF frontRect, backRect, topRect;
};

// A closed (or, without top, open) box: front, right end, back and left end
// side by side with topLeft at the front's top left corner; top above the
// front and bottom below it; flaps to close it.
BoxNet boxNet(Piece& piece, QPointF topLeft, double width, double depth, double height,
              bool withTop, int sideRegion, int topRegion, int flapRegion, double flapDepth);

// A square column: four faces of side x height side by side, shaded as lit
// from the left, with an end flap.
std::vector<int> columnNet(Piece& piece, QPointF topLeft, double side, double height,
                           int region, int flapRegion, double flapDepth);

// A picket fence panel: pointed pickets with notches between them, printed
// rails, the grass seen between the pickets, and a glue flap at the foot.
// Returns the panel's face.
int fencePanel(Piece& piece, QPointF bottomLeft, double length, double height,
               int fenceRegion, int behindRegion, int flapRegion, double flapDepth);

} // namespace NetBuilders
