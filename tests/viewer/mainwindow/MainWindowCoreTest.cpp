// Start-up, settings and shutdown; opening, navigation and closing; zoom,
// the inspector and drops on the page; the layout.
#include "MainWindowFixture.h"

#include "ProgramInfo.h"
#include "RKV3CanvasCtl.h"
#include "RKV3CanvasCtlTestPeer.h"
#include "SwatchMime.h"
#include "Twips.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <functional>

using namespace mdlRKVUtilities;

namespace {

QStringList entries(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

QRectF twipsOf(const QWidget* w) { return {Twips::leftOf(w), Twips::topOf(w), Twips::widthOf(w), Twips::heightOf(w)}; }

}  // namespace

TEST_F(MainWindowFixture, FreshStartReadsDefaultsAndExitWritesThemBack)
{
    frmMain& w = window();
    EXPECT_EQ(LastModelPath, Platform::programFolder() + "/models/");
    EXPECT_EQ(LastPalettePath, Platform::programFolder() + "/palettes/");
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3");
    EXPECT_TRUE(PromptSaveOnChanges && w.mnuEditPromptSave->isChecked());
    EXPECT_EQ(w.cboZoom->currentText(), "100%");
    EXPECT_FALSE(w.cmdZoomIn->isEnabled() || w.cmdZoomOut->isEnabled() || w.cboZoom->isEnabled());
    EXPECT_FALSE(w.mnuFileClose->isEnabled() || w.mnuFilePrint->isEnabled() || w.optTools[0]->isEnabled());
    EXPECT_TRUE(w.RKVCanvas->PanActive());

    LastSchemePath = "/somewhere/schemes/";
    w.show();
    w.close();
    EXPECT_EQ(stored("LastSchemePath"), "/somewhere/schemes/");
    EXPECT_EQ(stored("MainLeft"), "1000") << "an unmoved window keeps its stored twips";
    EXPECT_EQ(stored("MainWidth"), "6500");
    EXPECT_EQ(stored("PromptSaveOnChanges"), "<absent>") << "written only when toggled";
}

TEST_F(MainWindowFixture, ExitWhileMaximizedKeepsStoredGeometryAndOddValuesAreMended)
{
    store("MainLeft", "abc");
    store("MainTop", "-9000000");  // off every screen
    store("MainWidth", "9000");
    store("PromptSaveOnChanges", "maybe");
    frmMain& w = window();
    EXPECT_EQ(w.x(), Twips::toPixelsX(1000));
    EXPECT_EQ(w.width(), Twips::toPixelsX(9000));
    EXPECT_TRUE(PromptSaveOnChanges);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().intersects(w.frameGeometry()));
    w.showMaximized();
    w.close();
    EXPECT_EQ(stored("MainLeft"), "abc");
    EXPECT_EQ(stored("MainWidth"), "9000");
    EXPECT_EQ(stored("LastModelPath"), LastModelPath);
}

// As on Wayland: the window system places the window, and what Qt reads back
// as its position is the frame's offset.
TEST_F(MainWindowFixture, WhereTheSystemPlacesWindowsTheStoredPositionStays)
{
    const auto previous = Platform::setWindowSystemPlacesWindows(true);
    store("MainLeft", "-9000000");  // off every screen
    store("MainTop", "1200");
    frmMain& w = window();
    w.show();
    w.move(-3, -30);
    w.resize(w.width() + 20, w.height());
    w.close();
    Platform::setWindowSystemPlacesWindows(previous);
    EXPECT_EQ(stored("MainLeft"), "-9000000");
    EXPECT_EQ(stored("MainTop"), "1200");
    EXPECT_EQ(stored("MainWidth"), "6795") << "a size the user changed is still saved";
}

