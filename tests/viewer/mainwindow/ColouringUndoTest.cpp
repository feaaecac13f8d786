// Undo and redo of colouring steps: pages, palettes, swatches and flags.
#include "MainWindowFixture.h"

#include "RKV3CanvasCtl.h"
#include "RKV3CanvasCtlTestPeer.h"
#include "Swatch.h"
#include "SwatchList.h"

#include <QAction>
#include <QLabel>
#include <cstring>

using namespace mdlRKVUtilities;

namespace {

bool SameEntry(const RegionPaletteEntry& a, const RegionPaletteEntry& b)
{
    return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue && a.Offset == b.Offset
           && a.Levels == b.Levels;
}

bool SameBytes(const QImage& a, const QImage& b)
{
    return a.size() == b.size() && a.format() == b.format() && a.sizeInBytes() == b.sizeInBytes()
           && std::memcmp(a.constBits(), b.constBits(), size_t(a.sizeInBytes())) == 0;
}

}  // namespace

TEST_F(MainWindowFixture, UndoAndRedoOfADropRestoreCanvasPaletteAndPageExactly)
{
    frmMain& w = window();
    open(writeModel("ship", 1, {"Hull", "Deck", "Mast"}, 3));
    const RKV3CanvasCtlTestPeer peer(*w.RKVCanvas);
    const QImage grey = w.RKVCanvas->CanvasImage().copy();
    const RegionPaletteEntry greyEntry = peer.Palette().entry(3);
    EXPECT_FALSE(w.mnuEditUndo->isEnabled());

    w.AssignRegionSwatch(3, 0x0000FF, -10, "Red");
    const QImage red = w.RKVCanvas->CanvasImage().copy();
    const RegionPaletteEntry redEntry = peer.Palette().entry(3);
    ASSERT_FALSE(SameBytes(red, grey));
    EXPECT_EQ(w.mnuEditUndo->text(), "&Undo Colour Region 3");

    w.mnuEditUndo->trigger();
    EXPECT_TRUE(SameBytes(w.RKVCanvas->CanvasImage(), grey));
    EXPECT_TRUE(SameEntry(peer.Palette().entry(3), greyEntry));
    EXPECT_EQ(w.regionList->swatch(3)->BackColor(), 0x7F7F7F);
    EXPECT_EQ(w.regionList->swatch(3)->Tag(), "-127");
    EXPECT_EQ(SchemeNames[3], DefaultGrayName());
    EXPECT_FALSE(SchemeModified);
    EXPECT_EQ(w.mnuEditRedo->text(), "&Redo Colour Region 3");

    w.mnuEditRedo->trigger();
    EXPECT_TRUE(SameBytes(w.RKVCanvas->CanvasImage(), red));
    EXPECT_TRUE(SameEntry(peer.Palette().entry(3), redEntry));
    EXPECT_EQ(w.regionList->swatch(3)->toolTip(), "Red");
    EXPECT_TRUE(SchemeModified);
}

TEST_F(MainWindowFixture, UndoAcrossASchemeLoadAndPastASave)
{
    frmMain& w = window();
    open(writeModel("ship", 1, {"Hull", "Deck", "Mast"}, 2));
    const QString firstLabel = w.lblSchemeName->text();
    QTemporaryDir dir;

    w.AssignRegionSwatch(1, 0x0000FF, 0, "Red");
    chooser.queueFile(dir.filePath("mine.RKS3"));
    w.cmdSaveScheme_Click();
    ASSERT_FALSE(SchemeModified);
    w.AssignRegionSwatch(2, 0xFF0000, -20, "Blue");
    const QImage blue = w.RKVCanvas->CanvasImage().copy();

    // Loading the saved scheme (the prompt answered No) gives region 2 its
    // grey back; undoing the load brings back the blue page and label.
    chooser.queueFile(dir.filePath("mine.RKS3"));
    w.cmdLoadScheme_Click();
    ASSERT_EQ(SchemeNames[2], DefaultGrayName());
    EXPECT_EQ(w.mnuEditUndo->text(), "&Undo Load Scheme");
    w.mnuEditUndo->trigger();
    EXPECT_EQ(SchemeNames[2], "Blue");
    EXPECT_EQ(SchemeColors[2].Offset, -20);
    EXPECT_EQ(w.lblSchemeName->text(), "Scheme: mine.RKS3") << "the save's label";
    EXPECT_TRUE(SameBytes(w.RKVCanvas->CanvasImage(), blue));

    // Back at the save the scheme matches its file; one step earlier it no
    // longer does.
    w.mnuEditUndo->trigger();
    EXPECT_FALSE(SchemeModified);
    w.mnuEditUndo->trigger();
    EXPECT_TRUE(SchemeModified) << "undone past the save";
    EXPECT_EQ(w.lblSchemeName->text(), firstLabel);
    w.mnuEditRedo->trigger();
    EXPECT_FALSE(SchemeModified);

    // Closing forgets the history.
    w.mnuFileClose_Click();
    EXPECT_FALSE(w.mnuEditUndo->isEnabled());
    EXPECT_FALSE(w.mnuEditRedo->isEnabled());
}

TEST_F(MainWindowFixture, PaletteStepsUndoWithTheirListAndLabel)
{
    frmMain& w = window();
    open(writeModel("ship", 1, {"Hull"}));
    PaletteCount = 2;
    PaletteColors[0] = {10, 20, 30, -5};
    PaletteColors[1] = {40, 50, 60, -6};
    PaletteNames[0] = "One";
    PaletteNames[1] = "Two";
    QTemporaryDir dir;
    chooser.queueFile(dir.filePath("two.RPL"));
    w.cmdSavePalette_Click();
    PaletteCount = 0;
    w.ResetPanels();

    chooser.queueFile(dir.filePath("two.RPL"));
    w.cmdLoadPalette_Click();
    ASSERT_EQ(w.paletteList->RowCount(), 2);
    ASSERT_TRUE(w.paletteList->ContentShown());
    w.mnuEditUndo->trigger();
    EXPECT_EQ(PaletteCount, 0);
    EXPECT_FALSE(w.paletteList->ContentShown()) << "no palette was shown before the load";
    EXPECT_EQ(w.lblPaletteName->text(), "Palette: two.RPL") << "the label the save gave";
    w.mnuEditRedo->trigger();
    EXPECT_EQ(w.paletteList->nameLabel(1)->text(), "Two");
    EXPECT_TRUE(w.paletteList->ContentShown());
}
