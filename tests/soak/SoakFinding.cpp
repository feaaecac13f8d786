// The actions of the fill tool (clicks on the page, the fill colour from a
// right click or a drop on its button, Enter in the region list), of finding
// a region (Find Region, a name click, the pointer hovering), and of moving
// about (the panels' handle, the page keys), with what each must leave.
#include "SoakDriver.h"

#include "mainwindow/FillToolButton.h"
#include "mainwindow/PanelSplitHandle.h"
#include "mainwindow/Swatch.h"
#include "mainwindow/SwatchList.h"
#include "mainwindow/frmMain.h"
#include "model/ProgramState.h"
#include "model/core/ModelState.h"
#include "view/RKV3CanvasCtlTestPeer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>
#include <memory>
#include <set>

namespace util = mdlRKVUtilities;

namespace Soak {

namespace {

// The regions whose pixels page `page`'s file holds; empty for a page that
// does not load.
std::set<int> RegionsOnPage(int page)
{
    std::set<int> regions;
    const QImage image = QImage(util::PagePath(page)).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) regions.insert(qGreen(row[x]));
    }
    return regions;
}

void SendMouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || button == Qt::NoButton ? Qt::NoButton : button;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

}  // namespace

int Driver::answerListChooser(const Platform::ListChoiceRequest& request)
{
    // A match on the page shown, a name on another page, a name on no page,
    // or Cancel; a kind with no such region cancels. The page that must come
    // is the first after the current one, round the end, that holds it.
    const int current = util::Model.CurrentPage;
    std::vector<std::set<int>> onPage(size_t(std::max(util::Model.PageCount, 0) + 1));
    for (int page = 1; page <= util::Model.PageCount; ++page) onPage[size_t(page)] = RegionsOnPage(page);
    const auto holder = [&](int region) {
        for (int step = 1; step < util::Model.PageCount; ++step) {
            const int page = (current - 1 + step) % util::Model.PageCount + 1;
            if (onPage[size_t(page)].count(region)) return page;
        }
        return 0;
    };
    std::vector<int> kinds[3];
    for (int i = 0; i < request.items.size(); ++i)
        kinds[onPage[size_t(current)].count(i + 1) ? 0 : holder(i + 1) ? 1 : 2].push_back(i);
    const int kind = random(4);
    if (kind == 3 || kinds[kind].empty()) {
        found_ = {current, p_.regionList()->markedRow(), false, {}, {}};
        return -1;
    }
    const int chosen = kinds[kind][size_t(random(int(kinds[kind].size())))];
    // A page that did not load leaves the screen as it was: no expectation.
    if (onPage[size_t(current)].empty()) found_ = {};
    else if (kind == 2) found_ = {current, chosen + 1, false, QStringLiteral("%1 is on none of the model's pages.").arg(request.items[chosen]), {}};
    else found_ = {kind == 0 ? current : holder(chosen + 1), chosen + 1, true, {}, {}};
    return chosen;
}

QString Driver::findRegion()
{
    if (!p_.mnuViewFindRegion()->isEnabled()) return QStringLiteral("Find Region disabled");
    p_.mnuViewFindRegion()->trigger();
    return found_.flashing ? QStringLiteral("region %1").arg(found_.marked)
           : !found_.message.isEmpty() ? found_.message : found_.page ? QStringLiteral("cancelled") : QString();
}

