#pragma once

#include "render/CanvasExport.h"

#include <QScrollBar>

#include <algorithm>

// A scroll bar with the classic Min / Max / Value model, in which Max may lie
// below Min: a bar with Min 0 and Max -40 runs from 0 at its left (or top)
// end to -40 at its right (or bottom) end. Qt's own bar only knows minimum <=
// maximum, so this adapter keeps the classic values and maps them onto the
// Qt range, mirrored when the range is reversed. The values are not held to
// the classic 16 bits: a view larger than that range is still reachable
// whole. Min and Max stay within what a widget's extent can be.
//
// SetValue returns false and changes nothing for a value outside the bar's
// range. Change is emitted only when Value actually changes; Scrolling while
// the user drags the thumb.
//
// Left and Right move the thumb of a horizontal bar that way on the screen,
// as Up and Down do on a vertical bar (Qt 6.4's own key handling turns them
// round for a horizontal scroll bar).
//
// Whenever it is drawn the bar asks its parent for the brush of its
// background (ScrollBarColorRequest) and paints its trough with the answer,
// or with the style's own background when there is none.
class RKV3CANVAS_EXPORT SignedScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit SignedScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }

    void SetMin(int min);
    void SetMax(int max);
    bool SetValue(int value);

signals:
    void Change(int value);
    void Scrolling(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void initStyleOption(QStyleOptionSlider* option) const override;

private:
    int lowest() const { return std::min(min_, max_); }
    int highest() const { return std::max(min_, max_); }
    int toQt(int value) const { return max_ < min_ ? min_ + max_ - value : value; }
    int fromQt(int q) const { return max_ < min_ ? min_ + max_ - q : q; }
    void syncToQt();
    void adoptRange();

    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    bool syncing_ = false;
};
