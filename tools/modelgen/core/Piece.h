#pragma once

#include "modelgen/core/InkPen.h"
#include "modelgen/core/Shading.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <vector>

class PageLayers;

// One flat piece of a paper model: an unfolded net of faces and glue flaps,
// with printed details, shadows, surface texture and lettering.
// Where two faces share an edge the piece is folded and the edge is printed
// as a dashed fold line; every other face edge lies on the piece's outline
// and is printed as a solid cut line.
class Piece {
public:
    // Adds a face of the net and returns its index. Faces that share an edge
    // must use the same two corner points.
    int addFace(const QPolygonF& outline, int region, const Shading& shading);

    // Adds a trapezoid glue flap on edge `edge` of face `face` (the edge from
    // corner edge to corner edge + 1), pointing away from the face, and
    // returns the flap's face index.
    int addFlap(int face, int edge, double depth, int region,
                const Shading& shading = Shading::flat());

    // A printed area on top of the faces (window, door, beam): sets region and
    // shading and, when outlined, gets a thin ink outline.
    void addDetail(const QPainterPath& shape, int region, const Shading& shading,
                   bool outlined = true);

    // Changes the shading only (shadows, light) inside the area.
    void addShade(const QPainterPath& area, const Shading& shading);

    // Ink lines limited to one face (texture such as bricks or tiles).
    void addFaceInk(int face, const QPainterPath& lines, InkStyle style, double width = 0.0);

    // Ink lines, limited to clip when it is not empty (details, lettering,
    // texture on a printed detail).
    void addInk(const QPainterPath& lines, InkStyle style, double width = 0.0,
                const QPainterPath& clip = QPainterPath());

    // Lettering with the stroke font, top left corner at topLeft.
    void addLabel(const QString& text, QPointF topLeft, double capHeight);

    int faceCount() const { return int(faces_.size()); }
    const QPolygonF& face(int index) const { return faces_[std::size_t(index)].outline; }
    QRectF bounds() const;

    // The solid cut lines and the dashed fold lines of the net.
    QPainterPath cutLines() const;
    QPainterPath foldLines() const;

    void draw(PageLayers& layers) const;

private:
    struct Face {
        QPolygonF outline;
    };
    struct Area {
        QPainterPath shape;
        int region; // -1: shading only
        Shading shading;
    };
    struct InkMark {
        QPainterPath lines;
        QPen pen;
        QPainterPath clip;
    };

    void classifyEdges(QPainterPath& cuts, QPainterPath& folds) const;

    std::vector<Face> faces_;
    std::vector<Area> areas_;
    std::vector<InkMark> ink_;
};
