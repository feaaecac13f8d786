#include "modelgen/core/PageSheet.h"

#include "modelgen/core/InkPen.h"
#include "modelgen/core/Piece.h"
#include "modelgen/core/StrokeFont.h"

PageSheet::PageSheet(int width, int height, double scale) : layers_(width, height, scale) {}

double PageSheet::unitWidth() const
{
    return layers_.width() / layers_.scale();
}

double PageSheet::unitHeight() const
{
    return layers_.height() / layers_.scale();
}

void PageSheet::addPiece(const Piece& piece)
{
    piece.draw(layers_);
}

void PageSheet::addCaption(const QString& text, QPointF topLeft, double capHeight)
{
    layers_.drawInk(StrokeFont::textPath(text, topLeft, capHeight), MakeInkPen(InkStyle::Lettering, capHeight / 7.5));
}

void PageSheet::addHeading(const QString& modelName, int pageNumber, int pageCount, const QString& title)
{
    const double margin = 50.0;
    const QString left = modelName + QStringLiteral(" - ") + title;
    layers_.drawInk(StrokeFont::textPath(left, QPointF(margin, 34.0), 24.0),
                    MakeInkPen(InkStyle::Lettering, 3.0));
    const QString right = QStringLiteral("PAGE %1 OF %2").arg(pageNumber).arg(pageCount);
    const double w = StrokeFont::textWidth(right, 16.0);
    layers_.drawInk(StrokeFont::textPath(right, QPointF(unitWidth() - margin - w, 40.0), 16.0),
                    MakeInkPen(InkStyle::Lettering, 2.0));
    QPainterPath rule;
    rule.moveTo(margin, 72.0);
    rule.lineTo(unitWidth() - margin, 72.0);
    layers_.drawInk(rule, MakeInkPen(InkStyle::Detail, 1.0));
}

void PageSheet::addLegend()
{
    const double margin = 50.0;
    const double y = unitHeight() - 50.0;
    const double cap = 12.0;
    double x = margin;

    QPainterPath cut;
    cut.moveTo(x, y);
    cut.lineTo(x + 50.0, y);
    layers_.drawInk(cut, MakeInkPen(InkStyle::Cut));
    addCaption(QStringLiteral("CUT"), QPointF(x + 60.0, y - cap / 2.0), cap);
    x += 150.0;

    QPainterPath fold;
    fold.moveTo(x, y);
    fold.lineTo(x + 50.0, y);
    layers_.drawInk(fold, MakeInkPen(InkStyle::Fold));
    addCaption(QStringLiteral("FOLD"), QPointF(x + 60.0, y - cap / 2.0), cap);
    x += 160.0;

    QPainterPath flap;
    flap.moveTo(x, y + 8.0);
    flap.lineTo(x + 8.0, y - 8.0);
    flap.lineTo(x + 42.0, y - 8.0);
    flap.lineTo(x + 50.0, y + 8.0);
    layers_.drawInk(flap, MakeInkPen(InkStyle::Cut, 1.5));
    addCaption(QStringLiteral("GLUE FLAP"), QPointF(x + 60.0, y - cap / 2.0), cap);

    const QString hint = QStringLiteral("SCORE FOLDS BEFORE CUTTING");
    const double w = StrokeFont::textWidth(hint, cap);
    addCaption(hint, QPointF(unitWidth() - margin - w, y - cap / 2.0), cap);
}
