#pragma once

#include "modelgen/core/PageLayers.h"

#include <QImage>
#include <QString>

class Piece;

// One printed sheet of a model: pieces drawn onto the three page layers, with
// the page's heading, a legend of the line styles and piece captions.
class PageSheet {
public:
    // A sheet of width x height page pixels; drawing units are page pixels at
    // 150 pixels per inch multiplied by scale.
    PageSheet(int width, int height, double scale = 1.0);

    // Width and height in drawing units.
    double unitWidth() const;
    double unitHeight() const;

    void addPiece(const Piece& piece);

    // Heading at the top left: model name, page number and page title.
    void addHeading(const QString& modelName, int pageNumber, int pageCount, const QString& title);

    // The legend along the bottom: cut line, fold line, glue flap.
    void addLegend();

    // A caption (piece number and name) with its top left corner at topLeft.
    void addCaption(const QString& text, QPointF topLeft, double capHeight = 13.0);

    QImage image() const { return layers_.compose(); }
    const PageLayers& layers() const { return layers_; }

private:
    PageLayers layers_;
};
