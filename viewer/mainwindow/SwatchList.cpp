#include "mainwindow/SwatchList.h"

#include "mainwindow/Swatch.h"
#include "mainwindow/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// The row rule, in twips.
constexpr int RowLeft = 120;
constexpr int RowTop = 120;
constexpr int RowGap = 120;
constexpr int SwatchWidth = 855;
constexpr int SwatchHeight = 255;
constexpr int LabelLeft = 1080;
constexpr int LabelWidth = 1695;
constexpr int RowPitch = SwatchHeight + RowGap;

// The content box's designed height, before it is first raised.
constexpr int DesignContentHeight = 495;

// Scroll steps in twips.
constexpr int ArrowStep = 50;
constexpr int PageStep = 100;

// One notch of a classic wheel, in eighths of a degree.
constexpr double WheelNotch = 120;

}  // namespace

SwatchList::SwatchList(QWidget* parent, const Names& names, int firstIndex, bool acceptsDrops)
    : QFrame(parent), names_(names), firstIndex_(firstIndex), acceptsDrops_(acceptsDrops)
{
    setObjectName(names.viewport);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    clip_ = new QWidget(this);
    content_ = new QWidget(clip_);
    content_->setObjectName(names.content);
    content_->setAutoFillBackground(true);
    bar_ = new QScrollBar(Qt::Vertical, parent);
    bar_->setObjectName(names.scrollBar);
    bar_->setSingleStep(ArrowStep);
    bar_->setPageStep(PageStep);
    connect(bar_, &QScrollBar::valueChanged, this, &SwatchList::barMoved);
    connect(bar_, &QScrollBar::sliderMoved, this, &SwatchList::barMoved);
    bar_->installEventFilter(this);
    rows_.push_back(makeRow(0));
    contentHeight_ = DesignContentHeight;
    syncBar();
    placeContent();
}

SwatchList::Row SwatchList::makeRow(int k)
{
    const int index = firstIndex_ + k;
    Row row{new Swatch(content_), new QLabel(content_)};
    row.swatch->setObjectName(names_.swatch);
    row.swatch->setProperty("Index", index);
    row.swatch->setAcceptsSwatchDrops(acceptsDrops_);
    Twips::place(row.swatch, RowLeft, RowTop + RowPitch * k, SwatchWidth, SwatchHeight);
    row.label->setObjectName(names_.label);
    row.label->setProperty("Index", index);
    row.label->setToolTip(names_.labelToolTip);
    // Colour and region names are free text, never markup.
    row.label->setTextFormat(Qt::PlainText);
    row.label->installEventFilter(this);
    Twips::place(row.label, LabelLeft, RowTop + RowPitch * k, LabelWidth, SwatchHeight);
    connect(row.swatch, &Swatch::clicked, this, [this, index] { emit swatchClicked(index); });
    connect(row.swatch, &Swatch::dropped, this,
            [this, index](const SwatchValues& values) { emit swatchDropped(index, values); });
    connect(row.swatch, &Swatch::rightClicked, this, [this, index] { emit swatchRightClicked(index); });
    if (!rows_.empty()) {
        const Row& first = rows_.front();
        row.swatch->setBackColor(first.swatch->BackColor());
        row.swatch->setTag(first.swatch->Tag());
        row.swatch->setToolTip(first.swatch->toolTip());
        row.label->setText(first.label->text());
    }
    return row;
}

void SwatchList::removeRow(Row& row)
{
    delete row.swatch;
    delete row.label;
}

void SwatchList::setRowCount(int rows)
{
    // Rows laid out anew (another model, scheme or palette) start unmarked.
    markRow(NoRow);
    rows = std::max(rows, 0);
    while (int(rows_.size()) > std::max(rows, 1)) {
        removeRow(rows_.back());
        rows_.pop_back();
    }
    while (int(rows_.size()) < rows) {
        rows_.push_back(makeRow(int(rows_.size())));
        rows_.back().swatch->show();
        rows_.back().label->show();
    }
    rows_.front().swatch->setVisible(rows > 0);
    rows_.front().label->setVisible(rows > 0);
    rowCount_ = rows;
}

Swatch* SwatchList::swatch(int index) const
{
    const int k = index - firstIndex_;
    return k >= 0 && k < int(rows_.size()) ? rows_[size_t(k)].swatch : nullptr;
}

QLabel* SwatchList::nameLabel(int index) const
{
    const int k = index - firstIndex_;
    return k >= 0 && k < int(rows_.size()) ? rows_[size_t(k)].label : nullptr;
}

void SwatchList::setRow(int index, qint32 color, const QString& tag, const QString& name, const QString& caption)
{
    Swatch* box = swatch(index);
    if (!box) return;
    box->setBackColor(color);
    box->setTag(tag);
    box->setToolTip(name);
    nameLabel(index)->setText(caption);
}

int SwatchList::rowsHeight(int rows)
{
    return RowPitch * rows + RowGap;
}

int SwatchList::heightTwips() const
{
    return int(Twips::heightOf(this));
}

void SwatchList::setContentHeight(int twips)
{
    contentHeight_ = std::max(twips, heightTwips());
    placeContent();
}

bool SwatchList::contentShown() const
{
    return !content_->isHidden();
}

void SwatchList::setValue(int value)
{
    value_ = std::clamp(value, std::min(0, max_), std::max(0, max_));
    syncBar();
    placeContent();
}

void SwatchList::setMax(int max)
{
    max_ = max;
    setValue(value_);
}

// Puts the Qt bar, which only knows minimum <= maximum, on the list's values:
// mirrored when Max lies below Min.
void SwatchList::syncBar()
{
    syncing_ = true;
    bar_->setRange(std::min(0, max_), std::max(0, max_));
    bar_->setValue(toBar(value_));
    syncing_ = false;
}

// Arrow and page clicks, and the thumb while it is dragged, move the
// content box at once.
void SwatchList::barMoved(int qtValue)
{
    if (syncing_) return;
    value_ = toBar(qtValue);
    placeContent();
}

void SwatchList::placeContent()
{
    content_->setGeometry(0, Twips::toPixelsY(value_), clip_->width(), Twips::toPixelsY(contentHeight_));
}

void SwatchList::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    clip_->setGeometry(contentsRect());
    // The content box is never lower than its viewport.
    setContentHeight(contentHeight_);
}

void SwatchList::wheelEvent(QWheelEvent* event)
{
    scrollWheel(event);
    event->accept();
}

// A notch moves the list one row (up for a turn up), a touchpad as far as the
// fingers went; parts of a twip add up over turns.
void SwatchList::scrollWheel(const QWheelEvent* event)
{
    const QPoint pixels = event->pixelDelta();
    wheelRest_ += pixels.isNull() ? event->angleDelta().y() * RowPitch / WheelNotch
                                  : Twips::fromPixelsY(pixels.y());
    const int move = int(std::trunc(wheelRest_));
    wheelRest_ -= move;
    if (move != 0) setValue(value_ + move);
}

// A wheel over the bar scrolls as over the list; a click on a name label is
// a left press and release over it.
bool SwatchList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == bar_ && event->type() == QEvent::Wheel) {
        scrollWheel(static_cast<QWheelEvent*>(event));
        event->accept();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            emit nameClicked(label->property("Index").toInt());
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
