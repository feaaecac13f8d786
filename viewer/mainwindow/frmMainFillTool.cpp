// The fill tool: a click on the page, or Enter on the marked row of the
// region list, gives a region the fill colour; a swatch dropped on the tool's
// button, or a right click on any swatch, sets that colour.
#include "mainwindow/frmMain.h"

#include "mainwindow/FillToolButton.h"
#include "mainwindow/Swatch.h"
#include "mainwindow/SwatchList.h"
#include "model/core/ColorRecord.h"
#include "view/RKV3CanvasCtl.h"

#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>

namespace util = mdlRKVUtilities;

void frmMain::createFillTool()
{
    optFillTool = new FillToolButton(picTools, optTools[0]);
    // One of the strip's tools: choosing it lets go of the others.
    if (QButtonGroup* tools = optTools[0]->group()) tools->addButton(optFillTool, 2);
    SetFillColor({util::ColorValueOf(util::DefaultGrayColor), util::DefaultGrayColor.Offset, util::DefaultGrayName()});

    connect(optFillTool, &QToolButton::clicked, this, [this] { optFillTool_Click(); });
    connect(optFillTool, &FillToolButton::swatchDropped, this, [this](const SwatchValues& fill) { SetFillColor(fill); });
    for (SwatchList* list : {paletteList, regionList})
        connect(list, &SwatchList::swatchRightClicked, this, [this, list](int index) {
            if (const Swatch* swatch = list->swatch(index)) SetFillColor(swatch->values());
        });
    connect(RKVCanvas, &RKV3CanvasCtl::MouseDown, this,
            [this](short& Button, short& /*Shift*/, float& X, float& Y) { RKVCanvas_FillClick(Button, X, Y); });
    // The region list takes the keyboard: arrows move its mark, Enter fills.
    regionList->setFocusPolicy(Qt::StrongFocus);
    connect(regionList, &SwatchList::rowActivated, this, [this](int region) { FillRegion(region); });
}

void frmMain::optFillTool_Click()
{
    CurrentTool = 2;
    // Neither the pan nor the picker pointer: a click here colours.
    RKVCanvas->setPanActive(false);
    RKVCanvas->setPickerActive(false);
    lblSelectedRegion->setVisible(false);
}

void frmMain::SetFillColor(const SwatchValues& fill)
{
    optFillTool->SetFillColor(fill);
}

void frmMain::RKVCanvas_FillClick(short Button, float X, float Y)
{
    if (CurrentTool != 2 || Button != 1) return;
    // The paper colour cannot be set, as by a drop.
    const int r = RKVCanvas->GetRegionValue(X, Y, 1);
    if (r != 0) FillRegion(r);
}

void frmMain::FillRegion(int region)
{
    const SwatchValues fill = optFillTool->FillColor();
    AssignRegionSwatch(qint16(region), fill.color, fill.offset, fill.name);
}
