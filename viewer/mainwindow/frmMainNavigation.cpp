// Opening and closing models, and moving between their pages.
#include "mainwindow/frmMain.h"

#include "model/ApplyScheme.h"
#include "model/ModelOpening.h"
#include "model/ProgramState.h"
#include "model/RecentModels.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"
#include "model/core/PathNames.h"
#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "platform/PlainText.h"
#include "view/RKV3CanvasCtl.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace util = mdlRKVUtilities;

void frmMain::connectNavigationControls()
{
    connect(cboPage, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) cboPage_Click();
    });
    connect(cmdNextPage, &QPushButton::clicked, this, [this] { cmdNextPage_Click(); });
    connect(cmdPrevPage, &QPushButton::clicked, this, [this] { cmdPrevPage_Click(); });
}

void frmMain::SetModelTitle()
{
    const int page = util::Model.CurrentPage;
    if (page < 1 || page > util::Model.Pages.size()) {
        setWindowTitle(QString::fromLatin1(WindowCaption));
        return;
    }
    setWindowTitle(QString::fromLatin1(WindowCaption) + QStringLiteral(" (")
                   + Platform::PlainTitlePart(util::Model.ModelFileName) + QStringLiteral(", ")
                   + Platform::PlainTitlePart(util::Model.Pages[page - 1].Title) + QLatin1Char(')'));
}

void frmMain::LoadCurrentPage()
{
    const ColoringHistory::Hold hold(*Coloring);
    util::LoadPage(*RKVCanvas, util::PagePath(util::Model.CurrentPage));
}

void frmMain::mnuFileOpen_Click()
{
    OpenModelFrom(QString());
}

void frmMain::OpenModelFile(const QString& path)
{
    // A chooser offers only files that exist; a name given on the command
    // line may not, and the user is told so as for any manifest that fails.
    if (path.isEmpty() || !util::FileExists(path)) {
        Platform::MessageBox::show(tr("Model load failed due to invalid RKV3 manifest file."));
        return;
    }
    OpenModelFrom(path);
}

void frmMain::OpenModelFrom(QString path)
{
    // 1. Page data needs a true-colour display.
    if (depth() < 24) {
        Platform::MessageBox::show(
            tr("RKVViewer 3 requires a system color depth of 24 bits per pixel or higher to "
                           "display page data. Please increase your system color depth to 24 bits per "
                           "pixel."),
            Platform::MsgButtons::OkOnly, Platform::MsgIcon::Information,
            tr("Cannot load model"));
        return;
    }

    // Undo and redo wait while the model opens: page loading lets pending
    // events run, and a step of the old model must never touch the new one.
    const ColoringHistory::Hold hold(*Coloring);

    // 2, 3. A save asked for that did not happen stops the open; a prompt
    // answered No gives up its change only once the new model is open, so a
    // cancelled chooser or a model that fails leaves both flags as they were.
    const SavePromptAnswers answers = AskToSaveChanges();
    if (!answers.goOn) return;
    const bool opened = util::OpenModel(*RKVCanvas, path, [this, &answers] {
        // The new model's scheme is its own, unchanged; the palette stays, so
        // its flag stays unless its change was given up. A new model starts
        // a new history.
        ForgetUnsavedChanges(answers);
        util::SchemeModified = false;
        Coloring->Clear();
    });
    if (!opened) return;

    // 4, 5. One chooser entry per page; page 1 is already the current one,
    // so the click this raises loads nothing.
    {
        const QSignalBlocker quiet(cboPage);
        cboPage->clear();
        for (int n = 1; n <= util::Model.PageCount; ++n)
            cboPage->addItem(tr("Page %1/%2").arg(n).arg(util::Model.PageCount));
    }
    cboPage->setCurrentIndex(-1);
    cboPage->setCurrentIndex(0);

    // 6, 7.
    cboZoom->setEnabled(true);
    const bool severalPages = util::Model.PageCount > 1;
    cboPage->setEnabled(severalPages);
    cmdPrevPage->setEnabled(severalPages);
    cmdNextPage->setEnabled(severalPages);

    // 8.
    ShowScheme();
    repaint();

    // 9.
    for (QAction* item : {mnuFileClose, mnuFilePrint}) item->setEnabled(true);
    for (QPushButton* button : {cmdLoadPalette, cmdSavePalette, cmdLoadScheme, cmdSaveScheme})
        button->setEnabled(true);
    for (QToolButton* tool : optTools) tool->setEnabled(true);
    lblSelectedRegion->setEnabled(true);

    // 10.
    const QString scheme = util::SchemePath();
    lblSchemeName->setText(!scheme.isEmpty() && util::FileExists(scheme)
                               ? tr("Scheme: %1").arg(util::Model.SchemeFile)
                               : tr("Scheme: Default Gray"));

    // 11 to 14.
    picColorContainer->setVisible(true);
    UpdatePanelScrollBars();
    SetModelTitle();
    mnuFilePrintAll->setEnabled(util::Model.PageCount >= 2);

    // The model leads the recent models.
    util::RememberRecentModel(path);
    ShowRecentModels();
}

