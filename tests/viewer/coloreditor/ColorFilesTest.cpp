// Saving and loading single colours (.RKL) through the dialog.
#include "ColorEditorFixture.h"

#include "model/core/ColorFile.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

TEST(ColorFile, LinesAndComponents)
{
    EXPECT_EQ(ColorFile::Lines(QStringLiteral("Brick"), rgbValue(200, 40, 30), -127),
              (QStringList{QStringLiteral("Brick"), QStringLiteral(" 200 "), QStringLiteral(" 40 "),
                           QStringLiteral(" 30 "), QStringLiteral("-127 ")}));
    EXPECT_EQ(ColorFile::Lines(QString(), 0, 0).mid(1),
              (QStringList{QStringLiteral(" 0 "), QStringLiteral(" 0 "), QStringLiteral(" 0 "), QStringLiteral(" 0 ")}));

    EXPECT_EQ(ColorFile::ColorValueOfComponents(200, 40, 30), rgbValue(200, 40, 30));
    EXPECT_EQ(ColorFile::ColorValueOfComponents(300, 256, 32767), rgbValue(255, 255, 255));
    EXPECT_FALSE(ColorFile::ColorValueOfComponents(32768, 0, 0));
    EXPECT_FALSE(ColorFile::ColorValueOfComponents(0, -1, 0));
}

TEST_F(ColorEditorTest, SaveWritesFiveLinesWithTheChoosersArguments)
{
    open(rgbValue(200, 40, 30), -127, QStringLiteral("Other"));
    nameBox()->setText(QStringLiteral("Brick"));
    ASSERT_TRUE(dialog->ColorModified);
    const QString file = path(QStringLiteral("Brick.RKL"));
    files.queueFile(file);
    click("cmdSaveNew");

    EXPECT_EQ(readAll(file), QByteArray("Brick\r\n 200 \r\n 40 \r\n 30 \r\n-127 \r\n"));
    ASSERT_EQ(files.count(), 1);
    const auto& request = files.requests()[0];
    EXPECT_EQ(request.kind, Platform::FileChooserKind::Save);
    EXPECT_EQ(request.filter, QString::fromLatin1("RKV3 Color(*.RKL)\0*.RKL\0\0", 25));
    EXPECT_EQ(request.filterIndex, 1);
    // The folder last used is gone: the save starts in the user's own.
    EXPECT_EQ(request.initialDir, qEnvironmentVariable("RKV_TEST_DOCUMENTS") + QStringLiteral("/RKVViewer3/colors/"));
    EXPECT_EQ(request.title, QStringLiteral("Save RKV3 Color"));
    EXPECT_EQ(request.defaultExt, QStringLiteral(".RKL"));
    EXPECT_EQ(request.owner, dialog.get());
    EXPECT_EQ(request.flags, 0x2u | 0x4u);  // overwrite prompt, no read-only box
    EXPECT_FALSE(dialog->ColorModified);
    EXPECT_EQ(mdlRKVUtilities::LastColorPath, dir.path() + QStringLiteral("/"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(ColorEditorTest, PastedLineBreaksStayOutOfTheColorFile)
{
    // A break inside the name would shift the numbers to later lines and the
    // file would read back as another colour.
    open(rgbValue(200, 40, 30), -127, QStringLiteral("Deep"));
    QGuiApplication::clipboard()->setText(QStringLiteral("\r\nSea\nBlue\r"));
    nameBox()->end(false);
    nameBox()->paste();
    EXPECT_EQ(nameBox()->text(), QStringLiteral("Deep Sea Blue "));
    EXPECT_EQ(nameBox()->cursorPosition(), 14);
    const QString file = path(QStringLiteral("Sea.RKL"));
    files.queueFile(file);
    click("cmdSaveNew");
    EXPECT_EQ(readAll(file), QByteArray("Deep Sea Blue \r\n 200 \r\n 40 \r\n 30 \r\n-127 \r\n"));
}

TEST_F(ColorEditorTest, CancelledSaveChangesNothing)
{
    open(rgbValue(200, 40, 30));
    nameBox()->setText(QStringLiteral("Brick"));
    files.queueCancel();
    click("cmdSaveNew");
    EXPECT_TRUE(dialog->ColorModified);
    EXPECT_EQ(mdlRKVUtilities::LastColorPath, dir.path() + QStringLiteral("/start/"));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ColorEditorTest, UnwritableColorFileIsReported)
{
    open(rgbValue(200, 40, 30));
    nameBox()->setText(QStringLiteral("Brick"));
    files.queueFile(path(QStringLiteral("no such folder/Brick.RKL")));
    click("cmdSaveNew");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Error saving color."));
    EXPECT_EQ(boxes.shown()[0].icon, Platform::MsgIcon::Critical);
    EXPECT_TRUE(dialog->ColorModified);
    EXPECT_EQ(mdlRKVUtilities::LastColorPath, dir.path() + QStringLiteral("/start/"));
}

TEST_F(ColorEditorTest, BrickRoundTripByteForByte)
{
    const QByteArray brick("Brick\r\n 200 \r\n 40 \r\n 30 \r\n-127 \r\n");
    const QString sub = dir.path() + QStringLiteral("/colors");
    ASSERT_TRUE(QDir().mkpath(sub));
    writeAll(sub + QStringLiteral("/Brick.RKL"), brick);

    open(rgbValue(1, 2, 3), -5, QStringLiteral("Other"));
    files.queueFile(sub + QStringLiteral("/Brick.RKL"));
    click("cmdLoadColor");
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("Brick"));
    EXPECT_EQ(swatchColor(), rgbValue(200, 40, 30));
    EXPECT_EQ(slider()->value(), -127);
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("-127"));
    EXPECT_FALSE(dialog->ColorModified);
    EXPECT_EQ(mdlRKVUtilities::LastColorPath, sub + QStringLiteral("/"));
    // The preview follows: level 127 at offset -127 is the colour itself.
    EXPECT_EQ(dialog->Preview().PreviewLevels[127], (std::array<std::uint8_t, 4>{200, 40, 30, 0}));

    ASSERT_EQ(files.count(), 1);
    const auto& request = files.requests()[0];
    EXPECT_EQ(request.kind, Platform::FileChooserKind::Open);
    EXPECT_EQ(request.filter, QString::fromLatin1("RKV3 Color(*.RKL)\0*.RKL\0\0", 25));
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialDir, dir.path() + QStringLiteral("/start/"));
    EXPECT_EQ(request.title, QStringLiteral("Load RKV3 Color"));
    EXPECT_TRUE(request.defaultExt.isEmpty());
    EXPECT_EQ(request.flags, 0x1000u);  // file must exist, nothing else
    EXPECT_EQ(request.owner, dialog.get());

    files.queueFile(path(QStringLiteral("Again.RKL")));
    click("cmdSaveNew");
    EXPECT_EQ(readAll(path(QStringLiteral("Again.RKL"))), brick);
    EXPECT_EQ(files.requests()[1].initialDir, sub + QStringLiteral("/"));
}

