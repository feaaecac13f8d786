// Model files dropped onto the window, and the Help menu.
#include "MainWindowFixture.h"

#include "help/frmHelp.h"
#include "view/RKV3CanvasCtl.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFocusFrame>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace util = mdlRKVUtilities;

namespace {

// Drops the files on `target` at its centre; returns whether the drop was taken.
bool dropFiles(QWidget* target, const QList<QUrl>& files)
{
    QMimeData data;
    data.setUrls(files);
    const QPointF centre(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

}  // namespace

TEST_F(MainWindowFixture, DroppedModelFileOpensAfterTheSavePromptsOthersAreRefused)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    const QString boat = writeModel("boat", 1, {"Hull"});
    const QString ship = writeModel("ship", 2, {"Hull"});

    EXPECT_FALSE(dropFiles(&w, {QUrl::fromLocalFile(boat + ".txt")}));
    EXPECT_FALSE(dropFiles(&w, {QUrl("https://example.org/boat.RKV3")}));
    EXPECT_TRUE(dropFiles(&w, {QUrl::fromLocalFile(QString(boat).replace(".RKV3", ".rkv3")),
                               QUrl::fromLocalFile(boat)}));
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (boat.RKV3, Hull)");

    // On the page too, and the modified palette is asked about first.
    util::PaletteModified = true;
    util::PromptSaveOnChanges = true;
    EXPECT_TRUE(dropFiles(p.RKVCanvas(), {QUrl::fromLocalFile(ship)}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, "Palette has been modified. Save changes?");
    EXPECT_EQ(w.windowTitle(), "RKVViewer 3 (ship.RKV3, Hull)");
    EXPECT_FALSE(util::PaletteModified) << "No gave the change up once the model opened";
    EXPECT_EQ(chooser.count(), 0);
}

TEST_F(MainWindowFixture, HelpContentsOpensTheHelpWindowAndTheWindowCarriesTheIcon)
{
    frmMain& w = window();
    frmMainTestPeer p(w);
    EXPECT_FALSE(w.windowIcon().isNull());
    // F1 anywhere in the window, here on the page.
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    // The page's focus is seen: a frame around the canvas while it has it.
    p.RKVCanvas()->setFocus();
    auto* focusFrame = w.findChild<QFocusFrame*>("fraPageFocus");
    ASSERT_NE(focusFrame, nullptr);
    EXPECT_TRUE(focusFrame->isVisible());
    EXPECT_TRUE(focusFrame->geometry().contains(p.RKVCanvas()->geometry()));
    QApplication::focusWidget()->clearFocus();
    EXPECT_FALSE(focusFrame->isVisible());
    p.RKVCanvas()->setFocus();
    QTest::keyClick(p.RKVCanvas(), Qt::Key_F1);
    frmHelp* help = w.findChild<frmHelp*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->close();
}
