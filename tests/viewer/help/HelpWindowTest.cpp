#include "../model/ModelTestSupport.h"
#include "help/HelpTopics.h"
#include "help/frmHelp.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPlainTextEdit>

using modeltest::writeBytes;

TEST(ReadTextFileTest, EveryLineEndsInCrLfWhateverTheFileUsed)
{
    QTemporaryDir folder;
    writeBytes(folder.filePath("help/two.txt"), "a\nb");
    writeBytes(folder.filePath("help/mixed.txt"), "a\r\nb\rc\r\n");
    writeBytes(folder.filePath("help/empty.txt"), "");
    EXPECT_EQ(ReadTextFile(folder.path(), "\\help\\two.txt"), QString("a\r\nb\r\n"));
    EXPECT_EQ(ReadTextFile(folder.path(), "\\help\\mixed.txt"), QString("a\r\nb\r\nc\r\n"));
    EXPECT_EQ(ReadTextFile(folder.path(), "\\help\\empty.txt"), QString(""));
    EXPECT_FALSE(ReadTextFile(folder.path(), "\\help\\missing.txt").has_value());
}

TEST(HelpWindowTest, OpensOnTheIntroductionOfTheProgramFolder)
{
    frmHelp help;
    EXPECT_EQ(help.windowTitle(), "Help Contents");
    auto* topics = help.findChild<QListWidget*>("lstTopics");
    ASSERT_EQ(topics->count(), 5);
    EXPECT_EQ(topics->currentItem()->text(), "Introduction");
    const QString intro = help.findChild<QPlainTextEdit*>("txtContents")->toPlainText();
    EXPECT_TRUE(intro.startsWith("INTRODUCTION")) << intro.left(80).toStdString();
}

TEST(HelpWindowTest, TopicWithoutFileKeepsThePreviousText)
{
    QTemporaryDir folder;
    writeBytes(folder.filePath("help/loading.txt"), "second\r\n");
    frmHelp help(nullptr, folder.path());  // no intro.txt, no editing.txt
    auto* topics = help.findChild<QListWidget*>("lstTopics");
    auto* contents = help.findChild<QPlainTextEdit*>("txtContents");
    EXPECT_EQ(contents->toPlainText(), "");
    topics->setCurrentRow(1);
    topics->setCurrentRow(2);
    EXPECT_EQ(contents->toPlainText(), "second\n");
}

TEST(HelpWindowTest, SecondOpeningBringsTheSameWindowBackWithItsTopic)
{
    QWidget owner;
    frmHelp* first = frmHelp::ShowHelp(&owner);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isModal());
    first->findChild<QListWidget*>("lstTopics")->setCurrentRow(3);
    first->hide();
    EXPECT_EQ(frmHelp::ShowHelp(&owner), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->findChild<QListWidget*>("lstTopics")->currentRow(), 3);
    first->close();  // closing unloads it: the next opening starts afresh
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmHelp::OpenWindow(), nullptr);
}
