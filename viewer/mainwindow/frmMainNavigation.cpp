// Opening and closing models, and moving between their pages.
#include "frmMain.h"

#include "ApplyScheme.h"
#include "BusyPointer.h"
#include "ColorSets.h"
#include "MessageBox.h"
#include "ModelOpening.h"
#include "ModelState.h"
#include "PathNames.h"
#include "PlainText.h"
#include "ProgramState.h"
#include "RKV3CanvasCtl.h"
#include "RecentModels.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

using namespace mdlRKVUtilities;

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
    const int page = Model.CurrentPage;
    if (page < 1 || page > Model.Pages.size()) {
        setWindowTitle(QString::fromLatin1(WindowCaption));
        return;
    }
    setWindowTitle(QString::fromLatin1(WindowCaption) + QStringLiteral(" (")
                   + Platform::PlainTitlePart(Model.ModelFileName) + QStringLiteral(", ")
                   + Platform::PlainTitlePart(Model.Pages[page - 1].Title) + QLatin1Char(')'));
}

void frmMain::LoadCurrentPage()
{
    const ColouringHistory::Hold hold(*Colouring);
    LoadPage(*RKVCanvas, PagePath(Model.CurrentPage));
}

void frmMain::mnuFileOpen_Click()
{
    OpenModelFrom(QString());
}

void frmMain::OpenModelFile(const QString& path)
{
    // A chooser offers only files that exist; a name given on the command
    // line may not, and the user is told so as for any manifest that fails.
    if (path.isEmpty() || !FileExists(path)) {
        Platform::MessageBox::show(QStringLiteral("Model load failed due to invalid RKV3 manifest file."));
        return;
    }
    OpenModelFrom(path);
}

void frmMain::OpenModelFrom(QString path)
{
    // 1. Page data needs a true-colour display.
    if (depth() < 24) {
        Platform::MessageBox::show(
            QStringLiteral("RKVViewer 3 requires a system color depth of 24 bits per pixel or higher to "
                           "display page data. Please increase your system color depth to 24 bits per "
                           "pixel."),
            Platform::MsgButtons::OkOnly, Platform::MsgIcon::Information,
            QStringLiteral("Cannot load model"));
        return;
    }

    // Undo and redo wait while the model opens: page loading lets pending
    // events run, and a step of the old model must never touch the new one.
    const ColouringHistory::Hold hold(*Colouring);

    // 2, 3. A save asked for that did not happen stops the open; a prompt
    // answered No gives up its change only once the new model is open, so a
    // cancelled chooser or a model that fails leaves both flags as they were.
    const SavePromptAnswers answers = AskToSaveChanges();
    if (!answers.goOn) return;
    const bool opened = OpenModel(*RKVCanvas, path, [this, &answers] {
        // The new model's scheme is its own, unchanged; the palette stays, so
        // its flag stays unless its change was given up. A new model starts
        // a new history.
        ForgetUnsavedChanges(answers);
        SchemeModified = false;
        Colouring->Clear();
    });
    if (!opened) return;

    // 4, 5. One chooser entry per page; page 1 is already the current one,
    // so the click this raises loads nothing.
    {
        const QSignalBlocker quiet(cboPage);
        cboPage->clear();
        for (int n = 1; n <= Model.PageCount; ++n)
            cboPage->addItem(QStringLiteral("Page %1/%2").arg(n).arg(Model.PageCount));
    }
    cboPage->setCurrentIndex(-1);
    cboPage->setCurrentIndex(0);

    // 6, 7.
    cboZoom->setEnabled(true);
    const bool severalPages = Model.PageCount > 1;
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
    const QString scheme = SchemePath();
    lblSchemeName->setText(!scheme.isEmpty() && FileExists(scheme)
                               ? QStringLiteral("Scheme: ") + Model.SchemeFile
                               : QStringLiteral("Scheme: Default Gray"));

    // 11 to 14.
    picColorContainer->setVisible(true);
    UpdatePanelScrollBars();
    SetModelTitle();
    mnuFilePrintAll->setEnabled(Model.PageCount >= 2);

    // The model leads the recent models.
    RememberRecentModel(path);
    ShowRecentModels();
}

void frmMain::cboPage_Click()
{
    const int n = cboPage->currentIndex() + 1;
    if (n == Model.CurrentPage) return;
    Model.CurrentPage = n;
    cmdPrevPage->setEnabled(n != 1);
    cmdNextPage->setEnabled(n != Model.PageCount);
    LoadCurrentPage();
    SetModelTitle();
}

void frmMain::cmdNextPage_Click()
{
    Model.CurrentPage = Model.CurrentPage + 1;
    cmdPrevPage->setEnabled(true);
    if (Model.CurrentPage >= Model.PageCount) {
        Model.CurrentPage = Model.PageCount;
        cmdNextPage->setEnabled(false);
    }
    cboPage->setCurrentIndex(Model.CurrentPage - 1);
    LoadCurrentPage();
    SetModelTitle();
}

void frmMain::cmdPrevPage_Click()
{
    Model.CurrentPage = Model.CurrentPage - 1;
    cmdNextPage->setEnabled(true);
    if (Model.CurrentPage < 2) {
        Model.CurrentPage = 1;
        cmdPrevPage->setEnabled(false);
    }
    cboPage->setCurrentIndex(Model.CurrentPage - 1);
    LoadCurrentPage();
    SetModelTitle();
}

void frmMain::mnuFileClose_Click()
{
    const ColouringHistory::Hold hold(*Colouring);
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
        SchemeColors[r] = DefaultGrayColor;
        SchemeNames[r] = DefaultGrayName();
    }
    ApplyScheme(*RKVCanvas);
    PaletteModified = false;
    SchemeModified = false;
    for (int i = 1; i <= 255; ++i) {
        PaletteColors[i] = DefaultGrayColor;
        PaletteNames[i] = DefaultGrayName();
    }

    // 7, 8.
    ResetPanels();
    lblPaletteName->setText(QStringLiteral("Palette: None Loaded"));
    lblSchemeName->setText(QStringLiteral("Scheme: None Loaded"));

    // 9, 10, 11.
    EmptyModelState();
    RKVCanvas->UnloadImage();
    setWindowTitle(QString::fromLatin1(WindowCaption));
    Colouring->Clear();
}
