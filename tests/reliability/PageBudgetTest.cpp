// Page sizes against the page surface budget: a real large page loads, a
// small file that unpacks to a huge picture is refused.
#include "PageImageReader.h"
#include "RKV3CanvasCtl.h"
#include "ScriptedMessageBoxes.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PageBudget, A3At600PpiLoadsAndACompressedGiantIsRefused)
{
    QTemporaryDir dir;
    RKV3CanvasCtl canvas;
    Platform::ScriptedMessageBoxes boxes;
    {
        QImage a3(7016, 9921, QImage::Format_Indexed8);  // made here, never stored
        a3.setColorTable({qRgb(127, 3, 255)});
        a3.fill(0);
        ASSERT_TRUE(a3.save(dir.filePath("a3.png")));
    }
    canvas.LoadRKVImage(dir.filePath("a3.png"));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(canvas.CanvasWidth(), 7016);
    EXPECT_EQ(canvas.CanvasHeight(), 9921);

    // 20000 x 20000 one-bit pixels: a file of some 60 KB whose surfaces
    // would take 3.2 GB.
    {
        QImage giant(20000, 20000, QImage::Format_Mono);
        giant.fill(0);
        ASSERT_TRUE(giant.save(dir.filePath("giant.png")));
    }
    canvas.LoadRKVImage(dir.filePath("giant.png"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Error Loading Bytemaps"));
    EXPECT_EQ(canvas.CanvasWidth(), 7016);

    // A host that lowers the budget gets pages within it only.
    SetPageSurfaceBudget(qint64(7016) * 9921 * PageSurfaceBytesPerPixel - 1);
    EXPECT_FALSE(PageSizeAllowed(QSize(7016, 9921)));
    EXPECT_TRUE(ReadPageImage(dir.filePath("a3.png")).isNull());
    SetPageSurfaceBudget(0);
    EXPECT_TRUE(PageSizeAllowed(QSize(7016, 9921)));
}