TEST_F(MainWindowFixture, ExitAsksPaletteThenSchemeAndPromptingOffAsksNothing)
{
    frmMain& w = window();
    PaletteModified = SchemeModified = true;
    w.close();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].text, "Palette has been modified. Save changes?");
    EXPECT_EQ(boxes.shown()[0].buttons, Platform::MsgButtons::YesNo);
    EXPECT_EQ(boxes.shown()[1].text, "Scheme has been modified. Save changes?");
    EXPECT_FALSE(PaletteModified || SchemeModified) << "No clears them";

    boxes.clear();
    PaletteModified = true;
    w.mnuEditPromptSave->trigger();
    EXPECT_FALSE(PromptSaveOnChanges);
    EXPECT_EQ(stored("PromptSaveOnChanges"), "False");
    w.mnuFileOpen_Click();  // the chooser is cancelled
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(PaletteModified);
    w.mnuEditPromptSave->trigger();
    EXPECT_EQ(stored("PromptSaveOnChanges"), "True");
    w.mnuFileOpen_Click();
    EXPECT_EQ(boxes.count(), 1);
}

// Open, Close, Exit, Open Recent and a dropped model: a save not made stops each (a No first on odd rows).
TEST_F(MainWindowFixture, SaveNotMadeStopsEveryPathAndNoClearsOnlyWhenItGoesAhead)
{
    frmMain& w = window();
    w.show();
    const QString boat = writeModel("boat", 1, {"Hull"}), ship = writeModel("ship", 2, {"Hull"});
    open(boat);
    const std::function<void()> paths[] = {[&] { w.mnuFileOpen_Click(); }, [&] { w.mnuFileClose_Click(); },
                                           [&] { w.close(); }, [&] { w.OpenRecentModel(ship); },
                                           [&] { w.OpenModelFile(ship); }};
    for (int row = 0; row < 5; ++row) {
        boxes.clear();
        const int chosen = chooser.count();
        PaletteModified = SchemeModified = true;
        if (row % 2) boxes.queueAnswer(Platform::MsgAnswer::No);
        boxes.queueAnswer(Platform::MsgAnswer::Yes);
        paths[row]();
        EXPECT_EQ(boxes.count() + 10 * (chooser.count() - chosen), 11 + row % 2) << row;
        EXPECT_TRUE(PaletteModified && SchemeModified && w.isVisible()) << row;
        EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (boat.RKV3, Hull)") << row;
    }
    w.mnuFileOpen_Click();  // No to both, and the chooser is cancelled
    EXPECT_TRUE(PaletteModified && SchemeModified);
    PromptSaveOnChanges = false;
    open(ship);
    PromptSaveOnChanges = true;
    boxes.clear();
    w.close();
    EXPECT_EQ(boxes.count(), 1) << "a model just opened has its own scheme unchanged";
}

TEST_F(MainWindowFixture, OpeningOneAndThreePageModelsAndClosing)
{
    frmMain& w = window();
    open(writeModel("boat", 1, {"Hull", "Deck"}));
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (boat.RKV3, Hull)");
    EXPECT_EQ(entries(w.cboPage), QStringList{"Page 1/1"});
    EXPECT_FALSE(w.cboPage->isEnabled() || w.cmdPrevPage->isEnabled() || w.cmdNextPage->isEnabled()
                 || w.mnuFilePrintAll->isEnabled());
    EXPECT_TRUE(w.mnuFileClose->isEnabled() && w.mnuFilePrint->isEnabled() && w.cboZoom->isEnabled());
    EXPECT_TRUE(w.cmdLoadScheme->isEnabled() && w.optTools[1]->isEnabled());
    EXPECT_EQ(w.lblSchemeName->text(), "Scheme: Default Gray");

    open(writeModel("ship", 3, {"Hull"}));
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (ship.RKV3, Hull)");
    EXPECT_EQ(entries(w.cboPage), (QStringList{"Page 1/3", "Page 2/3", "Page 3/3"}));
    EXPECT_TRUE(w.cboPage->isEnabled() && w.cmdPrevPage->isEnabled() && w.cmdNextPage->isEnabled()
                && w.mnuFilePrintAll->isEnabled());
    EXPECT_TRUE(w.picColorContainer->isVisibleTo(w.picRegions));

    w.cboZoom->setCurrentIndex(4);
    w.mnuFileClose->trigger();
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3");
    EXPECT_EQ(w.cboPage->count(), 0);
    for (const char* name : {"cboPage", "cboZoom", "cmdNextPage", "cmdZoomOut", "optTools0", "cmdSaveScheme"})
        EXPECT_FALSE(w.findChild<QWidget*>(name)->isEnabled()) << name;
    EXPECT_FALSE(w.mnuFileClose->isEnabled() || w.mnuFilePrint->isEnabled() || w.mnuFilePrintAll->isEnabled());
    EXPECT_FALSE(w.picColorContainer->isVisibleTo(w.picRegions) || w.picMixerContainer->isVisibleTo(w.picPalettes));
    EXPECT_EQ(w.lblSchemeName->text(), "Scheme: None Loaded");
    EXPECT_EQ(Model.PageCount, 0);
    EXPECT_EQ(CurrentZoom, 50) << "closing keeps the zoom";
}