TEST_F(ColorEditorTest, LoadReadsNumbersByTheNumberRule)
{
    // LF line ends, blanks, a fraction rounded half to even, a component
    // above 255, trailing text after a number, and lines after the fifth.
    writeAll(path(QStringLiteral("odd.rkl")), "Sea, deep\n 12.5 \n300\n 7 apples\n-126.5\nextra\n");
    open(rgbValue(1, 2, 3));
    files.queueFile(path(QStringLiteral("odd.rkl")));
    click("cmdLoadColor");
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("Sea, deep"));
    EXPECT_EQ(swatchColor(), rgbValue(12, 255, 7));
    EXPECT_EQ(slider()->value(), -126);
}

TEST_F(ColorEditorTest, OffsetOutsideTheSliderFailsAfterNameAndColor)
{
    writeAll(path(QStringLiteral("ten.RKL")), "Brick\r\n 200 \r\n 40 \r\n 30 \r\n 10 \r\n");
    open(rgbValue(1, 2, 3), -50, QStringLiteral("Other"));
    files.queueFile(path(QStringLiteral("ten.RKL")));
    click("cmdLoadColor");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Invalid file."));
    EXPECT_EQ(boxes.shown()[0].icon, Platform::MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].buttons, Platform::MsgButtons::OkOnly);
    // The name and the colour were applied before the fault and stay.
    EXPECT_EQ(nameBox()->text(), QStringLiteral("Brick"));
    EXPECT_EQ(swatchColor(), rgbValue(200, 40, 30));
    EXPECT_EQ(slider()->value(), -50);
    EXPECT_TRUE(dialog->ColorModified);
    EXPECT_EQ(mdlRKVUtilities::LastColorPath, dir.path() + QStringLiteral("/start/"));
    // The preview shows what the swatch shows: level 50 at offset -50 is
    // the colour itself.
    EXPECT_EQ(dialog->Preview().PreviewLevels[50], (std::array<std::uint8_t, 4>{200, 40, 30, 0}));
}

