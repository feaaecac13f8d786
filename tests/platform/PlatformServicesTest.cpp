// The platform services that tests and the program lean on.
#include "BusyPointer.h"
#include "Metrics.h"
#include "ProgramInfo.h"
#include "ScriptedMessageBoxes.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace Platform;

TEST(MessageBoxService, ScriptedAnswersInOrderThenTheDefaultAndTheProgramTitle)
{
    ScriptedMessageBoxes boxes(MsgAnswer::No);
    boxes.queueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(MessageBox::show("Save?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::Yes);
    EXPECT_EQ(MessageBox::show("Again?", MsgButtons::YesNo), MsgAnswer::No);
    MessageBox::show("Titled", MsgButtons::OkOnly, MsgIcon::Critical, "Own title");
    ASSERT_EQ(boxes.count(), 3);
    EXPECT_EQ(boxes.shown().at(0).title, "RKVViewer3");
    EXPECT_EQ(boxes.shown().at(0).icon, MsgIcon::Question);
    EXPECT_EQ(boxes.shown().at(2).title, "Own title");
}

TEST(MessageBoxService, NestedResponderIsRestored)
{
    ScriptedMessageBoxes outer;
    {
        ScriptedMessageBoxes inner;
        MessageBox::show("inner");
        EXPECT_EQ(inner.count(), 1);
    }
    MessageBox::show("outer");
    EXPECT_EQ(outer.count(), 1);
}

TEST(ScreenMetrics, TwipsFollowTheLogicalResolutionAndFramesCoverBothSides)
{
    // The offscreen screen reports 96 dots per inch.
    EXPECT_DOUBLE_EQ(Metrics::twipsPerPixelX(), 15.0);
    EXPECT_DOUBLE_EQ(Metrics::twipsPerPixelY(), 15.0);
    EXPECT_EQ(Metrics::systemMetric(Metrics::SM_CXDLGFRAME), 2 * Metrics::systemMetric(Metrics::SM_CXBORDER));
    EXPECT_GT(Metrics::systemMetric(Metrics::SM_CXHTHUMB), 0);
    EXPECT_EQ(Metrics::systemMetric(99), 0);
}

TEST(BusyPointerTest, NestedHoldersRestoreThePointer)
{
    {
        BusyPointer outer;
        {
            BusyPointer inner;
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ProgramFolder, IsTheBuildTreesProgramFolderWhereTheDataLies)
{
    // The test executables live in the program folder beside models/ etc.
    EXPECT_EQ(Platform::programFolder(), QCoreApplication::applicationDirPath());
}
