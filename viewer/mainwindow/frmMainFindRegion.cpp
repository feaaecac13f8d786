// Where a region lies: the outline under the pointer, the flash of a region
// named in the region list, and View > Find Region.
#include "mainwindow/frmMain.h"

#include "mainwindow/FillToolButton.h"
#include "mainwindow/SwatchList.h"
#include "model/core/ModelState.h"
#include "platform/BusyPointer.h"
#include "platform/ListChooser.h"
#include "platform/MessageBox.h"
#include "render/PageImageReader.h"
#include "render/RegionOutline.h"
#include "view/RKV3CanvasCtl.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace util = mdlRKVUtilities;

void frmMain::createFindRegionMenu()
{
    // Finding a region closes the View menu, after the zoom items.
    QAction* bar = mnuView->addSeparator();
    bar->setObjectName(QStringLiteral("mnuViewBar2"));
    mnuViewFindRegion = mnuView->addAction(tr("&Find Region..."));
    mnuViewFindRegion->setObjectName(QStringLiteral("mnuViewFindRegion"));
    mnuViewFindRegion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuViewFindRegion->setEnabled(false);
    connect(mnuViewFindRegion, &QAction::triggered, this, [this] { mnuViewFindRegion_Click(); });
}

void frmMain::connectRegionFinding()
{
    connect(RKVCanvas, &RKV3CanvasCtl::MouseMove, this,
            [this](short& Button, short& Shift, float& X, float& Y) { RKVCanvas_MouseMove(Button, Shift, X, Y); });
    connect(regionList, &SwatchList::nameClicked, this, [this](int region) { lblRegionName_Click(qint16(region)); });
    // The outline belongs to the tools that point at regions.
    connect(optTools[0], &QToolButton::clicked, this, [this] { RKVCanvas->ShowRegionOutline(0); });
    // Only a model's regions can be found: the item is enabled with the
    // tools, which opening and closing a model enable and disable.
    connect(optFillTool, &FillToolButton::enabledFollowed, mnuViewFindRegion, &QAction::setEnabled);
}

void frmMain::RKVCanvas_MouseMove(short Button, short /*Shift*/, float X, float Y)
{
    if ((CurrentTool != 1 && CurrentTool != 2) || Button != 0) return;
    const int r = RKVCanvas->GetRegionValue(X, Y, 1);
    RKVCanvas->ShowRegionOutline(r);
    if (CurrentTool != 1) return;
    regionList->markRow(r == 0 ? SwatchList::NoRow : r);
    if (r != 0) regionList->scrollRowIntoView(r);
}

void frmMain::lblRegionName_Click(qint16 region)
{
    if (util::Model.PageCount <= 0) return;
    regionList->setFocus();
    ShowWhereRegionIs(region);
}

bool frmMain::ShowWhereRegionIs(int region)
{
    regionList->markRow(region);
    regionList->scrollRowIntoView(region);
    return RKVCanvas->FlashRegion(region);
}

void frmMain::mnuViewFindRegion_Click()
{
    if (util::Model.PageCount <= 0) return;
    // The regions as the region list names them, region r at position r - 1.
    QStringList names;
    for (int r = 1; r <= regionList->rowCount(); ++r) names.append(util::Model.RegionNames.value(r - 1));
    const int chosen = Platform::ListChooser::choose(tr("Type part of a region's name, then choose the region:"),
                                                     tr("Find Region"), names, this);
    if (chosen < 0) return;
    const int region = chosen + 1;
    if (ShowWhereRegionIs(region)) return;
    // Not on this page: the next page that holds it is shown.
    const int page = PageHoldingRegion(region);
    if (page > 0) {
        cboPage->setCurrentIndex(page - 1);
        if (util::Model.CurrentPage == page && ShowWhereRegionIs(region)) return;
    }
    Platform::MessageBox::show(tr("%1 is on none of the model's pages.").arg(names[chosen]),
                               Platform::MsgButtons::OkOnly, Platform::MsgIcon::Information);
}

int frmMain::PageHoldingRegion(int region) const
{
    const Platform::BusyPointer busy;
    for (int step = 1; step < util::Model.PageCount; ++step) {
        const int page = (util::Model.CurrentPage - 1 + step) % util::Model.PageCount + 1;
        const QImage image = ReadPageImage(util::PagePath(page));
        if (image.isNull()) continue;
        if (!ScanRegionRuns(reinterpret_cast<const std::uint32_t*>(image.constBits()),
                            std::size_t(image.bytesPerLine() / 4), image.width(), image.height(), region)
                 .empty())
            return page;
    }
    return 0;
}
