#pragma once

#include "mainwindow/frmMain.h"

// What tests reach of the main window beyond its public surface: its named
// controls and the handlers they run, called as the controls would call them.
// The program never needs it, so it is not installed.
class frmMainTestPeer {
public:
    explicit frmMainTestPeer(frmMain& window) : w_(window) {}

    // Menus.
    QAction* mnuFileOpen() const { return w_.mnuFileOpen; }
    QMenu* mnuFileRecent() const { return w_.mnuFileRecent; }
    QAction* mnuFileClose() const { return w_.mnuFileClose; }
    QAction* mnuFileRecentClear() const { return w_.mnuFileRecentClear; }
    QAction* mnuFilePrint() const { return w_.mnuFilePrint; }
    QAction* mnuFilePrintAll() const { return w_.mnuFilePrintAll; }
    QAction* mnuEditUndo() const { return w_.mnuEditUndo; }
    QAction* mnuEditRedo() const { return w_.mnuEditRedo; }
    QAction* mnuEditPromptSave() const { return w_.mnuEditPromptSave; }
    QAction* mnuHelpContents() const { return w_.mnuHelpContents; }
    QMenu* mnuView() const { return w_.mnuView; }
    QAction* mnuViewFitPage() const { return w_.mnuViewFitPage; }
    QAction* mnuViewFitWidth() const { return w_.mnuViewFitWidth; }
    QAction* mnuViewActualSize() const { return w_.mnuViewActualSize; }
    QAction* mnuViewZoomIn() const { return w_.mnuViewZoomIn; }
    QAction* mnuViewZoomOut() const { return w_.mnuViewZoomOut; }
    // The Page Up and Page Down keys.
    QAction* actPageUp() const { return w_.actPageUp; }
    QAction* actPageDown() const { return w_.actPageDown; }

    // The tool strip and the canvas.
    QWidget* picTools() const { return w_.picTools; }
    QPushButton* cmdPrevPage() const { return w_.cmdPrevPage; }
    QComboBox* cboPage() const { return w_.cboPage; }
    QPushButton* cmdNextPage() const { return w_.cmdNextPage; }
    QComboBox* cboZoom() const { return w_.cboZoom; }
    QToolButton* cmdZoomOut() const { return w_.cmdZoomOut; }
    QToolButton* cmdZoomIn() const { return w_.cmdZoomIn; }
    const std::array<QToolButton*, 2>& optTools() const { return w_.optTools; }
    QLabel* lblSelectedRegion() const { return w_.lblSelectedRegion; }
    FillToolButton* optFillTool() const { return w_.optFillTool; }
    QAction* mnuViewFindRegion() const { return w_.mnuViewFindRegion; }
    int CurrentTool() const { return w_.CurrentTool; }
    RKV3CanvasCtl* RKVCanvas() const { return w_.RKVCanvas; }

    // The colour frame and its lists.
    QGroupBox* fraTools() const { return w_.fraTools; }
    QPushButton* cmdLoadPalette() const { return w_.cmdLoadPalette; }
    QPushButton* cmdSavePalette() const { return w_.cmdSavePalette; }
    QPushButton* cmdLoadScheme() const { return w_.cmdLoadScheme; }
    QPushButton* cmdSaveScheme() const { return w_.cmdSaveScheme; }
    QLabel* lblPaletteName() const { return w_.lblPaletteName; }
    QLabel* lblSchemeName() const { return w_.lblSchemeName; }
    SwatchList* paletteList() const { return w_.paletteList; }
    SwatchList* regionList() const { return w_.regionList; }
    QWidget* picPalettes() const { return w_.picPalettes; }
    QWidget* picMixerContainer() const { return w_.picMixerContainer; }
    QScrollBar* vscMixer() const { return w_.vscMixer; }
    QWidget* picRegions() const { return w_.picRegions; }
    QWidget* picColorContainer() const { return w_.picColorContainer; }
    QScrollBar* vscRegions() const { return w_.vscRegions; }
    PanelSplitHandle* splPanels() const { return w_.splPanels; }
    ColoringHistory* Coloring() const { return w_.Coloring; }

    // Handlers.
    void mnuFileOpen_Click() { w_.mnuFileOpen_Click(); }
    void mnuFileClose_Click() { w_.mnuFileClose_Click(); }
    void mnuFileRecentClear_Click() { w_.mnuFileRecentClear_Click(); }
    void OpenRecentModel(const QString& path) { w_.OpenRecentModel(path); }
    void cmdNextPage_Click() { w_.cmdNextPage_Click(); }
    void optTools_Click(int Index) { w_.optTools_Click(Index); }
    void RKVCanvas_MouseDown(short Button, short Shift, float X, float Y) { w_.RKVCanvas_MouseDown(Button, Shift, X, Y); }
    void RKVCanvas_MouseUp(short Button, short Shift, float X, float Y) { w_.RKVCanvas_MouseUp(Button, Shift, X, Y); }
    void RKVCanvas_MouseMove(short Button, short Shift, float X, float Y) { w_.RKVCanvas_MouseMove(Button, Shift, X, Y); }
    bool RKVCanvas_DragDrop(const QMimeData* source, float X, float Y) { return w_.RKVCanvas_DragDrop(source, X, Y); }
    void ShowPalette() { w_.ShowPalette(); }
    void ShowScheme() { w_.ShowScheme(); }
    void ResetPanels() { w_.ResetPanels(); }
    void cmdLoadPalette_Click() { w_.cmdLoadPalette_Click(); }
    void cmdSavePalette_Click() { w_.cmdSavePalette_Click(); }
    void cmdLoadScheme_Click() { w_.cmdLoadScheme_Click(); }
    void cmdSaveScheme_Click() { w_.cmdSaveScheme_Click(); }
    void picPalette_Click(qint16 index) { w_.picPalette_Click(index); }
    void lblColorName_Click(qint16 index) { w_.lblColorName_Click(index); }
    void picColor_DragDrop(qint16 region, qint32 color, const QString& tag, const QString& name)
    {
        w_.picColor_DragDrop(region, color, tag, name);
    }
    void AssignRegionSwatch(qint16 region, qint32 color, qint32 offset, const QString& name)
    {
        w_.AssignRegionSwatch(region, color, offset, name);
    }

private:
    frmMain& w_;
};
