#pragma once

#include <QPointF>
#include <QRectF>

class Piece;

// Printed building details, drawn onto a face of a piece in the Cottage's
// regions (trim, glass, door, shutters, beams, foundation stones).
namespace BuildingDetails {

// A four-pane window in a trim frame with a sill and, optionally, a pair of
// louvred shutters beside it.
void window(Piece& piece, const QRectF& frame, bool shutters);

// A round attic window.
void roundWindow(Piece& piece, QPointF centre, double radius);

// A panelled door with a frame, a small glazed top and a knob. The frame
// extends beyond the door rectangle at the sides and the top.
void door(Piece& piece, const QRectF& leaf);

// A timber beam between two points, printed as a detail of the given width.
void beam(Piece& piece, QPointF from, QPointF to, double width);

// A stone foundation band with its texture.
void foundation(Piece& piece, const QRectF& band);

// A darker band along the top of a wall where the roof overhang shades it.
void eaveShadow(Piece& piece, const QRectF& wallTop, double depth);

} // namespace BuildingDetails
