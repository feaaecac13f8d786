#pragma once

#include "CanvasExport.h"
#include "PrintSheetLayout.h"
#include "RegionPalette.h"

#include <QFrame>
#include <QImage>
#include <QSet>
#include <QVariant>

#include <bitset>
#include <memory>

class CanvasView;
class PropertyBag;
class QPaintDevice;
class RegionOverlay;
class RegionRunIndex;
struct PageBox;
struct RegionShape;
class SignedScrollBar;

// The page canvas control. It holds the page on three surfaces (the raw page
// as loaded, the coloured page at full size, and the view that shows it at
// the current zoom), keeps the 256-entry region palette, colours the page,
// lays the view out in a viewport with scroll bars that appear only when the
// zoomed page does not fit, lets the user drag the page (pan tool) and
// answers which region lies under a point.
//
// Scroll convention: a shown bar has Min 0 and a negative Max, and its Value
// is the view's Left (or Top) inside the viewport.
//
// The programmable interface: any host binds to it by name through the
// meta-object, in this order. Properties are Q_PROPERTYs; the write-only
// members (MouseIcon, DrawSmooth, HeaderText, FooterText) are invokable
// setters named set<Member>; methods are Q_INVOKABLE; the events are the
// signals. The container's persistence steps, which a host calls through
// the C++ class, are not invokable.
class RKV3CANVAS_EXPORT RKV3CanvasCtl : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool AllowZoomOut READ AllowZoomOut WRITE setAllowZoomOut)
    Q_PROPERTY(bool AllowZoomIn READ AllowZoomIn WRITE setAllowZoomIn)
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE setAutoRedraw)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(bool HasDC READ HasDC)
    Q_PROPERTY(int hDC READ hDC)
    Q_PROPERTY(int BufferhDC READ BufferhDC)
    Q_PROPERTY(int hwnd READ hwnd)
    Q_PROPERTY(QImage Image READ Image)
    Q_PROPERTY(QImage CanvasImage READ CanvasImage)
    Q_PROPERTY(short MousePointer READ MousePointer WRITE setMousePointer)
    // MouseIcon: set only (setMouseIcon).
    Q_PROPERTY(bool PanActive READ PanActive WRITE setPanActive)
    Q_PROPERTY(bool PickerActive READ PickerActive WRITE setPickerActive)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    // DrawSmooth: write only (setDrawSmooth).
    Q_PROPERTY(double Zoom READ Zoom WRITE setZoom)
    // HeaderText, FooterText: write only (setHeaderText, setFooterText).
    Q_PROPERTY(int CanvasWidth READ CanvasWidth WRITE setCanvasWidth)
    Q_PROPERTY(int CanvasHeight READ CanvasHeight WRITE setCanvasHeight)

