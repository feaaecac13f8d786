// The wheel and the page keys over the canvas, and the File menu's recent models.
#include "MainWindowFixture.h"

#include "RKV3CanvasCtl.h"
#include "SignedScrollBar.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

namespace {

void turnWheel(QWidget* target, int angle, Qt::KeyboardModifiers modifiers)
{
    const QPointF at(target->width() / 3.0, target->height() / 3.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
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

TEST_F(MainWindowFixture, CtrlWheelStepsTheZoomListWithinItsLimits)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    open(writeModel("ship", 2, {"Hull"}, 3, {3000, 3000}));
    p.cboZoom()->setCurrentIndex(5);  // 60%: the page is far larger than the canvas
    const QPointF anchor = pagePointUnderWheel(w);
    turnWheel(p.RKVCanvas(), 120, Qt::ControlModifier);
    turnWheel(p.RKVCanvas(), 120, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "80%");
    const QPointF moved = pagePointUnderWheel(w) - anchor;
    EXPECT_LE(std::abs(moved.x()) + std::abs(moved.y()), 4.0) << "the point under the pointer stays";

    turnWheel(p.RKVCanvas(), 120, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "90%");
    turnWheel(p.RKVCanvas(), 60, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "90%") << "half a notch waits for the other half";
    turnWheel(p.RKVCanvas(), 60, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "100%");
    turnWheel(p.RKVCanvas(), 120, Qt::ControlModifier);
    EXPECT_EQ(p.RKVCanvas()->Zoom(), 100) << "no step past the list's end";

    // A notch down moves the view up by the wheel's lines of arrow steps, two with Shift move it left;
    // Page Down moves a focused bar by its large change, and the pages only from the page itself.
    auto* vsc = p.RKVCanvas()->findChild<SignedScrollBar*>("vscPicture");
    auto* hsc = p.RKVCanvas()->findChild<SignedScrollBar*>("hscPicture");
    const int top = vsc->Value(), left = hsc->Value(), lines = QApplication::wheelScrollLines();
    turnWheel(p.RKVCanvas(), -120, Qt::NoModifier);
    turnWheel(p.RKVCanvas(), -240, Qt::ShiftModifier);
    EXPECT_EQ(QPoint(hsc->Value(), vsc->Value()),
              QPoint(left - 2 * lines * hsc->singleStep(), top - lines * vsc->singleStep()));
    vsc->setFocus();
    QTest::keyClick(vsc, Qt::Key_PageDown);
    EXPECT_EQ(vsc->Value(), top - lines * vsc->singleStep() - vsc->pageStep());
    p.RKVCanvas()->setFocus();
    QTest::keyClick(p.RKVCanvas(), Qt::Key_PageDown);
    EXPECT_EQ(p.RKVCanvas()->CanvasImage().size(), pageSize(2, {3000, 3000})) << "page 2 is on the screen";

    for (int i = 0; i < 12; ++i) turnWheel(p.RKVCanvas(), -120, Qt::ControlModifier);
    EXPECT_EQ(p.cboZoom()->currentText(), "10%");
    EXPECT_EQ(p.RKVCanvas()->Zoom(), 10);
    turnWheel(p.RKVCanvas(), -120, Qt::NoModifier);
    EXPECT_EQ(p.RKVCanvas()->Zoom(), 10) << "the plain wheel scrolls, never zooms";
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
