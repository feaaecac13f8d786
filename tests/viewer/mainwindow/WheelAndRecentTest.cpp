// The wheel and the page keys over the canvas, and the File menu's recent models.
#include "MainWindowFixture.h"

#include "mainwindow/SwatchList.h"
#include "view/RKV3CanvasCtl.h"
#include "view/SignedScrollBar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

namespace {

void turnWheel(QWidget* target, int angle, Qt::KeyboardModifiers modifiers, QPoint pixels = {})
{
    const QPointF at(target->width() / 3.0, target->height() / 3.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), pixels, QPoint(0, angle), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// What the zoom list shows: its item, or the text of a zoom that is none.
QString zoomShown(const QComboBox* list)
{
    return list->currentIndex() >= 0 ? list->currentText() : list->placeholderText();
}

QStringList recentCaptions(frmMain& w)
{
    frmMainTestPeer p(w);
    QStringList captions;
    for (const QAction* item : p.mnuFileRecent()->actions())
        if (!item->isSeparator() && item != p.mnuFileRecentClear()) captions << item->text();
    return captions;
}

// The page pixel under the point where turnWheel turns the wheel.
QPointF pagePointUnderWheel(frmMain& w)
{
    frmMainTestPeer p(w);
    const QWidget* view = p.RKVCanvas()->findChild<QWidget*>("picView");
    const QPointF at(p.RKVCanvas()->width() / 3.0, p.RKVCanvas()->height() / 3.0);
    const QPointF inView = at - QPointF(view->mapTo(p.RKVCanvas(), QPoint(0, 0)));
    return inView * (100.0 / p.RKVCanvas()->Zoom());
}

}  // namespace

TEST_F(MainWindowFixture, CtrlWheelZoomsUpTo400AndTheWheelScrollsATenthOfTheView)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    open(writeModel("ship", 2, {"Hull"}, 3, {3000, 2000}));
    p.cboZoom()->setCurrentIndex(5);  // 60%: the page is far larger than the canvas
    QPointF anchor = pagePointUnderWheel(w);
    turnWheel(p.RKVCanvas(), 120, Qt::ControlModifier);
    turnWheel(p.RKVCanvas(), 120, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "80%");
    QPointF moved = pagePointUnderWheel(w) - anchor;
    EXPECT_LE(std::abs(moved.x()) + std::abs(moved.y()), 4.0) << "the point under the pointer stays";

    turnWheel(p.RKVCanvas(), 120, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "90%");
    turnWheel(p.RKVCanvas(), 60, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "90%") << "half a notch waits for the other half";
    turnWheel(p.RKVCanvas(), 60, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "100%");
    anchor = pagePointUnderWheel(w);
    turnWheel(p.RKVCanvas(), 120, Qt::ControlModifier);
    EXPECT_EQ(zoomShown(p.cboZoom()), "125%");
    EXPECT_EQ(p.cboZoom()->count(), 10) << "no item is added";
    EXPECT_FALSE(p.cmdZoomIn()->isEnabled());
    EXPECT_FALSE(p.RKVCanvas()->AllowZoomIn());
    for (int i = 0; i < 5; ++i) turnWheel(p.RKVCanvas(), 120, Qt::ControlModifier);
    EXPECT_EQ(p.RKVCanvas()->Zoom(), 400) << "150, 200, 300, 400, and no step past it";
    EXPECT_EQ(zoomShown(p.cboZoom()), "400%");
    moved = pagePointUnderWheel(w) - anchor;
    // Each step puts the page on whole screen pixels: up to half a pixel at
    // its zoom, in page pixels, on either axis.
    double drift = 0;
    for (const double zoom : {125, 150, 200, 300, 400}) drift += 2 * 0.5 * 100 / zoom;
    EXPECT_LE(std::abs(moved.x()) + std::abs(moved.y()), drift);

    // A notch moves the page a tenth of the viewport's height, or with Shift of its width; a
    // touchpad's pixels move it as far; over the bar alike. Page Down moves a focused bar by its
    // large change, and the pages only from the page itself.
    auto* vsc = p.RKVCanvas()->findChild<SignedScrollBar*>("vscPicture");
    auto* hsc = p.RKVCanvas()->findChild<SignedScrollBar*>("hscPicture");
    const QSize viewport = p.RKVCanvas()->contentsRect().size();
    const int top = vsc->Value(), left = hsc->Value();
    turnWheel(p.RKVCanvas(), -120, Qt::NoModifier);
    turnWheel(p.RKVCanvas(), -240, Qt::ShiftModifier);
    turnWheel(p.RKVCanvas(), -120, Qt::NoModifier, QPoint(0, -7));
    turnWheel(vsc, -120, Qt::NoModifier);
    EXPECT_EQ(QPoint(hsc->Value(), vsc->Value()),
              QPoint(left - 2 * viewport.width() / 10, top - 2 * viewport.height() / 10 - 7))
        << "parts of a pixel add up over notches";
    vsc->setFocus();
    QTest::keyClick(vsc, Qt::Key_PageDown);
    EXPECT_EQ(vsc->Value(), top - 2 * viewport.height() / 10 - 7 - vsc->pageStep());
    p.RKVCanvas()->setFocus();
    QTest::keyClick(p.RKVCanvas(), Qt::Key_PageDown);
    EXPECT_EQ(p.RKVCanvas()->CanvasImage().size(), pageSize(2, {3000, 2000})) << "page 2 is on the screen";

