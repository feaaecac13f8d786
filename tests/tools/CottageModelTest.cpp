// The bundled demo model as written to disk: manifest, scheme and pages.
#include "PageStats.h"

#include "model/core/ColorSetFormats.h"
#include "model/core/Manifest.h"
#include "modelgen/core/CottageModel.h"
#include "modelgen/core/CottagePages.h"
#include "modelgen/core/CottageRegions.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CottageModelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(folder_->isValid());
        QString error;
        ASSERT_TRUE(CottageModel::write(folder_->path(), 150, &error)) << error.toStdString();
        ASSERT_TRUE(mdlRKVUtilities::ReadManifest(path("Cottage.RKV3"), manifest_));
        for (const auto& page : manifest_.Pages) images_.push_back(QImage(path(page.File)));
    }
    static void TearDownTestSuite()
    {
        images_.clear();
        folder_.reset();
    }
    static QString path(const QString& name) { return QDir(folder_->path()).filePath(name); }

    static std::unique_ptr<QTemporaryDir> folder_;
    static mdlRKVUtilities::ModelState manifest_;
    static std::vector<QImage> images_;
};

std::unique_ptr<QTemporaryDir> CottageModelTest::folder_;
mdlRKVUtilities::ModelState CottageModelTest::manifest_;
std::vector<QImage> CottageModelTest::images_;

TEST_F(CottageModelTest, ManifestDescribesPagesAndRegions)
{
    EXPECT_EQ(manifest_.Resolution, 150);
    EXPECT_EQ(manifest_.SchemeFile, QStringLiteral("Cottage.RKS3"));
    EXPECT_TRUE(QFile::exists(path(manifest_.SchemeFile)));
    ASSERT_GE(manifest_.Pages.size(), 3);
    EXPECT_EQ(manifest_.Pages.size(), CottagePages::PageCount);
    std::set<QString> files;
    for (const auto& [file, title] : manifest_.Pages) {
        EXPECT_TRUE(QFile::exists(path(file))) << file.toStdString();
        EXPECT_FALSE(title.isEmpty());
        files.insert(file);
    }
    EXPECT_EQ(files.size(), std::size_t(manifest_.Pages.size())) << "every page has its own image";
    EXPECT_GE(manifest_.RegionNames.size(), 12);
    EXPECT_EQ(manifest_.RegionNames, CottageRegionNames());
    for (const QString& name : manifest_.RegionNames) EXPECT_FALSE(name.trimmed().isEmpty());
}

TEST_F(CottageModelTest, SchemeGivesEveryNamedRegionItsOwnColor)
{
    namespace util = mdlRKVUtilities;
    std::array<util::ColorRecord, util::SchemeSize> colors;
    std::array<QString, util::SchemeSize> names;
    ASSERT_TRUE(util::ReadSchemeFile(path("Cottage.RKS3"), colors, names));
    for (int r = 1; r <= 255; ++r) {
        EXPECT_EQ(colors[r].Offset, -127) << "region " << r;
        if (r <= manifest_.RegionNames.size())
            EXPECT_NE(names[r], util::DefaultGrayName()) << "region " << r << " has its own colour";
        else
            EXPECT_EQ(colors[r], util::DefaultGrayColor);
    }
}

TEST_F(CottageModelTest, PagesAreLetterSheetsAt150PixelsPerInch)
{
    ASSERT_EQ(images_.size(), std::size_t(manifest_.Pages.size()));
    for (std::size_t i = 0; i < images_.size(); ++i) {
        const QImage& page = images_[i];
        ASSERT_FALSE(page.isNull()) << "page " << i + 1;
        EXPECT_EQ(page.width(), 1275);
        EXPECT_EQ(page.height(), 1650);
        EXPECT_NEAR(page.dotsPerMeterX() * 0.0254, 150.0, 0.5);
        // PNG is lossless: the file holds exactly the pixels that were drawn.
        EXPECT_EQ(page.convertToFormat(QImage::Format_RGB32), CottagePages::draw(int(i) + 1, 150))
            << "page " << i + 1;
    }
}

