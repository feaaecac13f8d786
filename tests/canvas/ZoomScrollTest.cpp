// Zoom, the scroll ranges and their convention, the corner square and the
// stored position.
#include "CanvasFixture.h"

#include "colorbytes/ColorBytes.h"
#include "platform/Metrics.h"
#include "view/ScrollGeometry.h"
#include "view/SignedScrollBar.h"

#include <QSignalSpy>
#include <QTest>

using Platform::Metrics::SM_CXHTHUMB;
using Platform::Metrics::SM_CYVTHUMB;
using Platform::Metrics::systemMetric;

class ZoomScroll : public CanvasFixture {
protected:
    SignedScrollBar* hbar() const { return canvas->findChild<SignedScrollBar*>("hscPicture"); }
    SignedScrollBar* vbar() const { return canvas->findChild<SignedScrollBar*>("vscPicture"); }
    int thumbX() const { return systemMetric(SM_CXHTHUMB); }
    int thumbY() const { return systemMetric(SM_CYVTHUMB); }
};

TEST(ScrollGeometry, StrictFitTestAndHalvesToEven)
{
    // A view exactly thumb pixels narrower than the viewport does not fit.
    ScrollRange r = ComputeScrollRange(400, 400 - 16, 16);
    EXPECT_FALSE(r.fits);
    EXPECT_EQ(r.max, -4);
    EXPECT_EQ(r.middle, -2);
    r = ComputeScrollRange(400, 400 - 16 + 1, 16);
    EXPECT_EQ(r.max, -5);
    EXPECT_EQ(r.middle, -2);
    r = ComputeScrollRange(400, 400 - 16 + 3, 16);
    EXPECT_EQ(r.max, -7);
    EXPECT_EQ(r.middle, -4);
    r = ComputeScrollRange(400, 400 - 17, 16);
    EXPECT_TRUE(r.fits);
    EXPECT_DOUBLE_EQ(r.centredOffset, 8.5);
    // A range beyond the classic 16 bits is as long as the view needs.
    EXPECT_EQ(ComputeScrollRange(400, 40000, 16).max, -39620);
}

TEST(SignedScrollBarTest, ReversedRangeMapsOntoTheQtBar)
{
    SignedScrollBar bar(Qt::Horizontal);
    QSignalSpy changes(&bar, &SignedScrollBar::Change);
    bar.SetMin(0);
    bar.SetMax(-40);
    EXPECT_EQ(bar.minimum(), -40);
    EXPECT_EQ(bar.maximum(), 0);
    ASSERT_TRUE(bar.SetValue(-40));
    // Thumb at the right end of the Qt bar.
    EXPECT_EQ(bar.value(), bar.maximum());
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(bar.SetValue(-40));  // same value: no notification
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(bar.SetValue(5));   // outside the range
    EXPECT_FALSE(bar.SetValue(-41));
    // The user moving the Qt thumb to the left end reports the classic 0.
    bar.QScrollBar::setValue(bar.minimum());
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_EQ(changes.last().at(0).toInt(), 0);
    // Shrinking the range pulls the value in.
    bar.SetValue(-30);
    bar.SetMax(-10);
    EXPECT_EQ(bar.Value(), -10);
}

TEST_F(ZoomScroll, ZoomWithoutAPageOnlyReportsTheRoundedValue)
{
    QSignalSpy zoomed(canvas.get(), &RKV3CanvasCtl::ZoomChanged);
    const QRect before = view()->geometry();
    canvas->setZoom(12.5);
    canvas->setZoom(13.5);
    ASSERT_EQ(zoomed.count(), 2);
    EXPECT_EQ(zoomed.at(0).at(0).toInt(), 12);
    EXPECT_EQ(zoomed.at(1).at(0).toInt(), 14);
    EXPECT_EQ(view()->geometry(), before);
}

TEST_F(ZoomScroll, ViewSizeFollowsTheZoom)
{
    QSignalSpy zoomed(canvas.get(), &RKV3CanvasCtl::ZoomChanged);
    showPage(UniformPage(1000, 200, 127, 0, 255), 55);
    EXPECT_EQ(view()->width(), 550);
    EXPECT_EQ(view()->height(), 110);
    canvas->setZoom(12.5);
    EXPECT_EQ(view()->width(), 125);
    EXPECT_EQ(zoomed.last().at(0).toInt(), 12);
    // Sizes change only as the zoom says: the picture at 12.5 per cent.
    EXPECT_EQ(canvas->Image().size(), QSize(125, 25));
}

