// The program window: a model or a page given to it is shown on the canvas
// at the zoom chosen in its list.
#include "PageImages.h"
#include "PageWindow.h"
#include "ModelState.h"
#include "RKV3CanvasCtl.h"
#include "RKV3CanvasCtlTestPeer.h"
#include "ScriptedMessageBoxes.h"

#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString demoManifest()
{
    return QDir(qEnvironmentVariable("RKV_PROGRAM_DIR")).filePath("models/Cottage/Cottage.RKV3");
}

}  // namespace

TEST(PageWindowTest, HostsTheNamedCanvasWithThePanToolAndAZoomListOfTenSteps)
{
    PageWindow window;
    EXPECT_EQ(window.windowTitle(), "RKVViewer3");
    auto* canvas = window.findChild<RKV3CanvasCtl*>("RKVCanvas");
    ASSERT_NE(canvas, nullptr);
    EXPECT_TRUE(canvas->PanActive());
    auto* zoom = window.findChild<QComboBox*>("cboZoom");
    ASSERT_NE(zoom, nullptr);
    ASSERT_EQ(zoom->count(), 10);
    EXPECT_EQ(zoom->itemData(0).toInt(), 10);
    EXPECT_EQ(zoom->currentData().toInt(), 100);
}

TEST(PageWindowTest, OpensTheDemoModelInItsSchemeAndFollowsTheZoomList)
{
    if (!QFile::exists(demoManifest())) GTEST_SKIP() << "demo model not built";
    Platform::ScriptedMessageBoxes boxes;
    PageWindow window;
    window.show();
    window.openFile(demoManifest());
    EXPECT_EQ(boxes.count(), 0);
    RKV3CanvasCtl* canvas = window.canvas();
    EXPECT_EQ(canvas->CanvasWidth(), 1275);
    EXPECT_EQ(canvas->CanvasHeight(), 1650);
    EXPECT_EQ(mdlRKVUtilities::Model.CurrentPage, 1);
    // Coloured, not the raw page: the paper (region 0, no ink) is white.
    EXPECT_EQ(canvas->Picture().pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_NE(canvas->Picture(), RKV3CanvasCtlTestPeer(*canvas).LoaderImage());

    window.findChild<QComboBox*>("cboZoom")->setCurrentIndex(4);
    EXPECT_EQ(canvas->Zoom(), 50);
    EXPECT_EQ(canvas->findChild<QWidget*>("picView")->width(), 638);  // 1275 x 0.5 rounded
}

TEST(PageWindowTest, OpensAPlainPageImage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.png");
    ASSERT_TRUE(UniformPage(64, 48, 127, 0, 200).save(path));
    PageWindow window;
    window.openFile(path);
    EXPECT_EQ(window.canvas()->CanvasWidth(), 64);
    EXPECT_EQ(window.canvas()->Picture().pixel(0, 0) & 0xFFFFFF, 0xC8C8C8u);
}