public:
    explicit RKV3CanvasCtl(QWidget* parent = nullptr);
    ~RKV3CanvasCtl() override;

    // Zoom flags the host keeps equal to its zoom buttons' state; the
    // control itself never reads them.
    bool AllowZoomOut() const { return allowZoomOut_; }
    void setAllowZoomOut(bool value);
    bool AllowZoomIn() const { return allowZoomIn_; }
    void setAllowZoomIn(bool value);

    // Whether drawing on the view persists (the default) or is shown once
    // and lost at the next repaint, which then raises Paint.
    bool AutoRedraw() const;
    void setAutoRedraw(bool value);

    // A colour value (red + 256 x green + 65536 x blue) or a system colour
    // (0x80000000 + index). Read: the view's background. Write: the
    // background of the buffer, the viewport, the corner square and the
    // view. A value of neither kind is ignored.
    int BackColor() const { return viewBackColor_; }
    void setBackColor(int value);

    // The control's own enabled state (not its parent's). The write is
    // QWidget::setEnabled; any change of the own state, however it is made,
    // marks "Enabled" changed.
    bool Enabled() const;

    // The view always has a surface of its own to draw on.
    bool HasDC() const { return true; }
    // Opaque handles of the view's drawing surface, the buffer's and the
    // view's window (see SurfaceHandles.h): stable for the control's life.
    int hDC() const { return viewDC_; }
    int BufferhDC() const { return bufferDC_; }
    int hwnd() const { return viewWindow_; }
    // The surface a handle of any control names (the view's QWidget for hwnd
    // and hDC, the buffer's QImage for BufferhDC), or nullptr. The buffer can
    // be painted on at any time; the view, as any widget, only while it
    // paints, that is from a Paint handler.
    static QPaintDevice* SurfaceFromHandle(int handle);

    QImage Image() const;
    QImage CanvasImage() const { return bufferImage_; }

    // The pointer over the control's own surface (the viewport around the
    // page and the corner square; the view's pointer follows the tools):
    // 0 the host's default, 1 arrow, 2 cross, 3 I-beam, 4 icon, 5 size,
    // 6 size NE-SW, 7 size N-S, 8 size NW-SE, 9 size W-E, 10 up arrow,
    // 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 arrow and
    // question mark, 15 size all, 99 the MouseIcon. Other codes are ignored.
    short MousePointer() const { return mousePointer_; }
    void setMousePointer(short value);
    // The picture of pointer code 99 (hot spot in its middle).
    Q_INVOKABLE void setMouseIcon(const QImage& value);

    // The pan tool (drag the page with the left button) and the picker tool
    // (a dropper pointer; what a pick means is the host's business). Both may
    // be on at once; the flag just written decides the view's pointer when
    // it is true.
    bool PanActive() const { return panActive_; }
    void setPanActive(bool value);
    bool PickerActive() const { return pickerActive_; }
    void setPickerActive(bool value);

    QImage Picture() const { return bufferPicture_; }
    void setPicture(const QImage& picture);

    // True when the last LoadRKVImage given a path could not read it: it
    // said "Error Loading Bytemaps", and the loader still holds the page
    // before, which a following render colours again. A host that must never
    // show, print or save one page as another asks it after the load. Not
    // part of the programmable interface.
    bool PageLoadFailed() const { return pageLoadFailed_; }

    // The host's side of moving about the page, not part of the
    // programmable interface (RKV3CanvasCtlScrolling.cpp). The wheel, Space,
    // Shift+Space, Home and End scroll inside the control itself; a wheel
    // turned with Ctrl is left to the host (it travels on as the control's
    // wheel event), which zooms with these:
    // The viewport's size in pixels: the area the page is shown in, scroll
    // bars included.
    QSize ViewportSize() const;
    // The page point (page pixels, fractional) under a point of the control;
    // outside the page it lies beyond the page's edges. (0, 0) without a page.
    QPointF PagePointAt(QPointF at) const;
    // Scrolls so that a page point lies under a point of the control, as far
    // as the scroll ranges allow.
    void ShowPagePointAt(QPointF page, QPointF at);
    // Where a region lies on the page shown (RKV3CanvasCtlRegions.cpp); not
    // part of the programmable interface, and the page itself is never
    // recoloured by them. ShowRegionOutline outlines the region over the view
    // (0, or a region the page does not hold, removes the outline; so does
    // the pointer leaving the view). FlashRegion flashes the region's pixels
    // for about a second and scrolls the view so that the region's box is in
    // sight (as much of it as the viewport holds, its top left first);
    // false, and nothing shown, when the page holds none of it.
    void ShowRegionOutline(int region);
    bool FlashRegion(int region);

    // While true, rendering leaves the loaded page uncoloured.
    Q_INVOKABLE void setDrawSmooth(bool value) { drawSmooth_ = value; }

    double Zoom() const { return zoom_; }
    void setZoom(double value);

    // What the next PrintImage calls add to their tile mode: a page split
    // across sheets, fitted to the sheet, a scale bar (PrintSheetLayout.h).
    // The defaults print as the tile mode alone says. Not part of the
    // programmable interface.
    void setPrintSheetOptions(const PrintSheetOptions& options) { sheetOptions_ = options; }

    // Header and footer lines of a printed page, kept as given.
    Q_INVOKABLE void setHeaderText(const QString& value) { headerText_ = value; }
    Q_INVOKABLE void setFooterText(const QString& value) { footerText_ = value; }

    int CanvasWidth() const { return bufferImage_.width(); }
    void setCanvasWidth(int value);
    int CanvasHeight() const { return bufferImage_.height(); }
    void setCanvasHeight(int value);

    Q_INVOKABLE void Cls();
    Q_INVOKABLE void LoadImage(const QString& FilePath = QString());
    Q_INVOKABLE void LoadRKVImage(const QString& FilePath = QString());
    Q_INVOKABLE void PaintPicture(const QImage& Picture, float X1, float Y1,
                                  const QVariant& Width1 = QVariant(),
                                  const QVariant& Height1 = QVariant(),
                                  const QVariant& X2 = QVariant(), const QVariant& Y2 = QVariant(),
                                  const QVariant& Width2 = QVariant(),
                                  const QVariant& Height2 = QVariant(),
                                  const QVariant& Opcode = QVariant());
    Q_INVOKABLE void RecallPosition();
    Q_INVOKABLE void StorePosition();
    Q_INVOKABLE void UnloadImage();
    // Returns false when there is no page to colour.
    Q_INVOKABLE bool RenderRKVPage();
    Q_INVOKABLE uchar GetRedByte(int srcColor) const;
    Q_INVOKABLE uchar GetGreenByte(int srcColor) const;
    Q_INVOKABLE uchar GetBlueByte(int srcColor) const;
    // Returns false (and changes nothing) for an Index outside 0..255.
    Q_INVOKABLE bool UpdatePaletteColor(short Index, int ColorValue, short Offset);
    // Prints the rendered page at its true size (width / pResolution by
    // height / pResolution inches) on printer pID of the platform's printer
    // list, tiled over the sheet (pTileMode 0) or once centred, with the
    // header, the footer and a frame inset by the offsets (inches). PageMode
    // places the page in a job: 0 a single page, 1 the first of several
    // (both choose and set up the printer), 2 a middle page, 3 the last
    // (0 and 3 end the job, 1 and 2 start a new sheet); any other value just
    // draws. A failure shows a critical message and returns false.
    // (CanvasPrinting.cpp)
    Q_INVOKABLE bool PrintImage(int pID, int pResolution, int pQuality, int pCopies,
                                int pPaperSize, int pTileMode, float hOffset, float vOffset,
                                int PageMode);
    // The region number of the raw page pixel under a point. ScaleMode 0: X, Y
    // in twips relative to the control's top left; otherwise pixels relative
    // to the view's top left. Any point off the page gives 0, the paper.
    Q_INVOKABLE uchar GetRegionValue(float X, float Y, int ScaleMode) const;

    // The host's container side: persistence of the seven persisted
    // properties ("AutoRedraw", "BackColor", "Enabled", "MousePointer",
    // "AllowZoomIn", "AllowZoomOut", "PanActive", in that order; a value
    // equal to its default is not stored). A host calls InitProperties for a
    // new instance without saved properties, or ReadProperties with its bag,
    // right after creating the control, and WriteProperties when it saves.
    // A control shown before either was called runs InitProperties then.
    // In user mode both hook the viewport (modScrollFix), so the scroll bars
    // keep the style's background whatever the BackColor; the hook goes
    // with the control.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);

    // True when the control runs in its host (the default); a form designer
    // integration sets it false for the control it shows at design time.
    bool UserMode() const { return userMode_; }
    void setUserMode(bool value) { userMode_ = value; }

    // The persisted properties written since the host last saved or restored
    // them (the container's "changed" marks), by their keys.
    const QSet<QString>& ChangedProperties() const;

