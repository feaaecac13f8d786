// Reading lines with any line end, and writing files safely with CR LF.
#include "ModelTestSupport.h"
#include "SafeTextWriter.h"
#include "TextLines.h"

using namespace mdlRKVUtilities;
using modeltest::readBytes;
using modeltest::readLines;
using modeltest::writeBytes;

namespace {

// The lines TextLines reads from a file holding bytes.
QStringList linesOf(const QByteArray& bytes)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("lines.txt"));
    writeBytes(path, bytes);
    return readLines(path);
}

}  // namespace

TEST(TextLines, EveryLineEndCounts)
{
    EXPECT_EQ(linesOf("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(linesOf("a\r\n"), (QStringList{"a"}));
    EXPECT_EQ(linesOf("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(linesOf("a\r\r\nb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(linesOf("\n"), (QStringList{""}));
    EXPECT_EQ(linesOf("\xEF\xBB\xBFone\r\ntwo"), (QStringList{"one", "two"}));  // no byte-order mark
    EXPECT_TRUE(linesOf(QByteArray()).isEmpty());
}

TEST(TextLines, ReadsOnlyTheLinesAskedForAndStopsAtAnOverlongLine)
{
    // A file that is far too large for its format: the lines before the
    // junk read as usual, and the junk line ends the reading.
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("big.txt"));
    writeBytes(path, "first\r\nsecond\r\n" + QByteArray(TextLines::MaxLineBytes + 1, 'x') + "\r\nafter\r\n");
    TextLines file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(file.next(), QStringLiteral("first"));
    EXPECT_EQ(file.next(), QStringLiteral("second"));
    EXPECT_FALSE(file.next());
    EXPECT_FALSE(file.next());

    writeBytes(path, QByteArray(TextLines::MaxLineBytes, 'y'));
    EXPECT_EQ(readLines(path), QStringList{QString(TextLines::MaxLineBytes, QLatin1Char('y'))});
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
    EXPECT_EQ(readLines(path), QStringList{kanji});
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
