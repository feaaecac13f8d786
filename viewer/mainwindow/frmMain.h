#pragma once

#include "coloreditor/ColorEditTarget.h"
#include "mainwindow/ColoringUndo.h"
#include "mainwindow/PanelSplit.h"

#include <QMainWindow>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QComboBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;
class PanelSplitHandle;
class QWheelEvent;
class QScrollBar;
class QToolButton;
class FillToolButton;
class RKV3CanvasCtl;
class SwatchList;
struct SwatchValues;

// The viewer's main window: a tool strip across the top, the page canvas
// below it on the left, and the colour management frame on the right with
// the palette list and the model's region list. Every named child carries
// its name as its objectName. Its controls and handlers are private; tests
// reach them through frmMainTestPeer. The member functions are spread over
// source files by concern, and the private part below follows the same map:
//   frmMain.cpp            construction, menus, start-up, settings, shutdown
//   frmMainControls.cpp    the child controls with their names and captions
//   frmMainNavigation.cpp  opening and closing models, page navigation
//   frmMainTools.cpp       zoom, tools, region inspector, drops on the page
//   frmMainCommands.cpp    printing, help, About, model files dropped on the window
//   frmMainLayout.cpp      designed geometry and resizing
//   frmMainPanels.cpp      the palette and region panels
//   frmMainUndo.cpp        undo and redo of colouring steps
//   frmMainWheel.cpp       wheel and keys around the canvas
//   frmMainViewMenu.cpp    the View menu: fitting, actual size, zoom steps
//   frmMainRecent.cpp      the recent models of the File menu
//   frmMainFindRegion.cpp  where a region is: outline, flash, Find Region
//   frmMainFillTool.cpp    the fill tool and its colour
//   frmMainPanelSplit.cpp  the draggable boundary between the two lists
class frmMain : public QMainWindow, public ColorEditTarget {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Opens the model at path as File, Open does once the chooser has
    // answered (the program's command line uses this).
    void OpenModelFile(const QString& path);

    // Help, Contents (the program's window report opens it on request).
    void mnuHelpContents_Click();

    // ColorEditTarget: the colour editor writes its result into palette
    // swatch index and the name label beside it (frmMainPanels.cpp).
    void setSwatchColor(qint16 index, qint32 colorValue) override;
    void setSwatchTag(qint16 index, const QString& tag) override;
    void setColorName(qint16 index, const QString& name) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class frmMainTestPeer;

    // ------------------------------------------------------- frmMain.cpp
    // The menus.
    QMenu* mnuFile = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileClose = nullptr;
    QMenu* mnuFileRecent = nullptr;
    QAction* mnuFileRecentClear = nullptr;
    QAction* mnuFileBar1 = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFilePrintAll = nullptr;
    QAction* mnuFileBar5 = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QAction* mnuEditBar1 = nullptr;
    QMenu* mnuEditOptions = nullptr;
    QAction* mnuEditPromptSave = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpBar1 = nullptr;
    QAction* mnuHelpAbout = nullptr;

    void createMenus();
    void connectControls();
    void Form_Load();
    void mnuEditPromptSave_Click();
    // What the save prompts settled for an operation about to replace or
    // close the palette or the scheme.
    struct SavePromptAnswers {
        // False when a save was asked for and did not happen (its chooser
        // cancelled, the file not written): the operation must stop, so the
        // unsaved work stays.
        bool goOn = true;
        // Answered No: the change is given up once the operation goes ahead
        // (ForgetUnsavedChanges); until then the flag stays set, so an
        // operation cancelled later still has it asked about.
        bool forgetPalette = false;
        bool forgetScheme = false;
    };
    // The one place the save prompts are asked: "Palette has been modified.
    // Save changes?" when palette is true, then "Scheme has been modified.
    // Save changes?" when scheme is true, each only while its flag and
    // PromptSaveOnChanges are set, with Yes and No. Yes runs Save Palette or
    // Save Scheme at once; a save that does not happen asks nothing more.
    SavePromptAnswers AskToSaveChanges(bool palette = true, bool scheme = true);
    void ForgetUnsavedChanges(const SavePromptAnswers& answers);
    void mnuFileExit_Click();
    // The save prompts before the window closes; false keeps it open.
    bool Form_QueryUnload();
    void Form_Unload();

