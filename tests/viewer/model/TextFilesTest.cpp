// Reading lines in either encoding, and writing files safely with CR LF.
#include "ModelTestSupport.h"
#include "model/core/SafeTextWriter.h"
#include "model/core/TextLines.h"

namespace util = mdlRKVUtilities;
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
    writeBytes(path, "first\r\nsecond\r\n" + QByteArray(util::TextLines::MaxLineBytes + 1, 'x') + "\r\nafter\r\n");
    util::TextLines file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(file.next(), QStringLiteral("first"));
    EXPECT_EQ(file.next(), QStringLiteral("second"));
    EXPECT_FALSE(file.next());
    EXPECT_FALSE(file.next());

    writeBytes(path, QByteArray(util::TextLines::MaxLineBytes, 'y'));
    EXPECT_EQ(readLines(path), QStringList{QString(util::TextLines::MaxLineBytes, QLatin1Char('y'))});
}

TEST(TextLines, WindowsAndUtf8FilesReadRight)
{
    // Windows-1252, with the characters of bytes 0x80 to 0x9F.
    EXPECT_EQ(linesOf("\x92 \x96 \x80 \x99 \xE9"), QStringList{QString::fromUtf8("’ – € ™ é")});
    // UTF-8 without a mark; one encoding holds for the whole file, so one
    // line that is not UTF-8 makes every line Windows-1252.
    EXPECT_EQ(linesOf("Cr\xC3\xA8me\r\nx"), (QStringList{QString::fromUtf8("Crème"), "x"}));
    EXPECT_EQ(linesOf("Cr\xC3\xA8me\r\nCr\xE8me"), (QStringList{QString::fromUtf8("CrÃ¨me"), QString::fromUtf8("Crème")}));
    util::TextLines missing;
    EXPECT_FALSE(missing.open(QStringLiteral("/nonexistent/file.txt")));
}

TEST(SafeTextWriter, WritesCrLfOneLineEachAndTheSmallestEncodingThatReadsBack)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString path = temp.filePath(QStringLiteral("out.txt"));
    ASSERT_TRUE(util::WriteTextLines(path, {QString::fromUtf8("é ’"), QStringLiteral("a\r\nb\rc\nd"), QString()}));
    EXPECT_EQ(readBytes(path), QByteArray("\xE9 \x92\r\na b c d\r\n\r\n"));
    // Windows-1252 bytes that would pass for UTF-8 are written as UTF-8.
    EXPECT_EQ(util::EncodeTextLines({QString::fromUtf8("Ã©")}), QByteArray("\xEF\xBB\xBF\xC3\x83\xC2\xA9\r\n"));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList{"out.txt"});
}

TEST(SafeTextWriter, AnyNameSavesAndAMissingFolderFails)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    // The new file takes the target's own name: a name of 255 bytes saves.
    EXPECT_TRUE(util::WriteTextLines(temp.filePath(QString(255, QLatin1Char('k'))), {QStringLiteral("x")}));
    EXPECT_FALSE(util::WriteTextLines(temp.filePath(QStringLiteral("no/such/folder.txt")), {QStringLiteral("x")}));
    EXPECT_FALSE(util::WriteTextLines(QString(), {QStringLiteral("x")}));
}

TEST(SafeTextWriter, BareNumbers)
{
    EXPECT_EQ(util::BareNumberText(3), QStringLiteral(" 3 "));
    EXPECT_EQ(util::BareNumberText(0), QStringLiteral(" 0 "));
    EXPECT_EQ(util::BareNumberText(-127), QStringLiteral("-127 "));
}
