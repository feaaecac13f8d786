// The palette and region panels: list heights and scroll ranges, the colour
// editor's write-back, renaming, drops on region swatches, and the Load and
// Save buttons.
#include "MainWindowFixture.h"

#include "coloreditor/dlgColor.h"
#include "mainwindow/Swatch.h"
#include "mainwindow/SwatchList.h"
#include "mainwindow/Twips.h"
#include "platform/testing/ScriptedInputBoxes.h"
#include "view/RKV3CanvasCtl.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>

#include <unistd.h>

namespace util = mdlRKVUtilities;

namespace {

void fillPalette(int count)
{
    util::PaletteCount = count;
    for (int i = 0; i < count; ++i) {
        util::PaletteColors[size_t(i)] = {quint8(10 * i), 20, 30, qint16(-i)};
        util::PaletteNames[size_t(i)] = QStringLiteral("Colour %1").arg(i);
    }
}

// Runs the colour editor of palette swatch i, letting `edit` work on it
// before it closes it.
void editPaletteColor(frmMain& w, qint16 i, const std::function<void(dlgColor&)>& edit)
{
    frmMainTestPeer p(w);
    QTimer::singleShot(0, &w, [&w, edit] {
        dlgColor* editor = w.findChild<dlgColor*>();
        ASSERT_NE(editor, nullptr);
        edit(*editor);
    });
    p.picPalette_Click(i);
}

void press(dlgColor& editor, const char* button)
{
    editor.findChild<QPushButton*>(QLatin1String(button))->click();
}

}  // namespace

TEST_F(MainWindowFixture, PanelHeightsAndReversedScrollRanges)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    SwatchList& list = *p.paletteList();
    fillPalette(20);
    p.ShowPalette();
    EXPECT_EQ(list.rowCount(), 20);
    EXPECT_EQ(list.contentHeight(), 7620);
    EXPECT_EQ(list.max(), list.heightTwips() - 7620);
    EXPECT_FALSE(list.contentBox()->isHidden());
    EXPECT_EQ(list.swatch(19)->Tag(), "-19");
    EXPECT_EQ(list.nameLabel(19)->text(), "Colour 19");
    EXPECT_EQ(Twips::topOf(list.swatch(19)), 120 + 375 * 19);

    // Thumb at the bottom: the list's last rows show, the content moved up.
    p.vscMixer()->setValue(p.vscMixer()->maximum());
    EXPECT_EQ(list.value(), list.max());
    EXPECT_EQ(p.picMixerContainer()->y(), Twips::toPixelsY(list.max()));
    p.vscMixer()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(list.value(), list.max() + 50);

    fillPalette(util::PaletteCapacity);
    p.ShowPalette();
    EXPECT_EQ(list.max(), list.heightTwips() - 96495) << "beyond 16 bits, every row stays reachable";

    util::PaletteCount = 0;
    p.ShowPalette();
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.nameLabel(0)->text(), "Colour 0");
    EXPECT_EQ(list.contentHeight(), list.heightTwips()) << "raised to the viewport";
    EXPECT_EQ(list.max(), 0);
}

TEST_F(MainWindowFixture, EditorWriteBackOnlyWhenSomethingChanged)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    fillPalette(4);
    p.ShowPalette();

    editPaletteColor(w, 2, [](dlgColor& editor) { press(editor, "CmdOK"); });
    EXPECT_FALSE(util::PaletteModified) << "OK without a change";

    editPaletteColor(w, 2, [](dlgColor& editor) {
        editor.findChild<QLineEdit*>("txtColorName")->setText("Rust");
        press(editor, "CmdCancel");
    });
    EXPECT_FALSE(util::PaletteModified);
    EXPECT_EQ(p.paletteList()->nameLabel(2)->text(), "Colour 2");

    editPaletteColor(w, 2, [&p](dlgColor& editor) {
        editor.findChild<QLineEdit*>("txtColorName")->setText("Rust");
        editor.findChild<QLineEdit*>("txtBlendOffset")->setText("-40");
        p.Coloring()->Undo();  // asked for while the editor is open: it waits for the edit
        press(editor, "CmdOK");
    });
    EXPECT_EQ(p.mnuEditRedo()->text(), "&Redo Edit Palette Color");
    p.mnuEditRedo()->trigger();
    EXPECT_TRUE(util::PaletteModified);
    EXPECT_EQ(util::PaletteNames[2], "Rust");
    EXPECT_EQ(util::PaletteColors[2], (util::ColorRecord{20, 20, 30, -40}));
    EXPECT_EQ(p.paletteList()->swatch(2)->toolTip(), "Rust");
}

