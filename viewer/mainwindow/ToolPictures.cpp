#include "ToolPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Side = 32;

QPixmap blankPicture()
{
    QPixmap picture(Side, Side);
    picture.fill(Qt::transparent);
    return picture;
}

const QColor Ink(20, 20, 20);

// A magnifying glass: lens upper left, handle to the lower right, with a bar
// across the lens and, for zooming in, a second bar down it.
QPixmap magnifier(bool plus)
{
    QPixmap picture = blankPicture();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28.5, 28.5));
    p.setPen(QPen(Ink, 2.5));
    p.setBrush(QColor(225, 238, 250));
    p.drawEllipse(QPointF(13, 13), 10, 10);
    p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8, 13), QPointF(18, 13));
    if (plus) p.drawLine(QPointF(13, 8), QPointF(13, 18));
    return picture;
}

}  // namespace

QPixmap PanToolPicture()
{
    QPixmap picture = blankPicture();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 226, 190));

    // An open hand seen from its back: four fingers, a thumb to the left and
    // the palm below them.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(7, 14, 19, 15), 6, 6);
    const qreal fingerLeft[] = {8.5, 12.8, 17.1, 21.4};
    const qreal fingerTop[] = {8, 4, 4.5, 8};
    for (int i = 0; i < 4; ++i) hand.addRoundedRect(QRectF(fingerLeft[i], fingerTop[i], 4, 16), 2, 2);
    QPainterPath thumb;
    thumb.moveTo(8, 24);
    thumb.lineTo(2.5, 17.5);
    thumb.quadTo(1.5, 15, 4, 14.5);
    thumb.lineTo(9, 18);
    hand.addPath(thumb);
    p.drawPath(hand.simplified());
    // Lines between the fingers down to the palm.
    p.setPen(QPen(Ink, 1));
    for (qreal x : {12.7, 17.0, 21.3}) p.drawLine(QPointF(x, 10), QPointF(x, 17));
    return picture;
}

QPixmap InspectorToolPicture()
{
    QPixmap picture = blankPicture();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // A dropper lying from the upper right to the lower left: rubber bulb,
    // collar, glass tube with colour in it, and a drop below its tip.
    p.translate(16, 16);
    p.rotate(45);
    p.setPen(QPen(Ink, 1.4));
    p.setBrush(QColor(200, 40, 40));
    p.drawRoundedRect(QRectF(-4.5, -16, 9, 9), 4, 4);
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(-5.5, -8, 11, 3));
    p.setBrush(QColor(230, 240, 250));
    QPainterPath tube;
    tube.moveTo(-3, -5);
    tube.lineTo(3, -5);
    tube.lineTo(3, 8);
    tube.lineTo(0.8, 13);
    tube.lineTo(-0.8, 13);
    tube.lineTo(-3, 8);
    tube.closeSubpath();
    p.drawPath(tube);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 210));
    p.drawRect(QRectF(-2.2, 2, 4.4, 6));
    p.resetTransform();
    p.drawEllipse(QPointF(5, 27), 2.5, 2.5);
    return picture;
}

QPixmap ZoomInPicture() { return magnifier(true); }
QPixmap ZoomOutPicture() { return magnifier(false); }