// Events. The view's mouse, key and paint events reach the host before the
// control does its own work with them. Their arguments are references: a
// host that changes them changes what the control does next (a mouse Button
// decides whether a pan drag starts; a key code, shift state or character
// is what the view passes on, and 0 stops the key). They need a direct
// connection (the default between objects of one thread).
signals:
    void Click();
    void DblClick();
    void KeyDown(short& KeyCode, short& Shift);
    void KeyPress(short& KeyAscii);
    void KeyUp(short& KeyCode, short& Shift);
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    void MouseUp(short& Button, short& Shift, float& X, float& Y);
    void Paint();
    void Resize();
    void Scroll();
    void ZoomChanged(int ZoomPercent);
    // Part of the event interface, never raised.
    void ZoomInClick();
    void ZoomOutClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tests' view of the inner state (RKV3CanvasCtlTestPeer.h).
    friend class RKV3CanvasCtlTestPeer;

    // Size of the buffer and view while no page is loaded.
    static constexpr int PlaceholderSide = 120;

    void ApplyZoom();
    void UpdateScrollBars(bool keepPosition = false);
    void ArrangeScrollBars();
    void ShowLoadedPage();
    void viewportResized();
    void placeCornerSquare();
    void centreSmallView();
    void applyViewGeometry();
    static float boundedViewExtent(double value);
    bool resizeBuffer(QSize size);
    bool canRecolorChangedRegionsOnly() const;

    bool picView_Event(QEvent* event);
    void picView_MouseDown(short Button, short Shift, float X, float Y);
    void picView_MouseMove(short Button, short Shift, float X, float Y);
    void picView_MouseUp(short Button, short Shift, float X, float Y);
    bool picView_Key(QKeyEvent* event);
    bool scrollWheel(QWheelEvent* event);
    bool scrollKey(const QKeyEvent* event);
    static void scrollBarTo(SignedScrollBar* bar, double value);
    QPoint pointerInViewport() const;
    void showToolPointer(int imageIndex);

    bool applyViewBackColor(int value);
    void applyOwnPointer();
    void PropertyChanged(const QString& key) { changedProperties_.insert(key); }
    void markEnabledChange() const;
    void clearChangeMarks();
    void hookViewport();

    // The region shapes of RKV3CanvasCtlRegions.cpp.
    RegionShape regionShape(int region) const;
    RegionOverlay* regionOverlay();
    void scrollPageBoxIntoView(const PageBox& box);

    RKV3Canvas::RegionPalette palette_;
    bool drawSmooth_ = false;
    // Where each region of the loaded page lies, the regions whose colour
    // changed since the last render, and what that render coloured: a page
    // (the loader's cache key) into a buffer (the buffer's key after it).
    // While both are unchanged, a render recolours only the changed regions.
    std::unique_ptr<RegionRunIndex> regionRuns_;
    // The layer showing a region's outline or flash (made when first asked
    // for) and the region it outlines on which page.
    RegionOverlay* regionOverlay_ = nullptr;
    int outlinedRegion_ = 0;
    qint64 outlinedPageKey_ = 0;
    qint64 indexedPageKey_ = 0;
    std::bitset<256> changedRegions_;
    qint64 renderedPageKey_ = 0;
    qint64 renderedBufferKey_ = 0;

    // Surfaces: the raw page (loader), the coloured page (buffer) and its
    // picture, and the widgets of the viewport.
    QImage loaderImage_;
    bool pageLoadFailed_ = false;
    QImage bufferImage_;
    QImage bufferPicture_;
    QColor bufferBackColor_;
    QWidget* picMain_ = nullptr;
    CanvasView* picView_ = nullptr;
    QWidget* picTemp_ = nullptr;
    SignedScrollBar* hscPicture_ = nullptr;
    SignedScrollBar* vscPicture_ = nullptr;

    // The view's place in the viewport, in pixels (fractional, as computed).
    float viewLeft_ = 0;
    float viewTop_ = 0;
    float viewWidth_ = 120;
    float viewHeight_ = 120;

    int imageWidth_ = 0;
    int imageHeight_ = 0;
    bool layoutPending_ = false;
    double zoom_ = 0;
    bool allowZoomIn_ = false;
    bool allowZoomOut_ = false;

    int savedHMax_ = 0;
    int savedHValue_ = 0;
    int savedVMax_ = 0;
    int savedVValue_ = 0;

    bool panActive_ = false;
    bool pickerActive_ = false;
    bool dragging_ = false;
    int dragLastX_ = 0;
    int dragLastY_ = 0;
    // Wheel turns not yet used up, in pixels, so fine wheels add up.
    double wheelRestX_ = 0;
    double wheelRestY_ = 0;
    bool clickPending_ = false;   // a press on the view that a release makes a click
    bool forwardingKey_ = false;  // a key the host changed is passing through the view

    int viewBackColor_ = 0;
    short mousePointer_ = 0;
    QImage mouseIcon_;
    QString headerText_;
    QString footerText_;
    // The printable area and the physical offsets (inches) measured when the
    // current print job began, for the job's continuation pages.
    float printWidth_ = 0;
    float printHeight_ = 0;
    float minOriginX_ = 0;
    float minOriginY_ = 0;
    PrintSheetOptions sheetOptions_;
    int viewWindow_ = 0;
    int viewDC_ = 0;
    int bufferDC_ = 0;
    mutable QSet<QString> changedProperties_;
    mutable bool enabledAsMarked_ = true;  // the own enabled state when last marked or saved
    bool userMode_ = true;
    bool propertiesInitialised_ = false;
};
