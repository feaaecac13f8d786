// The marked row of a swatch list and moving it with the keyboard.
#include "mainwindow/SwatchList.h"

#include "mainwindow/Swatch.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

namespace {

// The row rule in twips, as SwatchList.cpp lays rows out.
constexpr int RowTop = 120;
constexpr int RowGap = 120;
constexpr int RowHeight = 255;
constexpr int RowPitch = RowHeight + RowGap;

void ShowMarked(QLabel* label, bool marked)
{
    if (!label) return;
    label->setAutoFillBackground(marked);
    label->setBackgroundRole(marked ? QPalette::Highlight : QPalette::Window);
    label->setForegroundRole(marked ? QPalette::HighlightedText : QPalette::WindowText);
}

}  // namespace

void SwatchList::markRow(int index)
{
    if (!nameLabel(index) || index >= firstIndex_ + rowCount_) index = NoRow;
    if (index == marked_) return;
    ShowMarked(nameLabel(marked_), false);
    marked_ = index;
    ShowMarked(nameLabel(marked_), true);
}

void SwatchList::scrollRowIntoView(int index)
{
    const int k = index - firstIndex_;
    if (k < 0 || k >= rowCount_) return;
    // The row's place in the content box, with the gap around it.
    const int top = RowTop + RowPitch * k - RowGap;
    const int bottom = RowTop + RowPitch * k + RowHeight + RowGap;
    const int viewport = heightTwips();
    // The content box's top is Value (0 or negative).
    if (top + value_ < 0) setValue(-top);
    else if (bottom + value_ > viewport) setValue(std::max(-top, viewport - bottom));
}

void SwatchList::keyPressEvent(QKeyEvent* event)
{
    const int last = firstIndex_ + rowCount_ - 1;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (rowCount_ <= 0) break;
        const int step = event->key() == Qt::Key_Up ? -1 : 1;
        const int to = marked_ == NoRow ? firstIndex_ : std::clamp(marked_ + step, firstIndex_, last);
        markRow(to);
        scrollRowIntoView(to);
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (marked_ != NoRow) emit rowActivated(marked_);
        return;
    default:
        break;
    }
    QFrame::keyPressEvent(event);
}
