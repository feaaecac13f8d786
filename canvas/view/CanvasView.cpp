#include "view/CanvasView.h"

#include "render/PageScaler.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

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
    stretched_ = (picture.isNull() || size.isEmpty()) ? QImage() : picture;
    changedPictureSize_ = stretched_.size();
    contentDrawn();
}

void CanvasView::DrawStretchedChange(const QImage& picture, QSize size, const QRegion& changed)
{
    const bool partly = drawn_.isNull() && stretchedSize_ == size && !size.isEmpty()
                        && !picture.isNull() && picture.size() == changedPictureSize_;
    if (!partly) {
        DrawStretched(picture, size);
        return;
    }
    stretched_ = picture;
    // The changed part in view pixels, each rectangle widened by one for the
    // averaging of a shrunk view.
    const double sx = double(size.width()) / picture.width();
    const double sy = double(size.height()) / picture.height();
    QRegion inView;
    for (const QRect& r : changed)
        inView += QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy)
                      .toAlignedRect()
                      .adjusted(-1, -1, 1, 1);
    inView -= coveredBySiblingsAbove();
    if (!autoRedraw_) flushPending_ = true;
    if (!inPaint_) update(inView);
}

// The part of the view that widgets stacked above it in the same parent (the
// scroll bars and the corner square of the canvas) hide. A change there is
// not seen, and repainting it would make those widgets paint themselves
// again, which costs more than the change.
QRegion CanvasView::coveredBySiblingsAbove() const
{
    QRegion covered;
    if (!parentWidget()) return covered;
    const QObjectList& siblings = parentWidget()->children();
    for (qsizetype i = siblings.indexOf(const_cast<CanvasView*>(this)) + 1; i < siblings.size(); ++i) {
        const auto* sibling = qobject_cast<const QWidget*>(siblings.at(i));
        if (sibling && sibling->isVisible() && !sibling->isWindow())
            covered += sibling->geometry().translated(-pos());
    }
    return covered;
}

void CanvasView::LetGoOfPicture() { stretched_ = QImage(); }

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
    changedPictureSize_ = QSize();
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
    // Page pixels are never smoothed when drawn: at 100 per cent, and on
    // high-density screens, a page pixel covers whole device pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!withDrawing) {
        painter.fillRect(exposed, backColor_);
        if (!ownPicture_.isNull()) painter.drawImage(QPoint(0, 0), ownPicture_);
        return;
    }
    if (!drawn_.isNull()) {
        painter.fillRect(exposed, backColor_);
        painter.drawImage(exposed.topLeft(), drawn_, exposed);
        return;
    }
    const QRect target(QPoint(0, 0), stretchedSize_);
    const QRect part = stretched_.isNull() ? QRect() : exposed & target;
    // The page is opaque: only what it leaves uncovered gets the back colour.
    for (const QRect& r : QRegion(exposed).subtracted(QRegion(part))) painter.fillRect(r, backColor_);
    if (!ownPicture_.isNull()) {
        if (!part.isEmpty()) painter.fillRect(part, backColor_);
        painter.drawImage(QPoint(0, 0), ownPicture_);
    }
    if (part.isEmpty()) return;
    if (stretched_.size() == stretchedSize_) {
        painter.drawImage(part.topLeft(), stretched_, part);
    } else if (stretchedSize_.width() <= stretched_.width()
               && stretchedSize_.height() <= stretched_.height()) {
        drawScaled(painter, part, false);
    } else if (stretchedSize_.width() >= stretched_.width()
               && stretchedSize_.height() >= stretched_.height()) {
        drawScaled(painter, part, true);
    } else {
        painter.drawImage(target, stretched_);
    }
}

// Draws the exposed part of a shrunk or enlarged page at the device's own
// resolution: a shrunk page averaged, so a high-density screen shows all the
// detail it can hold; an enlarged one in solid blocks of its pixels, never
// smoothed. Only the exposed part is scaled, so a view many times the page's
// size needs no more memory than the screen.
void CanvasView::drawScaled(QPainter& painter, const QRect& part, bool enlarge) const
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    int targetWidth = int(std::lround(stretchedSize_.width() * ratio));
    int targetHeight = int(std::lround(stretchedSize_.height() * ratio));
    if (!enlarge) {
        targetWidth = std::min(stretched_.width(), targetWidth);
        targetHeight = std::min(stretched_.height(), targetHeight);
    }
    const QRect device = QRect(0, 0, targetWidth, targetHeight)
                             & QRectF(part.x() * ratio, part.y() * ratio, part.width() * ratio,
                                      part.height() * ratio)
                                   .toAlignedRect();
    if (device.isEmpty()) return;
    // The scratch image is kept from paint to paint: fresh memory for every
    // paint would cost a page fault per 4 KiB.
    if (shrunk_.size() != device.size()) shrunk_ = QImage(device.size(), QImage::Format_RGB32);
    QImage& shrunk = shrunk_;
    if (shrunk.isNull()) return;
    const ScaleSource source{reinterpret_cast<const std::uint32_t*>(stretched_.constBits()),
                             std::size_t(stretched_.bytesPerLine() / 4), stretched_.width(),
                             stretched_.height()};
    auto* out = reinterpret_cast<std::uint32_t*>(shrunk.bits());
    const auto outStride = std::size_t(shrunk.bytesPerLine() / 4);
    if (enlarge)
        ScaleUpPart(source, targetWidth, targetHeight, device.x(), device.y(), device.width(),
                    device.height(), out, outStride);
    else
        ScaleDownPart(source, targetWidth, targetHeight, device.x(), device.y(), device.width(),
                      device.height(), out, outStride);
    shrunk.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(device.x() / ratio, device.y() / ratio), shrunk);
    shrunk.setDevicePixelRatio(1.0);
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
        for (const QRect& r : event->region()) {
            painter.setClipRect(r);
            paintContent(painter, r, true);
        }
    }
    if (!repaint) return;
    inPaint_ = true;
    emit PaintRequested();
    inPaint_ = false;
    flushPending_ = false;
    if (!stretched_.isNull() || !drawn_.isNull()) {
        QPainter painter(this);
        for (const QRect& r : event->region()) {
            painter.setClipRect(r);
            paintContent(painter, r, true);
        }
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
