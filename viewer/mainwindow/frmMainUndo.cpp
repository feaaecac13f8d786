// Undo and redo of colouring: the Edit menu's Undo and Redo items, and the
// states of the scheme and the palette that each step records.
#include "frmMain.h"

#include "ColorSets.h"
#include "ModelState.h"
#include "ProgramState.h"
#include "RKV3CanvasCtl.h"
#include "SwatchList.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QUndoStack>
#include <algorithm>

using namespace mdlRKVUtilities;

void frmMain::createUndoItems()
{
    Colouring = new ColouringHistory([this](const SchemeState& state) { RestoreScheme(state); },
                                     [this](const PaletteState& state) { RestorePalette(state); }, this);
    // The items name the step they undo or redo: "&Undo Color Hull". They
    // go through the history's own Undo and Redo, which wait while an
    // operation is under way, instead of straight to the stack.
    QUndoStack* stack = Colouring->Stack();
    mnuEditUndo = stack->createUndoAction(mnuEdit, QStringLiteral("&Undo"));
    mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = stack->createRedoAction(mnuEdit, QStringLiteral("&Redo"));
    disconnect(mnuEditUndo, &QAction::triggered, stack, nullptr);
    disconnect(mnuEditRedo, &QAction::triggered, stack, nullptr);
    connect(mnuEditUndo, &QAction::triggered, Colouring, &ColouringHistory::Undo);
    connect(mnuEditRedo, &QAction::triggered, Colouring, &ColouringHistory::Redo);
    mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addAction(mnuEditUndo);
    mnuEdit->addAction(mnuEditRedo);
    mnuEditBar1 = mnuEdit->addSeparator();
    mnuEditBar1->setObjectName(QStringLiteral("mnuEditBar1"));
}

SchemeState frmMain::CaptureScheme() const
{
    return {SchemeColors, SchemeNames, lblSchemeName->text(), SchemeModified};
}

PaletteState frmMain::CapturePalette() const
{
    return {PaletteCount, PaletteColors, PaletteNames, lblPaletteName->text(), paletteList->ContentShown(),
            PaletteModified};
}

void frmMain::RestoreScheme(const SchemeState& state)
{
    // Only the regions whose colour differs go to the canvas again, with the
    // values a drop or a scheme load gave it.
    std::vector<int> changed;
    for (int r = 1; r < SchemeSize; ++r)
        if (!(SchemeColors[size_t(r)] == state.colors[size_t(r)])) changed.push_back(r);
    SchemeColors = state.colors;
    SchemeNames = state.names;

    const int rows = std::min(regionList->RowCount(), std::clamp(Model.RegionCount, 0, SchemeSize - 1));
    for (int r = 1; r <= rows; ++r) {
        const ColorRecord& color = SchemeColors[size_t(r)];
        const QLabel* label = regionList->nameLabel(r);
        regionList->SetRow(r, ColorValueOf(color), QString::number(color.Offset), SchemeNames[size_t(r)],
                           label ? label->text() : QString());
    }
    for (const int r : changed) {
        const ColorRecord& color = SchemeColors[size_t(r)];
        RKVCanvas->UpdatePaletteColor(short(r), ColorValueOf(color), color.Offset);
    }
    lblSchemeName->setText(state.label);
    if (!changed.empty()) RenderPageAgain();
}

void frmMain::RestorePalette(const PaletteState& state)
{
    PaletteCount = state.count;
    PaletteColors = state.colors;
    PaletteNames = state.names;
    if (!state.shown) {
        // A palette list not shown holds its designed first row.
        paletteList->SetRow(0, ColorValueOf(DefaultGrayColor), QString::number(DefaultGrayColor.Offset),
                            DefaultGrayName(), DefaultGrayName());
        paletteList->SetRowCount(1);
        picMixerContainer->hide();
    } else if (paletteList->ContentShown()
               && paletteList->RowCount() == std::max(std::clamp(PaletteCount, 0, PaletteCapacity), 1)) {
        // The same rows: recoloured in place, the list keeps its scroll position.
        for (int i = 0; i < paletteList->RowCount(); ++i) {
            const ColorRecord& color = PaletteColors[size_t(i)];
            paletteList->SetRow(i, ColorValueOf(color), QString::number(color.Offset), PaletteNames[size_t(i)],
                                PaletteNames[size_t(i)]);
        }
    } else {
        ShowPalette();
    }
    lblPaletteName->setText(state.label);
    UpdatePanelScrollBars();
}
