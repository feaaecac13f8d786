// Start-up, settings and shutdown; opening, navigation and closing; zoom,
// the inspector and drops on the page; the layout.
#include "MainWindowFixture.h"

#include "mainwindow/SwatchMime.h"
#include "mainwindow/Twips.h"
#include "platform/ProgramInfo.h"
#include "platform/WindowPlacement.h"
#include "view/RKV3CanvasCtl.h"
#include "view/RKV3CanvasCtlTestPeer.h"

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

namespace util = mdlRKVUtilities;

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
    frmMainTestPeer p(w);
    EXPECT_EQ(util::LastModelPath, Platform::programFolder() + "/models/");
    EXPECT_EQ(util::LastPalettePath, Platform::programFolder() + "/palettes/");
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3");
    EXPECT_TRUE(util::PromptSaveOnChanges && p.mnuEditPromptSave()->isChecked());
    EXPECT_EQ(p.cboZoom()->currentText(), "100%");
    EXPECT_FALSE(p.cmdZoomIn()->isEnabled() || p.cmdZoomOut()->isEnabled() || p.cboZoom()->isEnabled());
    EXPECT_FALSE(p.mnuFileClose()->isEnabled() || p.mnuFilePrint()->isEnabled() || p.optTools()[0]->isEnabled());
    EXPECT_TRUE(p.RKVCanvas()->PanActive());

    util::LastSchemePath = "/somewhere/schemes/";
    w.show();
    QCoreApplication::processEvents();
    // The first start's 6500 x 6500 twips is raised to the designed client area and the menu bar.
    EXPECT_EQ(w.centralWidget()->size(), QSize(Twips::toPixelsX(9885), Twips::toPixelsY(7365)));
    w.resize(100, 100);
    EXPECT_EQ(w.centralWidget()->size(), QSize(Twips::toPixelsX(9885), Twips::toPixelsY(7365)));
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
    store("MainWidth", "10500");
    store("PromptSaveOnChanges", "maybe");
    frmMain& w = window();
    frmMainTestPeer p(w);
    EXPECT_EQ(w.x(), Twips::toPixelsX(1000));
    EXPECT_EQ(w.width(), Twips::toPixelsX(10500));
    EXPECT_TRUE(util::PromptSaveOnChanges);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().intersects(w.frameGeometry()));
    w.showMaximized();
    w.close();
    EXPECT_EQ(stored("MainLeft"), "abc");
    EXPECT_EQ(stored("MainWidth"), "10500");
    EXPECT_EQ(stored("LastModelPath"), util::LastModelPath);
}

// As on Wayland: the window system places the window, and what Qt reads back
// as its position is the frame's offset.
TEST_F(MainWindowFixture, WhereTheSystemPlacesWindowsTheStoredPositionStays)
{
    const auto previous = Platform::setWindowSystemPlacesWindows(true);
    store("MainLeft", "-9000000");  // off every screen
    store("MainTop", "1200");
    store("MainWidth", "11010");
    frmMain& w = window();
    frmMainTestPeer p(w);
    w.show();
    w.move(-3, -30);
    w.resize(w.width() + 20, w.height());
    w.close();
    Platform::setWindowSystemPlacesWindows(previous);
    EXPECT_EQ(stored("MainLeft"), "-9000000");
    EXPECT_EQ(stored("MainTop"), "1200");
    EXPECT_EQ(stored("MainWidth"), QString::number(11010 + Twips::fromPixelsX(20)))
        << "a size the user changed is still saved";
}

TEST_F(MainWindowFixture, ExitAsksPaletteThenSchemeAndPromptingOffAsksNothing)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    util::PaletteModified = util::SchemeModified = true;
    w.close();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].text, "Palette has been modified. Save changes?");
    EXPECT_EQ(boxes.shown()[0].buttons, Platform::MsgButtons::YesNo);
    EXPECT_EQ(boxes.shown()[1].text, "Scheme has been modified. Save changes?");
    EXPECT_FALSE(util::PaletteModified || util::SchemeModified) << "No clears them";

    boxes.clear();
    util::PaletteModified = true;
    p.mnuEditPromptSave()->trigger();
    EXPECT_FALSE(util::PromptSaveOnChanges);
    EXPECT_EQ(stored("PromptSaveOnChanges"), "False");
    p.mnuFileOpen_Click();  // the chooser is cancelled
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(util::PaletteModified);
    p.mnuEditPromptSave()->trigger();
    EXPECT_EQ(stored("PromptSaveOnChanges"), "True");
    p.mnuFileOpen_Click();
    EXPECT_EQ(boxes.count(), 1);
}