TEST_F(CottageModelTest, PiecesLieOnPaperWithAntialiasedInk)
{
    for (std::size_t i = 0; i < images_.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "page " << i + 1);
        const QImage page = images_[i].convertToFormat(QImage::Format_RGB32);
        // A clean paper margin all round.
        for (int x = 0; x < page.width(); ++x)
            for (int y : {0, 1, 10, page.height() - 11, page.height() - 1}) {
                ASSERT_EQ(qGreen(page.pixel(x, y)), 0);
                ASSERT_EQ(qBlue(page.pixel(x, y)), 255);
            }
        for (int y = 0; y < page.height(); ++y)
            for (int x : {0, 10, page.width() - 11, page.width() - 1}) ASSERT_EQ(qGreen(page.pixel(x, y)), 0);
        // The paper around the pieces is one connected area, and pieces
        // cover a good part of the sheet.
        const PageStats stats = PageStats::of(page);
        const long long total = 1275LL * 1650LL;
        EXPECT_EQ(PaperReachableFromCorner(page), stats.regions[0]) << "no paper enclosed inside a piece";
        EXPECT_GT(total - stats.regions[0], total / 10);
        long long between = 0;
        for (int ink = 1; ink < 255; ++ink) between += stats.inks[std::size_t(ink)];
        EXPECT_GT(between, 2000) << "antialiased line edges";
        EXPECT_GT(stats.inks[0], 500) << "solid black cut lines";
        EXPECT_GT(PageStats::share(stats.inks, 255), 0.8) << "most of the page carries no ink";
    }
}

TEST_F(CottageModelTest, FlatFacesAreShadedAtLevel127)
{
    std::array<std::array<long long, 256>, 256> byRegion{};
    for (std::size_t i = 0; i < images_.size(); ++i) {
        const PageStats stats = PageStats::of(images_[i]);
        EXPECT_EQ(PageStats::mostCommon(stats.faceShades), 127) << "page " << i + 1;
        int levels = 0;
        for (long long c : stats.faceShades) levels += c > 0;
        EXPECT_GT(levels, 40) << "gradients give many shading levels on page " << i + 1;
        for (std::size_t r = 0; r < 256; ++r)
            for (std::size_t l = 0; l < 256; ++l) byRegion[r][l] += stats.shadesByRegion[r][l];
    }
    // Regions printed mostly as flat faces; shadows and gradients only at
    // their edges.
    for (int region : {int(CottageRegion::Walls), int(CottageRegion::Lawn), int(CottageRegion::Fence),
                       int(CottageRegion::Trim)}) {
        EXPECT_EQ(PageStats::mostCommon(byRegion[std::size_t(region)]), 127) << "region " << region;
        EXPECT_GT(PageStats::share(byRegion[std::size_t(region)], 127), 0.5) << "region " << region;
    }
    EXPECT_GT(PageStats::share(byRegion[CottageRegion::GlueFlaps], 127), 0.95);
    // The roof is a gradient from the ridge to the eaves.
    EXPECT_LT(PageStats::share(byRegion[CottageRegion::RoofTiles], 127), 0.2);
}

TEST_F(CottageModelTest, RegionsOnPagesAreNamedAndColored)
{
    std::set<int> used;
    for (const QImage& image : images_) {
        const PageStats stats = PageStats::of(image);
        for (int r = 0; r < 256; ++r)
            if (stats.regions[std::size_t(r)] > 0) used.insert(r);
    }
    ASSERT_TRUE(used.count(0));
    const ColorScheme scheme = CottageScheme();
    for (int r : used) {
        if (r == 0) continue;
        EXPECT_LE(r, manifest_.RegionNames.size()) << "region " << r << " is not named in the manifest";
        EXPECT_NE(scheme.at(r).name, QStringLiteral("Default Gray")) << "region " << r;
    }
    // And every named region appears somewhere in the model.
    EXPECT_EQ(used.size(), std::size_t(manifest_.RegionNames.size()) + 1);
}

TEST(CottageModelFiles, WritingTwiceGivesIdenticalBytes)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(CottageModel::write(first.path()));
    ASSERT_TRUE(CottageModel::write(second.path()));
    const QStringList names = QDir(first.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(names, QDir(second.path()).entryList(QDir::Files, QDir::Name));
    EXPECT_EQ(names.size(), 2 + CottagePages::PageCount);
    for (const QString& name : names)
        EXPECT_TRUE(readAll(QDir(first.path()).filePath(name)) == readAll(QDir(second.path()).filePath(name)))
            << name.toStdString();
}

TEST(CottageModelFiles, BuiltDemoModelIsCurrent)
{
    const QString programDir = qEnvironmentVariable("RKV_PROGRAM_DIR");
    const QString built = QDir(programDir).filePath(QStringLiteral("models/Cottage"));
    if (programDir.isEmpty() || !QFile::exists(QDir(built).filePath(QStringLiteral("Cottage.RKV3"))))
        GTEST_SKIP() << "the demo model has not been built";
    QTemporaryDir fresh;
    ASSERT_TRUE(CottageModel::write(fresh.path()));
    for (const QString& name : QDir(fresh.path()).entryList(QDir::Files))
        EXPECT_TRUE(readAll(QDir(built).filePath(name)) == readAll(QDir(fresh.path()).filePath(name)))
            << name.toStdString() << " differs from what the generator makes now";
}

} // namespace
