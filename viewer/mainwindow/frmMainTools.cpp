// The zoom controls, the pan and inspector tools, the region inspector and
// swatches dropped on the page.
#include "mainwindow/frmMain.h"

#include "mainwindow/SwatchMime.h"
#include "mainwindow/ToolPictures.h"
#include "mainwindow/Twips.h"
#include "mainwindow/ZoomSteps.h"
#include "model/ProgramState.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"
#include "view/RKV3CanvasCtl.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QToolButton>

namespace util = mdlRKVUtilities;

namespace {

// The leading digits of a zoom list item ("50%" gives 50).
int LeadingDigits(const QString& text)
{
    int value = 0;
    for (const QChar c : text) {
        if (!c.isDigit()) break;
        value = value * 10 + c.digitValue();
    }
    return value;
}

}  // namespace

void frmMain::connectToolControls()
{
    connect(cboZoom, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) cboZoom_Click();
    });
    connect(cmdZoomIn, &QToolButton::clicked, this, [this] { cmdZoomIn_Click(); });
    connect(cmdZoomOut, &QToolButton::clicked, this, [this] { cmdZoomOut_Click(); });
    for (int index = 0; index < int(optTools.size()); ++index)
        connect(optTools[size_t(index)], &QToolButton::clicked, this,
                [this, index] { optTools_Click(index); });

    connect(RKVCanvas, &RKV3CanvasCtl::ZoomChanged, this,
            [this](int ZoomPercent) { RKVCanvas_ZoomChanged(ZoomPercent); });
    connect(RKVCanvas, &RKV3CanvasCtl::MouseDown, this,
            [this](short& Button, short& Shift, float& X, float& Y) { RKVCanvas_MouseDown(Button, Shift, X, Y); });
    connect(RKVCanvas, &RKV3CanvasCtl::MouseUp, this,
            [this](short& Button, short& Shift, float& X, float& Y) { RKVCanvas_MouseUp(Button, Shift, X, Y); });

    // The canvas takes swatch drops; the window handles them.
    RKVCanvas->setAcceptDrops(true);
    RKVCanvas->installEventFilter(this);
}

void frmMain::createToolButtons()
{
    auto pictureButton = [this](const char* name, const QString& caption, const QString& tip,
                                const QIcon& picture) {
        auto* button = new QToolButton(picTools);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(caption);
        button->setToolTip(tip);
        button->setIcon(picture);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setAutoRaise(false);
        return button;
    };
    cmdZoomOut = pictureButton("cmdZoomOut", tr("Zoom Out"), tr("Zoom Out"),
                               ZoomOutPicture());
    cmdZoomIn = pictureButton("cmdZoomIn", tr("Zoom In"), tr("Zoom In"),
                              ZoomInPicture());

    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    optTools[0] = pictureButton("optTools0", QString(), tr("Pan/Drag Tool"), PanToolPicture());
    optTools[1] = pictureButton("optTools1", QString(), tr("Region Inspector"),
                                InspectorToolPicture());
    for (size_t index = 0; index < optTools.size(); ++index) {
        optTools[index]->setCheckable(true);
        optTools[index]->setEnabled(false);
        group->addButton(optTools[index], int(index));
    }
    optTools[0]->setChecked(true);

    lblSelectedRegion = new QLabel(tr("Region Inspector: Inactive"), picTools);
    lblSelectedRegion->setObjectName(QStringLiteral("lblSelectedRegion"));
    // It shows the names of the region and of its colour as written.
    lblSelectedRegion->setTextFormat(Qt::PlainText);
    lblSelectedRegion->setEnabled(false);
    lblSelectedRegion->setVisible(false);
}

void frmMain::cboZoom_Click()
{
    RKVCanvas->setZoom(LeadingDigits(cboZoom->currentText()));
}

void frmMain::cmdZoomIn_Click()
{
    // A zoom that is no list item (View menu) steps to the nearest item above.
    if (cboZoom->currentIndex() < 0) {
        SetViewZoom(ZoomSteps::Next(RKVCanvas->Zoom(), 1, ZoomSteps::ListMaxZoom));
        return;
    }
    if (cboZoom->currentIndex() + 1 < cboZoom->count()) cboZoom->setCurrentIndex(cboZoom->currentIndex() + 1);
}

