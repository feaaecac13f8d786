// The main window at device pixel ratio 2, which is fixed when the
// application starts: this executable sets it before the test main does.
#include "mainwindow/frmMain.h"
#include "platform/Metrics.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

static const bool scaledByTwo = qputenv("QT_SCALE_FACTOR", "2");

// Twips follow the logical resolution, so the stored window keeps its
// logical size; at 100 % every page pixel is a solid 2 x 2 block of device
// pixels, neither blended with its neighbours nor drawn one device pixel
// small.
TEST(HighDensity, LayoutInLogicalPixelsAndPagePixelsSharp)
{
    frmMain window;
    window.show();
    window.OpenModelFile(QDir(qEnvironmentVariable("RKV_PROGRAM_DIR")).filePath("models/Cottage/Cottage.RKV3"));
    EXPECT_EQ(Platform::Metrics::twipsPerPixelX(), 15.0);
    EXPECT_EQ(window.width(), 433) << "6500 twips";

    QWidget* view = window.findChild<QWidget*>("picView");
    ASSERT_TRUE(view);
    const QImage shot = view->grab(view->visibleRegion().boundingRect()).toImage();
    ASSERT_EQ(shot.devicePixelRatio(), 2.0);
    int blended = 0, edges = 0;
    for (int y = 0; y + 1 < shot.height(); y += 2)
        for (int x = 0; x + 3 < shot.width(); x += 2) {
            const QRgb p = shot.pixel(x, y);
            blended += p != shot.pixel(x + 1, y) || p != shot.pixel(x, y + 1) || p != shot.pixel(x + 1, y + 1);
            edges += p != shot.pixel(x + 2, y);
        }
    EXPECT_EQ(blended, 0);
    EXPECT_GT(edges, 100) << "the shot shows lines of the page";
}