QString Driver::nameClick()
{
    SwatchList& regions = *p_.regionList();
    if (!util::ModelIsOpen() || !regions.contentShown() || regions.rowCount() < 1) return QStringLiteral("no region rows");
    const int region = 1 + random(regions.rowCount());
    const std::set<int> here = RegionsOnPage(util::Model.CurrentPage);
    if (!here.empty()) found_ = {util::Model.CurrentPage, region, here.count(region) != 0, {}, {}};
    QLabel* label = regions.nameLabel(region);
    const QPointF at(random(std::max(label->width(), 1)), random(std::max(label->height(), 1)));
    SendMouse(label, QEvent::MouseButtonPress, at, Qt::LeftButton);
    SendMouse(label, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    return QStringLiteral("region %1").arg(region);
}

// A point of the viewport, on the page two times in three: sent to the
// page's view when it lies on it and to the viewport (the paper around the
// page) when not.
template <typename Random>
static std::pair<QWidget*, QPointF> PointOnViewport(QWidget* viewport, QWidget* view, Random random)
{
    const QRect page = QRect(view->mapTo(viewport, QPoint(0, 0)), view->size()).intersected(viewport->rect());
    const QPoint at = random(3) && !page.isEmpty() ? page.topLeft() + QPoint(random(page.width()), random(page.height()))
                                                    : QPoint(random(std::max(viewport->width(), 1)), random(std::max(viewport->height(), 1)));
    const QPoint inView = view->mapFrom(viewport, at);
    if (view->rect().contains(inView)) return {view, QPointF(inView)};
    return {viewport, QPointF(at)};
}

QString Driver::fillClick()
{
    if (!p_.optFillTool()->isEnabled()) return QStringLiteral("fill tool disabled");
    if (p_.CurrentTool() != 2) p_.optFillTool()->click();
    const RKV3CanvasCtlTestPeer canvas(*p_.RKVCanvas());
    QWidget* viewport = canvas.Viewport();
    const auto [target, at] = PointOnViewport(viewport, canvas.View(), [this](int n) { return random(n); });
    // One colouring step, as a drop on the page: the region under the
    // pointer takes the fill colour; the paper takes none.
    dropColor_ = util::ColorRecordOf(fill_.color, qint16(fill_.offset));
    dropName_ = fill_.name;
    dropRegion_ = 0;
    // The regions under the view's pixels next to the pointer (by the view's
    // scale, a view pixel covering many page pixels when shrunk), so a point
    // on a boundary may take either side.
    std::set<int> near;
    const QImage page = QImage(util::PagePath(util::Model.CurrentPage)).convertToFormat(QImage::Format_RGB32);
    if (target == canvas.View() && !page.isNull()) {
        const double sx = double(page.width()) / canvas.View()->width(), sy = double(page.height()) / canvas.View()->height();
        const QRect under = QRect(QPoint(int((at.x() - 1) * sx) - 1, int((at.y() - 1) * sy) - 1),
                                  QPoint(int((at.x() + 2) * sx) + 1, int((at.y() + 2) * sy) + 1)).intersected(page.rect());
        for (int y = under.top(); y <= under.bottom(); ++y)
            for (int x = under.left(); x <= under.right(); ++x) near.insert(qGreen(page.pixel(x, y)));
    }
    SendMouse(target, QEvent::MouseButtonPress, at, Qt::LeftButton);
    SendMouse(target, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    int changed = 0;
    for (int r = 1; r < util::SchemeSize; ++r)
        if (!(util::SchemeColors[size_t(r)] == before_.schemeColors[size_t(r)]) || util::SchemeNames[size_t(r)] != before_.schemeNames[size_t(r)])
            changed = r;
    if (changed != 0 && target != canvas.View())
        found_.finding = QStringLiteral("a fill click beside the page coloured region %1").arg(changed);
    else if (changed != 0 && !near.empty() && !near.count(changed))
        found_.finding = QStringLiteral("a fill click coloured region %1, not one under the pointer").arg(changed);
    return QStringLiteral("at (%1, %2)%3").arg(at.x()).arg(at.y()).arg(target == viewport ? " beside the page" : "");
}

QString Driver::setFill()
{
    const bool palette = random(2) && p_.paletteList()->contentShown();
    SwatchList& list = palette ? *p_.paletteList() : *p_.regionList();
    if (!list.contentShown() || list.rowCount() < 1) return QStringLiteral("no swatch");
    Swatch* swatch = list.swatch(list.firstIndex() + random(list.rowCount()));
    const QPointF at(random(swatch->width()), random(swatch->height()));
    if (random(2)) {
        SendMouse(swatch, QEvent::MouseButtonPress, at, Qt::RightButton);
        SendMouse(swatch, QEvent::MouseButtonRelease, at, Qt::RightButton);
        fill_ = swatch->values();
        return QStringLiteral("right click on %1 swatch %2").arg(palette ? "palette" : "region").arg(swatch->property("Index").toInt());
    }
    // A swatch dropped on the button: one of the lists' or another program's.
    const SwatchValues values = random(3) ? swatch->values() : SwatchValues{random(1 << 24), random(500) - 250, randomName()};
    FillToolButton* button = p_.optFillTool();
    if (!button->isEnabled()) return QStringLiteral("fill button disabled");
    std::unique_ptr<QMimeData> mime(SwatchMime::encode(values));
    const QPoint point(random(button->width()), random(button->height()));
    QDragEnterEvent enter(point, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &enter);
    QDropEvent drop(QPointF(point), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted()) QApplication::sendEvent(button, &drop);
    fill_ = values;
    return QStringLiteral("dropped on the fill button");
}

QString Driver::keyboardFill()
{
    SwatchList& regions = *p_.regionList();
    if (!util::ModelIsOpen() || !regions.contentShown() || regions.rowCount() < 1) return QStringLiteral("no region rows");
    // Up and Down move the mark a row within the list, the first key from no
    // mark to the first row; Enter fills the marked row.
    int marked = regions.markedRow();
    const int keys = 1 + random(4);
    for (int k = 0; k < keys; ++k) {
        const bool up = random(2);
        SendKey(&regions, up ? Qt::Key_Up : Qt::Key_Down);
        marked = marked == SwatchList::NoRow ? 1 : std::clamp(marked + (up ? -1 : 1), 1, regions.rowCount());
    }
    if (regions.markedRow() != marked)
        found_.finding = QStringLiteral("the keys marked row %1, not %2").arg(regions.markedRow()).arg(marked);
    dropColor_ = util::ColorRecordOf(fill_.color, qint16(fill_.offset));
    dropName_ = fill_.name;
    dropRegion_ = marked;
    SendKey(&regions, random(2) ? Qt::Key_Return : Qt::Key_Enter);
    return QStringLiteral("%1 keys, Enter on region %2").arg(keys).arg(marked);
}

QString Driver::hover()
{
    QAbstractButton* tool = random(2) ? static_cast<QAbstractButton*>(p_.optFillTool()) : p_.optTools()[1];
    if (!tool->isEnabled()) return QStringLiteral("tools disabled");
    tool->click();
    const RKV3CanvasCtlTestPeer canvas(*p_.RKVCanvas());
    QWidget* viewport = canvas.Viewport();
    const int moves = 1 + random(4);
    for (int m = 0; m < moves; ++m) {
        const auto [target, at] = PointOnViewport(viewport, canvas.View(), [this](int n) { return random(n); });
        SendMouse(target, QEvent::MouseMove, at, Qt::NoButton);
    }
    // Now and then the pointer leaves the page: no outline may stay.
    const bool leave = random(3) == 0;
    if (leave) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(canvas.View(), &event);
        found_.finding = canvas.Overlay() && canvas.Overlay()->Outlining()
                             ? QStringLiteral("an outline stayed after the pointer left the page") : QString();
    }
    return QStringLiteral("%1, %2 moves%3").arg(tool == p_.optFillTool() ? "fill tool" : "inspector").arg(moves).arg(leave ? ", left" : "");
}

QString Driver::dragHandle()
{
    PanelSplitHandle* handle = p_.splPanels();
    if (!handle->isVisible()) return QStringLiteral("handle hidden");
    const QPointF at(handle->width() / 2.0, handle->height() / 2.0);
    if (random(4) == 0) {
        QMouseEvent twice(QEvent::MouseButtonDblClick, at, handle->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &twice);
        return QStringLiteral("double click");
    }
    SendMouse(handle, QEvent::MouseButtonPress, at, Qt::LeftButton);
    const int travel = random(900) - 450;
    const int steps = 1 + random(3);
    for (int s = 1; s <= steps; ++s) {
        const QPointF to = at + QPointF(0, travel * s / steps);
        QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(at) + QPointF(0, travel * s / steps), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
    }
    SendMouse(handle, QEvent::MouseButtonRelease, at + QPointF(0, travel), Qt::LeftButton);
    return QStringLiteral("dragged %1 in %2 steps").arg(travel).arg(steps);
}

QString Driver::pageKeys()
{
    static const std::pair<int, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Space, Qt::NoModifier}, {Qt::Key_Space, Qt::ShiftModifier}, {Qt::Key_Home, Qt::NoModifier}, {Qt::Key_End, Qt::NoModifier}};
    static const char* const names[] = {"Space", "Shift+Space", "Home", "End"};
    const int k = random(4);
    SendKey(p_.RKVCanvas(), keys[k].first, keys[k].second);
    // Home shows the page's top and End its bottom, once the page is taller
    // than the viewport's part it is seen in.
    const RKV3CanvasCtlTestPeer canvas(*p_.RKVCanvas());
    const QRect view(canvas.View()->mapTo(canvas.Viewport(), QPoint(0, 0)), canvas.View()->size());
    if (util::ModelIsOpen() && view.height() > canvas.Viewport()->height()) {
        if (k == 2 && view.top() != 0) found_.finding = QStringLiteral("Home left the page's top at %1").arg(view.top());
        if (k == 3 && (view.top() >= 0 || view.bottom() >= canvas.Viewport()->height()))
            found_.finding = QStringLiteral("End left the page's bottom at %1").arg(view.bottom());
    }
    return QString::fromLatin1(names[k]);
}