void frmMain::cmdZoomOut_Click()
{
    if (cboZoom->currentIndex() < 0) {
        SetViewZoom(ZoomSteps::Next(RKVCanvas->Zoom(), -1, ZoomSteps::ListMaxZoom));
        return;
    }
    if (cboZoom->currentIndex() != 0) cboZoom->setCurrentIndex(cboZoom->currentIndex() - 1);
}

void frmMain::optTools_Click(int Index)
{
    CurrentTool = Index;
    if (Index == 0) {
        RKVCanvas->setPickerActive(false);
        RKVCanvas->setPanActive(true);
        lblSelectedRegion->setVisible(false);
    } else if (Index == 1) {
        RKVCanvas->setPanActive(false);
        RKVCanvas->setPickerActive(true);
        lblSelectedRegion->setVisible(true);
    }
}

void frmMain::RKVCanvas_ZoomChanged(int ZoomPercent)
{
    cmdZoomIn->setEnabled(ZoomPercent < 100);
    RKVCanvas->setAllowZoomIn(ZoomPercent < 100);
    cmdZoomOut->setEnabled(ZoomPercent >= 11);
    RKVCanvas->setAllowZoomOut(ZoomPercent >= 11);
    util::CurrentZoom = ZoomPercent;
}

void frmMain::RKVCanvas_MouseDown(short /*Button*/, short /*Shift*/, float X, float Y)
{
    if (CurrentTool != 1) return;
    const int r = RKVCanvas->GetRegionValue(X, Y, 1);
    if (r == 0) {
        lblSelectedRegion->setText(tr("Region Inspector: Paper Color"));
        return;
    }
    // A page may carry a region number its manifest does not name: it is
    // shown by its number.
    const QString regionName =
        r <= util::Model.RegionNames.size() ? util::Model.RegionNames[r - 1] : tr("Region %1").arg(r);
    lblSelectedRegion->setText(tr("Region Inspector: %1 (%2)").arg(regionName, util::SchemeNames[size_t(r)]));
}

void frmMain::RKVCanvas_MouseUp(short /*Button*/, short /*Shift*/, float /*X*/, float /*Y*/)
{
    if (CurrentTool != 1) return;
    lblSelectedRegion->setText(tr("Region Inspector: Inactive"));
}

bool frmMain::RKVCanvas_DragDrop(const QMimeData* source, float X, float Y)
{
    // 1. Only a swatch's drag is taken.
    const std::optional<SwatchValues> swatch = SwatchMime::decode(source);
    if (!swatch) return false;
    // 2. The paper colour cannot be set by dropping.
    const int r = RKVCanvas->GetRegionValue(X, Y, 0);
    if (r == 0) return true;
    // 3 to 8.
    AssignRegionSwatch(qint16(r), swatch->color, swatch->offset, swatch->name);
    return true;
}

bool frmMain::canvasDragEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (modelFileDragEvent(event)) return true;
        if (drag->mimeData()->hasFormat(QString::fromLatin1(SwatchMime::MimeType))) {
            drag->acceptProposedAction();
            // The region a drop here would colour is outlined.
            const QPointF at = drag->position();
            RKVCanvas->ShowRegionOutline(RKVCanvas->GetRegionValue(float(at.x() * Twips::fromPixelsX(1)),
                                                                   float(at.y() * Twips::fromPixelsY(1)), 0));
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        RKVCanvas->ShowRegionOutline(0);
        return false;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        RKVCanvas->ShowRegionOutline(0);
        if (modelFileDragEvent(event)) return true;
        // The drop point in twips relative to the canvas control.
        const QPointF at = drop->position();
        const float X = float(at.x() * Twips::fromPixelsX(1));
        const float Y = float(at.y() * Twips::fromPixelsY(1));
        if (RKVCanvas_DragDrop(drop->mimeData(), X, Y))
            drop->acceptProposedAction();
        else
            drop->ignore();
        return true;
    }
    default:
        return false;
    }
}