void frmMain::cboPage_Click()
{
    const int n = cboPage->currentIndex() + 1;
    if (n == util::Model.CurrentPage) return;
    util::Model.CurrentPage = n;
    cmdPrevPage->setEnabled(n != 1);
    cmdNextPage->setEnabled(n != util::Model.PageCount);
    LoadCurrentPage();
    SetModelTitle();
}

void frmMain::cmdNextPage_Click()
{
    util::Model.CurrentPage = util::Model.CurrentPage + 1;
    cmdPrevPage->setEnabled(true);
    if (util::Model.CurrentPage >= util::Model.PageCount) {
        util::Model.CurrentPage = util::Model.PageCount;
        cmdNextPage->setEnabled(false);
    }
    cboPage->setCurrentIndex(util::Model.CurrentPage - 1);
    LoadCurrentPage();
    SetModelTitle();
}

void frmMain::cmdPrevPage_Click()
{
    util::Model.CurrentPage = util::Model.CurrentPage - 1;
    cmdNextPage->setEnabled(true);
    if (util::Model.CurrentPage < 2) {
        util::Model.CurrentPage = 1;
        cmdPrevPage->setEnabled(false);
    }
    cboPage->setCurrentIndex(util::Model.CurrentPage - 1);
    LoadCurrentPage();
    SetModelTitle();
}

void frmMain::mnuFileClose_Click()
{
    const ColoringHistory::Hold hold(*Coloring);
    // A save asked for that did not happen keeps the model open.
    if (!AskToSaveChanges().goOn) return;
    CloseModel();
}

void frmMain::CloseModel()
{
    // 1.
    for (QAction* item : {mnuFileClose, mnuFilePrint, mnuFilePrintAll}) item->setEnabled(false);
    for (QPushButton* button : {cmdLoadPalette, cmdSavePalette, cmdLoadScheme, cmdSaveScheme})
        button->setEnabled(false);
    for (QToolButton* tool : optTools) tool->setEnabled(false);
    lblSelectedRegion->setEnabled(false);

    // 2. Clearing the chooser raises no page load.
    {
        const QSignalBlocker quiet(cboPage);
        cboPage->clear();
    }
    cboPage->setEnabled(false);
    cmdPrevPage->setEnabled(false);
    cmdNextPage->setEnabled(false);
    cmdZoomIn->setEnabled(false);
    cmdZoomOut->setEnabled(false);
    cboZoom->setEnabled(false);

    // 3.
    picColorContainer->setVisible(false);
    picMixerContainer->setVisible(false);
    UpdatePanelScrollBars();

    // 4, 5, 6. The paper (entry 0) and the palette's count keep their values.
    for (int r = 1; r <= 255; ++r) {
        util::SchemeColors[r] = util::DefaultGrayColor;
        util::SchemeNames[r] = util::DefaultGrayName();
    }
    util::ApplyScheme(*RKVCanvas);
    util::PaletteModified = false;
    util::SchemeModified = false;
    for (int i = 1; i <= 255; ++i) {
        util::PaletteColors[i] = util::DefaultGrayColor;
        util::PaletteNames[i] = util::DefaultGrayName();
    }

    // 7, 8.
    ResetPanels();
    lblPaletteName->setText(tr("Palette: None Loaded"));
    lblSchemeName->setText(tr("Scheme: None Loaded"));

    // 9, 10, 11.
    util::EmptyModelState();
    RKVCanvas->UnloadImage();
    setWindowTitle(QString::fromLatin1(WindowCaption));
    Coloring->Clear();
}
