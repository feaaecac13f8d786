// The View menu: the page fitted to the canvas, at its physical size, and
// zoomed a step in or out, above the zoom list's 100 % up to 400 %.
#include "mainwindow/frmMain.h"

#include "mainwindow/ZoomSteps.h"
#include "model/core/ModelState.h"
#include "platform/Metrics.h"
#include "view/RKV3CanvasCtl.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace util = mdlRKVUtilities;
using Platform::Metrics::SM_CXHTHUMB;
using Platform::Metrics::SM_CYVTHUMB;
using Platform::Metrics::systemMetric;

void frmMain::createViewMenu()
{
    mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    auto item = [this](const char* name, const QString& caption, const QList<QKeySequence>& keys,
                       void (frmMain::*handler)()) {
        QAction* action = mnuView->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mnuViewFitPage = item("mnuViewFitPage", tr("Fit &Page"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                          &frmMain::mnuViewFitPage_Click);
    mnuViewFitWidth = item("mnuViewFitWidth", tr("Fit &Width"), {}, &frmMain::mnuViewFitWidth_Click);
    mnuViewActualSize = item("mnuViewActualSize", tr("&Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_1)},
                             &frmMain::mnuViewActualSize_Click);
    mnuViewBar1 = mnuView->addSeparator();
    mnuViewBar1->setObjectName(QStringLiteral("mnuViewBar1"));
    // Ctrl+= is Ctrl++ without Shift on most keyboards.
    mnuViewZoomIn = item("mnuViewZoomIn", tr("Zoom &In"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                         &frmMain::mnuViewZoomIn_Click);
    mnuViewZoomOut = item("mnuViewZoomOut", tr("Zoom &Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
                          &frmMain::mnuViewZoomOut_Click);
    connect(mnuView, &QMenu::aboutToShow, this, [this] { UpdateViewMenu(); });
    UpdateViewMenu();
}

bool frmMain::ViewZoomAvailable() const
{
    return util::Model.PageCount > 0 && RKVCanvas && RKVCanvas->Zoom() > 0;
}

void frmMain::UpdateViewMenu()
{
    const bool shown = ViewZoomAvailable();
    for (QAction* action : {mnuViewFitPage, mnuViewFitWidth, mnuViewActualSize}) action->setEnabled(shown);
    mnuViewZoomIn->setEnabled(shown && RKVCanvas->Zoom() < ZoomSteps::MaxZoom);
    mnuViewZoomOut->setEnabled(shown && RKVCanvas->Zoom() > ZoomSteps::MinZoom);
}

void frmMain::SetViewZoom(int zoom)
{
    const int index = ZoomSteps::ListIndex(zoom);
    if (index >= 0 && index != cboZoom->currentIndex()) {
        // The list's selection handler sets the zoom, as a choice in it does.
        cboZoom->setCurrentIndex(index);
        return;
    }
    if (index < 0) {
        // The list shows the zoom as its text, without an item for it, in
        // the colour of an item's text.
        QPalette palette = cboZoom->palette();
        palette.setBrush(QPalette::PlaceholderText, palette.buttonText());
        cboZoom->setPalette(palette);
        cboZoom->setPlaceholderText(ZoomSteps::Text(zoom));
        cboZoom->setCurrentIndex(-1);
    }
    RKVCanvas->setZoom(zoom);
}

// The largest zoom at which the whole page fits without scroll bars.
void frmMain::mnuViewFitPage_Click()
{
    if (!ViewZoomAvailable()) return;
    const QSize viewport = RKVCanvas->ViewportSize();
    SetViewZoom(ZoomSteps::Fit(viewport.width(), RKVCanvas->CanvasWidth(), systemMetric(SM_CXHTHUMB),
                               viewport.height(), RKVCanvas->CanvasHeight(), systemMetric(SM_CYVTHUMB)));
}

// The largest zoom at which the page's width fits.
void frmMain::mnuViewFitWidth_Click()
{
    if (!ViewZoomAvailable()) return;
    SetViewZoom(ZoomSteps::Fit(RKVCanvas->ViewportSize().width(), RKVCanvas->CanvasWidth(),
                               systemMetric(SM_CXHTHUMB), 0, 0, 0));
}

// The page at its physical size: the model's pixels per inch shown at the
// screen's logical dots per inch.
void frmMain::mnuViewActualSize_Click()
{
    if (!ViewZoomAvailable()) return;
    const QScreen* shown = screen();
    SetViewZoom(ZoomSteps::ActualSize(shown ? shown->logicalDotsPerInchX() : 0, util::Model.Resolution));
}

void frmMain::mnuViewZoomIn_Click()
{
    if (ViewZoomAvailable()) SetViewZoom(ZoomSteps::Next(RKVCanvas->Zoom(), 1));
}

void frmMain::mnuViewZoomOut_Click()
{
    if (ViewZoomAvailable()) SetViewZoom(ZoomSteps::Next(RKVCanvas->Zoom(), -1));
}
