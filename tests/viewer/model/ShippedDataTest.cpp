// The palettes, schemes and colour files shipped beside the program read
// without a fault and are written back byte for byte by our own writers.
#include "ModelTestSupport.h"
#include "model/ColorSetFiles.h"
#include "model/core/NumberReading.h"
#include "model/core/SafeTextWriter.h"
#include "platform/testing/ScriptedMessageBoxes.h"

#include <QFileInfo>

namespace util = mdlRKVUtilities;
using namespace modeltest;

namespace {

QString shareFolder(const QString& name)
{
    // The source tree's share folder: what the build copies beside the program.
    const QString source = QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + "/../../../share/";
    return QDir(source + name).absolutePath() + QLatin1Char('/');
}

QStringList filesIn(const QString& folder, const char* pattern)
{
    QStringList paths;
    for (const QString& name : QDir(folder).entryList({QString::fromLatin1(pattern)}, QDir::Files))
        paths.append(folder + name);
    return paths;
}

}  // namespace

using ShippedData = ModelStateTest;

TEST_F(ShippedData, PalettesReadWholeAndSaveIdentically)
{
    const QStringList palettes = filesIn(shareFolder("palettes"), "*.RPL");
    ASSERT_GE(palettes.size(), 2);
    for (const QString& palette : palettes) {
        Platform::ScriptedMessageBoxes boxes;
        ASSERT_TRUE(util::LoadPalette(palette)) << palette.toStdString();
        EXPECT_EQ(boxes.count(), 0);
        EXPECT_GE(util::PaletteCount, 20);
        EXPECT_LE(util::PaletteCount, 257);
        ASSERT_TRUE(util::SavePalette(path("copy.RPL")));
        EXPECT_EQ(readBytes(path("copy.RPL")), readBytes(palette)) << palette.toStdString();
    }
    ASSERT_TRUE(util::LoadPalette(shareFolder("palettes") + "BasicColors.RPL"));
    EXPECT_EQ(util::PaletteCount, 24);
}

TEST_F(ShippedData, SchemesReadWholeAndSaveIdentically)
{
    const QStringList schemes = filesIn(shareFolder("schemes"), "*.RKS3");
    ASSERT_GE(schemes.size(), 1);
    for (const QString& scheme : schemes) {
        Platform::ScriptedMessageBoxes boxes;
        ASSERT_TRUE(util::LoadScheme(scheme)) << scheme.toStdString();
        EXPECT_EQ(boxes.count(), 0);
        ASSERT_TRUE(util::SaveScheme(path("copy.RKS3")));
        EXPECT_EQ(readBytes(path("copy.RKS3")), readBytes(scheme)) << scheme.toStdString();
    }
}

TEST_F(ShippedData, ColorFilesHaveFiveLinesOfNameBytesAndOffset)
{
    const QStringList colors = filesIn(shareFolder("colors"), "*.RKL");
    ASSERT_GE(colors.size(), 3);
    for (const QString& color : colors) {
        const QStringList lines = readLines(color);
        ASSERT_EQ(lines.size(), 5) << color.toStdString();
        EXPECT_FALSE(lines[0].isEmpty());
        for (int i = 1; i <= 3; ++i) {
            const std::optional<qint32> component = util::ReadNumber(lines[i], 0, 255);
            ASSERT_TRUE(component) << color.toStdString();
            EXPECT_EQ(lines[i], util::BareNumberText(*component));
        }
        const std::optional<qint32> offset = util::ReadNumber(lines[4], -255, 0);
        ASSERT_TRUE(offset) << color.toStdString();
        EXPECT_EQ(lines[4], util::BareNumberText(*offset));
        EXPECT_EQ(readBytes(color), util::EncodeTextLines(lines));
    }
}
