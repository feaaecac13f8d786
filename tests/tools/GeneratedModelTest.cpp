// Writing models: files the viewer reads back, refusal of models that would
// not read back, and test pages of any size.
#include "PageStats.h"

#include "model/core/ColorSetFormats.h"
#include "model/core/Manifest.h"
#include "modelgen/core/BenchmarkPages.h"
#include "modelgen/core/CottageRegions.h"
#include "modelgen/core/GeneratedModel.h"
#include "modelgen/core/ModelWriter.h"

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

TEST(GeneratedModel, TheViewerReadsBackWhatWasGenerated)
{
    namespace util = mdlRKVUtilities;
    QTemporaryDir dir;
    GeneratedModel model = smallModel();
    model.pages[0].title = QString::fromUtf8("Rumpf \u20AC \u6F22");
    ASSERT_TRUE(ModelWriter::write(model, dir.path()));
    util::ModelState read;
    ASSERT_TRUE(util::ReadManifest(QDir(dir.path()).filePath(QStringLiteral("Ship.RKV3")), read));
    EXPECT_EQ(read.SchemeFile, QStringLiteral("Ship.RKS3"));
    EXPECT_EQ(read.Pages, (QList<util::PageEntry>{{QStringLiteral("p01.png"), model.pages[0].title}}));
    EXPECT_EQ(read.RegionNames, model.regionNames);
    std::array<util::ColorRecord, util::SchemeSize> colors;
    std::array<QString, util::SchemeSize> names;
    ASSERT_TRUE(util::ReadSchemeFile(QDir(dir.path()).filePath(QStringLiteral("Ship.RKS3")), colors, names));
    EXPECT_EQ(colors[1], (util::ColorRecord{200, 100, 50, -127}));
    EXPECT_EQ(names[1], QStringLiteral("Red, dark"));
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
    GeneratedModel badColor = smallModel();
    badColor.scheme.set(5, {256, 0, 0, -127, QStringLiteral("Too red")});
    EXPECT_TRUE(refused(badColor));
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
    mdlRKVUtilities::ModelState manifest;
    ASSERT_TRUE(mdlRKVUtilities::ReadManifest(QDir(dir.path()).filePath(QStringLiteral("Bench.RKV3")), manifest));
    EXPECT_EQ(manifest.Resolution, 72);
    EXPECT_EQ(manifest.SchemeFile, QStringLiteral("Bench.RKS3"));
    ASSERT_EQ(manifest.Pages.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QString file = manifest.Pages[i].File;
        const QImage page(QDir(dir.path()).filePath(file));
        EXPECT_EQ(page.size(), QSize(300, 200)) << file.toStdString();
        EXPECT_EQ(page.convertToFormat(QImage::Format_RGB32), MakeBenchmarkPage(300, 200, 9 + i));
    }
    EXPECT_EQ(manifest.RegionCount, CottageRegion::Count);
    EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("Bench.RKS3"))));
}

} // namespace