QString Driver::foundWhereExpected() const
{
    if (!found_.finding.isEmpty()) return found_.finding;
    if (found_.page != 0) {
        if (util::Model.CurrentPage != found_.page)
            return QStringLiteral("page %1 is shown, not page %2").arg(util::Model.CurrentPage).arg(found_.page);
        if (p_.regionList()->markedRow() != found_.marked)
            return QStringLiteral("row %1 is marked, not row %2").arg(p_.regionList()->markedRow()).arg(found_.marked);
        const bool told = std::any_of(events_.begin(), events_.end(), [&](const Event& e) {
            return e.kind == Event::Message && e.path == found_.message;
        });
        if (found_.message.isEmpty() != events_.isEmpty() || (!found_.message.isEmpty() && !told))
            return QStringLiteral("finding the region told %1 message(s), not \"%2\"").arg(events_.size()).arg(found_.message);
    }
    // The overlay draws over the view and never on the page (which the screen
    // check compares): once its flash has ended and no outline is left, the
    // viewport shows the same with and without it.
    const RKV3CanvasCtlTestPeer canvas(*p_.RKVCanvas());
    RegionOverlay* overlay = canvas.Overlay();
    if (!overlay || overlay->Flashing() || overlay->Outlining() || !overlay->isVisible()) return {};
    const QImage with = canvas.Viewport()->grab().toImage();
    overlay->hide();
    const QImage without = canvas.Viewport()->grab().toImage();
    overlay->show();
    if (with != without) return QStringLiteral("the region overlay still shows once it has ended");
    return {};
}

}  // namespace Soak
