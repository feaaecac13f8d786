// Scheme files and the default gray scheme.
#include "ColorSetFiles.h"
#include "ModelTestSupport.h"
#include "ScriptedMessageBoxes.h"

using namespace mdlRKVUtilities;
using namespace modeltest;
using Platform::MsgIcon;
using Platform::ScriptedMessageBoxes;

namespace {

QStringList schemeLines(int count)
{
    QStringList lines;
    for (int r = 1; r <= count; ++r)
        lines.append(QStringLiteral("%1,%2,%3,%4,Region %1, colour").arg(r).arg(255 - r).arg(r / 2).arg(-r));
    return lines;
}

}  // namespace

using SchemeFile = ModelStateTest;

TEST_F(SchemeFile, DefaultGrayScheme)
{
    BuildDefaultGrayScheme();
    EXPECT_EQ(SchemeColors[0], (ColorRecord{255, 255, 255, 0}));
    EXPECT_EQ(SchemeNames[0], QStringLiteral("Paper Color"));
    for (int r = 1; r < 256; ++r) {
        EXPECT_EQ(SchemeColors[r], (ColorRecord{127, 127, 127, -127}));
        EXPECT_EQ(SchemeNames[r], QStringLiteral("Default Gray"));
    }
}

TEST_F(SchemeFile, SaveAndReloadGiveIdenticalEntriesAndLeaveThePaperAlone)
{
    for (int r = 0; r < 256; ++r) {
        SchemeColors[r] = {quint8(r), quint8(255 - r), quint8(r * 7), qint16(r * 100 - 20000)};
        SchemeNames[r] = QStringLiteral("Name %1, with comma").arg(r);
    }
    const auto colors = SchemeColors;
    const auto names = SchemeNames;
    ASSERT_TRUE(SaveScheme(path("s.RKS3")));
    const QByteArray bytes = readBytes(path("s.RKS3"));
    EXPECT_EQ(bytes.count("\r\n"), 255);
    EXPECT_EQ(bytes.count('\n'), 255);
    EXPECT_TRUE(bytes.startsWith("1,254,7,-19900,Name 1, with comma\r\n"));

    ClearColorSets();
    SchemeNames[0] = QStringLiteral("paper stays");
    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(LoadScheme(path("s.RKS3")));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(SchemeNames[0], QStringLiteral("paper stays"));
    EXPECT_EQ(SchemeColors[0], ColorRecord{});
    for (int r = 1; r < 256; ++r) {
        EXPECT_EQ(SchemeColors[r], colors[r]) << r;
        EXPECT_EQ(SchemeNames[r], names[r]) << r;
    }
}

TEST_F(SchemeFile, A254LineSchemeReplaces1To254AndReports)
{
    BuildDefaultGrayScheme();
    writeBytes(path("short.RKS3"), crlf(schemeLines(254)));
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(LoadScheme(path("short.RKS3")));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Error loading color scheme."));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("RKVViewer3"));
    EXPECT_EQ(SchemeColors[254], (ColorRecord{254, 1, 127, -254}));
    EXPECT_EQ(SchemeColors[255], DefaultGrayColor);
    EXPECT_EQ(SchemeNames[255], QStringLiteral("Default Gray"));
}

TEST_F(SchemeFile, LinesAfterThe255thAreNotReadAndLineEndsMayVary)
{
    QStringList lines = schemeLines(255);
    lines.append(QStringLiteral("garbage that is never read"));
    writeBytes(path("long.RKS3"), lines.join(QLatin1Char('\n')).toLatin1());
    ScriptedMessageBoxes boxes;
    EXPECT_TRUE(LoadScheme(path("long.RKS3")));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(SchemeNames[255], QStringLiteral("Region 255, colour"));
}

TEST_F(SchemeFile, MalformedLineAndMissingFile)
{
    BuildDefaultGrayScheme();
    QStringList lines = schemeLines(255);
    lines[9] = QStringLiteral("1,2,3");
    writeBytes(path("bad.RKS3"), crlf(lines));
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(LoadScheme(path("bad.RKS3")));
    EXPECT_EQ(SchemeNames[9], QStringLiteral("Region 9, colour"));
    EXPECT_EQ(SchemeNames[10], QStringLiteral("Default Gray"));
    EXPECT_FALSE(LoadScheme(path("missing.RKS3")));
    EXPECT_EQ(boxes.count(), 2);
}

TEST_F(SchemeFile, FailedSaveSaysSo)
{
    // A full disk (the old file kept) is test_reliability's; here a missing folder.
    const QString target = path(QStringLiteral("missing/s.RKS3"));
    BuildDefaultGrayScheme();
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(SaveScheme(target));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Error saving color scheme."));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
}
