#pragma once

#include "mainwindow/SwatchMime.h"

#include <QFrame>
#include <vector>

class QLabel;
class QScrollBar;
class Swatch;

// A scrolling list of colour swatches, used for the palette and for the
// regions. The list itself is the viewport (picPalettes, picRegions); inside
// it a content box (picMixerContainer, picColorContainer) holds one row per
// colour, a swatch and its name label, and is moved up and down to scroll.
// The vertical scroll bar (vscMixer, vscRegions) is a sibling of the list in
// the list's parent, so the window lays it out on its own.
//
// Rows: row k (counted from 0) has its swatch at left 120, top 120 + 375 k,
// 855 x 255 twips, and its label at left 1080, same top, 1695 x 255 twips.
// Rows are numbered from FirstIndex (0 for the palette, 1 for the regions);
// the first row exists from the start and is never removed.
//
// Scrolling: the content box's top equals the bar's Value; Min is 0 and Max
// is the viewport's height less the content's height, 0 or negative, so
// moving the thumb down moves the list up. Arrow clicks move 50 twips, page
// clicks 100; a wheel notch over the list or its bar moves one row. All heights and bar values are in twips. The bar's values are
// kept in 32 bits: a list of more than 87 rows (a large palette, a model of
// many regions) reaches beyond what a 16-bit bar can hold, and every row
// must stay reachable.
class SwatchList : public QFrame {
    Q_OBJECT

public:
    struct Names {
        QString viewport;      // the list itself
        QString content;       // the content box
        QString scrollBar;     // the scroll bar beside the list
        QString swatch;        // every swatch (told apart by its "Index" property)
        QString label;         // every name label (likewise)
        QString labelToolTip;  // tool tip of every name label, may be empty
    };

    // parent holds the list and its scroll bar; firstIndex numbers the first
    // row; acceptsDrops makes the swatches take dropped swatches.
    SwatchList(QWidget* parent, const Names& names, int firstIndex, bool acceptsDrops);

    QWidget* contentBox() const { return content_; }
    QScrollBar* scrollBar() const { return bar_; }

    int firstIndex() const { return firstIndex_; }
    // The number of rows shown (0 when even the first row is hidden).
    int rowCount() const { return rowCount_; }
    // Removes every row past the first `rows` and creates the missing ones by
    // the row rule, each shown; 0 hides the first row. New rows start with
    // the first row's values; no row is marked afterwards.
    void setRowCount(int rows);
    // The swatch and the label of row `index`; null for a row that does not
    // exist.
    Swatch* swatch(int index) const;
    QLabel* nameLabel(int index) const;
    // One row's colour value, tag, swatch tool tip and label caption.
    void setRow(int index, qint32 color, const QString& tag, const QString& name, const QString& caption);

    // The content height for a number of rows: (255 + 120) x rows + 120.
    static int rowsHeight(int rows);

    // Heights in twips: the viewport's, and the content box's.
    int heightTwips() const;
    int contentHeight() const { return contentHeight_; }
    // Sets the content box's height; a height below the viewport's is raised
    // to it, so the list's background always fills the viewport.
    void setContentHeight(int twips);
    bool contentShown() const;

    // The scroll bar in the list's own values (Min is always 0).
    int value() const { return value_; }
    int max() const { return max_; }
    // A value outside the bar's range is brought into it.
    void setValue(int value);
    // The value is brought into the new range, moving the content box with it.
    void setMax(int max);

    // The marked row (NoRow for none): its name shows in the selection's
    // colours. SetRowCount clears it. (SwatchListRows.cpp)
    static constexpr int NoRow = -1;
    int markedRow() const { return marked_; }
    void markRow(int index);
    // Scrolls the list the least that shows row `index` whole.
    void scrollRowIntoView(int index);

signals:
    void swatchClicked(int index);
    void nameClicked(int index);
    void swatchDropped(int index, const SwatchValues& values);
    void swatchRightClicked(int index);
    // Enter or Return on the marked row while the list has the focus.
    void rowActivated(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // With the focus, Up and Down move the mark a row and show it, Enter and
    // Return activate the marked row.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Row {
        Swatch* swatch;
        QLabel* label;
    };

    Row makeRow(int k);
    void removeRow(Row& row);
    void placeContent();
    void syncBar();
    void barMoved(int qtValue);
    void scrollWheel(const QWheelEvent* event);
    int toBar(int value) const { return max_ < 0 ? max_ - value : value; }

    Names names_;
    int firstIndex_;
    bool acceptsDrops_;
    QWidget* clip_;     // the viewport's inner area, inside its frame
    QWidget* content_;
    QScrollBar* bar_;
    std::vector<Row> rows_;
    int rowCount_ = 1;
    int contentHeight_ = 0;
    int value_ = 0;
    int max_ = 0;
    bool syncing_ = false;
    double wheelRest_ = 0;  // wheel turns not yet used up, in twips
    int marked_ = NoRow;
};