    // Window geometry in twips: the stored values at start-up and the
    // values written back at exit.
    void RestoreWindowGeometry();
    void SaveWindowGeometry();
    bool IsMinimizedOrMaximized() const;

    // The window's caption without a model.
    static constexpr char WindowCaption[] = "RKVViewer 3";

    QWidget* client_ = nullptr;  // the window's client area
    // The stored left, top, width and height in twips and the pixels they
    // gave: a measure the user did not change is written back as it was read,
    // so rounding to whole pixels never moves a window from run to run.
    std::array<double, 4> restoredTwips_{};
    std::array<int, 4> restoredPixels_{};
    bool unloaded_ = false;  // Form_Unload has run

    // ----------------------------------------------- frmMainControls.cpp
    // The tool strip.
    QWidget* picTools = nullptr;
    QPushButton* cmdPrevPage = nullptr;
    QComboBox* cboPage = nullptr;
    QPushButton* cmdNextPage = nullptr;
    QComboBox* cboZoom = nullptr;
    QToolButton* cmdZoomOut = nullptr;
    QToolButton* cmdZoomIn = nullptr;
    std::array<QToolButton*, 2> optTools{};  // 0 pan, 1 region inspector
    QLabel* lblSelectedRegion = nullptr;

    // The canvas.
    RKV3CanvasCtl* RKVCanvas = nullptr;

    // The colour frame.
    QGroupBox* fraTools = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdLoadPalette = nullptr;
    QPushButton* cmdSavePalette = nullptr;
    QLabel* lblPaletteName = nullptr;
    QLabel* lblRegionList = nullptr;
    QPushButton* cmdLoadScheme = nullptr;
    QPushButton* cmdSaveScheme = nullptr;
    QLabel* lblSchemeName = nullptr;

    // The palette list (viewport picPalettes, content picMixerContainer,
    // scroll bar vscMixer, rows picPalette(i) / lblColorName(i)) and the
    // region list (picRegions, picColorContainer, vscRegions, rows
    // picColor(r) / lblRegionName(r)).
    SwatchList* paletteList = nullptr;
    SwatchList* regionList = nullptr;
    // The lists' parts, as the layout and the start-up steps name them.
    QWidget* picPalettes = nullptr;
    QWidget* picMixerContainer = nullptr;
    QScrollBar* vscMixer = nullptr;
    QWidget* picRegions = nullptr;
    QWidget* picColorContainer = nullptr;
    QScrollBar* vscRegions = nullptr;

    void createToolStrip();
    void createCanvas();
    void createColorFrame();
    void createSwatchLists();

    // --------------------------------------------- frmMainNavigation.cpp
    void connectNavigationControls();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void cboPage_Click();
    void cmdNextPage_Click();
    void cmdPrevPage_Click();
    void CloseModel();
    // The steps of File, Open after the chooser; path empty asks for it.
    void OpenModelFrom(QString path);
    // "RKVViewer 3 (file, page title)" with a model, "RKVViewer 3" without.
    void SetModelTitle();
    void LoadCurrentPage();

    // -------------------------------------------------- frmMainTools.cpp
    // Index of the selected tool: 0 pan, 1 region inspector.
    qint32 CurrentTool = 0;

    void createToolButtons();
    void connectToolControls();
    void cboZoom_Click();
    void cmdZoomIn_Click();
    void cmdZoomOut_Click();
    void optTools_Click(int Index);
    void RKVCanvas_ZoomChanged(int ZoomPercent);
    void RKVCanvas_MouseDown(short Button, short Shift, float X, float Y);
    void RKVCanvas_MouseUp(short Button, short Shift, float X, float Y);
    // A swatch dropped on the canvas at (X, Y) twips relative to the canvas.
    // Returns whether the drop was taken (false for data that is no swatch).
    bool RKVCanvas_DragDrop(const QMimeData* source, float X, float Y);
    // Drag and drop events aimed at the canvas; returns whether it took one.
    bool canvasDragEvent(QEvent* event);

