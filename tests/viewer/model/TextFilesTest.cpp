// Reading lines with any line end, and writing files safely with CR LF.
#include "SafeTextWriter.h"
#include "TextLines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mdlRKVUtilities;

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

TEST(TextLines, EveryLineEndCounts)
{
    EXPECT_EQ(TextLines::split(QStringLiteral("a\r\nb\nc\rd")), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(TextLines::split(QStringLiteral("a\r\n")), (QStringList{"a"}));
    EXPECT_EQ(TextLines::split(QStringLiteral("a\r\n\r\n")), (QStringList{"a", ""}));
    EXPECT_EQ(TextLines::split(QStringLiteral("a\r\r\nb")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(TextLines::split(QStringLiteral("\n")), (QStringList{""}));
    EXPECT_TRUE(TextLines::split(QString()).isEmpty());
}

TEST(TextLines, Latin1AndUtf8Files)
{
    EXPECT_EQ(TextLines::decode(QByteArray("Cr\xE8me")), QString::fromUtf8("Cr\xC3\xA8me"));
    EXPECT_EQ(TextLines::decode(QByteArray("Cr\xC3\xA8me")), QString::fromUtf8("Cr\xC3\xA8me"));
    TextLines missing;
    EXPECT_FALSE(missing.open(QStringLiteral("/nonexistent/file.txt")));
}

TEST(SafeTextWriter, WritesCrLfAndRoundTripsNames)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString path = temp.filePath(QStringLiteral("out.txt"));
    const QString creme = QString::fromUtf8("Cr\xC3\xA8me");
    ASSERT_TRUE(WriteTextLines(path, {QStringLiteral("one"), creme, QString()}));
    EXPECT_EQ(readBytes(path), QByteArray("one\r\nCr\xE8me\r\n\r\n"));

    const QString kanji = QString::fromUtf8("\xE6\xBC\xA2");
    ASSERT_TRUE(WriteTextLines(path, {kanji}));
    TextLines lines;
    ASSERT_TRUE(lines.open(path));
    EXPECT_EQ(lines.lines(), QStringList{kanji});
    // No temporary file is left behind.
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList{"out.txt"});
}

TEST(SafeTextWriter, FailedWriteKeepsTheOldFile)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    // A name so long that no temporary file can be made beside it: the
    // write fails whatever rights the test runs with.
    const QString path = temp.filePath(QString(250, QLatin1Char('k')));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old\r\n");
    }
    EXPECT_FALSE(WriteTextLines(path, {QStringLiteral("new")}));
    EXPECT_EQ(readBytes(path), QByteArray("old\r\n"));
    EXPECT_FALSE(WriteTextLines(temp.filePath(QStringLiteral("no/such/folder.txt")), {QStringLiteral("x")}));
    EXPECT_FALSE(WriteTextLines(QString(), {QStringLiteral("x")}));
}

TEST(SafeTextWriter, BareNumbers)
{
    EXPECT_EQ(BareNumberText(3), QStringLiteral(" 3 "));
    EXPECT_EQ(BareNumberText(0), QStringLiteral(" 0 "));
    EXPECT_EQ(BareNumberText(-127), QStringLiteral("-127 "));
}
