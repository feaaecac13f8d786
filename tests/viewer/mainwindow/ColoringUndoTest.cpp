// Undo and redo of colouring steps: pages, palettes, swatches and flags.
#include "MainWindowFixture.h"

#include "mainwindow/Swatch.h"
#include "mainwindow/SwatchList.h"
#include "platform/testing/ScriptedInputBoxes.h"
#include "view/RKV3CanvasCtl.h"
#include "view/RKV3CanvasCtlTestPeer.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <cstring>
#include <functional>

namespace util = mdlRKVUtilities;

namespace {

bool SameEntry(const RKV3Canvas::RegionPaletteEntry& a, const RKV3Canvas::RegionPaletteEntry& b)
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
    frmMainTestPeer p(w);
    open(writeModel("ship", 1, {"Hull", "Deck", "Mast"}, 3));
    const RKV3CanvasCtlTestPeer peer(*p.RKVCanvas());
    const QImage grey = p.RKVCanvas()->CanvasImage().copy();
    const RKV3Canvas::RegionPaletteEntry greyEntry = peer.Palette().entry(3);
    EXPECT_FALSE(p.mnuEditUndo()->isEnabled());

    p.AssignRegionSwatch(3, 0x0000FF, -10, "Red");
    const QImage red = p.RKVCanvas()->CanvasImage().copy();
    const RKV3Canvas::RegionPaletteEntry redEntry = peer.Palette().entry(3);
    ASSERT_FALSE(SameBytes(red, grey));
    EXPECT_EQ(p.mnuEditUndo()->text(), "&Undo Color Mast");

    p.mnuEditUndo()->trigger();
    EXPECT_TRUE(SameBytes(p.RKVCanvas()->CanvasImage(), grey));
    EXPECT_TRUE(SameEntry(peer.Palette().entry(3), greyEntry));
    EXPECT_EQ(p.regionList()->swatch(3)->BackColor(), 0x7F7F7F);
    EXPECT_EQ(p.regionList()->swatch(3)->Tag(), "-127");
    EXPECT_EQ(util::SchemeNames[3], util::DefaultGrayName());
    EXPECT_FALSE(util::SchemeModified);
    EXPECT_EQ(p.mnuEditRedo()->text(), "&Redo Color Mast");

    p.mnuEditRedo()->trigger();
    EXPECT_TRUE(SameBytes(p.RKVCanvas()->CanvasImage(), red));
    EXPECT_TRUE(SameEntry(peer.Palette().entry(3), redEntry));
    EXPECT_EQ(p.regionList()->swatch(3)->toolTip(), "Red");
    EXPECT_TRUE(util::SchemeModified);
}

TEST_F(MainWindowFixture, UndoAcrossASchemeLoadAndPastASave)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    open(writeModel("ship", 1, {"Hull", "Deck", "Mast"}, 2));
    const QString firstLabel = p.lblSchemeName()->text();
    QTemporaryDir dir;

    p.AssignRegionSwatch(1, 0x0000FF, 0, "Red");
    chooser.queueFile(dir.filePath("mine.RKS3"));
    p.cmdSaveScheme_Click();
    ASSERT_FALSE(util::SchemeModified);
    p.AssignRegionSwatch(2, 0xFF0000, -20, "Blue");
    const QImage blue = p.RKVCanvas()->CanvasImage().copy();

    // Loading the saved scheme (the prompt answered No) gives region 2 its
    // grey back; undoing the load brings back the blue page and label.
    chooser.queueFile(dir.filePath("mine.RKS3"));
    p.cmdLoadScheme_Click();
    ASSERT_EQ(util::SchemeNames[2], util::DefaultGrayName());
    EXPECT_EQ(p.mnuEditUndo()->text(), "&Undo Load Scheme");
    p.mnuEditUndo()->trigger();
    EXPECT_EQ(util::SchemeNames[2], "Blue");
    EXPECT_EQ(util::SchemeColors[2].Offset, -20);
    EXPECT_EQ(p.lblSchemeName()->text(), "Scheme: mine.RKS3") << "the save's label";
    EXPECT_TRUE(SameBytes(p.RKVCanvas()->CanvasImage(), blue));

    // Back at the save the scheme matches its file; one step earlier it no
    // longer does.
    p.mnuEditUndo()->trigger();
    EXPECT_FALSE(util::SchemeModified);
    p.mnuEditUndo()->trigger();
    EXPECT_TRUE(util::SchemeModified) << "undone past the save";
    EXPECT_EQ(p.lblSchemeName()->text(), firstLabel);
    p.mnuEditRedo()->trigger();
    EXPECT_FALSE(util::SchemeModified);
    EXPECT_EQ(p.lblSchemeName()->text(), "Scheme: mine.RKS3") << "redone to the save, named after its file";

    // Closing forgets the history.
    p.mnuFileClose_Click();
    EXPECT_FALSE(p.mnuEditUndo()->isEnabled());
    EXPECT_FALSE(p.mnuEditRedo()->isEnabled());
}