TEST_F(MainWindowFixture, RenameAsksAndSameNameStillCountsAsAChange)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    fillPalette(2);
    p.ShowPalette();
    Platform::ScriptedInputBoxes input;
    p.lblColorName_Click(1);  // cancelled
    EXPECT_FALSE(util::PaletteModified);
    input.queueAnswer("Colour 1");
    p.lblColorName_Click(1);
    EXPECT_TRUE(util::PaletteModified);
    input.queueAnswer("Sea\r\ngreen");
    p.lblColorName_Click(1);
    EXPECT_EQ(util::PaletteNames[1], "Sea green") << "a name stays one line of the palette file";
    EXPECT_EQ(p.paletteList()->swatch(1)->toolTip(), "Sea green");
    ASSERT_EQ(input.count(), 3);
    EXPECT_EQ(input.shown()[0].prompt, "Enter new color name:");
    EXPECT_EQ(input.shown()[0].title, "Rename Color");
}

TEST_F(MainWindowFixture, RegionThreeDroppedOnRegionFiveRecolorsThePage)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    open(writeModel("boat", 1, {"Hull", "Deck", "Mast", "Sail", "Flag"}, 5));
    util::SchemeColors[3] = {200, 40, 30, -127};
    util::SchemeNames[3] = "Brick";
    p.ShowScheme();
    const QRgb before = p.RKVCanvas()->CanvasImage().pixel(4, 4);

    std::unique_ptr<QMimeData> mime(SwatchMime::encode(p.regionList()->swatch(3)->values()));
    QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(p.regionList()->swatch(5), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(3, 3), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QApplication::sendEvent(p.regionList()->swatch(5), &drop);

    EXPECT_EQ(util::SchemeColors[5], (util::ColorRecord{200, 40, 30, -127}));
    EXPECT_EQ(util::SchemeNames[5], "Brick");
    EXPECT_TRUE(util::SchemeModified);
    EXPECT_EQ(p.regionList()->swatch(5)->BackColor(), util::ColorValueOf(util::SchemeColors[3]));
    EXPECT_EQ(p.regionList()->swatch(5)->toolTip(), "Brick");
    EXPECT_EQ(p.regionList()->nameLabel(5)->text(), "Flag") << "the region keeps its own name";
    const QRgb after = p.RKVCanvas()->CanvasImage().pixel(4, 4);
    EXPECT_NE(after, before);
    EXPECT_GT(qRed(after), qGreen(after)) << "the page shows the brick colour";

    util::Model.RegionCount = 0;
    p.ShowScheme();
    EXPECT_TRUE(p.regionList()->swatch(1)->isHidden()) << "no region named, no row";
    util::Model.RegionCount = 300;
    p.ShowScheme();
    EXPECT_EQ(p.regionList()->rowCount(), 255) << "region numbers end at 255";
}

// A reader of the FIFO would wait for ever: the guard lets it go and tells,
// so that a name taken for markup fails the test instead of hanging it.
TEST_F(MainWindowFixture, HostileNamesShowAsWrittenAndNothingTheyNameIsRead)
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("fifo"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    std::atomic<bool> read = false;
    const std::jthread guard([&](const std::stop_token& stop) {
        for (; !stop.stop_requested(); std::this_thread::sleep_for(std::chrono::milliseconds(20)))
            if (const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) read = true, ::close(fd);
    });
    frmMain& w = window();
    frmMainTestPeer p(w);
    w.show();
    open(writeModel("boat", 1, {"Hull", "Deck", "Mast"}, 3));
    p.optTools_Click(1);
    for (const QString& name : QStringList{"<img src=\"" + QString(fifo) + "\">", "<h1>Big</h1>", "&amp; [*]  <b>x",
                                           "<img src=\"/dev/zero\">"}) {
        util::Model.Pages[0].Title = name;
        p.cmdNextPage_Click();  // the last page already: shown again, with its title
        EXPECT_EQ(w.windowHandle()->title(), "RKVViewer 3 (boat.RKV3, " + name + ")");
        p.picColor_DragDrop(3, 0x336699, "-20", name);
        QHelpEvent tip(QEvent::ToolTip, {3, 2}, p.regionList()->swatch(3)->mapToGlobal(QPoint(3, 2)));
        QApplication::sendEvent(p.regionList()->swatch(3), &tip);
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        ASSERT_EQ(std::pair(shown.toPlainText(), bool(read)), std::pair(name, false));
        p.RKVCanvas_MouseDown(1, 0, 2, 2);
        EXPECT_EQ(std::pair(p.lblSelectedRegion()->textFormat(), p.lblSelectedRegion()->text()),
                  std::pair(Qt::PlainText, "Region Inspector: Mast (" + name + ")"));
    }
}

