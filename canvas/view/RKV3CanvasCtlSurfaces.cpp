// The control's page surfaces (the raw page, the coloured page and the
// view), the region palette with the render, and region picking.
#include "view/RKV3CanvasCtl.h"

#include "colorbytes/ColorBytes.h"
#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "platform/Metrics.h"
#include "platform/files/RegularFile.h"
#include "render/PageImageReader.h"
#include "render/PageMemory.h"
#include "render/PageRenderer.h"
#include "render/RegionPicking.h"
#include "render/RegionRunIndex.h"
#include "view/CanvasView.h"

#include <QFile>
#include <QPainter>
#include <QRegion>

namespace {

// Paths may come with the classic "\" separators.
QString withForwardSlashes(QString path) { return path.replace(QLatin1Char('\\'), QLatin1Char('/')); }

}  // namespace

QImage RKV3CanvasCtl::Image() const { return picView_->ComposedImage(); }

// Keeps what the buffer holds at its top left and fills new room with its
// back colour. Returns false, leaving the buffer as it was, when an image of
// that size cannot be made (too large for memory or for an image at all).
bool RKV3CanvasCtl::resizeBuffer(QSize size)
{
    if (size == bufferImage_.size()) return true;
    QImage resized = MakePageImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    if (resized.isNull()) return false;
    resized.fill(bufferBackColor_);
    QPainter painter(&resized);
    painter.drawImage(QPoint(0, 0), bufferImage_);
    painter.end();
    bufferImage_ = resized;
    return true;
}

void RKV3CanvasCtl::LoadRKVImage(const QString& FilePath)
{
    pageLoadFailed_ = false;
    if (FilePath.isEmpty()) {
        loaderImage_ = QImage();
        regionRuns_->Clear();
        indexedPageKey_ = 0;
        return;
    }
    bool loaded = false;
    {
        // The busy pointer is back before any message shows.
        Platform::BusyPointer busy;
        const QImage page = ReadPageImage(withForwardSlashes(FilePath));
        if (!page.isNull()) {
            loaderImage_ = page;
            // The run index only speeds up recolouring: a page whose index
            // would not fit in what is left of the budget is shown without
            // one, and every render of it is a full one, with the same result.
            const bool indexed =
                regionRuns_->Build(reinterpret_cast<const std::uint32_t*>(loaderImage_.constBits()),
                                   std::size_t(loaderImage_.bytesPerLine() / 4), loaderImage_.width(),
                                   loaderImage_.height(), RunIndexRoom(loaderImage_.size()));
            indexedPageKey_ = indexed ? loaderImage_.cacheKey() : 0;
            loaded = resizeBuffer(loaderImage_.size());
        }
    }
    if (!loaded) {
        pageLoadFailed_ = true;
        Platform::MessageBox::show(tr("Error Loading Bytemaps"));
        return;
    }
    imageHeight_ = bufferImage_.height();
    imageWidth_ = bufferImage_.width();
    layoutPending_ = true;
}

void RKV3CanvasCtl::LoadImage(const QString& FilePath)
{
    // A picture that cannot be loaded leaves the buffer's picture as it was.
    if (FilePath.isEmpty()) {
        bufferPicture_ = QImage();
    } else {
        // Only a regular file is read: a device or FIFO counts as missing.
        QFile file;
        QImage picture;
        if (Platform::openRegularFile(file, withForwardSlashes(FilePath))) picture.load(&file, nullptr);
        if (!picture.isNull()) bufferPicture_ = picture.convertToFormat(QImage::Format_RGB32);
    }
    // The buffer keeps its size; its image shows the picture stretched into it.
    if (!bufferPicture_.isNull()) {
        QPainter painter(&bufferImage_);
        painter.drawImage(bufferImage_.rect(), bufferPicture_);
    }
    ShowLoadedPage();
    imageHeight_ = bufferImage_.height();
    imageWidth_ = bufferImage_.width();
    setZoom(100);
}

void RKV3CanvasCtl::UnloadImage()
{
    imageHeight_ = 0;
    imageWidth_ = 0;
    bufferPicture_ = QImage();
    picView_->SetOwnPicture(QImage());
    picView_->Clear();
    resizeBuffer(QSize(PlaceholderSide, PlaceholderSide));
    bufferImage_.fill(bufferBackColor_);
    viewWidth_ = viewHeight_ = PlaceholderSide;
    applyViewGeometry();
    UpdateScrollBars();
    UpdateScrollBars();
}

void RKV3CanvasCtl::Cls() { picView_->Clear(); }

void RKV3CanvasCtl::PaintPicture(const QImage& Picture, float X1, float Y1, const QVariant& Width1,
                                 const QVariant& Height1, const QVariant& X2, const QVariant& Y2,
                                 const QVariant& Width2, const QVariant& Height2,
                                 const QVariant& Opcode)
{
    if (Picture.isNull()) return;
    auto orDefault = [](const QVariant& v, double fallback) {
        bool ok = false;
        const double d = v.toDouble(&ok);
        return (v.isValid() && ok) ? d : fallback;
    };
    const QRectF target(X1, Y1, orDefault(Width1, Picture.width()),
                        orDefault(Height1, Picture.height()));
    const double sx = orDefault(X2, 0);
    const double sy = orDefault(Y2, 0);
    const QRectF source(sx, sy, orDefault(Width2, Picture.width() - sx),
                        orDefault(Height2, Picture.height() - sy));
    const quint32 opcode = quint32(orDefault(Opcode, double(0x00CC0020)));
    picView_->DrawPicture(Picture, target, source, opcode);
}