TEST_F(MainWindowFixture, ModelNamedAtStartUpThatIsNoManifestLeavesNoModel)
{
    frmMain& w = window();
    const QString manifest = writeModel("boat", 1, {"Hull"});
    QFile::resize(manifest, 3);
    w.OpenModelFile(manifest);
    w.OpenModelFile(manifest + ".missing");
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[1].text, "Model load failed due to invalid RKV3 manifest file.");
    EXPECT_EQ(chooser.count(), 0);
    EXPECT_FALSE(w.mnuFileClose->isEnabled());
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3");
}

TEST_F(MainWindowFixture, PageButtonsClampAndReload)
{
    frmMain& w = window();
    open(writeModel("ship", 3, {"Hull"}));
    w.cmdPrevPage->click();
    EXPECT_EQ(Model.CurrentPage, 1);
    EXPECT_FALSE(w.cmdPrevPage->isEnabled());
    EXPECT_TRUE(w.cmdNextPage->isEnabled());
    w.cmdNextPage->click();
    w.cmdNextPage->click();
    EXPECT_EQ(Model.CurrentPage, 3);
    EXPECT_EQ(w.cboPage->currentIndex(), 2);
    EXPECT_FALSE(w.cmdNextPage->isEnabled());
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (ship.RKV3, Sheet 3)");
    EXPECT_EQ(w.RKVCanvas->CanvasImage().size(), pageSize(3)) << "page 3 is on the screen";
    w.cmdPrevPage->click();
    EXPECT_TRUE(w.cmdNextPage->isEnabled());
    w.cboPage->setCurrentIndex(0);
    EXPECT_EQ(Model.CurrentPage, 1);
    EXPECT_FALSE(w.cmdPrevPage->isEnabled());
}

TEST_F(MainWindowFixture, ZoomFeedbackAtHundredAndTen)
{
    frmMain& w = window();
    open(writeModel("boat", 1, {"Hull"}));
    EXPECT_FALSE(w.cmdZoomIn->isEnabled() || w.RKVCanvas->AllowZoomIn());
    EXPECT_TRUE(w.cmdZoomOut->isEnabled());
    w.cboZoom->setCurrentIndex(1);
    w.cmdZoomOut->click();
    EXPECT_EQ(w.cboZoom->currentText(), "10%");
    EXPECT_EQ(CurrentZoom, 10);
    EXPECT_FALSE(w.cmdZoomOut->isEnabled() || w.RKVCanvas->AllowZoomOut());
    EXPECT_TRUE(w.cmdZoomIn->isEnabled() && w.RKVCanvas->AllowZoomIn());
    w.cmdZoomIn->click();
    EXPECT_TRUE(w.cmdZoomOut->isEnabled()) << "20 % may still zoom out";
}

