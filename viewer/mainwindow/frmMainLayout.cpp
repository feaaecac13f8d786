// The window's layout: every control at its designed position and size in
// twips, and the resize handler that keeps the tool strip as wide as the
// window, gives the canvas the remaining space and keeps the colour frame
// against the right edge.
#include "mainwindow/frmMain.h"

#include "mainwindow/SwatchList.h"
#include "mainwindow/Twips.h"
#include "view/RKV3CanvasCtl.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {

// The margin between areas.
constexpr double Margin = 120;

// The least client area: the designed one, 9885 x 7365 twips, where the
// tool strip shows every designed control whole and the colour frame both
// lists with their buttons (the region list six rows).
constexpr double MinimumClientWidth = 9885;
constexpr double MinimumClientHeight = 7365;
// Room left on a screen smaller than that for the window's frame and title.
constexpr int ScreenFrameRoom = 48;

}  // namespace

void frmMain::placeDesignedControls()
{
    using Twips::place;

    place(picTools, 0, 0, 9855, 495);
    place(cmdPrevPage, 120, 35, 615, 375);
    place(cboPage, 720, 55, 1215, 315);
    place(cmdNextPage, 1920, 0, 615, 375);
    place(cboZoom, 2640, 55, 1215, 315);
    place(cmdZoomOut, 3960, 35, 495, 375);
    place(cmdZoomIn, 4440, 35, 495, 375);
    place(optTools[0], 5040, 35, 615, 375);
    place(optTools[1], 5640, 35, 615, 375);
    place(lblSelectedRegion, 6360, 120, 4575, 255);

    place(RKVCanvas, 0, 600, 6375, 6735);
    place(fraTools, 6480, 600, 3375, 6735);

    place(Label1, 120, 240, 3135, 255);
    place(cmdLoadPalette, 120, 480, 1575, 255);
    place(cmdSavePalette, 1680, 480, 1575, 255);
    place(lblPaletteName, 120, 840, 3135, 255);
    place(picPalettes, 120, 1080, 2895, 2175);
    place(vscMixer, 3000, 1080, 255, 2175);

    place(lblRegionList, 120, 3360, 3135, 255);
    place(cmdLoadScheme, 120, 3600, 1575, 255);
    place(cmdSaveScheme, 1680, 3600, 1575, 255);
    place(lblSchemeName, 120, 3960, 3135, 255);
    place(picRegions, 120, 4200, 2895, 2415);
    place(vscRegions, 3000, 4200, 255, 2295);

    // Pictures fill their buttons, less a small border.
    for (QToolButton* pictureButton : {cmdZoomOut, cmdZoomIn, optTools[0], optTools[1]}) {
        const int side = std::max(8, std::min(pictureButton->width(), pictureButton->height()) - 6);
        pictureButton->setIconSize(QSize(side, side));
    }
}

void frmMain::ApplyMinimumSize()
{
    QSize least(Twips::toPixelsX(MinimumClientWidth), Twips::toPixelsY(MinimumClientHeight));
    // A screen smaller than that still holds the whole window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        least = least.boundedTo(screen->availableSize() - QSize(ScreenFrameRoom, 2 * ScreenFrameRoom));
    client_->setMinimumSize(least.expandedTo(QSize(0, 0)));
    // The window takes its minimum (the client's and the menu bar's) at once,
    // so a stored or default size below it is raised before it is shown.
    layout()->activate();
}

void frmMain::Form_Resize()
{
    using namespace Twips;

    const double W = widthOf(client_);
    const double H = heightOf(client_);
    // A step whose size would be negative is skipped; the others still run.
    auto sized = [](double width, double height) { return width >= 0 && height >= 0; };

    // 1.
    if (IsMinimizedOrMaximized()) RKVCanvas->StorePosition();

    // 2.
    if (sized(W, 0)) place(picTools, leftOf(picTools), topOf(picTools), W, heightOf(picTools));

    // 3.
    {
        const double top = topOf(picTools) + heightOf(picTools) + Margin;
        const double width = W - widthOf(fraTools) - Margin;
        const double height = H - heightOf(picTools) - Margin;
        if (sized(width, height)) place(RKVCanvas, 0, top, width, height);
    }

    // 4.
    {
        const double left = widthOf(RKVCanvas) + Margin;
        const double top = topOf(picTools) + heightOf(picTools) + Margin;
        const double height = H - heightOf(picTools) - Margin;
        if (sized(0, height)) place(fraTools, left, top, widthOf(fraTools), height);
    }

    // A boundary between the lists that the user dragged moves the region
    // list's part of the frame before it is fitted.
    PlacePanelBoundary();

    // 5 to 8.
    FitPanelViewports();

    // 9, 10.
    RKVCanvas->RecallPosition();
    UpdatePanelScrollBars();
}

void frmMain::FitPanelViewports()
{
    using namespace Twips;

    // 5, 6. A height that would be negative is skipped.
    {
        const double height = heightOf(fraTools) - topOf(picRegions) - Margin;
        if (height >= 0) place(picRegions, leftOf(picRegions), topOf(picRegions), widthOf(picRegions), height);
    }
    place(vscRegions, leftOf(vscRegions), topOf(vscRegions), widthOf(vscRegions), heightOf(picRegions));

    // 7, 8. A content box is never shorter than its viewport.
    if (regionList->heightTwips() > regionList->contentHeight())
        regionList->setContentHeight(regionList->heightTwips());
    if (paletteList->heightTwips() > paletteList->contentHeight())
        paletteList->setContentHeight(paletteList->heightTwips());
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize) Form_Resize();
    NoteMouseChoice(watched, event);
    if (watched == RKVCanvas && canvasDragEvent(event)) return true;
    if (watched == RKVCanvas && event->type() == QEvent::Wheel)
        return RKVCanvas_Wheel(static_cast<QWheelEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::changeEvent(QEvent* event)
{
    // Minimizing and maximizing count as resizing, as the canvas keeps its
    // scroll position across them.
    if (event->type() == QEvent::WindowStateChange && client_) Form_Resize();
    QMainWindow::changeEvent(event);
}
