// Palette files: reading, writing, and every fault the reader reports.
#include "ModelTestSupport.h"
#include "model/ColorSetFiles.h"
#include "model/core/ColorLine.h"
#include "platform/testing/ScriptedMessageBoxes.h"

namespace util = mdlRKVUtilities;
using namespace modeltest;
using Platform::MsgButtons;
using Platform::MsgIcon;
using Platform::ScriptedMessageBoxes;

namespace {

void expectCritical(const ScriptedMessageBoxes& boxes, const char* text)
{
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QString::fromLatin1(text));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::OkOnly);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("RKVViewer3"));
}

}  // namespace

using PaletteFile = ModelStateTest;

TEST(ColorLine, FieldsNamesAndMalformedLines)
{
    util::ColorRecord c;
    QString name;
    ASSERT_TRUE(util::ReadColorLine(QStringLiteral("127,127,127,-127,Default Gray"), c, name));
    EXPECT_EQ(c, util::DefaultGrayColor);
    EXPECT_EQ(name, QStringLiteral("Default Gray"));

    // The name is the rest of the line, commas and blanks untouched.
    ASSERT_TRUE(util::ReadColorLine(QStringLiteral(" 1 0 , 20,30 ,-5, Red, dark ,"), c, name));
    EXPECT_EQ(c, (util::ColorRecord{10, 20, 30, -5}));
    EXPECT_EQ(name, QStringLiteral(" Red, dark ,"));
    ASSERT_TRUE(util::ReadColorLine(QStringLiteral("127.5,126.5,12abc,x,"), c, name));
    EXPECT_EQ(c, (util::ColorRecord{128, 126, 12, 0}));
    EXPECT_TRUE(name.isEmpty());
    ASSERT_TRUE(util::ReadColorLine(QStringLiteral("0,0,0,32767,a"), c, name));
    ASSERT_TRUE(util::ReadColorLine(QStringLiteral("0,0,0,-32768,a"), c, name));
    EXPECT_EQ(c.Offset, -32768);

    // A bad field stops the line; the fields before it are already stored.
    c = util::ColorRecord{1, 2, 3, 4};
    name = QStringLiteral("kept");
    EXPECT_FALSE(util::ReadColorLine(QStringLiteral("10,20,256,0,x"), c, name));
    EXPECT_EQ(c, (util::ColorRecord{10, 20, 3, 4}));
    EXPECT_EQ(name, QStringLiteral("kept"));
    EXPECT_FALSE(util::ReadColorLine(QStringLiteral("-1,0,0,0,x"), c, name));
    EXPECT_FALSE(util::ReadColorLine(QStringLiteral("0,0,0,32768,x"), c, name));
    EXPECT_FALSE(util::ReadColorLine(QStringLiteral("0,0,0,-32769,x"), c, name));
    // Fewer than five fields.
    c = util::ColorRecord{1, 2, 3, 4};
    EXPECT_FALSE(util::ReadColorLine(QStringLiteral("10,20,30,40"), c, name));
    EXPECT_FALSE(util::ReadColorLine(QString(), c, name));
    EXPECT_EQ(c, (util::ColorRecord{1, 2, 3, 4}));

    EXPECT_EQ(util::ColorLineOf(util::DefaultGrayColor, util::DefaultGrayName()), QStringLiteral("127,127,127,-127,Default Gray"));
    EXPECT_EQ(util::ColorLineOf({0, 5, 255, 0}, QStringLiteral("Red, dark")), QStringLiteral("0,5,255,0,Red, dark"));
}

TEST_F(PaletteFile, SaveWritesTheCountAsABareNumberAndReadsBackWhole)
{
    util::PaletteCount = 3;
    util::PaletteColors[0] = {200, 40, 30, -127};
    util::PaletteNames[0] = QStringLiteral("Red, dark");
    util::PaletteColors[1] = {0, 0, 0, 0};
    util::PaletteNames[1] = QString();
    util::PaletteColors[2] = {255, 255, 255, 32767};
    util::PaletteNames[2] = QString::fromUtf8("Cr\xC3\xA8me ");
    ASSERT_TRUE(util::SavePalette(path("p.RPL")));
    EXPECT_EQ(readBytes(path("p.RPL")),
              QByteArray(" 3 \r\n200,40,30,-127,Red, dark\r\n0,0,0,0,\r\n255,255,255,32767,Cr\xE8me \r\n"));

    const auto saved = util::PaletteColors;
    const auto savedNames = util::PaletteNames;
    util::ClearColorSets();
    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(util::LoadPalette(path("p.RPL")));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(util::PaletteCount, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(util::PaletteColors[k], saved[k]) << k;
        EXPECT_EQ(util::PaletteNames[k], savedNames[k]) << k;
    }
}

TEST_F(PaletteFile, AnyNameReadsBackIdenticalAndLineBreaksAsBlanks)
{
    const QStringList names = QString::fromUtf8("Ã© Blanc|é Blanc|€ ™ – ’|漢字 Rot|\xC2\x81\xC2\x9D|ï»¿é").split('|');
    ScriptedMessageBoxes boxes;
    // Each name alone (the encoding is chosen for the whole file), then all
    // together with one that holds line breaks.
    for (qsizetype k = 0; k <= names.size(); ++k) {
        const QStringList saved = k < names.size() ? QStringList{names[k]} : names + QStringList{"two\r\nlines\r"};
        util::PaletteCount = int(saved.size());
        std::copy(saved.begin(), saved.end(), util::PaletteNames.begin());
        ASSERT_TRUE(util::SavePalette(path("names.RPL")));
        util::ClearColorSets();
        ASSERT_TRUE(util::LoadPalette(path("names.RPL")));
        for (int i = 0; i < names.size() && i < saved.size(); ++i) EXPECT_EQ(util::PaletteNames[i], saved[i]);
    }
    EXPECT_EQ(util::PaletteNames[names.size()], QStringLiteral("two lines "));
}

