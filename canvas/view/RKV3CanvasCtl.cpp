// The control's creation and destruction, its own properties and their
// persistence.
#include "view/RKV3CanvasCtl.h"

#include "platform/Metrics.h"
#include "render/RegionRunIndex.h"
#include "view/CanvasView.h"
#include "view/ColorValues.h"
#include "view/MousePointerImages.h"
#include "view/PersistedValues.h"
#include "view/PropertyBag.h"
#include "view/ScrollBarColorRequest.h"
#include "view/SignedScrollBar.h"
#include "view/SurfaceHandles.h"
#include "view/modScrollFix.h"

#include <QPixmap>

namespace {

void fillWithBackColor(QWidget* widget, const QColor& color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

}  // namespace

RKV3CanvasCtl::RKV3CanvasCtl(QWidget* parent)
    : QFrame(parent), regionRuns_(std::make_unique<RegionRunIndex>())
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
    hscPicture_->installEventFilter(this);
    vscPicture_->installEventFilter(this);

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

// QWidget::setEnabled is not virtual, so the mark is made where a change
// arrives, however it was made (also through a QWidget pointer). A parent
// that is disabled or enabled changes the control's effective state, not its
// own. Qt sends no change while a parent is disabled, so the marks are
// brought up to date when they are read too.
void RKV3CanvasCtl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) markEnabledChange();
    QFrame::changeEvent(event);
}

void RKV3CanvasCtl::markEnabledChange() const
{
    if (Enabled() == enabledAsMarked_) return;
    enabledAsMarked_ = Enabled();
    changedProperties_.insert(QStringLiteral("Enabled"));
}

const QSet<QString>& RKV3CanvasCtl::ChangedProperties() const
{
    markEnabledChange();
    return changedProperties_;
}

void RKV3CanvasCtl::clearChangeMarks()
{
    changedProperties_.clear();
    enabledAsMarked_ = Enabled();
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
    clearChangeMarks();
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
    clearChangeMarks();
}