// Above 100 per cent page pixels are solid blocks, never smoothed, also away
// from the page's corner, where only the part on the screen is scaled.
TEST_F(ZoomScroll, AboveFullSizeEveryPagePixelIsASolidBlock)
{
    showPage(PatternPage(170, 130, 5), 300);
    const QImage page = canvas->CanvasImage();
    const QRect shown = view()->visibleRegion().boundingRect();
    ASSERT_GT(shown.x(), 0);
    ASSERT_GT(shown.y(), 0);
    const QImage shot = view()->grab(shown).toImage();
    int wrong = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            wrong += shot.pixel(x, y) != page.pixel((shown.x() + x) / 3, (shown.y() + y) / 3);
    EXPECT_EQ(wrong, 0);
}

TEST_F(ZoomScroll, ScrollRangesAndValuesFollowTheConvention)
{
    const int w = viewport()->width();
    struct Case { int extra, max, value; };
    for (Case c : {Case{0, -4, -2}, Case{1, -5, -2}, Case{3, -7, -4}}) {
        showPage(UniformPage(w - thumbX() + c.extra, 20, 127, 0, 255), 100);
        ASSERT_FALSE(hbar()->isHidden()) << c.extra;
        EXPECT_EQ(hbar()->Min(), 0);
        EXPECT_EQ(hbar()->Max(), c.max);
        EXPECT_EQ(hbar()->Value(), c.value);
        EXPECT_EQ(view()->x(), c.value);
        EXPECT_TRUE(vbar()->isHidden());
    }
    // One pixel narrower and the view fits: the bar goes and the view centres.
    showPage(UniformPage(w - thumbX() - 1, 20, 127, 0, 255), 100);
    EXPECT_TRUE(hbar()->isHidden());
    EXPECT_EQ(hbar()->Value(), 0);
}

TEST_F(ZoomScroll, ScrolledToEitherEndTheViewMeetsTheEdgeAtAnyZoom)
{
    // At 5000 per cent the view is far beyond the classic 16-bit ranges; at
    // 1e12 it is as large as a widget can be.
    for (double zoom : {100.0, 5000.0, 1e12}) {
        showPage(UniformPage(1000, 800, 127, 0, 255), zoom);
        ASSERT_TRUE(hbar()->SetValue(hbar()->Max())) << zoom;
        EXPECT_EQ(view()->x() + view()->width(), viewport()->width() - thumbX() - 4) << zoom;
        ASSERT_TRUE(vbar()->SetValue(vbar()->Max())) << zoom;
        EXPECT_EQ(view()->y() + view()->height(), viewport()->height() - thumbY() - 4) << zoom;
        ASSERT_TRUE(hbar()->SetValue(0)) << zoom;
        EXPECT_FALSE(hbar()->SetValue(1)) << zoom;  // no gap before the page
        EXPECT_EQ(view()->x(), 0) << zoom;
    }
}

TEST_F(ZoomScroll, CornerSquareShowsOnlyBetweenTwoBars)
{
    QWidget* corner = child("picTemp");
    showPage(UniformPage(1000, 800, 127, 0, 255), 100);
    EXPECT_FALSE(hbar()->isHidden());
    EXPECT_FALSE(vbar()->isHidden());
    EXPECT_FALSE(corner->isHidden());
    EXPECT_EQ(corner->geometry().topLeft(), QPoint(hbar()->width(), vbar()->height()));
    EXPECT_EQ(corner->geometry().right(), viewport()->width() - 1);
    EXPECT_EQ(corner->geometry().bottom(), viewport()->height() - 1);
    EXPECT_EQ(hbar()->geometry().bottom(), viewport()->height() - 1);
    EXPECT_EQ(vbar()->geometry().right(), viewport()->width() - 1);

    showPage(UniformPage(1000, 50, 127, 0, 255), 100);
    EXPECT_TRUE(vbar()->isHidden());
    EXPECT_TRUE(corner->isHidden());
    EXPECT_EQ(hbar()->width(), canvas->width() - systemMetric(Platform::Metrics::SM_CXDLGFRAME));
}

