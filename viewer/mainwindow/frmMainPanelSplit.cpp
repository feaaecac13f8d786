// The boundary between the palette list and the region list, which the user
// may drag with the handle in the gap between them. Until it is dragged the
// frame keeps its designed layout and Form_Resize its steps; a dragged place
// is kept in the settings ("PaletteListHeight", the palette viewport's height
// in twips) and comes back at the next start. A double click on the handle
// returns to the designed layout.
#include "mainwindow/frmMain.h"

#include "mainwindow/PanelSplit.h"
#include "mainwindow/PanelSplitHandle.h"
#include "mainwindow/Twips.h"
#include "model/ViewerSettings.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>
#include <initializer_list>

namespace util = mdlRKVUtilities;

void frmMain::createPanelSplit()
{
    splPanels = new PanelSplitHandle(fraTools);
    splPanels->setObjectName(QStringLiteral("splPanels"));
    // The region list's part of the frame at its designed tops, from which
    // a dragged boundary moves it.
    for (QWidget* part : std::initializer_list<QWidget*>{lblRegionList, cmdLoadScheme, cmdSaveScheme,
                                                         lblSchemeName, picRegions, vscRegions})
        regionPartTops_.push_back({part, Twips::topOf(part)});

    bool ok = false;
    const double stored = util::GetSetting(util::Setting::PaletteListHeight).trimmed().toDouble(&ok);
    if (ok && std::isfinite(stored)) chosenPaletteHeight_ = stored;

    connect(splPanels, &PanelSplitHandle::pressed, this,
            [this] { heightAtPress_ = Twips::heightOf(picPalettes); });
    connect(splPanels, &PanelSplitHandle::dragged, this, &frmMain::splPanels_Drag);
    connect(splPanels, &PanelSplitHandle::released, this, [this] {
        util::SaveSetting(util::Setting::PaletteListHeight, QString::number(std::lround(chosenPaletteHeight_.value_or(
                                                    PanelSplit::DesignedPaletteHeight))));
    });
    connect(splPanels, &PanelSplitHandle::doubleClicked, this, [this] {
        chosenPaletteHeight_.reset();
        ApplyPanelArrangement({PanelSplit::DesignedPaletteHeight, 0});
        util::SaveSetting(util::Setting::PaletteListHeight, QString());
        PlacePanelBoundary();
        FitPanelViewports();
        UpdatePanelScrollBars();
    });
    PlacePanelBoundary();
}

void frmMain::splPanels_Drag(int travel)
{
    chosenPaletteHeight_ =
        PanelSplit::DraggedHeight(Twips::heightOf(fraTools), heightAtPress_, Twips::fromPixelsY(travel));
    PlacePanelBoundary();
    FitPanelViewports();
    UpdatePanelScrollBars();
}

void frmMain::PlacePanelBoundary()
{
    using Twips::place;
    // Not dragged: the designed layout, untouched.
    if (chosenPaletteHeight_)
        ApplyPanelArrangement(PanelSplit::Arrange(Twips::heightOf(fraTools), *chosenPaletteHeight_));
    // The handle fills the gap between the palette list and the region
    // list's caption, across the frame's inner width.
    const double top = Twips::topOf(picPalettes) + Twips::heightOf(picPalettes);
    place(splPanels, Twips::leftOf(lblRegionList), top, Twips::widthOf(lblRegionList),
          std::max(0.0, Twips::topOf(lblRegionList) - top));
}

void frmMain::ApplyPanelArrangement(const PanelSplit::Arrangement& arranged)
{
    using Twips::place;
    place(picPalettes, Twips::leftOf(picPalettes), PanelSplit::PaletteTop, Twips::widthOf(picPalettes),
          arranged.paletteHeight);
    place(vscMixer, Twips::leftOf(vscMixer), PanelSplit::PaletteTop, Twips::widthOf(vscMixer), arranged.paletteHeight);
    for (const auto& [part, designedTop] : regionPartTops_)
        place(part, Twips::leftOf(part), designedTop + arranged.shift, Twips::widthOf(part), Twips::heightOf(part));
}
