#pragma once

#include "CanvasExport.h"

#include <QColor>
#include <QImage>
#include <QWidget>

// The visible view of the canvas (picView): shows a picture stretched to a
// size (the coloured page at the current zoom) and whatever a host draws on
// it, over its back colour. Painting covers only the exposed part, so a view
// far larger than the window costs no more than the window itself.
class RKV3CANVAS_EXPORT CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    // Draws the whole picture stretched to size at the origin, covering
    // everything drawn before. A smaller copy is made once here when the
    // picture is shrunk, so painting never scales a big page down again.
    void DrawStretched(const QImage& picture, QSize size);

    // Draws a picture into the view with a raster operation code of the
    // classic kind (source copy, paint, and, invert, erase, not-copy...).
    void DrawPicture(const QImage& picture, const QRectF& target, const QRectF& source,
                     quint32 opcode);

    // Clears everything drawn at run time; the view's own picture stays.
    void Clear();

    void SetBackColor(const QColor& color);
    QColor BackColor() const { return backColor_; }

    // The view's own picture (drawn at the origin under everything else).
    void SetOwnPicture(const QImage& picture);

    // Whether drawing persists (kept as an image) or is dropped at the next
    // repaint, as on a surface without a persistent image.
    void SetAutoRedraw(bool on) { autoRedraw_ = on; }
    bool AutoRedraw() const { return autoRedraw_; }

    // The view as it is shown now, at its full size.
    QImage ComposedImage() const;

    bool HasContent() const { return !stretched_.isNull() || !drawn_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintContent(QPainter& painter, const QRect& exposed) const;

    QColor backColor_;
    QImage ownPicture_;
    QImage stretched_;      // picture drawn by DrawStretched, at its drawing size or larger
    QSize stretchedSize_;   // the size it was stretched to
    QImage drawn_;          // the persistent image, made on the first DrawPicture
    bool autoRedraw_ = true;
};
