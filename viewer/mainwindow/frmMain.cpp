// The main window's construction, menus, start-up, settings and shutdown.
#include "mainwindow/frmMain.h"

#include "help/ApplicationIcon.h"
#include "mainwindow/InterfaceFont.h"
#include "mainwindow/SwatchList.h"
#include "mainwindow/Twips.h"
#include "model/ProgramState.h"
#include "model/ViewerSettings.h"
#include "model/core/ColorSets.h"
#include "model/core/ModelState.h"
#include "platform/MessageBox.h"
#include "platform/WindowPlacement.h"
#include "view/RKV3CanvasCtl.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <cmath>

namespace util = mdlRKVUtilities;

namespace {

// A stored window measure in twips; a text that is not a number, or a number
// no screen could hold (beyond 100 million twips, some 1.7 km), reads as the
// key's default.
double StoredTwips(util::Setting setting)
{
    bool ok = false;
    const double value = util::GetSetting(setting).trimmed().toDouble(&ok);
    if (ok && std::isfinite(value) && std::abs(value) <= 1e8) return double(float(value));
    return util::SettingDefault(setting).toDouble();
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setFont(InterfaceFont());
    setWindowTitle(QString::fromLatin1(WindowCaption));
    setWindowIcon(applicationIcon());

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client_);

    createMenus();
    createFindRegionMenu();
    createToolStrip();
    createCanvas();
    createColorFrame();
    createSwatchLists();
    placeDesignedControls();
    connectControls();
    setupPanels();
    createPanelSplit();
    createNavigationKeys();
    createFillTool();
    connectRegionFinding();

    client_->installEventFilter(this);
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::createMenus()
{
    auto action = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* bar = menu->addSeparator();
        bar->setObjectName(QString::fromLatin1(name));
        return bar;
    };

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileOpen = action(mnuFile, "mnuFileOpen", tr("&Open"));
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = action(mnuFile, "mnuFileClose", tr("&Close"));
    createRecentMenu();
    mnuFileBar1 = separator(mnuFile, "mnuFileBar1");
    mnuFilePrint = action(mnuFile, "mnuFilePrint", tr("&Print Current Page"));
    mnuFilePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFilePrintAll = action(mnuFile, "mnuFilePrintAll", tr("Print &All Pages"));
    mnuFileBar5 = separator(mnuFile, "mnuFileBar5");
    mnuFileExit = action(mnuFile, "mnuFileExit", tr("E&xit"));

    mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    createUndoItems();
    mnuEditOptions = mnuEdit->addMenu(tr("&Options"));
    mnuEditOptions->setObjectName(QStringLiteral("mnuEditOptions"));
    mnuEditPromptSave = action(mnuEditOptions, "mnuEditPromptSave", tr("&Prompt to Save Changes"));
    mnuEditPromptSave->setCheckable(true);

    createViewMenu();

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = action(mnuHelp, "mnuHelpContents", tr("&Contents"));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpBar1 = separator(mnuHelp, "mnuHelpBar1");
    mnuHelpAbout = action(mnuHelp, "mnuHelpAbout", tr("&About"));

    // The states at start: only Open, Exit and the Edit and Help menus work
    // without a model.
    mnuFileClose->setEnabled(false);
    mnuFilePrint->setEnabled(false);
    mnuFilePrintAll->setEnabled(false);
}

