#include "CanvasView.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// Classic raster operation codes a host may hand to PaintPicture.
constexpr quint32 SRCCOPY = 0x00CC0020;
constexpr quint32 SRCPAINT = 0x00EE0086;
constexpr quint32 SRCAND = 0x008800C6;
constexpr quint32 SRCINVERT = 0x00660046;
constexpr quint32 SRCERASE = 0x00440328;
constexpr quint32 NOTSRCCOPY = 0x00330008;
constexpr quint32 NOTSRCERASE = 0x001100A6;
constexpr quint32 DSTINVERT = 0x00550009;
constexpr quint32 BLACKNESS = 0x00000042;
constexpr quint32 WHITENESS = 0x00FF0062;

QPainter::CompositionMode compositionFor(quint32 opcode)
{
    switch (opcode) {
    case SRCPAINT: return QPainter::RasterOp_SourceOrDestination;
    case SRCAND: return QPainter::RasterOp_SourceAndDestination;
    case SRCINVERT: return QPainter::RasterOp_SourceXorDestination;
    case SRCERASE: return QPainter::RasterOp_SourceAndNotDestination;
    case NOTSRCCOPY: return QPainter::RasterOp_NotSource;
    case NOTSRCERASE: return QPainter::RasterOp_NotSourceAndNotDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

}  // namespace

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    backColor_ = palette().color(QPalette::Dark);
    // The view takes the focus when clicked and reports every pointer move,
    // not only those with a button held.
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    applyPointer();
}

// A drawing is shown at once; without AutoRedraw the next paint shows it
// without asking for a redraw. Drawing done while the owner answers a
// PaintRequested is painted by that same paint.
void CanvasView::contentDrawn()
{
    if (!autoRedraw_) flushPending_ = true;
    if (!inPaint_) update();
}

void CanvasView::DrawStretched(const QImage& picture, QSize size)
{
    drawn_ = QImage();
    stretchedSize_ = size;
    if (picture.isNull() || size.isEmpty()) {
        stretched_ = QImage();
    } else if (size.width() < picture.width() && size.height() < picture.height()) {
        stretched_ = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        stretched_ = picture;  // shared, not copied; enlarged pixel by pixel when painted
    }
    contentDrawn();
}

void CanvasView::DrawPicture(const QImage& picture, const QRectF& target, const QRectF& source,
                             quint32 opcode)
{
    if (width() <= 0 || height() <= 0) return;
    if (drawn_.size() != size()) drawn_ = compose(true);
    QPainter painter(&drawn_);
    switch (opcode) {
    case DSTINVERT:
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(target, Qt::white);
        break;
    case BLACKNESS: painter.fillRect(target, Qt::black); break;
    case WHITENESS: painter.fillRect(target, Qt::white); break;
    case SRCCOPY:
        // A copy takes the source's colour values over whatever was there,
        // transparent pixels included, as a bitmap copy does.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(target, picture.convertToFormat(QImage::Format_RGB32), source);
        break;
    default:
        painter.setCompositionMode(compositionFor(opcode));
        painter.drawImage(target, picture, source);
        break;
    }
    painter.end();
    contentDrawn();
}

void CanvasView::Clear()
{
    stretched_ = QImage();
    stretchedSize_ = QSize();
    drawn_ = QImage();
    update();
}

void CanvasView::SetBackColor(const QColor& color)
{
    backColor_ = color;
    update();
}

void CanvasView::SetOwnPicture(const QImage& picture)
{
    ownPicture_ = picture;
    update();
}

// Switching AutoRedraw off leaves what is on the screen there until the next
// repaint; switching it on keeps whatever is still drawn.
void CanvasView::SetAutoRedraw(bool on)
{
    autoRedraw_ = on;
    flushPending_ = false;
}

void CanvasView::SetMousePointer(short code)
{
    mousePointer_ = code;
    applyPointer();
}

void CanvasView::SetMouseIcon(const QCursor& icon)
{
    mouseIcon_ = icon;
    applyPointer();
}

void CanvasView::applyPointer()
{
    setCursor(mousePointer_ == 99 ? mouseIcon_ : QCursor(Qt::ArrowCursor));
}

void CanvasView::paintContent(QPainter& painter, const QRect& exposed, bool withDrawing) const
{
    painter.fillRect(exposed, backColor_);
    if (!withDrawing) {
        if (!ownPicture_.isNull()) painter.drawImage(QPoint(0, 0), ownPicture_);
        return;
    }
    if (!drawn_.isNull()) {
        painter.drawImage(exposed.topLeft(), drawn_, exposed);
        return;
    }
    if (!ownPicture_.isNull()) painter.drawImage(QPoint(0, 0), ownPicture_);
    if (!stretched_.isNull()) {
        const QRect target(QPoint(0, 0), stretchedSize_);
        if (stretched_.size() == stretchedSize_) {
            const QRect part = exposed & target;
            painter.drawImage(part.topLeft(), stretched_, part);
        } else {
            painter.drawImage(target, stretched_);
        }
    }
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    // Without AutoRedraw, a paint that does not just show a new drawing is a
    // repaint: what was drawn is gone, and the owner is asked to draw again.
    const bool repaint = !autoRedraw_ && !flushPending_;
    flushPending_ = false;
    if (repaint) {
        stretched_ = QImage();
        stretchedSize_ = QSize();
        drawn_ = QImage();
    }
    {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        paintContent(painter, event->rect(), true);
    }
    if (!repaint) return;
    inPaint_ = true;
    emit PaintRequested();
    inPaint_ = false;
    flushPending_ = false;
    if (!stretched_.isNull() || !drawn_.isNull()) {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        paintContent(painter, event->rect(), true);
    }
}

QImage CanvasView::compose(bool withDrawing) const
{
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter painter(&image);
    paintContent(painter, image.rect(), withDrawing);
    return image;
}

QImage CanvasView::ComposedImage() const { return compose(autoRedraw_); }