void RKV3CanvasCtl::setPicture(const QImage& picture)
{
    bufferPicture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    if (!bufferPicture_.isNull()) {
        QPainter painter(&bufferImage_);
        painter.drawImage(QPoint(0, 0), bufferPicture_);
    }
    imageHeight_ = bufferImage_.height();
    imageWidth_ = bufferImage_.width();
    ApplyZoom();
}

void RKV3CanvasCtl::setCanvasWidth(int value)
{
    if (value <= 0 || !resizeBuffer(QSize(value, bufferImage_.height()))) return;
    viewWidth_ = boundedViewExtent(value);
    applyViewGeometry();
}

void RKV3CanvasCtl::setCanvasHeight(int value)
{
    if (value <= 0 || !resizeBuffer(QSize(bufferImage_.width(), value))) return;
    viewHeight_ = boundedViewExtent(value);
    applyViewGeometry();
}

// ----------------------------------------------------------------- palette

uchar RKV3CanvasCtl::GetRedByte(int srcColor) const { return ::GetRedByte(srcColor); }
uchar RKV3CanvasCtl::GetGreenByte(int srcColor) const { return ::GetGreenByte(srcColor); }
uchar RKV3CanvasCtl::GetBlueByte(int srcColor) const { return ::GetBlueByte(srcColor); }

bool RKV3CanvasCtl::UpdatePaletteColor(short Index, int ColorValue, short Offset)
{
    if (!palette_.UpdatePaletteColor(Index, ColorValue, Offset)) return false;
    changedRegions_.set(std::size_t(Index));
    return true;
}

// True when the buffer still holds the last coloured render of the loaded
// page, untouched since (a QPainter or any write access changes its key), so
// that recolouring the changed regions gives what a full render would.
bool RKV3CanvasCtl::canRecolorChangedRegionsOnly() const
{
    const qint64 page = loaderImage_.cacheKey();
    return !drawSmooth_ && renderedBufferKey_ != 0 && bufferImage_.cacheKey() == renderedBufferKey_
           && renderedPageKey_ == page && indexedPageKey_ == page
           && bufferImage_.size() == loaderImage_.size()
           && bufferImage_.bytesPerLine() == loaderImage_.bytesPerLine();
}

bool RKV3CanvasCtl::RenderRKVPage()
{
    if (loaderImage_.isNull()) return false;
    const int w = loaderImage_.width();
    const int h = loaderImage_.height();

    // Recolouring only the changed regions pays while they are a small part
    // of the page; past a third, one pass over the whole page is quicker.
    const bool onlyChanged =
        canRecolorChangedRegionsOnly()
        && regionRuns_->PixelCount(changedRegions_) <= std::size_t(w) * std::size_t(h) / 3;

    // Only the part of the page that lies inside the buffer is written: the
    // buffer can differ in size after LoadImage or a CanvasWidth change.
    // The buffer is written in place: its picture and the view, which share
    // its pixels, let go of them first (both take the new page below), so no
    // copy of the whole page is made.
    bufferPicture_ = QImage();
    picView_->LetGoOfPicture();
    if (bufferImage_.format() != QImage::Format_RGB32)
        bufferImage_ = bufferImage_.convertToFormat(QImage::Format_RGB32);
    const int cw = std::min(w, bufferImage_.width());
    const int ch = std::min(h, bufferImage_.height());
    const auto* src = reinterpret_cast<const std::uint32_t*>(loaderImage_.constBits());
    auto* dst = reinterpret_cast<std::uint32_t*>(bufferImage_.bits());
    const std::size_t srcStride = std::size_t(loaderImage_.bytesPerLine()) / 4;
    const std::size_t dstStride = std::size_t(bufferImage_.bytesPerLine()) / 4;
    QRegion changed;
    bool partly = false;
    if (drawSmooth_) {
        for (int y = 0; y < ch; ++y)
            std::copy_n(src + y * srcStride, cw, dst + y * dstStride);
    } else if (onlyChanged) {
        RenderRegions(*regionRuns_, changedRegions_, src, dst, palette_);
        // The view repaints the bands of rows the changed regions lie in.
        for (const PageBox& b : regionRuns_->BandBoxes(changedRegions_, 32))
            changed += QRect(b.left, b.top, b.right - b.left, b.bottom - b.top);
        partly = true;
    } else {
        RenderPageRows(src, srcStride, dst, dstStride, cw, ch, palette_);
    }
    changedRegions_.reset();
    renderedPageKey_ = loaderImage_.cacheKey();
    renderedBufferKey_ = drawSmooth_ ? 0 : bufferImage_.cacheKey();

    bufferPicture_ = bufferImage_;
    if (partly)
        picView_->DrawStretchedChange(bufferPicture_, picView_->size(), changed);
    else
        picView_->DrawStretched(bufferPicture_, picView_->size());
    return true;
}

// ----------------------------------------------------------------- picking

// Reads the raw page in the loader, never the coloured buffer, so the answer
// does not depend on colours, ink or shading. The view's rectangle is taken
// as it stands on the screen; in twips mode it is moved into the control's
// frame, since the viewport sits inside the control's border.
uchar RKV3CanvasCtl::GetRegionValue(float X, float Y, int ScaleMode) const
{
    const QRect view = picView_->geometry().translated(picMain_->pos());
    const PickViewRect rect{float(view.x()), float(view.y()), float(view.width()),
                            float(view.height())};
    const PagePosition at =
        MapPointToPage(X, Y, ScaleMode, rect, loaderImage_.width(),
                       Platform::Metrics::twipsPerPixelX(), Platform::Metrics::twipsPerPixelY());
    if (!at.onView || loaderImage_.isNull()) return 0;
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(loaderImage_.constBits());
    const std::int32_t color =
        PageColorAt(pixels, int(loaderImage_.bytesPerLine() / 4), loaderImage_.width(),
                    loaderImage_.height(), at.x, at.y);
    return ::GetGreenByte(color);
}