    // ----------------------------------------------- frmMainCommands.cpp
    void connectCommandControls();
    void mnuFilePrint_Click();
    void mnuFilePrintAll_Click();
    void mnuHelpAbout_Click();
    // The model file among dropped files (an existing local file ending in
    // .RKV3 in any case), or an empty text when there is none.
    static QString DroppedModelFile(const QMimeData* data);
    // A model file dragged over or dropped on the window or the canvas;
    // returns whether it took the event.
    bool modelFileDragEvent(QEvent* event);

    // ------------------------------------------------- frmMainLayout.cpp
    // Places every control at its designed position and size.
    void placeDesignedControls();
    // The window's least size: the designed client area and the menu bar,
    // within the screen's room.
    void ApplyMinimumSize();
    void Form_Resize();
    // Steps 5 to 8 of Form_Resize: the region viewport and its scroll bar
    // reach down to the frame's bottom margin, and neither content box is
    // shorter than its viewport.
    void FitPanelViewports();

    // ------------------------------------------------- frmMainPanels.cpp
    // Connects the panels' controls to their handlers; runs once in the
    // constructor after every control exists.
    void setupPanels();

    void ShowPalette();
    void ShowScheme();
    void UpdatePanelScrollBars();
    // The panel reset of CloseModel: one default swatch in each list.
    void ResetPanels();

    void cmdLoadPalette_Click();
    void cmdSavePalette_Click();
    void cmdLoadScheme_Click();
    void cmdSaveScheme_Click();
    void picPalette_Click(qint16 index);
    void lblColorName_Click(qint16 index);
    // A swatch dropped on region swatch picColor(region).
    void picColor_DragDrop(qint16 region, qint32 color, const QString& tag, const QString& name);

    // The shared core of a drop on a region swatch and a drop on the page:
    // region swatch r, canvas palette entry r and scheme entry r take the
    // colour, offset and name; SchemeModified is set; the page is rendered
    // again under the busy pointer.
    void AssignRegionSwatch(qint16 region, qint32 color, qint32 offset, const QString& name);
    // The undo step of a drop on region r: "Color Window Glass".
    static QString ColorRegionStepName(int region);
    // Renders the page again under the busy pointer, letting no pending
    // events run, for a step being restored.
    void RenderPageAgain();

    // --------------------------------------------------- frmMainUndo.cpp
    // Every change to the scheme or the palette is one step of this history.
    ColoringHistory* Coloring = nullptr;
    void createUndoItems();
    SchemeState CaptureScheme() const;
    PaletteState CapturePalette() const;
    // Bring the scheme (with the region swatches, the canvas palette and the
    // page) or the palette (with its list) back to a recorded state.
    void RestoreScheme(const SchemeState& state);
    void RestorePalette(const PaletteState& state);

    // -------------------------------------------------- frmMainWheel.cpp
    // Page Up / Page Down.
    QAction* actPageUp = nullptr;
    QAction* actPageDown = nullptr;
    void createNavigationKeys();
    // A wheel turned over the canvas with Ctrl: zooms a step per notch;
    // returns whether it took the event (the canvas scrolls with the others).
    bool RKVCanvas_Wheel(QWheelEvent* event);
    // One zoom step in (+1) or out (-1), as View, Zoom In and Zoom Out make
    // it, keeping the page point under `at` (canvas pixels) in place where
    // the scroll ranges allow.
    void ZoomStepAt(int direction, QPointF at);
    // Wheel turns not yet used up for zooming (eighths of a degree), so
    // fine-grained wheels and touchpads add up.
    int zoomWheelRest_ = 0;
    // After a choice in the list with the mouse, the page takes the focus.
    void ReturnFocusAfterMouseChoice(QComboBox* list);
    void NoteMouseChoice(QObject* watched, QEvent* event);
    const QComboBox* mouseChoiceList_ = nullptr;  // the list whose popup the mouse chose in

