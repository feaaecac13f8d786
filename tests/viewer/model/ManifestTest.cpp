// Reading and writing model manifests.
#include "ModelTestSupport.h"
#include "model/core/Manifest.h"

namespace util = mdlRKVUtilities;
using namespace modeltest;

using Manifest = ModelStateTest;

TEST_F(Manifest, ReadsEveryPartOfAManifestAndWritesItBack)
{
    writeBytes(path("ship.RKV3"), crlf({" 150 ", "ship.RKS3", " 2 ", "p01.bmp;Hull; part A",
                                        " images\\p02.bmp ; Deck ", "3", "Hull", "Deck, upper", " Mast ",
                                        "anything after the last name"}));
    util::ModelState model;
    model.ModelFolder = QStringLiteral("kept/");
    ASSERT_TRUE(util::ReadManifest(path("ship.RKV3"), model));
    EXPECT_EQ(model.Resolution, 150);
    EXPECT_EQ(model.SchemeFile, QStringLiteral("ship.RKS3"));
    EXPECT_EQ(model.PageCount, 2);
    ASSERT_EQ(model.Pages.size(), 2);
    // Split at the first semicolon only; neither part is trimmed.
    EXPECT_EQ(model.Pages[0], (util::PageEntry{"p01.bmp", "Hull; part A"}));
    EXPECT_EQ(model.Pages[1], (util::PageEntry{" images\\p02.bmp ", " Deck "}));
    EXPECT_EQ(model.RegionCount, 3);
    EXPECT_EQ(model.RegionNames, (QStringList{"Hull", "Deck, upper", " Mast "}));
    EXPECT_EQ(model.ModelFolder, QStringLiteral("kept/"));

    ASSERT_TRUE(util::SaveManifest(path("copy.RKV3"), model));
    EXPECT_EQ(readBytes(path("copy.RKV3")), crlf({"150", "ship.RKS3", "2", "p01.bmp;Hull; part A",
                                                  " images\\p02.bmp ; Deck ", "3", "Hull", "Deck, upper", " Mast "}));
    // A page file name with a semicolon would not read back.
    model.Pages[0].File = QStringLiteral("p;01.bmp");
    EXPECT_FALSE(util::SaveManifest(path("bad.RKV3"), model));
}

TEST_F(Manifest, FractionalCountsAndOtherLineEnds)
{
    writeBytes(path("m.RKV3"), "150.5\n\n2.5\na;1\nb;2\n3.5\nr1\nr2\nr3\nr4");
    util::ModelState model;
    ASSERT_TRUE(util::ReadManifest(path("m.RKV3"), model));
    EXPECT_EQ(model.Resolution, 150);
    EXPECT_TRUE(model.SchemeFile.isEmpty());
    EXPECT_EQ(model.PageCount, 2);
    EXPECT_EQ(model.RegionCount, 4);
    EXPECT_EQ(model.RegionNames.last(), QStringLiteral("r4"));
}

TEST_F(Manifest, RegionCountZeroWithNothingAfterIt)
{
    writeBytes(path("m.RKV3"), crlf({"150", "", "1", "p.png;Only", "0"}));
    util::ModelState model;
    model.RegionNames = QStringList{"old"};
    ASSERT_TRUE(util::ReadManifest(path("m.RKV3"), model));
    EXPECT_EQ(model.RegionCount, 0);
    EXPECT_TRUE(model.RegionNames.isEmpty());
}

TEST_F(Manifest, RegionNamesBeyond255AreKept)
{
    QStringList lines{"150", "", "1", "p.png;Only", "300"};
    for (int r = 1; r <= 300; ++r) lines.append(QStringLiteral("Region %1").arg(r));
    writeBytes(path("m.RKV3"), crlf(lines));
    util::ModelState model;
    ASSERT_TRUE(util::ReadManifest(path("m.RKV3"), model));
    EXPECT_EQ(model.RegionNames.size(), 300);
    EXPECT_EQ(model.RegionNames[299], QStringLiteral("Region 300"));
}

TEST_F(Manifest, FaultyManifests)
{
    const QList<QStringList> faulty{
        {"150", "", "3", "a;1", "b;2"},                         // 3 pages announced, 2 there
        {"150", "", "2", "a;1", "b;2"},                         // ends before the region count
        {"150", "", "1", "a;1", "2", "only one"},               // too few region names
        {"150", "", "1", "no semicolon", "0"},                  // page line without a semicolon
        {"150", "", "-1", "0"},                                 // negative page count
        {"150", "", "1", "a;1", "-1"},                          // negative region count
        {"150", "", "0", "0"},                                  // no page at all
        {"3000000000", "", "1", "a;1", "0"},                    // resolution out of range
        {"150", "", "1e12", "a;1", "0"},                        // page count out of range
        {"150"},                                                // ends after line 1
    };
    for (int i = 0; i < faulty.size(); ++i) {
        writeBytes(path("bad.RKV3"), crlf(faulty[i]));
        util::ModelState model;
        EXPECT_FALSE(util::ReadManifest(path("bad.RKV3"), model)) << "manifest " << i;
    }
    util::ModelState model;
    EXPECT_FALSE(util::ReadManifest(path("missing.RKV3"), model));
    writeBytes(path("empty.RKV3"), QByteArray());
    EXPECT_FALSE(util::ReadManifest(path("empty.RKV3"), model));
}

TEST_F(Manifest, AHugeAnnouncedCountFailsWithoutReservingRoom)
{
    writeBytes(path("m.RKV3"), crlf({"150", "", "2000000000", "a;1"}));
    util::ModelState model;
    EXPECT_FALSE(util::ReadManifest(path("m.RKV3"), model));
    EXPECT_TRUE(model.Pages.isEmpty());  // refused before any page line is kept
}
