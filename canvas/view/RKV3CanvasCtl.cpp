#include "RKV3CanvasCtl.h"

#include "BusyPointer.h"
#include "CanvasView.h"
#include "ColorBytes.h"
#include "ColorValues.h"
#include "KeyCodes.h"
#include "MessageBox.h"
#include "MousePointerImages.h"
#include "Metrics.h"
#include "PageImageReader.h"
#include "PageRenderer.h"
#include "PersistedValues.h"
#include "PropertyBag.h"
#include "RegionPicking.h"
#include "RegularFile.h"
#include "ScrollBarColorRequest.h"
#include "ScrollGeometry.h"
#include "SignedScrollBar.h"
#include "SurfaceHandles.h"
#include "modScrollFix.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <cmath>
#include <limits>

using Platform::Metrics::SM_CXBORDER;
using Platform::Metrics::SM_CXDLGFRAME;
using Platform::Metrics::SM_CXHTHUMB;
using Platform::Metrics::SM_CYBORDER;
using Platform::Metrics::SM_CYDLGFRAME;
using Platform::Metrics::SM_CYVTHUMB;
using Platform::Metrics::systemMetric;

namespace {

// Size of the buffer and view while no page is loaded.
constexpr int PlaceholderSide = 120;

void fillWithBackColor(QWidget* widget, const QColor& color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

int toInt32(double value)
{
    if (!(value == value)) return 0;
    return int(std::clamp(RoundHalfEven(value), double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

// A computed place or extent of the view in whole pixels, kept within what a
// widget can take, so that any zoom (huge, infinite or not a number) gives a
// defined geometry.
int toWidgetPixels(float value)
{
    if (!(value == value)) return 0;
    return qRound(std::clamp(value, -float(QWIDGETSIZE_MAX), float(QWIDGETSIZE_MAX)));
}

}  // namespace

RKV3CanvasCtl::RKV3CanvasCtl(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);

    // The loader and buffer start with the window background, the viewport
    // and view with the application workspace, both system colours.
    ColorValues::resolve(ColorValues::WindowBackground, bufferBackColor_);
    QColor workspaceColor;
    ColorValues::resolve(ColorValues::ApplicationWorkspace, workspaceColor);
    viewBackColor_ = ColorValues::ApplicationWorkspace;
    bufferImage_ = QImage(PlaceholderSide, PlaceholderSide, QImage::Format_RGB32);
    bufferImage_.fill(bufferBackColor_);

    picMain_ = new QWidget(this);
    picMain_->setObjectName("picMain");
    fillWithBackColor(picMain_, workspaceColor);
    picMain_->installEventFilter(this);

    picView_ = new CanvasView(picMain_);
    picView_->setObjectName("picView");
    picView_->SetBackColor(workspaceColor);
    picView_->setGeometry(0, 0, PlaceholderSide, PlaceholderSide);
    picView_->installEventFilter(this);
    connect(picView_, &CanvasView::PaintRequested, this, [this] { emit Paint(); });

    const int extent = Platform::Metrics::scrollBarExtent();
    hscPicture_ = new SignedScrollBar(Qt::Horizontal, picMain_);
    hscPicture_->setObjectName("hscPicture");
    hscPicture_->resize(extent * 4, extent);
    hscPicture_->setCursor(Qt::ArrowCursor);
    hscPicture_->hide();
    vscPicture_ = new SignedScrollBar(Qt::Vertical, picMain_);
    vscPicture_->setObjectName("vscPicture");
    vscPicture_->resize(extent, extent * 4);
    vscPicture_->setCursor(Qt::ArrowCursor);
    vscPicture_->hide();

    picTemp_ = new QWidget(picMain_);
    picTemp_->setObjectName("picTemp");
    fillWithBackColor(picTemp_, workspaceColor);
    picTemp_->resize(extent, extent);
    picTemp_->hide();

    // The view follows the bars; dragging the horizontal thumb is reported
    // to the host before the value is committed.
    connect(hscPicture_, &SignedScrollBar::Change, this, [this](int value) {
        viewLeft_ = float(value);
        applyViewGeometry();
    });
    connect(vscPicture_, &SignedScrollBar::Change, this, [this](int value) {
        viewTop_ = float(value);
        applyViewGeometry();
    });
    connect(hscPicture_, &SignedScrollBar::Scrolling, this, [this] { emit Scroll(); });

    viewWindow_ = SurfaceHandles::issue(picView_);
    viewDC_ = SurfaceHandles::issue(picView_);
    bufferDC_ = SurfaceHandles::issue(&bufferImage_);

    // Creation, before any host can call in: the corner square in front;
    // the region palette is in its creation state since it was built with
    // the control; DrawSmooth off.
    picTemp_->raise();
    drawSmooth_ = false;
}

RKV3CanvasCtl::~RKV3CanvasCtl()
{
    // Only the control whose viewport the module holds takes the hook off,
    // so destroying one control never unhooks another's viewport.
    if (userMode_ && modScrollFix::HookedWindow == picMain_) modScrollFix::RemoveHook();
    SurfaceHandles::release(viewWindow_);
    SurfaceHandles::release(viewDC_);
    SurfaceHandles::release(bufferDC_);
}

// -------------------------------------------------------------- properties

void RKV3CanvasCtl::setAllowZoomOut(bool value)
{
    allowZoomOut_ = value;
    PropertyChanged(QStringLiteral("AllowZoomOut"));
}

void RKV3CanvasCtl::setAllowZoomIn(bool value)
{
    allowZoomIn_ = value;
    PropertyChanged(QStringLiteral("AllowZoomIn"));
}

bool RKV3CanvasCtl::AutoRedraw() const { return picView_->AutoRedraw(); }

void RKV3CanvasCtl::setAutoRedraw(bool value)
{
    picView_->SetAutoRedraw(value);
    PropertyChanged(QStringLiteral("AutoRedraw"));
}

// The view's background alone (what a restore applies).
bool RKV3CanvasCtl::applyViewBackColor(int value)
{
    QColor color;
    if (!ColorValues::resolve(value, color)) return false;
    viewBackColor_ = value;
    picView_->SetBackColor(color);
    return true;
}

void RKV3CanvasCtl::setBackColor(int value)
{
    QColor color;
    if (!ColorValues::resolve(value, color)) return;
    bufferBackColor_ = color;
    fillWithBackColor(picMain_, color);
    fillWithBackColor(picTemp_, color);
    applyViewBackColor(value);
    // The bars ask the viewport for their background when they paint.
    hscPicture_->update();
    vscPicture_->update();
    PropertyChanged(QStringLiteral("BackColor"));
}

bool RKV3CanvasCtl::Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

void RKV3CanvasCtl::setEnabled(bool value)
{
    QFrame::setEnabled(value);
    PropertyChanged(QStringLiteral("Enabled"));
}

QPaintDevice* RKV3CanvasCtl::SurfaceFromHandle(int handle) { return SurfaceHandles::device(handle); }

void RKV3CanvasCtl::setMousePointer(short value)
{
    if (!((value >= 0 && value <= 15) || value == 99)) return;
    mousePointer_ = value;
    applyOwnPointer();
    PropertyChanged(QStringLiteral("MousePointer"));
}

void RKV3CanvasCtl::setMouseIcon(const QImage& value)
{
    mouseIcon_ = value;
    applyOwnPointer();
}

// The control's own pointer covers the viewport and the corner square,
// which take the control's pointer; the view and the bars have their own.
void RKV3CanvasCtl::applyOwnPointer()
{
    static constexpr Qt::CursorShape Shapes[16] = {
        Qt::ArrowCursor,    Qt::ArrowCursor,   Qt::CrossCursor,    Qt::IBeamCursor,
        Qt::ArrowCursor,    Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,  Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,   Qt::WhatsThisCursor, Qt::SizeAllCursor,
    };
    if (mousePointer_ == 0 || (mousePointer_ == 99 && mouseIcon_.isNull())) unsetCursor();
    else if (mousePointer_ == 99) setCursor(QCursor(QPixmap::fromImage(mouseIcon_)));
    else setCursor(Shapes[mousePointer_]);
}

// ------------------------------------------------------------- persistence

namespace {

// Persisted keys and their defaults.
const QString AutoRedrawKey = QStringLiteral("AutoRedraw");
const QString BackColorKey = QStringLiteral("BackColor");
const QString EnabledKey = QStringLiteral("Enabled");
const QString MousePointerKey = QStringLiteral("MousePointer");
const QString AllowZoomInKey = QStringLiteral("AllowZoomIn");
const QString AllowZoomOutKey = QStringLiteral("AllowZoomOut");
const QString PanActiveKey = QStringLiteral("PanActive");

constexpr bool DefaultAutoRedraw = true;
constexpr qint32 DefaultBackColor = ColorValues::ApplicationWorkspace;
constexpr bool DefaultEnabled = true;
constexpr int DefaultMousePointer = 0;
constexpr bool DefaultAllowZoom = false;
constexpr bool DefaultPanActive = false;

}  // namespace

// The scroll bars ask their parent, the viewport, for their background.
void RKV3CanvasCtl::hookViewport()
{
    modScrollFix::HookedWindow = picMain_;
    modScrollFix::InstallHook();
}

// A new instance: nothing is assigned; the fields keep their creation values.
void RKV3CanvasCtl::InitProperties()
{
    propertiesInitialised_ = true;
    if (userMode_) hookViewport();
}

// Each key is read with its default and applied; a key whose value cannot
// be read or applied is skipped and the next one goes on. BackColor goes to
// the view only.
void RKV3CanvasCtl::ReadProperties(const PropertyBag& bag)
{
    propertiesInitialised_ = true;
    if (userMode_) hookViewport();
    using namespace PersistedValues;
    bool flag = false;
    qint32 number = 0;
    short code = 0;
    if (readBool(bag.ReadProperty(AutoRedrawKey, DefaultAutoRedraw), flag)) picView_->SetAutoRedraw(flag);
    if (readInt32(bag.ReadProperty(BackColorKey, DefaultBackColor), number)) applyViewBackColor(number);
    if (readBool(bag.ReadProperty(EnabledKey, DefaultEnabled), flag)) setEnabled(flag);
    if (readInt16(bag.ReadProperty(MousePointerKey, DefaultMousePointer), code)) setMousePointer(code);
    if (readBool(bag.ReadProperty(AllowZoomInKey, DefaultAllowZoom), flag)) setAllowZoomIn(flag);
    if (readBool(bag.ReadProperty(AllowZoomOutKey, DefaultAllowZoom), flag)) setAllowZoomOut(flag);
    if (readBool(bag.ReadProperty(PanActiveKey, DefaultPanActive), flag)) setPanActive(flag);
    changedProperties_.clear();
}

void RKV3CanvasCtl::WriteProperties(PropertyBag& bag)
{
    bag.WriteProperty(AutoRedrawKey, picView_->AutoRedraw(), DefaultAutoRedraw);
    bag.WriteProperty(BackColorKey, viewBackColor_, DefaultBackColor);
    bag.WriteProperty(EnabledKey, Enabled(), DefaultEnabled);
    bag.WriteProperty(MousePointerKey, int(mousePointer_), DefaultMousePointer);
    bag.WriteProperty(AllowZoomInKey, allowZoomIn_, DefaultAllowZoom);
    bag.WriteProperty(AllowZoomOutKey, allowZoomOut_, DefaultAllowZoom);
    bag.WriteProperty(PanActiveKey, panActive_, DefaultPanActive);
    changedProperties_.clear();
}

// ---------------------------------------------------------------- surfaces

QImage RKV3CanvasCtl::Image() const { return picView_->ComposedImage(); }

// Keeps what the buffer holds at its top left and fills new room with its
// back colour. Returns false, leaving the buffer as it was, when an image of
// that size cannot be made (too large for memory or for an image at all).
bool RKV3CanvasCtl::resizeBuffer(QSize size)
{
    if (size == bufferImage_.size()) return true;
    QImage resized(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
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
    if (FilePath.isEmpty()) {
        loaderImage_ = QImage();
        return;
    }
    Platform::BusyPointer busy;
    QImage page = ReadPageImage(FilePath);
    if (page.isNull()) {
        Platform::MessageBox::show(QStringLiteral("Error Loading Bytemaps"));
        return;
    }
    loaderImage_ = page;
    if (!resizeBuffer(loaderImage_.size())) {
        Platform::MessageBox::show(QStringLiteral("Error Loading Bytemaps"));
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
        if (Platform::openRegularFile(file, FilePath)) picture.load(&file, nullptr);
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
    viewWidth_ = float(value);
    applyViewGeometry();
}

void RKV3CanvasCtl::setCanvasHeight(int value)
{
    if (value <= 0 || !resizeBuffer(QSize(bufferImage_.width(), value))) return;
    viewHeight_ = float(value);
    applyViewGeometry();
}

// ----------------------------------------------------------------- palette

uchar RKV3CanvasCtl::GetRedByte(int srcColor) const { return ::GetRedByte(srcColor); }
uchar RKV3CanvasCtl::GetGreenByte(int srcColor) const { return ::GetGreenByte(srcColor); }
uchar RKV3CanvasCtl::GetBlueByte(int srcColor) const { return ::GetBlueByte(srcColor); }

bool RKV3CanvasCtl::UpdatePaletteColor(short Index, int ColorValue, short Offset)
{
    return palette_.UpdatePaletteColor(Index, ColorValue, Offset);
}

bool RKV3CanvasCtl::RenderRKVPage()
{
    if (loaderImage_.isNull()) return false;
    const int w = loaderImage_.width();
    const int h = loaderImage_.height();

    // Only the part of the page that lies inside the buffer is written: the
    // buffer can differ in size after LoadImage or a CanvasWidth change.
    // The buffer is written in place: its picture and the view, which share
    // its pixels, let go of them first (both take the new page below), so no
    // copy of the whole page is made.
    bufferPicture_ = QImage();
    picView_->Clear();
    if (bufferImage_.format() != QImage::Format_RGB32)
        bufferImage_ = bufferImage_.convertToFormat(QImage::Format_RGB32);
    const int cw = std::min(w, bufferImage_.width());
    const int ch = std::min(h, bufferImage_.height());
    const auto* src = reinterpret_cast<const std::uint32_t*>(loaderImage_.constBits());
    auto* dst = reinterpret_cast<std::uint32_t*>(bufferImage_.bits());
    const std::size_t srcStride = std::size_t(loaderImage_.bytesPerLine()) / 4;
    const std::size_t dstStride = std::size_t(bufferImage_.bytesPerLine()) / 4;
    if (drawSmooth_) {
        for (int y = 0; y < ch; ++y)
            std::copy_n(src + y * srcStride, cw, dst + y * dstStride);
    } else {
        RenderPixelRows(src, srcStride, dst, dstStride, cw, ch, palette_);
    }

    bufferPicture_ = bufferImage_;
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

// ------------------------------------------------------------- zoom, layout

void RKV3CanvasCtl::setZoom(double value)
{
    layoutPending_ = (value != zoom_);
    zoom_ = value;
    ApplyZoom();
    emit ZoomChanged(toInt32(value));
}

void RKV3CanvasCtl::applyViewGeometry()
{
    picView_->setGeometry(toWidgetPixels(viewLeft_), toWidgetPixels(viewTop_),
                          std::max(0, toWidgetPixels(viewWidth_)),
                          std::max(0, toWidgetPixels(viewHeight_)));
}

// Pre-centres the view before the bars are computed: a view smaller than
// the viewport is centred with room for a bar, a larger one on the middle.
void RKV3CanvasCtl::centreSmallView()
{
    const int thumb = systemMetric(SM_CYVTHUMB);
    const float mw = float(picMain_->width());
    const float mh = float(picMain_->height());
    viewLeft_ = viewWidth_ < mw ? (mw - viewWidth_ - float(thumb)) / 2 : (mw - viewWidth_) / 2;
    viewTop_ = viewHeight_ < mh ? (mh - viewHeight_ - float(thumb)) / 2 : (mh - viewHeight_) / 2;
}

void RKV3CanvasCtl::ApplyZoom()
{
    if (bufferPicture_.isNull()) return;
    picView_->show();
    picView_->Clear();
    {
        Platform::PaintFreeze freeze(picMain_);
        viewWidth_ = float(double(imageWidth_) * (zoom_ / 100.0));
        viewHeight_ = float(double(imageHeight_) * (zoom_ / 100.0));
        if (layoutPending_) centreSmallView();
        applyViewGeometry();
        Platform::letPendingEventsRun();
        picView_->DrawStretched(bufferPicture_, picView_->size());
        UpdateScrollBars();
        UpdateScrollBars();
    }
}

void RKV3CanvasCtl::ShowLoadedPage()
{
    picView_->show();
    picView_->Clear();
    picView_->DrawStretched(bufferPicture_, picView_->size());
    centreSmallView();
    applyViewGeometry();
    UpdateScrollBars();
    Platform::letPendingEventsRun();
    UpdateScrollBars();
}

// Computes one axis. A fitting view is centred and its bar hidden; otherwise
// the bar is shown with Min 0 and a negative Max and set to the middle of its
// range. keepPosition leaves the value alone when the range did not change
// (a recalled position). The view's offset is kept equal to the bar's value
// even when the value did not change, so the convention holds after any pass.
static void updateAxis(SignedScrollBar* bar, int viewport, float viewExtent, int thumb,
                       bool keepPosition, float& viewOffset)
{
    const ScrollRange range = ComputeScrollRange(viewport, viewExtent, thumb);
    if (range.fits) {
        bar->SetValue(bar->Min());
        bar->hide();
        viewOffset = float(range.centredOffset);
        return;
    }
    bar->show();
    bar->raise();
    bar->SetMin(0);
    const bool sameRange = range.maxFits16 && bar->Max() == range.max;
    if (range.maxFits16) bar->SetMax(range.max);
    if (!(keepPosition && sameRange)) bar->SetValue(range.middle);
    viewOffset = float(bar->Value());
}

void RKV3CanvasCtl::UpdateScrollBars(bool keepPosition)
{
    updateAxis(hscPicture_, picMain_->width(), viewWidth_, systemMetric(SM_CXHTHUMB), keepPosition,
               viewLeft_);
    updateAxis(vscPicture_, picMain_->height(), viewHeight_, systemMetric(SM_CYVTHUMB),
               keepPosition, viewTop_);
    applyViewGeometry();

    picTemp_->setVisible(!hscPicture_->isHidden() && !vscPicture_->isHidden());
    picTemp_->raise();
    placeCornerSquare();
    ArrangeScrollBars();
}

void RKV3CanvasCtl::placeCornerSquare()
{
    picTemp_->setGeometry(hscPicture_->width(), vscPicture_->height(), vscPicture_->width(),
                          hscPicture_->height());
}

// Lays the bars along the bottom and right edges of the control. Wc and Hc
// are the control's outer size; the frame allowances take the control's own
// frame off both sides, so the bars end on the viewport's edges.
void RKV3CanvasCtl::ArrangeScrollBars()
{
    const int wc = width();
    const int hc = height();
    const int hHeight = hscPicture_->height();
    const int vWidth = vscPicture_->width();
    int hWidth = !vscPicture_->isHidden() ? wc - vWidth - 2 * systemMetric(SM_CXBORDER)
                                          : wc - systemMetric(SM_CXDLGFRAME);
    hscPicture_->setGeometry(0, hc - hHeight - systemMetric(SM_CYDLGFRAME), std::max(0, hWidth),
                             hHeight);
    int vHeight = !hscPicture_->isHidden() ? hc - hHeight - 2 * systemMetric(SM_CYBORDER)
                                           : hc - systemMetric(SM_CYDLGFRAME);
    vscPicture_->setGeometry(wc - vWidth - systemMetric(SM_CXDLGFRAME), 0, vWidth,
                             std::max(0, vHeight));
}

void RKV3CanvasCtl::viewportResized()
{
    ArrangeScrollBars();
    placeCornerSquare();
    UpdateScrollBars();
}

void RKV3CanvasCtl::StorePosition()
{
    savedHMax_ = hscPicture_->Max();
    savedHValue_ = hscPicture_->Value();
    savedVMax_ = vscPicture_->Max();
    savedVValue_ = vscPicture_->Value();
}

void RKV3CanvasCtl::RecallPosition()
{
    if (vscPicture_->Max() != savedVMax_ || hscPicture_->Max() != savedHMax_) return;
    hscPicture_->SetValue(savedHValue_);
    vscPicture_->SetValue(savedVValue_);
    UpdateScrollBars(true);
    UpdateScrollBars(true);
}

// ------------------------------------------------------------------ events

void RKV3CanvasCtl::showEvent(QShowEvent* event)
{
    if (!propertiesInitialised_) InitProperties();
    QFrame::showEvent(event);
}

void RKV3CanvasCtl::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    picMain_->setGeometry(contentsRect());
    picTemp_->raise();
    emit Resize();
}

bool RKV3CanvasCtl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picView_) return picView_Event(event);
    if (watched == picMain_) {
        // The viewport's own answer to a bar's colour request: its background.
        if (event->type() == ScrollBarColorRequest::type()) {
            static_cast<ScrollBarColorRequest*>(event)->setAnswer(picMain_->palette().window());
            return true;
        }
        if (event->type() == QEvent::Resize) viewportResized();
        else if (event->type() == QEvent::MouseButtonDblClick) emit DblClick();
    }
    return QFrame::eventFilter(watched, event);
}

// The control's own key-down: keys that reach the control from the view
// (passed on by it) are not the control's.
void RKV3CanvasCtl::keyPressEvent(QKeyEvent* event)
{
    if (QApplication::focusWidget() != this) {
        QFrame::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if ((key == Qt::Key_Right || key == Qt::Key_Left) && hscPicture_->Value() != 0) {
        if (!hscPicture_->isHidden()) hscPicture_->setFocus();
    } else if ((key == Qt::Key_Up || key == Qt::Key_Down) && vscPicture_->Value() != 0) {
        if (!vscPicture_->isHidden()) vscPicture_->setFocus();
    }
    QFrame::keyPressEvent(event);
}

// ------------------------------------------------------------------- tools

void RKV3CanvasCtl::showToolPointer(int imageIndex)
{
    picView_->SetMouseIcon(MousePointerImages::cursor(imageIndex));
    picView_->SetMousePointer(99);
}

void RKV3CanvasCtl::setPanActive(bool value)
{
    panActive_ = value;
    PropertyChanged(QStringLiteral("PanActive"));
    if (panActive_) showToolPointer(MousePointerImages::PanArrow);
    else if (pickerActive_) showToolPointer(MousePointerImages::Dropper);
    else picView_->SetMousePointer(0);
}

void RKV3CanvasCtl::setPickerActive(bool value)
{
    pickerActive_ = value;
    if (pickerActive_) showToolPointer(MousePointerImages::Dropper);
    else if (panActive_) showToolPointer(MousePointerImages::PanArrow);
    else picView_->SetMousePointer(0);
}

// The pointer's position relative to the viewport's top left, sampled from
// the screen at each event rather than taken from the event.
QPoint RKV3CanvasCtl::pointerInViewport() const
{
    return QCursor::pos() - picMain_->mapToGlobal(QPoint(0, 0));
}

bool RKV3CanvasCtl::picView_Event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const short shift = KeyCodes::shiftState(mouse->modifiers());
        const float x = float(mouse->position().x());
        const float y = float(mouse->position().y());
        if (event->type() == QEvent::MouseButtonPress) {
            clickPending_ = true;
            picView_MouseDown(KeyCodes::buttonCode(mouse->button()), shift, x, y);
        } else if (event->type() == QEvent::MouseMove) {
            picView_MouseMove(KeyCodes::buttonMask(mouse->buttons()), shift, x, y);
        } else {
            picView_MouseUp(KeyCodes::buttonCode(mouse->button()), shift, x, y);
            // A press and a release over the view make a click.
            const bool click = clickPending_ && picView_->rect().contains(mouse->position().toPoint());
            clickPending_ = false;
            if (click) emit Click();
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // The second press of a double click is a double click only: no
        // MouseDown, and its release makes no click.
        clickPending_ = false;
        emit DblClick();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return picView_Key(static_cast<QKeyEvent*>(event));
    default: return false;
    }
}

void RKV3CanvasCtl::picView_MouseDown(short Button, short Shift, float X, float Y)
{
    emit MouseDown(Button, Shift, X, Y);
    if (!panActive_) return;
    dragging_ = Button == 1 && (!hscPicture_->isHidden() || !vscPicture_->isHidden());
    if (!dragging_) return;
    const QPoint at = pointerInViewport();
    dragLastX_ = at.x();
    dragLastY_ = at.y();
    showToolPointer(MousePointerImages::DragArrow);
}

// Each step moves the bars by the pointer's motion, so the page follows the
// pointer pixel for pixel. A step that would take a bar beyond its range ends
// on the range's end: the page stops exactly at the edge, however fast the
// pointer moves, and since the last position still advances while the page
// stands, moving back scrolls at once.
static void dragBar(SignedScrollBar* bar, int delta)
{
    if (bar->isHidden() || delta == 0) return;
    const int low = std::min(bar->Min(), bar->Max());
    const int high = std::max(bar->Min(), bar->Max());
    bar->SetValue(std::clamp(bar->Value() + delta, low, high));
}

void RKV3CanvasCtl::picView_MouseMove(short Button, short Shift, float X, float Y)
{
    emit MouseMove(Button, Shift, X, Y);
    if (!dragging_) return;
    const QPoint at = pointerInViewport();
    dragBar(hscPicture_, at.x() - dragLastX_);
    dragBar(vscPicture_, at.y() - dragLastY_);
    dragLastX_ = at.x();
    dragLastY_ = at.y();
}

void RKV3CanvasCtl::picView_MouseUp(short Button, short Shift, float X, float Y)
{
    emit MouseUp(Button, Shift, X, Y);
    dragging_ = false;
    if (panActive_) showToolPointer(MousePointerImages::PanArrow);
    else if (!pickerActive_) picView_->SetMousePointer(0);
}

// A key in the view goes to the host first (KeyDown, then KeyPress when it
// carries a character; KeyUp on release). Then the view goes on with it: as
// it came when the host changed nothing; not at all when the host set the
// key code to 0 and left no character; otherwise as a key rebuilt from the
// host's values, sent through the view in place of the original. Either way
// a key the view does not use travels up to the host's window.
bool RKV3CanvasCtl::picView_Key(QKeyEvent* event)
{
    if (forwardingKey_) return false;
    const bool press = event->type() == QEvent::KeyPress;
    const short code = KeyCodes::fromQtKey(event->key(), event->modifiers());
    const short shift = KeyCodes::shiftState(event->modifiers());
    short KeyCode = code;
    short Shift = shift;
    if (press) emit KeyDown(KeyCode, Shift);
    else emit KeyUp(KeyCode, Shift);

    QString text = event->text();
    bool textChanged = false;
    if (press && !text.isEmpty() && text.at(0).unicode() > 0 && text.at(0).unicode() <= 0x7FFF) {
        const short character = short(text.at(0).unicode());
        short KeyAscii = character;
        emit KeyPress(KeyAscii);
        if (KeyAscii != character) {
            textChanged = true;
            text = KeyAscii == 0 ? QString() : QString(QChar(char16_t(KeyAscii)));
        }
    }

    const bool keyChanged = KeyCode != code;
    const bool shiftChanged = Shift != shift;
    if (!keyChanged && !shiftChanged && !textChanged) return false;
    if (KeyCode == 0 && (!press || text.isEmpty())) return true;

    bool keypad = false;
    int key = event->key();
    if (keyChanged) key = KeyCodes::toQtKey(KeyCode, &keypad);
    else keypad = event->modifiers() & Qt::KeypadModifier;
    Qt::KeyboardModifiers mods = event->modifiers();
    if (shiftChanged) {
        mods &= ~(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        mods |= KeyCodes::modifiers(Shift);
    }
    mods.setFlag(Qt::KeypadModifier, keypad);
    QKeyEvent rebuilt(event->type(), key, mods, text, event->isAutoRepeat(), ushort(event->count()));
    forwardingKey_ = true;
    QCoreApplication::sendEvent(picView_, &rebuilt);
    forwardingKey_ = false;
    return true;
}