// Open, Close, Exit, Open Recent and a dropped model: a save not made stops each (a No first on odd rows).
TEST_F(MainWindowFixture, SaveNotMadeStopsEveryPathAndNoClearsOnlyWhenItGoesAhead)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    w.show();
    const QString boat = writeModel("boat", 1, {"Hull"}), ship = writeModel("ship", 2, {"Hull"});
    open(boat);
    const std::function<void()> paths[] = {[&] { p.mnuFileOpen_Click(); }, [&] { p.mnuFileClose_Click(); },
                                           [&] { w.close(); }, [&] { p.OpenRecentModel(ship); },
                                           [&] { w.OpenModelFile(ship); }};
    for (int row = 0; row < 5; ++row) {
        boxes.clear();
        const int chosen = chooser.count();
        util::PaletteModified = util::SchemeModified = true;
        if (row % 2) boxes.queueAnswer(Platform::MsgAnswer::No);
        boxes.queueAnswer(Platform::MsgAnswer::Yes);
        paths[row]();
        EXPECT_EQ(boxes.count() + 10 * (chooser.count() - chosen), 11 + row % 2) << row;
        EXPECT_TRUE(util::PaletteModified && util::SchemeModified && w.isVisible()) << row;
        EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (boat.RKV3, Hull)") << row;
    }
    p.mnuFileOpen_Click();  // No to both, and the chooser is cancelled
    EXPECT_TRUE(util::PaletteModified && util::SchemeModified);
    util::PromptSaveOnChanges = false;
    open(ship);
    util::PromptSaveOnChanges = true;
    boxes.clear();
    w.close();
    EXPECT_EQ(boxes.count(), 1) << "a model just opened has its own scheme unchanged";
}

TEST_F(MainWindowFixture, OpeningOneAndThreePageModelsAndClosing)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    open(writeModel("boat", 1, {"Hull", "Deck"}));
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (boat.RKV3, Hull)");
    EXPECT_EQ(entries(p.cboPage()), QStringList{"Page 1/1"});
    EXPECT_FALSE(p.cboPage()->isEnabled() || p.cmdPrevPage()->isEnabled() || p.cmdNextPage()->isEnabled()
                 || p.mnuFilePrintAll()->isEnabled());
    EXPECT_TRUE(p.mnuFileClose()->isEnabled() && p.mnuFilePrint()->isEnabled() && p.cboZoom()->isEnabled());
    EXPECT_TRUE(p.cmdLoadScheme()->isEnabled() && p.optTools()[1]->isEnabled());
    EXPECT_EQ(p.lblSchemeName()->text(), "Scheme: Default Gray");

    open(writeModel("ship", 3, {"Hull"}));
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (ship.RKV3, Hull)");
    EXPECT_EQ(entries(p.cboPage()), (QStringList{"Page 1/3", "Page 2/3", "Page 3/3"}));
    EXPECT_TRUE(p.cboPage()->isEnabled() && p.cmdPrevPage()->isEnabled() && p.cmdNextPage()->isEnabled()
                && p.mnuFilePrintAll()->isEnabled());
    EXPECT_TRUE(p.picColorContainer()->isVisibleTo(p.picRegions()));

    p.cboZoom()->setCurrentIndex(4);
    p.mnuFileClose()->trigger();
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3");
    EXPECT_EQ(p.cboPage()->count(), 0);
    for (const char* name : {"cboPage", "cboZoom", "cmdNextPage", "cmdZoomOut", "optTools0", "cmdSaveScheme"})
        EXPECT_FALSE(w.findChild<QWidget*>(name)->isEnabled()) << name;
    EXPECT_FALSE(p.mnuFileClose()->isEnabled() || p.mnuFilePrint()->isEnabled() || p.mnuFilePrintAll()->isEnabled());
    EXPECT_FALSE(p.picColorContainer()->isVisibleTo(p.picRegions()) || p.picMixerContainer()->isVisibleTo(p.picPalettes()));
    EXPECT_EQ(p.lblSchemeName()->text(), "Scheme: None Loaded");
    EXPECT_EQ(util::Model.PageCount, 0);
    EXPECT_EQ(util::CurrentZoom, 50) << "closing keeps the zoom";
}

