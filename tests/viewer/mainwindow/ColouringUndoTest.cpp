// Undo and redo of colouring steps: pages, palettes, swatches and flags.
#include "MainWindowFixture.h"

#include "RKV3CanvasCtl.h"
#include "RKV3CanvasCtlTestPeer.h"
#include "ScriptedInputBoxes.h"
#include "Swatch.h"
#include "SwatchList.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <cstring>
#include <functional>

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
    EXPECT_EQ(w.mnuEditUndo->text(), "&Undo Color Mast");

    w.mnuEditUndo->trigger();
    EXPECT_TRUE(SameBytes(w.RKVCanvas->CanvasImage(), grey));
    EXPECT_TRUE(SameEntry(peer.Palette().entry(3), greyEntry));
    EXPECT_EQ(w.regionList->swatch(3)->BackColor(), 0x7F7F7F);
    EXPECT_EQ(w.regionList->swatch(3)->Tag(), "-127");
    EXPECT_EQ(SchemeNames[3], DefaultGrayName());
    EXPECT_FALSE(SchemeModified);
    EXPECT_EQ(w.mnuEditRedo->text(), "&Redo Color Mast");

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
    EXPECT_EQ(w.lblSchemeName->text(), "Scheme: mine.RKS3") << "redone to the save, named after its file";

    // Closing forgets the history.
    w.mnuFileClose_Click();
    EXPECT_FALSE(w.mnuEditUndo->isEnabled());
    EXPECT_FALSE(w.mnuEditRedo->isEnabled());
}

TEST_F(MainWindowFixture, PaletteStepsUndoWithTheirListAndLabel)
{
    frmMain& w = window();
    open(writeModel("ship", 1, {"Hull"}));
    PaletteCount = PaletteCapacity;
    for (int i = 0; i < PaletteCapacity; ++i)
        PaletteColors[size_t(i)] = {quint8(i), quint8(255 - i / 2), quint8(i / 3), qint16(-i % 256)},
        PaletteNames[size_t(i)] = QStringLiteral("Ink %1").arg(i);
    QTemporaryDir dir;
    chooser.queueFile(dir.filePath("two.RPL"));
    w.cmdSavePalette_Click();
    PaletteCount = 0;
    w.ResetPanels();

    chooser.queueFile(dir.filePath("two.RPL"));
    w.cmdLoadPalette_Click();
    ASSERT_EQ(w.paletteList->RowCount(), PaletteCapacity);
    ASSERT_TRUE(w.paletteList->ContentShown());
    w.mnuEditUndo->trigger();
    EXPECT_EQ(PaletteCount, 0);
    EXPECT_FALSE(w.paletteList->ContentShown()) << "no palette was shown before the load";
    EXPECT_EQ(w.lblPaletteName->text(), "Palette: two.RPL") << "the label the save gave";
    w.mnuEditRedo->trigger();
    EXPECT_EQ(w.paletteList->nameLabel(256)->text(), "Ink 256");

    // A rename undone past a save of the palette leaves it unsaved.
    Platform::ScriptedInputBoxes input;
    input.queueAnswer("Rust");
    w.lblColorName_Click(255);
    chooser.queueFile(dir.filePath("rust.RPL"));
    w.cmdSavePalette_Click();
    w.mnuEditUndo->trigger();
    EXPECT_TRUE(PaletteModified && PaletteNames[255] == "Ink 255");
    EXPECT_EQ(w.mnuEditRedo->text(), "&Redo Rename Color");
    w.mnuEditRedo->trigger();
    EXPECT_EQ(w.lblPaletteName->text(), "Palette: rust.RPL");
}

// An undo queued before an operation that lets pending events run undoes that whole operation.
TEST_F(MainWindowFixture, UndoQueuedDuringAnOperationWaitsForIt)
{
    frmMain& w = window();
    QStringList names;
    for (int r = 1; r <= 240; ++r) names << (r == 233 ? QStringLiteral("Window Glass") : QStringLiteral("P%1").arg(r));
    open(writeModel("boat", 1, names, 233));
    const QImage grey = w.RKVCanvas->CanvasImage().copy();
    QTemporaryDir dir;
    chooser.queueFile(dir.filePath("grey.RKS3"));
    w.cmdSaveScheme_Click();
    const auto undoDuring = [&](const std::function<void()>& operation) {
        QMetaObject::invokeMethod(w.mnuEditUndo, "trigger", Qt::QueuedConnection);
        operation();
        QCoreApplication::processEvents();
    };
    w.AssignRegionSwatch(201, 0x0000FF, -10, "Red");
    undoDuring([&] { w.AssignRegionSwatch(233, 0x00FF00, -30, "Green"); });
    EXPECT_EQ(SchemeNames[201], "Red") << "the drop before stays";
    EXPECT_EQ(w.mnuEditRedo->text(), "&Redo Color Window Glass");
    EXPECT_TRUE(SameBytes(w.RKVCanvas->CanvasImage(), grey));
    chooser.queueFile(dir.filePath("grey.RKS3"));
    undoDuring([&] { w.cmdLoadScheme_Click(); });
    EXPECT_EQ(SchemeNames[201], "Red");
    EXPECT_EQ(w.mnuEditRedo->text(), "&Redo Load Scheme");

    w.AssignRegionSwatch(233, 0x00FF00, -30, "Green");  // undone, it would bring Red back
    undoDuring([&] { open(writeModel("ship", 2, {"Hull"}, 233)); });
    EXPECT_EQ(SchemeNames[201], DefaultGrayName());
    EXPECT_FALSE(SchemeModified || w.mnuEditUndo->isEnabled());
}