TEST_F(MainWindowFixture, InspectorAndDropsOnThePage)
{
    frmMain& w = window();
    w.show();
    open(writeModel("boat", 1, {"Hull", "Deck", "Mast"}, 3));
    QCoreApplication::processEvents();
    w.optTools[1]->click();
    EXPECT_TRUE(w.RKVCanvas->PickerActive() && !w.RKVCanvas->PanActive());
    EXPECT_TRUE(w.lblSelectedRegion->isVisibleTo(w.picTools));
    w.RKVCanvas_MouseDown(1, 0, 2, 2);
    EXPECT_EQ(w.lblSelectedRegion->text(), "Region Inspector: Mast (Default Gray)");
    w.RKVCanvas_MouseUp(1, 0, 2, 2);
    EXPECT_EQ(w.lblSelectedRegion->text(), "Region Inspector: Inactive");
    Model.RegionNames.removeLast();  // a region the manifest does not name
    w.RKVCanvas_MouseDown(1, 0, 2, 2);
    EXPECT_EQ(w.lblSelectedRegion->text(), "Region Inspector: Region 3 (Default Gray)");
    w.optTools[0]->click();
    EXPECT_FALSE(w.lblSelectedRegion->isVisibleTo(w.picTools));

    // The 24 x 16 page lies centred in the canvas; its corner is paper.
    std::unique_ptr<QMimeData> swatch(SwatchMime::encode({0x336699, -20, "Blue"}));
    const QPointF centre(Twips::widthOf(w.RKVCanvas) / 2, Twips::heightOf(w.RKVCanvas) / 2);
    EXPECT_TRUE(w.RKVCanvas_DragDrop(swatch.get(), 30, 30));
    EXPECT_FALSE(SchemeModified) << "a drop on the paper changes nothing";
    EXPECT_FALSE(w.RKVCanvas_DragDrop(std::make_unique<QMimeData>().get(), float(centre.x()), float(centre.y())));
    // Through the canvas's own drop event, at its centre in pixels.
    QDropEvent drop(QPointF(w.RKVCanvas->width() / 2.0, w.RKVCanvas->height() / 2.0), Qt::CopyAction,
                    swatch.get(), Qt::LeftButton, Qt::NoModifier);
    QDragEnterEvent enter(drop.position().toPoint(), Qt::CopyAction, swatch.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.RKVCanvas, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QCoreApplication::sendEvent(w.RKVCanvas, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(SchemeModified);
    EXPECT_EQ(SchemeNames[3], "Blue");
    EXPECT_EQ(SchemeColors[3], ColorRecordOf(0x336699, -20));
    EXPECT_EQ(RKV3CanvasCtlTestPeer(*w.RKVCanvas).Palette().entry(3).Offset, -20);
}

TEST_F(MainWindowFixture, LayoutAtTheDesignedSizeAndAfterResizing)
{
    frmMain& w = window();
    w.show();
    QCoreApplication::processEvents();
    const QSize frame = w.size() - w.centralWidget()->size();
    auto clientTo = [&](double widthTwips, double heightTwips) {
        w.resize(QSize(Twips::toPixelsX(widthTwips), Twips::toPixelsY(heightTwips)) + frame);
        QCoreApplication::processEvents();
    };
    clientTo(9885, 7365);
    EXPECT_EQ(twipsOf(w.RKVCanvas), QRectF(0, 615, 6390, 6750));
    EXPECT_EQ(twipsOf(w.fraTools), QRectF(6510, 615, 3375, 6750));
    EXPECT_EQ(Twips::widthOf(w.picTools), 9885);
    EXPECT_EQ(Twips::heightOf(w.picRegions), 6750 - 4200 - 120);
    EXPECT_EQ(Twips::heightOf(w.vscRegions), Twips::heightOf(w.picRegions));
    const QRectF palette = twipsOf(w.picPalettes);

    clientTo(9885 + 1005, 7365 + 495);
    EXPECT_EQ(twipsOf(w.RKVCanvas), QRectF(0, 615, 6390 + 1005, 6750 + 495));
    EXPECT_EQ(twipsOf(w.fraTools), QRectF(6510 + 1005, 615, 3375, 6750 + 495));
    EXPECT_EQ(Twips::heightOf(w.picRegions), 6750 + 495 - 4200 - 120);
    EXPECT_GE(Twips::heightOf(w.picColorContainer), Twips::heightOf(w.picRegions));
    EXPECT_EQ(twipsOf(w.picPalettes), palette);

    const QRectF canvas = twipsOf(w.RKVCanvas);
    clientTo(3000, 300);
    EXPECT_EQ(twipsOf(w.RKVCanvas), canvas) << "negative sizes are skipped";
    EXPECT_EQ(Twips::widthOf(w.picTools), 3000) << "the other steps still run";
}