    for (int i = 0; i < 16; ++i) turnWheel(p.RKVCanvas(), -120, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "10%");
    EXPECT_EQ(p.RKVCanvas()->Zoom(), 10);
    turnWheel(p.RKVCanvas(), -120, Qt::NoModifier);
    EXPECT_EQ(p.RKVCanvas()->Zoom(), 10) << "the plain wheel scrolls, never zooms";
}

// Fit Page and Fit Width give the largest zoom without the bars, Actual Size the screen's
// resolution over the model's; the page keys and the lists' wheel; the focus after a mouse choice.
TEST_F(MainWindowFixture, ViewMenuFitsAndSizesAndThePageKeysScroll)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QStringList regions;
    for (int r = 1; r <= 30; ++r) regions << QStringLiteral("Part %1").arg(r);
    open(writeModel("tower", 1, regions, 3, {900, 2600}));
    QStringList menus;
    for (const QAction* menu : w.menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Help"}));
    auto* vsc = p.RKVCanvas()->findChild<SignedScrollBar*>("vscPicture");
    auto* hsc = p.RKVCanvas()->findChild<SignedScrollBar*>("hscPicture");
    for (QAction* fit : {p.mnuViewFitPage(), p.mnuViewFitWidth()}) {
        fit->trigger();
        const int zoom = int(p.RKVCanvas()->Zoom());
        EXPECT_TRUE(hsc->isHidden() && (vsc->isHidden() || fit == p.mnuViewFitWidth())) << zoom;
        EXPECT_EQ(zoomShown(p.cboZoom()), QStringLiteral("%1%").arg(zoom));
        p.RKVCanvas()->setZoom(zoom + 1);
        EXPECT_FALSE((fit == p.mnuViewFitPage() ? vsc : hsc)->isHidden()) << "one more percent needs a bar";
    }
    p.mnuViewFitPage()->trigger();
    const int fitted = int(p.RKVCanvas()->Zoom());
    p.cmdZoomIn()->click();
    EXPECT_EQ(p.cboZoom()->currentText(), QStringLiteral("%1%").arg(fitted / 10 * 10 + 10));
    p.mnuViewActualSize()->trigger();
    EXPECT_EQ(p.RKVCanvas()->Zoom(), std::lround(100 * w.screen()->logicalDotsPerInchX() / 150));

    // Space and Shift+Space move a screenful (the viewport less the bar's thumb), Home and End
    // go to the top and the bottom.
    const int screenful = p.RKVCanvas()->contentsRect().height()
                          - QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QWidget* page = p.RKVCanvas()->findChild<QWidget*>("picView");
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Home);
    EXPECT_EQ(vsc->Value(), 0);
    QTest::keyClick(page, Qt::Key_Space);
    EXPECT_EQ(vsc->Value(), -screenful);
    QTest::keyClick(page, Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(vsc->Value(), 0);
    QTest::keyClick(page, Qt::Key_End);
    EXPECT_EQ(vsc->Value(), vsc->Max());

    // A notch moves a swatch list one row (255 + 120 twips), over the list or its bar.
    turnWheel(p.regionList(), -120, Qt::NoModifier);
    turnWheel(p.vscRegions(), -240, Qt::NoModifier);
    turnWheel(p.regionList(), 120, Qt::NoModifier);
    EXPECT_EQ(p.regionList()->value(), -2 * 375);

    // A choice in the zoom list with the mouse gives the keyboard back to the page.
    p.cboZoom()->setFocus();
    p.cboZoom()->showPopup();
    QAbstractItemView* items = p.cboZoom()->view();
    QTest::qWait(QApplication::doubleClickInterval());
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualRect(items->model()->index(2, 0)).center());
    EXPECT_EQ(p.cboZoom()->currentText(), "30%");
    EXPECT_EQ(QApplication::focusWidget(), p.RKVCanvas());
}

TEST_F(MainWindowFixture, RecentModelsKeepOrderAndLimitAndDropAMissingModel)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    EXPECT_FALSE(p.mnuFileRecent()->isEnabled());
    QStringList manifests;
    for (int i = 1; i <= 9; ++i) {
        manifests << writeModel(QStringLiteral("m%1").arg(i), 1, {"Hull"});
        open(manifests.last());
    }
    open(manifests[3]);  // m4 again: it moves up, never twice

    const QStringList captions = recentCaptions(w);
    ASSERT_EQ(captions.size(), 8);
    EXPECT_EQ(captions.first(), "m4.RKV3");
    EXPECT_EQ(captions[1], "m9.RKV3");
    EXPECT_EQ(captions.last(), "m2.RKV3") << "m1 fell off";
    EXPECT_EQ(captions.count("m4.RKV3"), 1);
    EXPECT_EQ(p.mnuFileRecent()->actions().first()->statusTip(), manifests[3]);
    EXPECT_EQ(stored("RecentModel1"), manifests[3]);
    EXPECT_EQ(stored("RecentModel8"), manifests[1]);

    // A model that is gone: the open's message, and it leaves the list.
    ASSERT_TRUE(QFile::remove(manifests[8]));
    boxes.clear();
    p.OpenRecentModel(manifests[8]);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown().first().text, "Model load failed due to invalid RKV3 manifest file.");
    EXPECT_FALSE(recentCaptions(w).contains("m9.RKV3"));
    EXPECT_EQ(stored("RecentModel8"), "");
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (m4.RKV3, Hull)") << "the open model stays";

    p.mnuFileRecentClear_Click();
    EXPECT_TRUE(recentCaptions(w).isEmpty());
    EXPECT_FALSE(p.mnuFileRecent()->isEnabled());
    EXPECT_EQ(stored("RecentModel1"), "");
}
