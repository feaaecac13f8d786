// Scheme files and the default gray scheme.
#include "ModelTestSupport.h"
#include "model/ColorSetFiles.h"
#include "platform/testing/ScriptedMessageBoxes.h"

namespace util = mdlRKVUtilities;
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
    util::BuildDefaultGrayScheme();
    EXPECT_EQ(util::SchemeColors[0], (util::ColorRecord{255, 255, 255, 0}));
    EXPECT_EQ(util::SchemeNames[0], QStringLiteral("Paper Color"));
    for (int r = 1; r < 256; ++r) {
        EXPECT_EQ(util::SchemeColors[r], (util::ColorRecord{127, 127, 127, -127}));
        EXPECT_EQ(util::SchemeNames[r], QStringLiteral("Default Gray"));
    }
}

TEST_F(SchemeFile, SaveAndReloadGiveIdenticalEntriesAndLeaveThePaperAlone)
{
    for (int r = 0; r < 256; ++r) {
        util::SchemeColors[r] = {quint8(r), quint8(255 - r), quint8(r * 7), qint16(r * 100 - 20000)};
        util::SchemeNames[r] = QStringLiteral("Name %1, with comma").arg(r);
    }
    const auto colors = util::SchemeColors;
    const auto names = util::SchemeNames;
    ASSERT_TRUE(util::SaveScheme(path("s.RKS3")));
    const QByteArray bytes = readBytes(path("s.RKS3"));
    EXPECT_EQ(bytes.count("\r\n"), 255);
    EXPECT_EQ(bytes.count('\n'), 255);
    EXPECT_TRUE(bytes.startsWith("1,254,7,-19900,Name 1, with comma\r\n"));

    util::ClearColorSets();
    util::SchemeNames[0] = QStringLiteral("paper stays");
    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(util::LoadScheme(path("s.RKS3")));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(util::SchemeNames[0], QStringLiteral("paper stays"));
    EXPECT_EQ(util::SchemeColors[0], util::ColorRecord{});
    for (int r = 1; r < 256; ++r) {
        EXPECT_EQ(util::SchemeColors[r], colors[r]) << r;
        EXPECT_EQ(util::SchemeNames[r], names[r]) << r;
    }
}

TEST_F(SchemeFile, A254LineSchemeReplaces1To254AndReports)
{
    util::BuildDefaultGrayScheme();
    writeBytes(path("short.RKS3"), crlf(schemeLines(254)));
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(util::LoadScheme(path("short.RKS3")));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Error loading color scheme."));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("RKVViewer3"));
    EXPECT_EQ(util::SchemeColors[254], (util::ColorRecord{254, 1, 127, -254}));
    EXPECT_EQ(util::SchemeColors[255], util::DefaultGrayColor);
    EXPECT_EQ(util::SchemeNames[255], QStringLiteral("Default Gray"));
}

TEST_F(SchemeFile, LinesAfterThe255thAreNotReadAndLineEndsMayVary)
{
    QStringList lines = schemeLines(255);
    lines.append(QStringLiteral("garbage that is never read"));
    writeBytes(path("long.RKS3"), lines.join(QLatin1Char('\n')).toLatin1());
    ScriptedMessageBoxes boxes;
    EXPECT_TRUE(util::LoadScheme(path("long.RKS3")));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(util::SchemeNames[255], QStringLiteral("Region 255, colour"));
}

TEST_F(SchemeFile, MalformedLineAndMissingFile)
{
    util::BuildDefaultGrayScheme();
    QStringList lines = schemeLines(255);
    lines[9] = QStringLiteral("1,2,3");
    writeBytes(path("bad.RKS3"), crlf(lines));
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(util::LoadScheme(path("bad.RKS3")));
    EXPECT_EQ(util::SchemeNames[9], QStringLiteral("Region 9, colour"));
    EXPECT_EQ(util::SchemeNames[10], QStringLiteral("Default Gray"));
    EXPECT_FALSE(util::LoadScheme(path("missing.RKS3")));
    EXPECT_EQ(boxes.count(), 2);
}

TEST_F(SchemeFile, FailedSaveSaysSo)
{
    // A full disk (the old file kept) is test_reliability's; here a missing folder.
    const QString target = path(QStringLiteral("missing/s.RKS3"));
    util::BuildDefaultGrayScheme();
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(util::SaveScheme(target));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Error saving color scheme."));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
}
