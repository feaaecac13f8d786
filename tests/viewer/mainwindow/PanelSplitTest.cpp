// The boundary between the palette list and the region list: its arithmetic
// with plain twips, and the handle dragged in the window, kept and restored.
#include "MainWindowFixture.h"

#include "mainwindow/PanelSplit.h"
#include "mainwindow/PanelSplitHandle.h"
#include "mainwindow/SwatchList.h"
#include "mainwindow/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

TEST(PanelSplitArithmetic, ChosenHeightKeptWithinOneRowForEachList)
{
    // Frame heights and choices that differ; expectations from the rule: the
    // region viewport is frame - (4200 + palette - 2175) - 120 high, and both
    // keep at least 495.
    const struct { const char* fault; double frame, chosen, palette; } rows[] = {
        {"a choice within the room changed", 6750, 3010, 3010},
        {"palette allowed below one row", 6750, 130, 495},
        {"region list squeezed below one row", 6750, 5200, 6750 - 4200 - 120 - 495 + 2175},
        {"palette dropped below one row in a low frame", 3000, 2600, 495},
        {"region room not left in a lower frame", 3900, 2600, 3900 - 4200 - 120 - 495 + 2175},
    };
    for (const auto& row : rows) {
        const PanelSplit::Arrangement arranged = PanelSplit::Arrange(row.frame, row.chosen);
        EXPECT_EQ(arranged.paletteHeight, row.palette) << row.fault;
        EXPECT_EQ(arranged.shift, row.palette - 2175) << row.fault;
    }
    EXPECT_EQ(PanelSplit::DraggedHeight(7245, 2175, 660), 2835) << "travel not added to the height at the press";
    EXPECT_EQ(PanelSplit::DraggedHeight(7245, 2835, -2700), 495) << "dragging up past one row";
}

TEST_F(MainWindowFixture, DraggedBoundaryMovesTheRegionListIsKeptAndDoubleClickRestoresTheDesign)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    w.show();
    QCoreApplication::processEvents();
    PanelSplitHandle* handle = p.splPanels();
    ASSERT_NE(handle, nullptr);
    // Designed: the handle fills the gap from the palette's bottom to the caption's top.
    EXPECT_EQ(Twips::topOf(handle), 1080 + 2175);
    EXPECT_EQ(Twips::heightOf(handle), 3360 - 1080 - 2175);

    const double frame = Twips::heightOf(p.fraTools());
    const double labelLeft = Twips::leftOf(p.cmdSaveScheme());
    const QPoint grip(handle->width() / 3, handle->height() / 2);
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip + QPoint(0, 44));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(0, 44));
    const double grown = Twips::fromPixelsY(44);
    EXPECT_EQ(Twips::heightOf(p.picPalettes()), 2175 + grown);
    EXPECT_EQ(Twips::heightOf(p.vscMixer()), 2175 + grown);
    EXPECT_EQ(Twips::topOf(p.cmdSaveScheme()), 3600 + grown);
    EXPECT_EQ(Twips::leftOf(p.cmdSaveScheme()), labelLeft);
    EXPECT_EQ(Twips::topOf(p.picRegions()), 4200 + grown);
    EXPECT_EQ(Twips::topOf(p.picRegions()) + Twips::heightOf(p.picRegions()), frame - 120);
    EXPECT_EQ(Twips::heightOf(p.vscRegions()), Twips::heightOf(p.picRegions()));
    EXPECT_EQ(p.paletteList()->max(), p.paletteList()->heightTwips() - p.paletteList()->contentHeight());
    EXPECT_EQ(stored("PaletteListHeight"), QString::number(2175 + grown));

    // The next window starts with the boundary where it was left.
    frmMain next;
    frmMainTestPeer q(next);
    next.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(Twips::heightOf(q.picPalettes()), 2175 + grown);
    EXPECT_EQ(Twips::topOf(q.lblSchemeName()), 3960 + grown);

    QTest::mouseDClick(q.splPanels(), Qt::LeftButton, {}, grip);
    EXPECT_EQ(Twips::heightOf(q.picPalettes()), 2175);
    EXPECT_EQ(Twips::topOf(q.picRegions()), 4200);
    EXPECT_EQ(stored("PaletteListHeight"), "");
}