TEST_F(MainWindowFixture, ModelNamedAtStartUpThatIsNoManifestLeavesNoModel)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    const QString manifest = writeModel("boat", 1, {"Hull"});
    QFile::resize(manifest, 3);
    w.OpenModelFile(manifest);
    w.OpenModelFile(manifest + ".missing");
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[1].text, "Model load failed due to invalid RKV3 manifest file.");
    EXPECT_EQ(chooser.count(), 0);
    EXPECT_FALSE(p.mnuFileClose()->isEnabled());
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3");
}

TEST_F(MainWindowFixture, PageButtonsClampAndReload)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    open(writeModel("ship", 3, {"Hull"}));
    p.cmdPrevPage()->click();
    EXPECT_EQ(util::Model.CurrentPage, 1);
    EXPECT_FALSE(p.cmdPrevPage()->isEnabled());
    EXPECT_TRUE(p.cmdNextPage()->isEnabled());
    p.cmdNextPage()->click();
    p.cmdNextPage()->click();
    EXPECT_EQ(util::Model.CurrentPage, 3);
    EXPECT_EQ(p.cboPage()->currentIndex(), 2);
    EXPECT_FALSE(p.cmdNextPage()->isEnabled());
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (ship.RKV3, Sheet 3)");
    EXPECT_EQ(p.RKVCanvas()->CanvasImage().size(), pageSize(3)) << "page 3 is on the screen";
    p.cmdPrevPage()->click();
    EXPECT_TRUE(p.cmdNextPage()->isEnabled());
    p.cboPage()->setCurrentIndex(0);
    EXPECT_EQ(util::Model.CurrentPage, 1);
    EXPECT_FALSE(p.cmdPrevPage()->isEnabled());
}

TEST_F(MainWindowFixture, ZoomFeedbackAtHundredAndTen)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    open(writeModel("boat", 1, {"Hull"}));
    EXPECT_FALSE(p.cmdZoomIn()->isEnabled() || p.RKVCanvas()->AllowZoomIn());
    EXPECT_TRUE(p.cmdZoomOut()->isEnabled());
    p.cboZoom()->setCurrentIndex(1);
    p.cmdZoomOut()->click();
    EXPECT_EQ(p.cboZoom()->currentText(), "10%");
    EXPECT_EQ(util::CurrentZoom, 10);
    EXPECT_FALSE(p.cmdZoomOut()->isEnabled() || p.RKVCanvas()->AllowZoomOut());
    EXPECT_TRUE(p.cmdZoomIn()->isEnabled() && p.RKVCanvas()->AllowZoomIn());
    p.cmdZoomIn()->click();
    EXPECT_TRUE(p.cmdZoomOut()->isEnabled()) << "20 % may still zoom out";
}

