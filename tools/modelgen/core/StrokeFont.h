#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>

// A small built-in stroke font for the lettering printed on model pages.
// Glyphs are polylines on a 4 x 8 grid, so pages carry the same lettering on
// every machine, whatever fonts are installed. Letters are shown in capitals;
// characters without a glyph advance like a blank.
class StrokeFont {
public:
    // The lines of text with its top left corner at topLeft and capital
    // letters capHeight units tall. Stroke the path with a pen about
    // capHeight / 8 wide.
    static QPainterPath textPath(const QString& text, QPointF topLeft, double capHeight);

    // Width of the text drawn at capHeight.
    static double textWidth(const QString& text, double capHeight);

    // Whether the character has a glyph (blank counts as having one).
    static bool hasGlyph(QChar c);
};