TEST_F(MainWindowFixture, FailedSaveKeepsTheChangeUnsavedAndLoadSchemeObeysPromptOff)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    open(writeModel("boat", 1, {"Hull"}, 1));
    const QString label = p.lblPaletteName()->text(), folder = util::LastPalettePath;
    util::PaletteModified = true;
    chooser.queueFile(QDir::temp().filePath("no-such-folder/p.RPL"));
    p.cmdSavePalette_Click();
    EXPECT_EQ(boxes.shown().value(0).text, "Error saving palette.");
    EXPECT_TRUE(util::PaletteModified);
    EXPECT_EQ(p.lblPaletteName()->text(), label);
    EXPECT_EQ(util::LastPalettePath, folder);
    EXPECT_EQ(chooser.requests().last().title, "Save Color Palette");
    EXPECT_EQ(chooser.requests().last().defaultExt, ".RPL");

    // A palette file that breaks off: what was read shows, and it is unsaved.
    QTemporaryDir dir;
    QFile broken(dir.filePath("broken.RPL"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(" 3 \r\n1,2,3,-1,One\r\nnot a colour\r\n");
    broken.close();
    util::PaletteModified = false;
    chooser.queueFile(broken.fileName());
    p.cmdLoadPalette_Click();
    EXPECT_EQ(p.paletteList()->nameLabel(0)->text(), "One");
    EXPECT_TRUE(util::PaletteModified);
    EXPECT_EQ(p.lblPaletteName()->text(), label);
    EXPECT_EQ(util::LastPalettePath, folder);
    // Broken again, the same count and names and only the first colour
    // other: the palette still matches no file.
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write(" 3 \r\n9,8,7,-1,One\r\nnot a colour\r\n");
    broken.close();
    util::PaletteModified = false;
    chooser.queueFile(broken.fileName());
    p.cmdLoadPalette_Click();
    EXPECT_TRUE(util::PaletteModified) << "a colour alone changed";

    // A scheme of our own, saved and loaded back with prompting off: the
    // unsaved drop is dropped without a question.
    chooser.queueFile(dir.filePath("mine"));
    p.cmdSaveScheme_Click();
    EXPECT_EQ(p.lblSchemeName()->text(), "Scheme: mine.RKS3");
    util::PromptSaveOnChanges = false;
    p.AssignRegionSwatch(1, 0x0000FF, -10, "Red");
    boxes.clear();
    chooser.queueFile(dir.filePath("mine.RKS3"));
    p.cmdLoadScheme_Click();
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(util::SchemeModified);
    EXPECT_EQ(p.regionList()->swatch(1)->toolTip(), util::DefaultGrayName());
    EXPECT_EQ(util::LastSchemePath, dir.path() + "/");
    const Platform::FileChooserRequest& load = chooser.requests().last();
    EXPECT_EQ(load.title, "Load Color Scheme");
    EXPECT_TRUE(load.filter.startsWith(QStringLiteral("RKV3 ColorScheme(*.RKS3)")));
}

// An installed program's samples, in a folder a user may not write (nor root
// here: immutable). Saves start in the user's own folders, made on first use;
// loads still start among the samples; the folder saved to is remembered.
TEST_F(MainWindowFixture, SavesOfAnInstalledProgramStartInTheUsersOwnFolders)
{
    QTemporaryDir prefix;
    const QString share = prefix.path() + "/share/", own = qEnvironmentVariable("RKV_TEST_DOCUMENTS") + "/RKVViewer3/";
    ASSERT_TRUE(QDir().mkpath(share) && QFile::setPermissions(share, QFile::ReadOwner | QFile::ExeOwner));
    if (geteuid() == 0 && QProcess::execute("chattr", {"+i", share}) != 0) GTEST_SKIP() << "no chattr";
    const auto unlock = qScopeGuard([&] { QProcess::execute("chattr", {"-i", share}); });
    store("LastPalettePath", share);
    store("LastSchemePath", share);
    chooser.queueCancel();
    peer().cmdSavePalette_Click();
    chooser.queueFile(own + "schemes/Mine");
    peer().cmdSaveScheme_Click();
    chooser.queueCancel();
    peer().cmdLoadPalette_Click();
    const QStringList want{own + "palettes/", own + "schemes/", share};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(chooser.requests().value(i).initialDir, want[i]) << i;
    window().close();
    EXPECT_EQ(stored("LastSchemePath"), own + "schemes/") << "set by a successful save only";
}