    // ----------------------------------------------- frmMainViewMenu.cpp
    QMenu* mnuView = nullptr;
    QAction* mnuViewFitPage = nullptr;
    QAction* mnuViewFitWidth = nullptr;
    QAction* mnuViewActualSize = nullptr;
    QAction* mnuViewBar1 = nullptr;
    QAction* mnuViewZoomIn = nullptr;
    QAction* mnuViewZoomOut = nullptr;
    // Builds the View menu in the menu bar (between Edit and Help).
    void createViewMenu();
    void mnuViewFitPage_Click();
    void mnuViewFitWidth_Click();
    void mnuViewActualSize_Click();
    void mnuViewZoomIn_Click();
    void mnuViewZoomOut_Click();
    // Enables the View menu's zoom items for the page and zoom shown.
    void UpdateViewMenu();
    // Whether a model's page is shown, so the view can be zoomed.
    bool ViewZoomAvailable() const;
    // Zooms the canvas to `zoom` percent: a list item through the zoom list;
    // any other zoom directly, the list showing it as its text.
    void SetViewZoom(int zoom);

    // ------------------------------------------------- frmMainRecent.cpp
    void createRecentMenu();
    // Rebuilds Open Recent from the stored list.
    void ShowRecentModels();
    // Opens a model of the list; one that is no longer there leaves it.
    void OpenRecentModel(const QString& path);
    void mnuFileRecentClear_Click();

    // --------------------------------------------- frmMainFindRegion.cpp
    QAction* mnuViewFindRegion = nullptr;
    // Puts View > Find Region (Ctrl+F) at the end of the View menu, after a
    // separator.
    void createFindRegionMenu();
    void connectRegionFinding();
    void mnuViewFindRegion_Click();
    void lblRegionName_Click(qint16 region);
    // The pointer moving over the canvas: with the inspector or the fill
    // tool and no button held, the region under it is outlined (and, for
    // the inspector, its row marked and shown).
    void RKVCanvas_MouseMove(short Button, short Shift, float X, float Y);
    // Marks region r's row and shows it, and flashes the region on the page
    // scrolled into view; false when the page holds none of it.
    bool ShowWhereRegionIs(int region);
    // The first page after the current one, going round, whose image holds
    // region; 0 when no other page does.
    int PageHoldingRegion(int region) const;

    // ----------------------------------------------- frmMainFillTool.cpp
    // The third tool (CurrentTool 2): a click on the page gives the region
    // under the pointer the fill colour.
    FillToolButton* optFillTool = nullptr;
    void createFillTool();
    void optFillTool_Click();
    void SetFillColor(const SwatchValues& fill);
    void RKVCanvas_FillClick(short Button, float X, float Y);
    // Region r takes the fill colour: one colouring step, as a drop makes.
    void FillRegion(int region);
    // --------------------------------------------- frmMainPanelSplit.cpp
    // The handle in the gap between the palette list and the region list.
    PanelSplitHandle* splPanels = nullptr;
    // The palette viewport's height the user dragged to, in twips; none
    // while the frame keeps its designed layout.
    std::optional<double> chosenPaletteHeight_;
    double heightAtPress_ = 0;  // the palette viewport's height when the handle was pressed
    // The region list's caption, buttons, name, viewport and bar with their
    // designed tops in twips.
    std::vector<std::pair<QWidget*, double>> regionPartTops_;
    // Creates the handle and reads the stored place; runs once in the
    // constructor after the designed controls are placed.
    void createPanelSplit();
    // The handle dragged `travel` pixels from where it was pressed.
    void splPanels_Drag(int travel);
    // Places the palette list, the region list's part and the handle for the
    // chosen boundary (the designed places when none is chosen).
    void PlacePanelBoundary();
    // Places the palette list and the region list's part for an arrangement.
    void ApplyPanelArrangement(const PanelSplit::Arrangement& arranged);
};
