#pragma once

#include "CanvasExport.h"
#include "RegionPalette.h"

#include <QFrame>
#include <QImage>
#include <QVariant>

class CanvasView;
class SignedScrollBar;

// The page canvas control. It holds the page on three surfaces (the raw page
// as loaded, the coloured page at full size, and the view that shows it at
// the current zoom), keeps the 256-entry region palette, colours the page,
// and lays the view out in a viewport with scroll bars that appear only when
// the zoomed page does not fit.
//
// Scroll convention: a shown bar has Min 0 and a negative Max, and its Value
// is the view's Left (or Top) inside the viewport.
class RKV3CANVAS_EXPORT RKV3CanvasCtl : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool AllowZoomOut READ AllowZoomOut WRITE setAllowZoomOut)
    Q_PROPERTY(bool AllowZoomIn READ AllowZoomIn WRITE setAllowZoomIn)
    Q_PROPERTY(QImage Image READ Image)
    Q_PROPERTY(QImage CanvasImage READ CanvasImage)
    Q_PROPERTY(bool PanActive READ PanActive WRITE setPanActive)
    Q_PROPERTY(bool PickerActive READ PickerActive WRITE setPickerActive)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(double Zoom READ Zoom WRITE setZoom)
    Q_PROPERTY(int CanvasWidth READ CanvasWidth WRITE setCanvasWidth)
    Q_PROPERTY(int CanvasHeight READ CanvasHeight WRITE setCanvasHeight)

public:
    explicit RKV3CanvasCtl(QWidget* parent = nullptr);
    ~RKV3CanvasCtl() override;

    // Zoom flags the host keeps equal to its zoom buttons' state.
    bool AllowZoomOut() const { return allowZoomOut_; }
    void setAllowZoomOut(bool value) { allowZoomOut_ = value; }
    bool AllowZoomIn() const { return allowZoomIn_; }
    void setAllowZoomIn(bool value) { allowZoomIn_ = value; }

    QImage Image() const;

    // The pan tool (drag the page with the left button) and the picker tool
    // (a dropper pointer; what a pick means is the host's business). Both may
    // be on at once; the flag just written decides the view's pointer when
    // it is true.
    bool PanActive() const { return panActive_; }
    void setPanActive(bool value);
    bool PickerActive() const { return pickerActive_; }
    void setPickerActive(bool value);
    QImage CanvasImage() const { return bufferImage_; }
    QImage Picture() const { return bufferPicture_; }
    void setPicture(const QImage& picture);

    // While true, rendering leaves the loaded page uncoloured.
    Q_INVOKABLE void setDrawSmooth(bool value) { drawSmooth_ = value; }

    double Zoom() const { return zoom_; }
    void setZoom(double value);

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
    // The region number of the raw page pixel under a point. ScaleMode 0: X, Y
    // in twips relative to the control's top left; otherwise pixels relative
    // to the view's top left. Any point off the page gives 0, the paper.
    Q_INVOKABLE uchar GetRegionValue(float X, float Y, int ScaleMode) const;

    // Layout state, read by tests and by region picking.
    int ImageWidth() const { return imageWidth_; }
    int ImageHeight() const { return imageHeight_; }
    bool LayoutPending() const { return layoutPending_; }
    QRectF ViewGeometry() const { return {viewLeft_, viewTop_, viewWidth_, viewHeight_}; }
    const QImage& LoaderImage() const { return loaderImage_; }
    const RegionPalette& Palette() const { return palette_; }

    // Pan drag state: whether a drag runs, and the pointer's position at its
    // previous step relative to the viewport's top left.
    bool Dragging() const { return dragging_; }
    QPoint DragLast() const { return {dragLastX_, dragLastY_}; }

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
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyZoom();
    void UpdateScrollBars(bool keepPosition = false);
    void ArrangeScrollBars();
    void ShowLoadedPage();
    void viewportResized();
    void placeCornerSquare();
    void centreSmallView();
    void applyViewGeometry();
    void resizeBuffer(QSize size);

    bool picView_Event(QEvent* event);
    void picView_MouseDown(short Button, short Shift, float X, float Y);
    void picView_MouseMove(short Button, short Shift, float X, float Y);
    void picView_MouseUp(short Button, short Shift, float X, float Y);
    bool picView_Key(QKeyEvent* event);
    QPoint pointerInViewport() const;
    void showToolPointer(int imageIndex);

    RegionPalette palette_;
    bool drawSmooth_ = false;

    // Surfaces: the raw page (loader), the coloured page (buffer) and its
    // picture, and the widgets of the viewport.
    QImage loaderImage_;
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

    bool panActive_ = false;
    bool pickerActive_ = false;
    bool dragging_ = false;
    int dragLastX_ = 0;
    int dragLastY_ = 0;
    bool clickPending_ = false;   // a press on the view that a release makes a click
    bool forwardingKey_ = false;  // a key the host changed is passing through the view

    int savedHMax_ = 0;
    int savedHValue_ = 0;
    int savedVMax_ = 0;
    int savedVValue_ = 0;
};
