// Undo and redo of colouring: the Edit menu's Undo and Redo items, and the
// states of the scheme and the palette that each step records.
#include "mainwindow/frmMain.h"

#include "mainwindow/SwatchList.h"
#include "model/ProgramState.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"
#include "view/RKV3CanvasCtl.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QUndoStack>
#include <algorithm>

namespace util = mdlRKVUtilities;

void frmMain::createUndoItems()
{
    Coloring = new ColoringHistory([this](const SchemeState& state) { RestoreScheme(state); },
                                     [this](const PaletteState& state) { RestorePalette(state); }, this);
    // The items name the step they undo or redo: "&Undo Color Hull". They
    // go through the history's own Undo and Redo, which wait while an
    // operation is under way, instead of straight to the stack.
    QUndoStack* stack = Coloring->Stack();
    mnuEditUndo = stack->createUndoAction(mnuEdit, tr("&Undo"));
    mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = stack->createRedoAction(mnuEdit, tr("&Redo"));
    disconnect(mnuEditUndo, &QAction::triggered, stack, nullptr);
    disconnect(mnuEditRedo, &QAction::triggered, stack, nullptr);
    connect(mnuEditUndo, &QAction::triggered, Coloring, &ColoringHistory::Undo);
    connect(mnuEditRedo, &QAction::triggered, Coloring, &ColoringHistory::Redo);
    mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addAction(mnuEditUndo);
    mnuEdit->addAction(mnuEditRedo);
    mnuEditBar1 = mnuEdit->addSeparator();
    mnuEditBar1->setObjectName(QStringLiteral("mnuEditBar1"));
}

SchemeState frmMain::CaptureScheme() const
{
    return {util::SchemeColors, util::SchemeNames, lblSchemeName->text(), util::SchemeModified};
}

PaletteState frmMain::CapturePalette() const
{
    return {util::PaletteCount, util::PaletteColors, util::PaletteNames, lblPaletteName->text(), paletteList->contentShown(),
            util::PaletteModified};
}

void frmMain::RestoreScheme(const SchemeState& state)
{
    // Only the regions whose colour differs go to the canvas again, with the
    // values a drop or a scheme load gave it.
    std::vector<int> changed;
    for (int r = 1; r < util::SchemeSize; ++r)
        if (!(util::SchemeColors[size_t(r)] == state.colors[size_t(r)])) changed.push_back(r);
    util::SchemeColors = state.colors;
    util::SchemeNames = state.names;

    const int rows = std::min(regionList->rowCount(), std::clamp(util::Model.RegionCount, 0, util::SchemeSize - 1));
    for (int r = 1; r <= rows; ++r) {
        const util::ColorRecord& color = util::SchemeColors[size_t(r)];
        const QLabel* label = regionList->nameLabel(r);
        regionList->setRow(r, util::ColorValueOf(color), QString::number(color.Offset), util::SchemeNames[size_t(r)],
                           label ? label->text() : QString());
    }
    for (const int r : changed) {
        const util::ColorRecord& color = util::SchemeColors[size_t(r)];
        RKVCanvas->UpdatePaletteColor(short(r), util::ColorValueOf(color), color.Offset);
    }
    lblSchemeName->setText(state.label);
    if (!changed.empty()) RenderPageAgain();
}

void frmMain::RestorePalette(const PaletteState& state)
{
    util::PaletteCount = state.count;
    util::PaletteColors = state.colors;
    util::PaletteNames = state.names;
    if (!state.shown) {
        // A palette list not shown holds its designed first row.
        paletteList->setRow(0, util::ColorValueOf(util::DefaultGrayColor), QString::number(util::DefaultGrayColor.Offset),
                            util::DefaultGrayName(), util::DefaultGrayName());
        paletteList->setRowCount(1);
        picMixerContainer->hide();
    } else if (paletteList->contentShown()
               && paletteList->rowCount() == std::max(std::clamp(util::PaletteCount, 0, util::PaletteCapacity), 1)) {
        // The same rows: recoloured in place, the list keeps its scroll position.
        for (int i = 0; i < paletteList->rowCount(); ++i) {
            const util::ColorRecord& color = util::PaletteColors[size_t(i)];
            paletteList->setRow(i, util::ColorValueOf(color), QString::number(color.Offset), util::PaletteNames[size_t(i)],
                                util::PaletteNames[size_t(i)]);
        }
    } else {
        ShowPalette();
    }
    lblPaletteName->setText(state.label);
    UpdatePanelScrollBars();
}
