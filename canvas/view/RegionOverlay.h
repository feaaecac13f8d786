#pragma once

#include "render/CanvasExport.h"
#include "render/RegionOutline.h"

#include <QSize>
#include <QTimer>
#include <QWidget>
#include <functional>

// A see-through layer over the canvas's view that shows where a region lies,
// without touching the page: an outline along the region's boundary (the
// region under the pointer), or for about a second its pixels flashing. It
// covers the whole view and scales the region's page pixels to the view's
// size as it paints; it never takes a mouse event. A shape belongs to the
// page it was traced on: once another page is shown it is no longer drawn.
class RKV3CANVAS_EXPORT RegionOverlay : public QWidget {
    Q_OBJECT
public:
    // currentPage names the page the view shows now (0 for none).
    RegionOverlay(QWidget* view, std::function<qint64()> currentPage);

    // Outlines shape, traced on page `page` of size pageSize; an empty shape
    // removes the outline.
    void ShowOutline(const RegionShape& shape, QSize pageSize, qint64 page);
    // Flashes the shape's pixels: shown, hidden, shown, hidden, shown, a fifth
    // of FlashMilliseconds each; then the view is as it was.
    void Flash(const RegionShape& shape, QSize pageSize, qint64 page);

    bool Outlining() const { return !outline_.shape.empty(); }
    bool Flashing() const { return flashPhase_ > 0; }
    // Whether the region's pixels are filled at this moment of a flash.
    bool FlashShown() const { return flashPhase_ % 2 == 1; }

    static constexpr int FlashMilliseconds = 1000;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class RKV3CanvasCtlTestPeer;
    struct Drawn {
        RegionShape shape;
        QSize pageSize;
        qint64 page = 0;
    };
    void flashStep();
    // The part of the view a shape covers, with room for the outline's pen.
    QRect viewRect(const Drawn& drawn) const;
    bool current(const Drawn& drawn) const;

    std::function<qint64()> currentPage_;
    Drawn outline_;
    Drawn flash_;
    int flashPhase_ = 0;  // 0: no flash; 1 to 5: its steps, odd ones filled
    QTimer flashTimer_;
};