TEST_F(MainWindowFixture, PaletteStepsUndoWithTheirListAndLabel)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    open(writeModel("ship", 1, {"Hull"}));
    util::PaletteCount = util::PaletteCapacity;
    for (int i = 0; i < util::PaletteCapacity; ++i)
        util::PaletteColors[size_t(i)] = {quint8(i), quint8(255 - i / 2), quint8(i / 3), qint16(-i % 256)},
        util::PaletteNames[size_t(i)] = QStringLiteral("Ink %1").arg(i);
    QTemporaryDir dir;
    chooser.queueFile(dir.filePath("two.RPL"));
    p.cmdSavePalette_Click();
    util::PaletteCount = 0;
    p.ResetPanels();

    chooser.queueFile(dir.filePath("two.RPL"));
    p.cmdLoadPalette_Click();
    ASSERT_EQ(p.paletteList()->rowCount(), util::PaletteCapacity);
    ASSERT_TRUE(p.paletteList()->contentShown());
    p.mnuEditUndo()->trigger();
    EXPECT_EQ(util::PaletteCount, 0);
    EXPECT_FALSE(p.paletteList()->contentShown()) << "no palette was shown before the load";
    EXPECT_EQ(p.lblPaletteName()->text(), "Palette: two.RPL") << "the label the save gave";
    p.mnuEditRedo()->trigger();
    EXPECT_EQ(p.paletteList()->nameLabel(256)->text(), "Ink 256");

    // A rename undone past a save of the palette leaves it unsaved.
    Platform::ScriptedInputBoxes input;
    input.queueAnswer("Rust");
    p.lblColorName_Click(255);
    chooser.queueFile(dir.filePath("rust.RPL"));
    p.cmdSavePalette_Click();
    p.mnuEditUndo()->trigger();
    EXPECT_TRUE(util::PaletteModified && util::PaletteNames[255] == "Ink 255");
    EXPECT_EQ(p.mnuEditRedo()->text(), "&Redo Rename Color");
    p.mnuEditRedo()->trigger();
    EXPECT_EQ(p.lblPaletteName()->text(), "Palette: rust.RPL");
}

// An undo queued before an operation that lets pending events run undoes that whole operation.
TEST_F(MainWindowFixture, UndoQueuedDuringAnOperationWaitsForIt)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    QStringList names;
    for (int r = 1; r <= 240; ++r) names << (r == 233 ? QStringLiteral("Window Glass") : QStringLiteral("P%1").arg(r));
    open(writeModel("boat", 1, names, 233));
    const QImage grey = p.RKVCanvas()->CanvasImage().copy();
    QTemporaryDir dir;
    chooser.queueFile(dir.filePath("grey.RKS3"));
    p.cmdSaveScheme_Click();
    const auto undoDuring = [&](const std::function<void()>& operation) {
        QMetaObject::invokeMethod(p.mnuEditUndo(), "trigger", Qt::QueuedConnection);
        operation();
        QCoreApplication::processEvents();
    };
    p.AssignRegionSwatch(201, 0x0000FF, -10, "Red");
    undoDuring([&] { p.AssignRegionSwatch(233, 0x00FF00, -30, "Green"); });
    EXPECT_EQ(util::SchemeNames[201], "Red") << "the drop before stays";
    EXPECT_EQ(p.mnuEditRedo()->text(), "&Redo Color Window Glass");
    EXPECT_TRUE(SameBytes(p.RKVCanvas()->CanvasImage(), grey));
    chooser.queueFile(dir.filePath("grey.RKS3"));
    undoDuring([&] { p.cmdLoadScheme_Click(); });
    EXPECT_EQ(util::SchemeNames[201], "Red");
    EXPECT_EQ(p.mnuEditRedo()->text(), "&Redo Load Scheme");

    p.AssignRegionSwatch(233, 0x00FF00, -30, "Green");  // undone, it would bring Red back
    undoDuring([&] { open(writeModel("ship", 2, {"Hull"}, 233)); });
    EXPECT_EQ(util::SchemeNames[201], util::DefaultGrayName());
    EXPECT_FALSE(util::SchemeModified || p.mnuEditUndo()->isEnabled());
}
