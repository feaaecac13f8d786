// The layout arithmetic the dialog shows and the canvas prints by.
#include "PrintLayout.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct EnglishNumbers {
    EnglishNumbers() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

}  // namespace

TEST(PrintLayout, TileCountsOfTheWorkedExamplesAndTheirEdges)
{
    // Letter, 8.0 x 10.5 in printable, a 4 x 3 in page.
    const PrintTiles inset = CountPrintTiles(8.0f, 10.5f, 0.25f, 0.25f, 4.0f, 3.0f, 0);
    EXPECT_EQ(inset.across, 1);  // round(1.875) = 2 does not fit in 7.5
    EXPECT_EQ(inset.down, 3);
    const PrintTiles edge = CountPrintTiles(8.0f, 10.5f, 0, 0, 4.0f, 3.0f, 0);
    EXPECT_EQ(edge.across, 2);  // exactly 2 x 4.0 = 8.0 fits
    EXPECT_EQ(edge.down, 3);
    EXPECT_EQ(TilingLabel(edge), "H Tiles: 2 / V Tiles: 3");

    // A page larger than the area still gives one copy; centred mode is
    // always one copy, whatever the sizes.
    const PrintTiles big = CountPrintTiles(8.0f, 10.5f, 0, 0, 9.0f, 20.0f, 0);
    EXPECT_EQ(big.across, 1);
    EXPECT_EQ(big.down, 1);
    const PrintTiles centred = CountPrintTiles(8.0f, 10.5f, 0, 0, 0.5f, 0.5f, 1);
    EXPECT_EQ(centred.across, 1);
    EXPECT_EQ(centred.down, 1);
    // Halves go to even: 2.5 rounds to 2, which fits.
    EXPECT_EQ(CountPrintTiles(5.0f, 10.5f, 0, 0, 2.0f, 3.0f, 0).across, 2);
    // A page of no size or an absurd resolution cannot ask for endless copies.
    EXPECT_EQ(CountPrintTiles(8.0f, 10.5f, 0, 0, 0.0f, 1e-9f, 0).across, MaxPrintTiles);
}

TEST(PrintLayout, LengthsInTheUnitOfThePaper)
{
    EnglishNumbers english;
    EXPECT_EQ(FormatLength(8.0f, 1), "8.00 in");
    EXPECT_EQ(FormatLength(8.0f, 9), "203.20 mm");
    EXPECT_EQ(FormatLength(8.0f, 5), "");
    EXPECT_EQ(FormatLength(1234.5f, 1), "1,234.50 in");  // the user's digit grouping

    // A quarter inch shows as 6.35 mm; 5 mm typed is stored as 0.2 in and
    // then shows as 5.08.
    EXPECT_EQ(OffsetText(0.25f, 9), "6.35");
    const std::optional<float> typed = OffsetFromEntry(QStringLiteral("5"), 9, 0.25f);
    ASSERT_TRUE(typed);
    EXPECT_FLOAT_EQ(*typed, 0.2f);
    EXPECT_EQ(OffsetText(*typed, 9), "5.08");
    EXPECT_FLOAT_EQ(OffsetFromEntry(QStringLiteral("0.126"), 1, 0).value_or(-1), 0.13f);
    EXPECT_FALSE(OffsetFromEntry(QStringLiteral("x"), 1, 0.25f));
    EXPECT_FLOAT_EQ(OffsetFromEntry(QStringLiteral("3"), 5, 0.25f).value_or(-1), 0.25f);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(OffsetText(0.25f, 9), "6,35");
    EXPECT_FLOAT_EQ(OffsetFromEntry(QStringLiteral("6,35"), 9, 0).value_or(-1), 0.25f);
}

TEST(PrintLayout, CaptionGivesThePartSizeInShortestForm)
{
    EnglishNumbers english;
    const PageInches letter = PageSizeInches(2550, 3300, 300);
    EXPECT_EQ(PartSizeCaption(letter, 1), "RKV3Printer (Part Size: 8.5x11 in)");
    EXPECT_EQ(PartSizeCaption(letter, 9), "RKV3Printer (Part Size: 215.9x279.4 mm)");
    EXPECT_EQ(PartSizeCaption(PageSizeInches(1200, 900, 300), 1), "RKV3Printer (Part Size: 4x3 in)");
    EXPECT_EQ(PartSizeCaption(letter, 3), "RKV3Printer (Part Size: 0x0)");
}