TEST_F(ColorEditorTest, BrokenColorFilesStopWhereTheFaultIs)
{
    struct Case {
        const char* bytes;
        bool nameApplied;
        bool colorApplied;
    } cases[] = {
        {"", false, false},                                         // no line at all
        {"Brick\r\n 200 \r\n 40 \r\n 30 \r\n", true, false},         // fifth line missing
        {"Brick\r\n 200 \r\n", true, false},                         // stops at line 3
        {"Brick\r\n 40000 \r\n 40 \r\n 30 \r\n-127 \r\n", true, false},  // not a 16-bit number
        {"Brick\r\n -1 \r\n 40 \r\n 30 \r\n-127 \r\n", true, false},     // negative component
        {"Brick\r\n 1e12 \r\n 40 \r\n 30 \r\n-127 \r\n", true, false},   // not a 32-bit number
        {"Brick\r\n 200 \r\n 40 \r\n 30 \r\n-256 \r\n", true, true},     // offset below the slider
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        writeAll(path(QStringLiteral("bad.RKL")), c.bytes);
        boxes.clear();
        open(rgbValue(1, 2, 3), -60, QStringLiteral("Other"));
        files.queueFile(path(QStringLiteral("bad.RKL")));
        click("cmdLoadColor");
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Invalid file."));
        EXPECT_EQ(nameBox()->text(), c.nameApplied ? QStringLiteral("Brick") : QStringLiteral("Other"));
        EXPECT_EQ(swatchColor(), c.colorApplied ? rgbValue(200, 40, 30) : rgbValue(1, 2, 3));
        EXPECT_EQ(slider()->value(), -60);
    }

    // A file that vanished between chooser and reading.
    boxes.clear();
    open(rgbValue(1, 2, 3));
    files.queueFile(path(QStringLiteral("gone.RKL")));
    click("cmdLoadColor");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Invalid file."));
}

TEST_F(ColorEditorTest, LoadAsksAboutChangesFirstAndStopsOnCancel)
{
    writeAll(path(QStringLiteral("Brick.RKL")), "Brick\r\n 200 \r\n 40 \r\n 30 \r\n-127 \r\n");
    open(rgbValue(1, 2, 3));
    nameBox()->setText(QStringLiteral("Changed"));
    boxes.queueAnswer(Platform::MsgAnswer::Yes);
    files.queueFile(path(QStringLiteral("Changed.RKL")));  // the save
    files.queueCancel();                                   // the load
    click("cmdLoadColor");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Color has been modified. Save changes?"));
    ASSERT_EQ(files.count(), 2);
    EXPECT_EQ(files.requests()[0].kind, Platform::FileChooserKind::Save);
    EXPECT_EQ(files.requests()[1].kind, Platform::FileChooserKind::Open);
    EXPECT_TRUE(readAll(path(QStringLiteral("Changed.RKL"))).startsWith("Changed\r\n"));
    // The cancelled load left everything alone.
    EXPECT_EQ(nameBox()->text(), QStringLiteral("Changed"));
    EXPECT_FALSE(dialog->ColorModified);

    // Unchanged: no question.
    files.queueFile(path(QStringLiteral("Brick.RKL")));
    click("cmdLoadColor");
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("Brick"));
}

TEST_F(ColorEditorTest, ShippedColorFilesLoadAndSaveBackUnchanged)
{
    // The test runs from the program folder of the build tree.
    QString programDir = qEnvironmentVariable("RKV_PROGRAM_DIR");
    if (programDir.isEmpty()) programDir = QCoreApplication::applicationDirPath();
    const QDir colorsDir(programDir + QStringLiteral("/colors"));
    if (programDir.isEmpty() || !colorsDir.exists()) GTEST_SKIP() << "no program folder with colours";
    const QStringList names = colorsDir.entryList({QStringLiteral("*.RKL")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        open(rgbValue(1, 2, 3), -1, QStringLiteral("Other"));
        files.queueFile(colorsDir.filePath(name));
        files.queueFile(path(name));
        click("cmdLoadColor");
        EXPECT_EQ(boxes.count(), 0);
        EXPECT_FALSE(dialog->ColorModified);
        click("cmdSaveNew");
        EXPECT_EQ(readAll(path(name)), readAll(colorsDir.filePath(name)));
    }
}
