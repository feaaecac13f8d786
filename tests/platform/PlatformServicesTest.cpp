// The platform services that tests and the program lean on.
#include "platform/BusyPointer.h"
#include "platform/Metrics.h"
#include "platform/ProgramInfo.h"
#include "platform/SettingsStore.h"
#include "platform/testing/ScriptedInputBoxes.h"
#include "platform/testing/ScriptedMessageBoxes.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
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

TEST(SettingsStoreTest, DefaultsUntilWrittenPerApplicationAndFolder)
{
    QTemporaryDir folder;
    const QString previous = SettingsStore::setFolder(folder.path());
    EXPECT_EQ(SettingsStore::read("App", "Settings", "Key", "fallback"), "fallback");
    SettingsStore::write("App", "Settings", "Key", "C:\\models\\a/b");
    SettingsStore::write("App", "Settings", "Odd/Key", "x");
    EXPECT_EQ(SettingsStore::read("App", "Settings", "Key", "fallback"), "C:\\models\\a/b");
    EXPECT_EQ(SettingsStore::read("App", "Settings", "Odd/Key", ""), "x");
    EXPECT_EQ(SettingsStore::read("Other", "Settings", "Key", "none"), "none");
    EXPECT_EQ(SettingsStore::read("App", "Elsewhere", "Key", "none"), "none");
    EXPECT_TRUE(QFile::exists(folder.filePath("App.ini")));
    SettingsStore::setFolder(previous);
    EXPECT_EQ(SettingsStore::read("App", "Settings", "Key", "gone"), "gone");
}

TEST(InputBoxService, ScriptedAnswersThenCancelAndTheProgramTitle)
{
    ScriptedInputBoxes boxes;
    boxes.queueAnswer("Navy");
    EXPECT_EQ(InputBox::show("Enter new color name:", "Rename Color"), "Navy");
    EXPECT_EQ(InputBox::show("Again:"), "");
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown().at(0).title, "Rename Color");
    EXPECT_EQ(boxes.shown().at(1).title, "RKVViewer3");
}
