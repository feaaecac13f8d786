#pragma once

#include "view/CanvasView.h"
#include "view/RKV3CanvasCtl.h"
#include "view/RegionOverlay.h"

// What tests read of a control beyond its interface: the layout state, the
// raw page, the region palette, the texts kept for printing and the pan
// drag. A host never needs it, so it is not installed.
class RKV3CanvasCtlTestPeer {
public:
    explicit RKV3CanvasCtlTestPeer(const RKV3CanvasCtl& control) : c_(control) {}

    // Page size as last measured, and whether the next zoom layout centres.
    int ImageWidth() const { return c_.imageWidth_; }
    int ImageHeight() const { return c_.imageHeight_; }
    bool LayoutPending() const { return c_.layoutPending_; }

    const QImage& LoaderImage() const { return c_.loaderImage_; }
    const RKV3Canvas::RegionPalette& Palette() const { return c_.palette_; }
    const QString& HeaderText() const { return c_.headerText_; }
    const QString& FooterText() const { return c_.footerText_; }

    // Whether a pan drag runs, and the pointer's position at its previous
    // step relative to the viewport's top left.
    bool Dragging() const { return c_.dragging_; }
    QPoint DragLast() const { return {c_.dragLastX_, c_.dragLastY_}; }

    // The viewport, the page's view inside it, and the overlay over the view
    // (null until a region was first outlined or flashed).
    QWidget* Viewport() const { return c_.picMain_; }
    QWidget* View() const { return c_.picView_; }
    RegionOverlay* Overlay() const { return c_.regionOverlay_; }
    // Runs a flash's remaining steps at once, as if its second had passed.
    void EndFlash() const
    {
        if (c_.regionOverlay_)
            while (c_.regionOverlay_->Flashing()) c_.regionOverlay_->flashStep();
    }

private:
    const RKV3CanvasCtl& c_;
};
