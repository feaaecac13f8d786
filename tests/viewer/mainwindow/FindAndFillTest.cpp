// Where a region is (the inspector's outline and marked row, a flash from the
// region list, View > Find Region) and the fill tool (page clicks, Enter in
// the region list, the fill colour from drops and right clicks), driven on a
// real window.
#include "MainWindowFixture.h"

#include "mainwindow/FillToolButton.h"
#include "mainwindow/Swatch.h"
#include "mainwindow/SwatchList.h"
#include "mainwindow/Twips.h"
#include "platform/testing/ScriptedListChoosers.h"
#include "support/ColoringRule.h"
#include "support/PageImages.h"
#include "view/RKV3CanvasCtl.h"
#include "view/RegionOverlay.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

namespace util = mdlRKVUtilities;

namespace {

// Page 1 (41 x 29): region 2 a block at (4, 3) 12 x 6, region 5 a small one
// at (22, 14) 3 x 2, region 7 a wide one at (8, 19) 20 x 5, paper around
// them; page 2 (33 x 37) holds regions 7 and 3 elsewhere. Shading and ink
// vary from pixel to pixel.
QImage Page(int n)
{
    struct Block {
        int region, left, top, width, height;
    };
    const std::vector<Block> blocks = n == 1 ? std::vector<Block>{{2, 4, 3, 12, 6}, {5, 22, 14, 3, 2}, {7, 8, 19, 20, 5}}
                                             : std::vector<Block>{{7, 2, 2, 5, 5}, {3, 10, 20, 6, 9}};
    QImage page = n == 1 ? QImage(41, 29, QImage::Format_RGB32) : QImage(33, 37, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) page.setPixel(x, y, PagePixel(60 + 2 * x + y, 0, 255 - (x * y) % 40));
    for (const Block& b : blocks)
        for (int y = b.top; y < b.top + b.height; ++y)
            for (int x = b.left; x < b.left + b.width; ++x) page.setPixel(x, y, PagePixel(90 + x - y, b.region, 250 - x));
    return page;
}

const QStringList Names{"Keel", "Hull", "Mast", "Sail", "Window Glass", "Flag", "Deck", "Rudder"};

class FindAndFill : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        GeneratedModel model;
        model.name = QStringLiteral("yacht");
        model.pages = {{"p1.png", "Hull", Page(1)}, {"p2.png", "Rig", Page(2)}};
        model.regionNames = Names;
        ASSERT_TRUE(ModelWriter::write(model, dir_.path()));
        window().show();
        open(QDir(dir_.path()).filePath(model.manifestFileName()));
        ASSERT_EQ(util::Model.PageCount, 2);
    }
    // The canvas's view, and a page pixel's middle on it at 100 per cent.
    QWidget* view() { return peer().RKVCanvas()->findChild<QWidget*>("picView"); }
    static QPoint at(int x, int y) { return {x, y}; }
    RegionOverlay* overlay() { return view()->findChild<RegionOverlay*>(); }
    // Page 1 coloured by the rule in the given colours of the regions.
    static QImage Expected(const std::array<util::ColorRecord, util::SchemeSize>& scheme)
    {
        return ColorByRule(Page(1), [&](int r) {
            const util::ColorRecord& c = scheme[size_t(r)];
            return RegionColor{c.Red, c.Green, c.Blue, c.Offset};
        });
    }
    static std::array<util::ColorRecord, util::SchemeSize> Scheme()
    {
        std::array<util::ColorRecord, util::SchemeSize> s;
        std::copy_n(util::SchemeColors.begin(), util::SchemeSize, s.begin());
        return s;
    }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(FindAndFill, FillToolColorsExactlyTheClickedRegionOneUndoStepEach)
{
    frmMainTestPeer p = peer();
    util::PaletteCount = 3;
    util::PaletteColors[2] = {200, 60, 20, -40};
    util::PaletteNames[2] = "Rust";
    p.ShowPalette();
    const std::array<util::ColorRecord, util::SchemeSize> grey = Scheme();
    ASSERT_EQ(p.RKVCanvas()->CanvasImage(), Expected(grey));

    // A right click on a palette swatch sets the fill colour; the left click
    // keeps opening the colour editor, which is not asked for here.
    QTest::mouseClick(p.paletteList()->swatch(2), Qt::RightButton);
    EXPECT_EQ(p.optFillTool()->FillColor(), (SwatchValues{util::ColorValueOf(util::PaletteColors[2]), -40, "Rust"}));
    EXPECT_EQ(p.optFillTool()->toolTip(), "Fill Tool (Rust)");
    EXPECT_GE(p.optFillTool()->x(), p.lblSelectedRegion()->x()) << "after the designed tools";
    window().resize(window().width() + 300, window().height());
    EXPECT_EQ(p.optFillTool()->geometry().right() + 1,
              p.picTools()->width() - Twips::toPixelsX(120)) << "at the strip's right end";

    p.optFillTool()->click();
    EXPECT_EQ(p.CurrentTool(), 2);
    EXPECT_FALSE(p.RKVCanvas()->PanActive() || p.RKVCanvas()->PickerActive());
    QTest::mouseClick(view(), Qt::LeftButton, {}, at(23, 15));
    std::array<util::ColorRecord, util::SchemeSize> rust = grey;
    rust[5] = {200, 60, 20, -40};
    EXPECT_EQ(p.RKVCanvas()->CanvasImage(), Expected(rust)) << "region 5 alone takes the fill colour";
    EXPECT_EQ(util::SchemeNames[5], "Rust");
    EXPECT_EQ(p.regionList()->swatch(5)->toolTip(), "Rust");
    EXPECT_TRUE(util::SchemeModified);
    QTest::mouseClick(view(), Qt::LeftButton, {}, at(1, 27));
    EXPECT_EQ(p.mnuEditUndo()->text(), "&Undo Color Window Glass") << "a click on the paper is no step";
    p.mnuEditUndo()->trigger();
    EXPECT_EQ(p.RKVCanvas()->CanvasImage(), Expected(grey));
    EXPECT_FALSE(p.mnuEditUndo()->isEnabled());

    // A region swatch dropped on the button; then the keyboard fills the
    // region marked in the list: Down from no mark marks region 1, and six
    // more reach region 7.
    util::SchemeColors[2] = {15, 150, 90, 12};
    util::SchemeNames[2] = "Moss";
    p.ShowScheme();
    std::unique_ptr<QMimeData> mime(SwatchMime::encode(p.regionList()->swatch(2)->values()));
    QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(p.optFillTool(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(3, 3), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(p.optFillTool(), &drop);
    EXPECT_EQ(p.optFillTool()->FillColor().name, "Moss");
    std::array<util::ColorRecord, util::SchemeSize> moss = grey;
    p.regionList()->setFocus();
    for (int i = 0; i < 7; ++i) QTest::keyClick(p.regionList(), Qt::Key_Down);
    EXPECT_EQ(p.regionList()->markedRow(), 7);
    QTest::keyClick(p.regionList(), Qt::Key_Return);
    moss[7] = {15, 150, 90, 12};
    EXPECT_EQ(p.RKVCanvas()->CanvasImage(), Expected(moss));
    EXPECT_EQ(p.mnuEditUndo()->text(), "&Undo Color Deck");
    p.mnuEditUndo()->trigger();
    EXPECT_EQ(util::SchemeColors[7], grey[7]);
}

TEST_F(FindAndFill, InspectorOutlinesAndMarksNameClicksAndFindRegionFlashAndShowTheRow)
{
    frmMainTestPeer p = peer();
    p.optTools()[1]->click();
    QTest::mouseMove(view(), at(10, 20));
    EXPECT_TRUE(overlay() && overlay()->Outlining());
    EXPECT_EQ(p.regionList()->markedRow(), 7);
    EXPECT_EQ(p.lblSelectedRegion()->text(), "Region Inspector: Inactive") << "moving keeps the label's text";
    QTest::mouseMove(view(), at(30, 4));
    EXPECT_FALSE(overlay()->Outlining()) << "paper";
    EXPECT_EQ(p.regionList()->markedRow(), SwatchList::NoRow);
    p.RKVCanvas_MouseMove(1, 0, 10, 20);
    EXPECT_FALSE(overlay()->Outlining()) << "not while a button is held";
    // A swatch dragged over the page outlines the region a drop would colour.
    std::unique_ptr<QMimeData> mime(SwatchMime::encode(p.regionList()->swatch(2)->values()));
    QDragEnterEvent enter(view()->mapTo(p.RKVCanvas(), at(23, 15)), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(p.RKVCanvas(), &enter);
    EXPECT_TRUE(overlay()->Outlining());
    QDragLeaveEvent leave;
    QApplication::sendEvent(p.RKVCanvas(), &leave);
    EXPECT_FALSE(overlay()->Outlining());

    QTest::mouseClick(p.regionList()->nameLabel(2), Qt::LeftButton);
    EXPECT_TRUE(overlay()->Flashing());
    EXPECT_EQ(p.regionList()->markedRow(), 2);

    // "glass" matches Window Glass alone; "a" matches Mast, Sail, Window
    // Glass and Flag, and the second is Sail, which no page holds; Rudder's
    // row lies below the list's viewport until it is found; Mast is on page
    // 2 alone.
    Platform::ScriptedListChoosers chooser;
    chooser.queueAnswer("glass", 0);
    chooser.queueAnswer(" A", 1);
    chooser.queueAnswer("rudder", 0);
    chooser.queueAnswer("mas", 0);
    ASSERT_TRUE(p.mnuViewFindRegion()->isEnabled());
    EXPECT_EQ(p.mnuViewFindRegion()->shortcut(), QKeySequence("Ctrl+F"));
    p.mnuViewFindRegion()->trigger();
    ASSERT_EQ(chooser.count(), 1);
    EXPECT_EQ(chooser.shown()[0].items, Names);
    EXPECT_EQ(p.regionList()->markedRow(), 5);
    boxes.clear();
    p.mnuViewFindRegion()->trigger();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, "Sail is on none of the model's pages.");
    QLabel* rudder = p.regionList()->nameLabel(8);
    const auto rowShown = [&] {
        const int top = rudder->mapTo(p.picRegions(), QPoint(0, 0)).y();
        return top >= 0 && top + rudder->height() <= p.picRegions()->height();
    };
    EXPECT_FALSE(rowShown());
    p.mnuViewFindRegion()->trigger();
    EXPECT_TRUE(rowShown());
    EXPECT_EQ(p.regionList()->markedRow(), 8);
    EXPECT_EQ(util::Model.CurrentPage, 1);
    QTest::qWaitFor([&] { return !overlay()->Flashing(); }, 3000);
    p.mnuViewFindRegion()->trigger();
    EXPECT_EQ(util::Model.CurrentPage, 2);
    EXPECT_EQ(p.RKVCanvas()->CanvasWidth(), 33);
    EXPECT_TRUE(overlay()->Flashing());

    p.mnuFileClose_Click();
    EXPECT_FALSE(p.mnuViewFindRegion()->isEnabled());
    EXPECT_EQ(p.regionList()->markedRow(), SwatchList::NoRow) << "a closed model's row stays marked";
}
