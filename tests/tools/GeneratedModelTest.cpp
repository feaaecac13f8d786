// Writing models: manifest text, refusal of models that would not read back,
// and test pages of any size.
#include "PageStats.h"

#include "BenchmarkPages.h"
#include "CottageRegions.h"
#include "GeneratedModel.h"
#include "ModelWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

GeneratedModel smallModel()
{
    GeneratedModel model;
    model.name = QStringLiteral("Ship");
    model.schemeFileName = QStringLiteral("Ship.RKS3");
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(127, 0, 255));
    model.pages.push_back({QStringLiteral("p01.png"), QStringLiteral("Hull; part A"), image});
    model.regionNames = {QStringLiteral("Hull"), QStringLiteral("Deck, fore")};
    model.scheme.set(1, {200, 100, 50, -127, QStringLiteral("Red, dark")});
    return model;
}

TEST(GeneratedModel, ManifestLinesInOrder)
{
    EXPECT_EQ(smallModel().manifestText(),
              QByteArray("150\r\nShip.RKS3\r\n1\r\np01.png;Hull; part A\r\n2\r\nHull\r\nDeck, fore\r\n"));
    const QByteArray scheme = smallModel().scheme.fileText();
    EXPECT_TRUE(scheme.startsWith("200,100,50,-127,Red, dark\r\n127,127,127,-127,Default Gray\r\n"));
}

TEST(GeneratedModel, ModelsThatWouldNotReadBackAreRefused)
{
    QTemporaryDir dir;
    const auto refused = [&](GeneratedModel model) {
        QString error;
        const bool written = ModelWriter::write(model, dir.path(), &error);
        return !written && !error.isEmpty();
    };
    GeneratedModel semicolon = smallModel();
    semicolon.pages[0].fileName = QStringLiteral("p;1.png");
    EXPECT_TRUE(refused(semicolon));
    GeneratedModel lineBreak = smallModel();
    lineBreak.regionNames << QStringLiteral("two\r\nlines");
    EXPECT_TRUE(refused(lineBreak));
    GeneratedModel wideText = smallModel();
    wideText.pages[0].title = QStringLiteral("Rumpf \u20AC");
    EXPECT_TRUE(refused(wideText));
    GeneratedModel badColour = smallModel();
    badColour.scheme.set(5, {256, 0, 0, -127, QStringLiteral("Too red")});
    EXPECT_TRUE(refused(badColour));
    GeneratedModel noPages = smallModel();
    noPages.pages.clear();
    EXPECT_TRUE(refused(noPages));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << "nothing written for a refused model";
}

TEST(GeneratedModel, WritesIntoSubfoldersAndReportsUnwritableFolders)
{
    QTemporaryDir dir;
    GeneratedModel model = smallModel();
    model.pages[0].fileName = QStringLiteral("images\\p01.png");
    ASSERT_TRUE(ModelWriter::write(model, dir.path()));
    const QImage page(QDir(dir.path()).filePath(QStringLiteral("images/p01.png")));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.pixel(3, 2), qRgb(127, 0, 255));

    QFile blocker(QDir(dir.path()).filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(ModelWriter::write(smallModel(), QDir(dir.path()).filePath(QStringLiteral("file/inside")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(BenchmarkPages, AnySizeSameSeedSamePixels)
{
    const QImage a = MakeBenchmarkPage(640, 480, 11);
    EXPECT_EQ(a.size(), QSize(640, 480));
    EXPECT_EQ(a.format(), QImage::Format_RGB32);
    EXPECT_EQ(a, MakeBenchmarkPage(640, 480, 11));
    EXPECT_NE(a, MakeBenchmarkPage(640, 480, 12));
    EXPECT_EQ(MakeBenchmarkPage(333, 777, 2).size(), QSize(333, 777));
    EXPECT_EQ(MakeBenchmarkPage(1, 1, 0).size(), QSize(1, 1));
    EXPECT_TRUE(MakeBenchmarkPage(0, 10, 1).isNull());
    EXPECT_TRUE(MakeBenchmarkPage(10, -1, 1).isNull());
}

TEST(BenchmarkPages, PagesLookLikeModelSheets)
{
    const QImage page = MakeBenchmarkPage(1275, 1650, 5);
    const PageStats stats = PageStats::of(page);
    long long pieces = 0;
    for (int r = 1; r < 256; ++r) {
        if (r > CottageRegion::Count) {
            EXPECT_EQ(stats.regions[std::size_t(r)], 0) << "region " << r;
        }
        pieces += stats.regions[std::size_t(r)];
    }
    EXPECT_GT(pieces, 1275LL * 1650LL / 5);
    EXPECT_GT(stats.regions[CottageRegion::GlueFlaps], 0);
    EXPECT_EQ(PageStats::mostCommon(stats.faceShades), 127);
    long long between = 0;
    for (int i = 1; i < 255; ++i) between += stats.inks[std::size_t(i)];
    EXPECT_GT(between, 2000);
}

TEST(BenchmarkPages, ModelWithManyPages)
{
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(WriteBenchmarkModel(dir.path(), QStringLiteral("Bench"), 3, 300, 200, 9, 72, &error))
        << error.toStdString();
    QList<QByteArray> lines;
    QFile manifest(QDir(dir.path()).filePath(QStringLiteral("Bench.RKV3")));
    ASSERT_TRUE(manifest.open(QIODevice::ReadOnly));
    ASSERT_TRUE(SplitCrLfLines(manifest.readAll(), lines));
    ASSERT_GE(lines.size(), 7);
    EXPECT_EQ(lines[0], "72");
    EXPECT_EQ(lines[1], "Bench.RKS3");
    EXPECT_EQ(lines[2], "3");
    for (int i = 0; i < 3; ++i) {
        const QString file = QString::fromLatin1(lines[3 + i].split(';').first());
        const QImage page(QDir(dir.path()).filePath(file));
        EXPECT_EQ(page.size(), QSize(300, 200)) << file.toStdString();
        EXPECT_EQ(page.convertToFormat(QImage::Format_RGB32), MakeBenchmarkPage(300, 200, 9 + i));
    }
    EXPECT_EQ(lines[6].toInt(), CottageRegion::Count);
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("Bench.RKS3"))));
}

} // namespace
