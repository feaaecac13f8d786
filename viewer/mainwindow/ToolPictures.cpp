#include "mainwindow/ToolPictures.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <functional>

namespace {

// The pictures are drawn on a 32 x 32 grid.
constexpr qreal Side = 32;

using Drawing = std::function<void(QPainter&)>;

// An icon drawn anew for every size it is asked for, in device pixels: on a
// high-density screen the picture gets all the detail the screen holds
// instead of a small bitmap blown up and blurred.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(Drawing draw) : draw_(draw) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        {
            QPainter p(&picture);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size.width() / Side, size.height() / Side);
            draw_(p);
        }
        if (mode == QIcon::Normal || !qobject_cast<QApplication*>(QCoreApplication::instance())) return picture;
        // Disabled and selected pictures look as the style makes them.
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }
    QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }
    QString key() const override { return QStringLiteral("RKVDrawnIcon"); }

private:
    Drawing draw_;
};

QIcon drawnIcon(Drawing draw) { return QIcon(new DrawnIconEngine(draw)); }

const QColor Ink(20, 20, 20);

// A magnifying glass: lens upper left, handle to the lower right, with a bar
// across the lens and, for zooming in, a second bar down it.
void drawMagnifier(QPainter& p, bool plus)
{
    p.setPen(QPen(Ink, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28.5, 28.5));
    p.setPen(QPen(Ink, 2.5));
    p.setBrush(QColor(225, 238, 250));
    p.drawEllipse(QPointF(13, 13), 10, 10);
    p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(8, 13), QPointF(18, 13));
    if (plus) p.drawLine(QPointF(13, 8), QPointF(13, 18));
}

void drawHand(QPainter& p)
{
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
}

void drawDropper(QPainter& p)
{
    // A dropper lying from the upper right to the lower left: rubber bulb,
    // collar, glass tube with colour in it, and a drop below its tip.
    p.save();
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
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 210));
    p.drawEllipse(QPointF(5, 27), 2.5, 2.5);
}

// A paint bucket tipped to the right, pouring paint of the fill colour into a
// pool below its lip, with a bar of the colour along the bottom.
void drawBucket(QPainter& p, const QColor& paint)
{
    const QPen ink(Ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.save();
    p.translate(13, 14);
    p.rotate(-30);
    // The handle over the opening, then the body with the paint at its top.
    p.setPen(QPen(Ink, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-8, -15, 16, 14), 0, 180 * 16);
    p.setPen(ink);
    p.setBrush(QColor(205, 210, 215));
    QPainterPath body;
    body.moveTo(-9, -8);
    body.lineTo(9, -8);
    body.lineTo(7, 9);
    body.quadTo(0, 11.5, -7, 9);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(paint);
    p.drawEllipse(QRectF(-9, -10.5, 18, 5));
    p.restore();
    // Paint running off the lip into a pool.
    p.setPen(ink);
    p.setBrush(paint);
    QPainterPath pour;
    pour.moveTo(20, 3.5);
    pour.cubicTo(26, 5, 27, 12, 26.5, 18);
    pour.cubicTo(29.5, 19, 30, 22, 26.5, 22.5);
    pour.cubicTo(23.5, 23, 22.5, 20, 24.5, 18.5);
    pour.cubicTo(24.5, 13, 23, 8, 19, 6.5);
    pour.closeSubpath();
    p.drawPath(pour);
    p.drawRect(QRectF(2, 26.5, 28, 4));
}

}  // namespace

QIcon PanToolPicture() { return drawnIcon(drawHand); }
QIcon InspectorToolPicture() { return drawnIcon(drawDropper); }
QIcon ZoomInPicture() { return drawnIcon([](QPainter& p) { drawMagnifier(p, true); }); }
QIcon ZoomOutPicture() { return drawnIcon([](QPainter& p) { drawMagnifier(p, false); }); }
QIcon FillToolPicture(const QColor& fill)
{
    return drawnIcon([fill](QPainter& p) { drawBucket(p, fill); });
}
