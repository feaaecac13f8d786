#pragma once

#include "render/CanvasExport.h"

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QWidget>

// The visible view of the canvas (picView): shows a picture stretched to a
// size (the coloured page at the current zoom) and whatever a host draws on
// it, over its back colour. Painting covers only the exposed part, so a view
// far larger than the window costs no more than the window itself.
//
// Drawing on the view (DrawStretched, DrawPicture) persists while AutoRedraw
// is on: every repaint shows it again, and the view never asks for a redraw.
// With AutoRedraw off the view behaves like a surface without a persistent
// image: a drawing is shown by the next paint and lost at the repaint after
// it (an expose, a move, a resize); at that repaint the view emits
// PaintRequested, and whatever its owner draws from that signal (through
// DrawPicture, or with a QPainter on the view itself) is shown.
class RKV3CANVAS_EXPORT CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    // Draws the whole picture stretched to size at the origin, covering
    // everything drawn before. The view keeps a shared reference to the
    // picture and scales only the part it paints, when it paints it.
    void DrawStretched(const QImage& picture, QSize size);

    // The same for a picture of which only the changed part (in picture
    // pixels) differs from the one drawn before: when the view shows a
    // picture of this size at this size with nothing drawn over it, only the
    // part of the view showing changed is painted again.
    void DrawStretchedChange(const QImage& picture, QSize size, const QRegion& changed);

    // Drops the view's reference to the picture without painting, so its
    // owner can change the pixels in place; a DrawStretched follows.
    void LetGoOfPicture();

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

    void SetAutoRedraw(bool on);
    bool AutoRedraw() const { return autoRedraw_; }

    // The view's persistent image at its full size: with AutoRedraw on, the
    // view as it is shown; with it off, only the back colour and the own
    // picture, since nothing drawn is kept.
    QImage ComposedImage() const;

    // The pointer over the view: code 0 is the default arrow, code 99 the
    // mouse icon.
    void SetMousePointer(short code);
    short MousePointer() const { return mousePointer_; }
    void SetMouseIcon(const QCursor& icon);

signals:
    // A repaint of a view without AutoRedraw: the owner draws its content now.
    void PaintRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void contentDrawn();
    void paintContent(QPainter& painter, const QRect& exposed, bool withDrawing) const;
    void drawScaled(QPainter& painter, const QRect& part, bool enlarge) const;
    QRegion coveredBySiblingsAbove() const;
    QImage compose(bool withDrawing) const;
    void applyPointer();

    QColor backColor_;
    QImage ownPicture_;
    QImage stretched_;      // picture drawn by DrawStretched (shared, never copied)
    QSize stretchedSize_;   // the size it was stretched to
    QSize changedPictureSize_;  // size of the picture last drawn, kept while it is let go of
    mutable QImage shrunk_;     // the part of a scaled page being painted
    QImage drawn_;          // the view with DrawPicture's work, made on the first DrawPicture
    bool autoRedraw_ = true;
    bool flushPending_ = false;  // AutoRedraw off: a drawing waits to be shown once
    bool inPaint_ = false;       // PaintRequested is being handled
    short mousePointer_ = 0;
    QCursor mouseIcon_;
};