TEST_F(PaletteFile, CountsWithAndWithoutBlanksAndExtraLines)
{
    ScriptedMessageBoxes boxes;
    util::PaletteCount = 5;
    writeBytes(path("empty.RPL"), " 0 \r\n1,2,3,4,ignored\r\n");
    ASSERT_TRUE(util::LoadPalette(path("empty.RPL")));
    EXPECT_EQ(util::PaletteCount, 0);
    EXPECT_TRUE(util::PaletteNames[0].isEmpty());

    const QStringList entries{"1,1,1,-127,one", "2,2,2,-127,two", "3,3,3,-127,three", "4,4,4,-127,extra"};
    writeBytes(path("bare.RPL"), crlf(QStringList{"3"} + entries));
    ASSERT_TRUE(util::LoadPalette(path("bare.RPL")));
    EXPECT_EQ(util::PaletteCount, 3);
    EXPECT_EQ(util::PaletteNames[2], QStringLiteral("three"));
    EXPECT_TRUE(util::PaletteNames[3].isEmpty());  // the extra line is not read

    // LF and CR line ends, and a fractional count.
    writeBytes(path("lf.RPL"), "2.5\n9,9,9,0,nine\r8,8,8,0,eight");
    ASSERT_TRUE(util::LoadPalette(path("lf.RPL")));
    EXPECT_EQ(util::PaletteCount, 2);
    EXPECT_EQ(util::PaletteNames[0], QStringLiteral("nine"));
    EXPECT_EQ(util::PaletteNames[1], QStringLiteral("eight"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(PaletteFile, ShortFileKeepsTheCountAndTheEntriesReadBeforeIt)
{
    util::PaletteNames[1] = QStringLiteral("old one");
    util::PaletteNames[2] = QStringLiteral("old two");
    writeBytes(path("short.RPL"), crlf({" 3 ", "10,10,10,-127,new zero"}));
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(util::LoadPalette(path("short.RPL")));
    expectCritical(boxes, "Error loading palette.");
    EXPECT_EQ(util::PaletteCount, 3);
    EXPECT_EQ(util::PaletteNames[0], QStringLiteral("new zero"));
    EXPECT_EQ(util::PaletteNames[1], QStringLiteral("old one"));
}

TEST_F(PaletteFile, MalformedEntryStopsPartWay)
{
    util::PaletteColors[1] = {1, 2, 3, 4};
    writeBytes(path("bad.RPL"), crlf({" 3 ", "10,10,10,-127,fine", "50,60,-1,0,bad", "7,7,7,0,never"}));
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(util::LoadPalette(path("bad.RPL")));
    expectCritical(boxes, "Error loading palette.");
    EXPECT_EQ(util::PaletteColors[1], (util::ColorRecord{50, 60, 3, 4}));
    EXPECT_TRUE(util::PaletteNames[2].isEmpty());
}

TEST_F(PaletteFile, CountAboveCapacityReads257EntriesThenReports)
{
    QStringList lines{QStringLiteral(" 300 ")};
    for (int k = 0; k < 300; ++k) lines.append(QStringLiteral("%1,0,0,-127,c%2").arg(k % 256).arg(k));
    writeBytes(path("big.RPL"), crlf(lines));
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(util::LoadPalette(path("big.RPL")));
    expectCritical(boxes, "Error loading palette.");
    EXPECT_EQ(util::PaletteCount, 257);
    EXPECT_EQ(util::PaletteNames[256], QStringLiteral("c256"));
}

TEST_F(PaletteFile, NegativeCountReadsNothingAndSaysNothing)
{
    util::PaletteCount = 4;
    util::PaletteNames[0] = QStringLiteral("kept");
    writeBytes(path("neg.RPL"), crlf({"-2", "1,1,1,1,x"}));
    ScriptedMessageBoxes boxes;
    util::LoadPalette(path("neg.RPL"));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(util::PaletteCount, 0);
    EXPECT_EQ(util::PaletteNames[0], QStringLiteral("kept"));
}

TEST_F(PaletteFile, MissingEmptyOrOutOfRangeFileKeepsTheCount)
{
    util::PaletteCount = 7;
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(util::LoadPalette(path("none.RPL")));
    writeBytes(path("empty.RPL"), QByteArray());
    EXPECT_FALSE(util::LoadPalette(path("empty.RPL")));
    writeBytes(path("huge.RPL"), crlf({"99999999999"}));
    EXPECT_FALSE(util::LoadPalette(path("huge.RPL")));
    EXPECT_EQ(boxes.count(), 3);
    EXPECT_EQ(util::PaletteCount, 7);
}

TEST_F(PaletteFile, FailedSaveSaysSo)
{
    // A full disk (the old file kept) is test_reliability's; here a missing folder.
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(util::SavePalette(path("missing/folder/p.RPL")));
    expectCritical(boxes, "Error saving palette.");
}