TEST_F(MainWindowFixture, InspectorAndDropsOnThePage)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    w.show();
    open(writeModel("boat", 1, {"Hull", "Deck", "Mast"}, 3));
    QCoreApplication::processEvents();
    p.optTools()[1]->click();
    EXPECT_TRUE(p.RKVCanvas()->PickerActive() && !p.RKVCanvas()->PanActive());
    EXPECT_TRUE(p.lblSelectedRegion()->isVisibleTo(p.picTools()));
    p.RKVCanvas_MouseDown(1, 0, 2, 2);
    EXPECT_EQ(p.lblSelectedRegion()->text(), "Region Inspector: Mast (Default Gray)");
    p.RKVCanvas_MouseUp(1, 0, 2, 2);
    EXPECT_EQ(p.lblSelectedRegion()->text(), "Region Inspector: Inactive");
    util::Model.RegionNames.removeLast();  // a region the manifest does not name
    p.RKVCanvas_MouseDown(1, 0, 2, 2);
    EXPECT_EQ(p.lblSelectedRegion()->text(), "Region Inspector: Region 3 (Default Gray)");
    p.optTools()[0]->click();
    EXPECT_FALSE(p.lblSelectedRegion()->isVisibleTo(p.picTools()));

    // The 24 x 16 page lies centred in the canvas; its corner is paper.
    std::unique_ptr<QMimeData> swatch(SwatchMime::encode({0x336699, -20, "Blue"}));
    const QPointF centre(Twips::widthOf(p.RKVCanvas()) / 2, Twips::heightOf(p.RKVCanvas()) / 2);
    EXPECT_TRUE(p.RKVCanvas_DragDrop(swatch.get(), 30, 30));
    EXPECT_FALSE(util::SchemeModified) << "a drop on the paper changes nothing";
    EXPECT_FALSE(p.RKVCanvas_DragDrop(std::make_unique<QMimeData>().get(), float(centre.x()), float(centre.y())));
    // Through the canvas's own drop event, at its centre in pixels.
    QDropEvent drop(QPointF(p.RKVCanvas()->width() / 2.0, p.RKVCanvas()->height() / 2.0), Qt::CopyAction,
                    swatch.get(), Qt::LeftButton, Qt::NoModifier);
    QDragEnterEvent enter(drop.position().toPoint(), Qt::CopyAction, swatch.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(p.RKVCanvas(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QCoreApplication::sendEvent(p.RKVCanvas(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(util::SchemeModified);
    EXPECT_EQ(util::SchemeNames[3], "Blue");
    EXPECT_EQ(util::SchemeColors[3], util::ColorRecordOf(0x336699, -20));
    EXPECT_EQ(RKV3CanvasCtlTestPeer(*p.RKVCanvas()).Palette().entry(3).Offset, -20);
}

TEST_F(MainWindowFixture, LayoutAtTheDesignedSizeAndAfterResizing)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    w.show();
    QCoreApplication::processEvents();
    const QSize frame = w.size() - w.centralWidget()->size();
    auto clientTo = [&](double widthTwips, double heightTwips) {
        w.resize(QSize(Twips::toPixelsX(widthTwips), Twips::toPixelsY(heightTwips)) + frame);
        QCoreApplication::processEvents();
    };
    clientTo(9885, 7365);
    EXPECT_EQ(twipsOf(p.RKVCanvas()), QRectF(0, 615, 6390, 6750));
    EXPECT_EQ(twipsOf(p.fraTools()), QRectF(6510, 615, 3375, 6750));
    EXPECT_EQ(Twips::widthOf(p.picTools()), 9885);
    EXPECT_EQ(Twips::heightOf(p.picRegions()), 6750 - 4200 - 120);
    EXPECT_EQ(Twips::heightOf(p.vscRegions()), Twips::heightOf(p.picRegions()));
    const QRectF palette = twipsOf(p.picPalettes());

    clientTo(9885 + 1005, 7365 + 495);
    EXPECT_EQ(twipsOf(p.RKVCanvas()), QRectF(0, 615, 6390 + 1005, 6750 + 495));
    EXPECT_EQ(twipsOf(p.fraTools()), QRectF(6510 + 1005, 615, 3375, 6750 + 495));
    EXPECT_EQ(Twips::heightOf(p.picRegions()), 6750 + 495 - 4200 - 120);
    EXPECT_GE(Twips::heightOf(p.picColorContainer()), Twips::heightOf(p.picRegions()));
    EXPECT_EQ(twipsOf(p.picPalettes()), palette);

    // Below the window's least size, as a window system that ignores it
    // would make it.
    w.setMinimumSize(0, 0);
    w.centralWidget()->setMinimumSize(0, 0);
    const QRectF canvas = twipsOf(p.RKVCanvas());
    clientTo(3000, 300);
    EXPECT_EQ(twipsOf(p.RKVCanvas()), canvas) << "negative sizes are skipped";
    EXPECT_EQ(Twips::widthOf(p.picTools()), 3000) << "the other steps still run";
}