TEST_F(ZoomScroll, SameZoomTwiceStillCentresEveryScrolledAxis)
{
    showPage(UniformPage(1000, 800, 127, 0, 255), 100);
    hbar()->SetValue(hbar()->Max());
    canvas->setZoom(100);
    EXPECT_FALSE(state().LayoutPending());
    EXPECT_EQ(hbar()->Value(), int(RoundHalfEven(hbar()->Max() / 2.0)));
    EXPECT_EQ(view()->x(), hbar()->Value());
}

TEST_F(ZoomScroll, RecalledPositionSurvivesARelayoutWithTheSameRanges)
{
    showPage(UniformPage(1000, 800, 127, 0, 255), 100);
    hbar()->SetValue(-50);
    vbar()->SetValue(-70);
    canvas->StorePosition();
    canvas->setZoom(100);  // a relayout that recentres
    EXPECT_NE(hbar()->Value(), -50);
    canvas->RecallPosition();
    EXPECT_EQ(hbar()->Value(), -50);
    EXPECT_EQ(vbar()->Value(), -70);
    EXPECT_EQ(view()->pos(), QPoint(-50, -70));
}

TEST_F(ZoomScroll, RecallDoesNothingWhenARangeChanged)
{
    showPage(UniformPage(1000, 800, 127, 0, 255), 100);
    hbar()->SetValue(-50);
    canvas->StorePosition();
    canvas->resize(500, 300);
    QCoreApplication::processEvents();
    const int after = hbar()->Value();
    canvas->RecallPosition();
    EXPECT_EQ(hbar()->Value(), after);
}

TEST_F(ZoomScroll, ResizingTheControlRelaysTheBarsOut)
{
    showPage(UniformPage(500, 100, 127, 0, 255), 100);
    EXPECT_FALSE(hbar()->isHidden());
    QSignalSpy resized(canvas.get(), &RKV3CanvasCtl::Resize);
    canvas->resize(700, 300);
    QCoreApplication::processEvents();
    EXPECT_GE(resized.count(), 1);
    EXPECT_EQ(viewport()->width(), canvas->contentsRect().width());
    EXPECT_TRUE(hbar()->isHidden());
}

TEST_F(ZoomScroll, ArrowKeysFocusAScrolledBarWhichMovesTheirWay)
{
    showPage(UniformPage(1000, 800, 127, 0, 255), 100);
    canvas->activateWindow();
    // A bar scrolled to its start (Value 0) does not take the focus.
    ASSERT_TRUE(hbar()->SetValue(0));
    canvas->setFocus();
    QTest::keyClick(canvas.get(), Qt::Key_Right);
    EXPECT_TRUE(canvas->hasFocus());
    ASSERT_TRUE(hbar()->SetValue(-100));
    QTest::keyClick(canvas.get(), Qt::Key_Right);
    ASSERT_TRUE(hbar()->hasFocus());
    // Right moves the thumb right, as Down moves it down: the view slides
    // left (or up) by the small change.
    QTest::keyClick(hbar(), Qt::Key_Right);
    EXPECT_EQ(hbar()->Value(), -105);
    QTest::keyClick(hbar(), Qt::Key_Left);
    EXPECT_EQ(hbar()->Value(), -100);
    canvas->setFocus();
    QTest::keyClick(canvas.get(), Qt::Key_Down);
    ASSERT_TRUE(vbar()->hasFocus());
    const int top = vbar()->Value();
    QTest::keyClick(vbar(), Qt::Key_Down);
    EXPECT_EQ(vbar()->Value(), top - 5);
    EXPECT_EQ(view()->pos(), QPoint(-100, top - 5));
}

TEST_F(ZoomScroll, DraggingTheHorizontalThumbAloneRaisesScroll)
{
    showPage(UniformPage(1000, 800, 127, 0, 255), 100);
    QSignalSpy scrolled(canvas.get(), &RKV3CanvasCtl::Scroll);
    for (SignedScrollBar* bar : {vbar(), hbar()}) {
        bar->setSliderDown(true);
        bar->setSliderPosition(bar->maximum());  // to the right or bottom end
        bar->setSliderDown(false);
    }
    EXPECT_EQ(scrolled.count(), 1);
    // The view follows the thumbs.
    EXPECT_EQ(view()->pos(), QPoint(hbar()->Max(), vbar()->Max()));
}
