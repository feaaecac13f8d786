#include "view/RegionOverlay.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int FlashSteps = 5;
// The outline: a dark line with a light one along its middle, seen on any
// colour; the pen's half width is what the repaint must leave room for.
constexpr int OutlineWidth = 3;
const QColor OutlineDark(0, 0, 0);
const QColor OutlineLight(255, 235, 0);
const QColor FlashFill(255, 235, 0, 220);

}  // namespace

RegionOverlay::RegionOverlay(QWidget* view, std::function<qint64()> currentPage)
    : QWidget(view), currentPage_(std::move(currentPage))
{
    setObjectName(QStringLiteral("picRegionOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(view->rect());
    view->installEventFilter(this);
    flashTimer_.setInterval(FlashMilliseconds / FlashSteps);
    connect(&flashTimer_, &QTimer::timeout, this, &RegionOverlay::flashStep);
    show();
}

bool RegionOverlay::current(const Drawn& drawn) const
{
    return !drawn.shape.empty() && drawn.page != 0 && drawn.page == currentPage_() && !drawn.pageSize.isEmpty();
}

QRect RegionOverlay::viewRect(const Drawn& drawn) const
{
    if (drawn.shape.empty() || drawn.pageSize.isEmpty()) return {};
    const double sx = double(width()) / drawn.pageSize.width();
    const double sy = double(height()) / drawn.pageSize.height();
    const PageBox& b = drawn.shape.box;
    return QRectF(b.left * sx, b.top * sy, (b.right - b.left) * sx, (b.bottom - b.top) * sy)
        .toAlignedRect()
        .adjusted(-OutlineWidth, -OutlineWidth, OutlineWidth, OutlineWidth);
}

void RegionOverlay::ShowOutline(const RegionShape& shape, QSize pageSize, qint64 page)
{
    update(viewRect(outline_));
    outline_ = {shape, pageSize, page};
    update(viewRect(outline_));
}

void RegionOverlay::Flash(const RegionShape& shape, QSize pageSize, qint64 page)
{
    update(viewRect(flash_));
    flash_ = {shape, pageSize, page};
    flashPhase_ = shape.empty() ? 0 : 1;
    if (flashPhase_) flashTimer_.start();
    else flashTimer_.stop();
    update(viewRect(flash_));
}

void RegionOverlay::flashStep()
{
    update(viewRect(flash_));
    if (++flashPhase_ > FlashSteps) {
        flashPhase_ = 0;
        flashTimer_.stop();
        flash_ = {};
    }
}

bool RegionOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
            raise();
        } else if (event->type() == QEvent::Leave) {
            // The pointer has left the page: nothing lies under it any more.
            ShowOutline({}, {}, 0);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RegionOverlay::paintEvent(QPaintEvent* event)
{
    const bool flash = Flashing() && current(flash_);
    const Drawn& drawn = flash ? flash_ : outline_;
    if (!flash && !current(outline_)) return;
    const double sx = double(width()) / drawn.pageSize.width();
    const double sy = double(height()) / drawn.pageSize.height();
    // Only what crosses the exposed part is drawn: a region's shape may have
    // thousands of pieces on a full-size page.
    const QRectF exposed = QRectF(event->rect()).adjusted(-OutlineWidth, -OutlineWidth, OutlineWidth, OutlineWidth);
    const QRectF onPage(exposed.left() / sx, exposed.top() / sy, exposed.width() / sx, exposed.height() / sy);
    QPainter painter(this);
    painter.setClipRegion(event->region());
    if (flash && FlashShown())
        for (const PageBox& r : drawn.shape.rects) {
            const QRectF rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
            if (rect.intersects(onPage))
                painter.fillRect(QRectF(r.left * sx, r.top * sy, rect.width() * sx, rect.height() * sy), FlashFill);
        }
    std::vector<QLineF> lines;
    for (const OutlineEdge& e : drawn.shape.edges)
        if (QRectF(QPointF(e.x1, e.y1), QPointF(e.x2, e.y2)).adjusted(-1, -1, 1, 1).intersects(onPage))
            lines.emplace_back(e.x1 * sx, e.y1 * sy, e.x2 * sx, e.y2 * sy);
    if (lines.empty()) return;
    painter.setPen(QPen(OutlineDark, OutlineWidth, Qt::SolidLine, Qt::SquareCap));
    painter.drawLines(lines.data(), int(lines.size()));
    painter.setPen(QPen(OutlineLight, 1, Qt::SolidLine, Qt::SquareCap));
    painter.drawLines(lines.data(), int(lines.size()));
}