void frmMain::connectControls()
{
    connect(mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(mnuFileClose, &QAction::triggered, this, [this] { mnuFileClose_Click(); });
    connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    // The item's checked state is what the handler reads and sets itself,
    // so the action does not toggle on its own.
    connect(mnuEditPromptSave, &QAction::triggered, this, [this] {
        mnuEditPromptSave->setChecked(!mnuEditPromptSave->isChecked());
        mnuEditPromptSave_Click();
    });
    connectNavigationControls();
    connectToolControls();
    connectCommandControls();
}

void frmMain::Form_Load()
{
    // 1. The four folders.
    util::LastModelPath = util::GetSetting(util::Setting::LastModelPath);
    util::LastColorPath = util::GetSetting(util::Setting::LastColorPath);
    util::LastSchemePath = util::GetSetting(util::Setting::LastSchemePath);
    util::LastPalettePath = util::GetSetting(util::Setting::LastPalettePath);

    // 2. Position and size.
    RestoreWindowGeometry();

    // 3. The save prompt option.
    util::PromptSaveOnChanges = util::BoolFromSettingText(util::GetSetting(util::Setting::PromptSaveOnChanges), true);
    mnuEditPromptSave->setChecked(util::PromptSaveOnChanges);

    // 4. No modifications, no model.
    util::PaletteModified = false;
    util::SchemeModified = false;
    util::EmptyModelState();

    // 5, 6. Zoom 100 % through the list; both zoom buttons wait for a page.
    util::CurrentZoom = 100;
    cboZoom->setCurrentIndex(util::CurrentZoom / 10 - 1);
    cmdZoomIn->setEnabled(false);
    cmdZoomOut->setEnabled(false);

    // 7. The pan tool.
    RKVCanvas->setPanActive(true);

    // 8. The region list's scroll bar.
    regionList->setValue(0);
    regionList->setMax(regionList->heightTwips() - regionList->contentHeight());

    // 9.
    util::PrintAllPages = false;
}

void frmMain::RestoreWindowGeometry()
{
    restoredTwips_ = {StoredTwips(util::Setting::MainLeft), StoredTwips(util::Setting::MainTop),
                      StoredTwips(util::Setting::MainWidth), StoredTwips(util::Setting::MainHeight)};
    // A size below the window's least, such as the first start's, is raised
    // to it; the stored values stay as they were unless the user resizes.
    ApplyMinimumSize();
    resize(std::max(1, Twips::toPixelsX(restoredTwips_[2])), std::max(1, Twips::toPixelsY(restoredTwips_[3])));
    // Where the window system places the window itself (Wayland), the stored
    // position is neither applied nor checked against the screens: it stays
    // as read, for the next run on a desktop that lets the program place it.
    if (Platform::windowSystemPlacesWindows()) {
        restoredPixels_ = {x(), y(), width(), height()};
        return;
    }
    move(Twips::toPixelsX(restoredTwips_[0]), Twips::toPixelsY(restoredTwips_[1]));

    // A position stored on a screen that is no longer there would leave the
    // window out of reach: it comes back onto the primary screen.
    const QRect frame(pos(), size());
    bool onScreen = false;
    for (const QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(frame);
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!onScreen && primary) {
        const QRect area = primary->availableGeometry();
        move(area.left() + Twips::toPixelsX(util::SettingDefault(util::Setting::MainLeft).toDouble()),
             area.top() + Twips::toPixelsY(util::SettingDefault(util::Setting::MainTop).toDouble()));
        restoredTwips_[0] = Twips::fromPixelsX(x());
        restoredTwips_[1] = Twips::fromPixelsY(y());
    }
    restoredPixels_ = {x(), y(), width(), height()};
}

bool frmMain::IsMinimizedOrMaximized() const
{
    return windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
}

void frmMain::SaveWindowGeometry()
{
    const std::array<int, 4> pixels{x(), y(), width(), height()};
    const std::array<double, 4> twips{Twips::fromPixelsX(pixels[0]), Twips::fromPixelsY(pixels[1]),
                                      Twips::fromPixelsX(pixels[2]), Twips::fromPixelsY(pixels[3])};
    const util::Setting keys[] = {util::Setting::MainLeft, util::Setting::MainTop, util::Setting::MainWidth, util::Setting::MainHeight};
    // A position the window system chose and the program cannot read is
    // not the user's: the stored one is kept.
    const bool placedBySystem = Platform::windowSystemPlacesWindows();
    for (size_t i = 0; i < 4; ++i) {
        const bool kept = pixels[i] == restoredPixels_[i] || (i < 2 && placedBySystem);
        const double value = kept ? restoredTwips_[i] : twips[i];
        util::SaveSetting(keys[i], QString::number(std::lround(value)));
    }
}

void frmMain::mnuEditPromptSave_Click()
{
    util::PromptSaveOnChanges = !mnuEditPromptSave->isChecked();
    mnuEditPromptSave->setChecked(util::PromptSaveOnChanges);
    util::SaveSetting(util::Setting::PromptSaveOnChanges, util::BoolSettingText(util::PromptSaveOnChanges));
}

frmMain::SavePromptAnswers frmMain::AskToSaveChanges(bool palette, bool scheme)
{
    using Platform::MessageBox;
    using Platform::MsgAnswer;
    using Platform::MsgButtons;
    SavePromptAnswers answers;
    // Palette first, then scheme. Yes saves at once; when that save does not
    // happen (its chooser cancelled, the file not written) the unsaved work
    // would be lost, so the operation that asked stops there.
    auto ask = [&](const bool& modified, const QString& text, void (frmMain::*save)(), bool& forget) {
        if (!answers.goOn || !modified || !util::PromptSaveOnChanges) return;
        if (MessageBox::show(text, MsgButtons::YesNo) == MsgAnswer::No) {
            forget = true;
            return;
        }
        (this->*save)();
        answers.goOn = !modified;  // a save that happened clears the flag
    };
    if (palette)
        ask(util::PaletteModified, tr("Palette has been modified. Save changes?"),
            &frmMain::cmdSavePalette_Click, answers.forgetPalette);
    if (scheme)
        ask(util::SchemeModified, tr("Scheme has been modified. Save changes?"), &frmMain::cmdSaveScheme_Click,
            answers.forgetScheme);
    return answers;
}

void frmMain::ForgetUnsavedChanges(const SavePromptAnswers& answers)
{
    if (answers.forgetPalette) util::PaletteModified = false;
    if (answers.forgetScheme) util::SchemeModified = false;
}

void frmMain::mnuFileExit_Click()
{
    close();
}

bool frmMain::Form_QueryUnload()
{
    const SavePromptAnswers answers = AskToSaveChanges();
    if (answers.goOn) ForgetUnsavedChanges(answers);
    return answers.goOn;
}

void frmMain::Form_Unload()
{
    util::SaveSetting(util::Setting::LastModelPath, util::LastModelPath);
    util::SaveSetting(util::Setting::LastColorPath, util::LastColorPath);
    util::SaveSetting(util::Setting::LastSchemePath, util::LastSchemePath);
    util::SaveSetting(util::Setting::LastPalettePath, util::LastPalettePath);
    if (!IsMinimizedOrMaximized()) SaveWindowGeometry();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The closing runs its steps once even when the window system asks
    // twice. It stops only when a save the user asked for did not happen.
    if (!unloaded_) {
        if (!Form_QueryUnload()) {
            event->ignore();
            return;
        }
        unloaded_ = true;
        Form_Unload();
    }
    event->accept();
}
