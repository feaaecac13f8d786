#pragma once

#include "mainwindow/SwatchMime.h"

#include <QToolButton>

// The fill tool's button in the tool strip: a paint bucket pouring the
// current fill colour, with the colour's name in its tool tip. It takes a
// dropped swatch as the new fill colour (swatchDropped). It keeps itself at
// the right end of the strip, 120 twips from its edge, and never left of the
// inspector label's designed left edge, so no designed control of the strip
// moves for it or is covered by it where the window shows that control; it
// is enabled exactly when the pan tool's button is.
class FillToolButton : public QToolButton {
    Q_OBJECT
public:
    FillToolButton(QWidget* strip, QWidget* enabledLike);

    const SwatchValues& FillColor() const { return fill_; }
    // The colour shown on the button and in its tool tip.
    void SetFillColor(const SwatchValues& fill);

signals:
    void swatchDropped(const SwatchValues& values);
    // The button was enabled or disabled with the pan tool's.
    void enabledFollowed(bool enabled);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void placeInStrip();

    QWidget* enabledLike_;
    SwatchValues fill_;
};
