#include "modelgen/core/StrokeFont.h"

#include <QHash>
#include <QStringList>

namespace {

constexpr double GridHeight = 8.0;
constexpr double Advance = 6.0; // glyph width 4 plus spacing 2
constexpr double BlankAdvance = 4.0;

// Each glyph is a list of polylines; a polyline is a run of two-digit points
// "xy" on the 4 x 8 grid (y grows downwards).
const QHash<QChar, QStringList>& glyphs()
{
    static const QHash<QChar, QStringList> table = {
        {'A', {"08 01 10 30 41 48", "04 44"}},
        {'B', {"08 00 30 41 43 34 04", "34 45 47 38 08"}},
        {'C', {"41 30 10 01 07 18 38 47"}},
        {'D', {"00 30 41 47 38 08 00"}},
        {'E', {"40 00 08 48", "04 34"}},
        {'F', {"40 00 08", "04 34"}},
        {'G', {"41 30 10 01 07 18 38 47 44 24"}},
        {'H', {"00 08", "40 48", "04 44"}},
        {'I', {"10 30", "20 28", "18 38"}},
        {'J', {"40 47 38 18 07"}},
        {'K', {"00 08", "40 04 48"}},
        {'L', {"00 08 48"}},
        {'M', {"08 00 24 40 48"}},
        {'N', {"08 00 48 40"}},
        {'O', {"10 30 41 47 38 18 07 01 10"}},
        {'P', {"08 00 30 41 43 34 04"}},
        {'Q', {"10 30 41 47 38 18 07 01 10", "26 48"}},
        {'R', {"08 00 30 41 43 34 04", "24 48"}},
        {'S', {"41 30 10 01 03 14 34 45 47 38 18 07"}},
        {'T', {"00 40", "20 28"}},
        {'U', {"00 07 18 38 47 40"}},
        {'V', {"00 28 40"}},
        {'W', {"00 18 24 38 40"}},
        {'X', {"00 48", "40 08"}},
        {'Y', {"00 24 40", "24 28"}},
        {'Z', {"00 40 08 48"}},
        {'0', {"10 30 41 47 38 18 07 01 10", "16 32"}},
        {'1', {"12 20 28", "18 38"}},
        {'2', {"01 10 30 41 43 08 48"}},
        {'3', {"01 10 30 41 43 34 14", "34 45 47 38 18 07"}},
        {'4', {"30 05 45", "30 38"}},
        {'5', {"40 00 04 34 45 47 38 08"}},
        {'6', {"30 10 01 07 18 38 47 45 34 04"}},
        {'7', {"00 40 18"}},
        {'8', {"10 30 41 43 34 14 03 01 10", "14 05 07 18 38 47 45 34"}},
        {'9', {"44 14 03 01 10 30 41 47 38 18"}},
        {'-', {"14 34"}},
        {'.', {"17 18"}},
        {',', {"17 09"}},
        {':', {"12 13", "16 17"}},
        {'/', {"08 40"}},
        {'(', {"30 12 16 38"}},
        {')', {"10 32 36 18"}},
        {'\'', {"20 22"}},
        {'+', {"14 34", "22 26"}},
        {'=', {"03 43", "05 45"}},
    };
    return table;
}

} // namespace

bool StrokeFont::hasGlyph(QChar c)
{
    return c == ' ' || glyphs().contains(c.toUpper());
}

double StrokeFont::textWidth(const QString& text, double capHeight)
{
    const double unit = capHeight / GridHeight;
    double width = 0.0;
    for (QChar c : text) width += (glyphs().contains(c.toUpper()) ? Advance : BlankAdvance) * unit;
    // The last glyph needs no spacing after it.
    if (!text.isEmpty() && glyphs().contains(text.back().toUpper())) width -= 2.0 * unit;
    return width;
}

QPainterPath StrokeFont::textPath(const QString& text, QPointF topLeft, double capHeight)
{
    const double unit = capHeight / GridHeight;
    QPainterPath path;
    double x = topLeft.x();
    for (QChar c : text) {
        const auto it = glyphs().constFind(c.toUpper());
        if (it == glyphs().constEnd()) {
            x += BlankAdvance * unit;
            continue;
        }
        for (const QString& line : *it) {
            const QStringList points = line.split(' ', Qt::SkipEmptyParts);
            for (int i = 0; i < points.size(); ++i) {
                const QPointF p(x + points[i][0].digitValue() * unit,
                                topLeft.y() + points[i][1].digitValue() * unit);
                if (i == 0)
                    path.moveTo(p);
                else
                    path.lineTo(p);
            }
        }
        x += Advance * unit;
    }
    return path;
}
