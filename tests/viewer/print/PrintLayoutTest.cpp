// The layout arithmetic the dialog shows and the canvas prints by.
#include "print/PrintLayout.h"
#include "print/PrintSheetChoices.h"

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

// The cut rule on a 4 x 5 in area (part 400 x 500 px at 100 ppi), each row
// named after the fault it guards.
TEST(PrintLayout, SplitCutsPagesIntoOverlappingParts)
{
    const PrintArea area = TileArea(8.0f, 10.5f, 2.0f, 2.5f);  // 4.0 x 5.0 in
    struct Row {
        const char* fault;
        int width, height;
        float overlap;
        std::vector<int> columns, rows;  // start, length pairs
    } rows[] = {
        {"wider only cut down too", 900, 430, 0.1f, {0, 400, 390, 400, 780, 120}, {0, 430}},
        {"taller only cut across too", 250, 1010, 0.2f, {0, 250}, {0, 500, 480, 500, 960, 50}},
        {"both directions swapped", 401, 999, 0.4f, {0, 400, 360, 41}, {0, 500, 460, 500, 920, 79}},
        {"a smaller page cut at all", 399, 500, 0.3f, {0, 399}, {0, 500}},
        {"zero overlap dropped a pixel", 800, 1001, 0.0f, {0, 400, 400, 400}, {0, 500, 500, 500, 1000, 1}},
    };
    for (const Row& row : rows) {
        const SplitPlan plan = PlanSplit(row.width, row.height, 100, area, row.overlap);
        ASSERT_TRUE(plan.valid()) << row.fault;
        std::vector<int> columns, down;
        for (const PartSpan& span : plan.columns) columns.insert(columns.end(), {span.start, span.length});
        for (const PartSpan& span : plan.rows) down.insert(down.end(), {span.start, span.length});
        EXPECT_EQ(columns, row.columns) << row.fault;
        EXPECT_EQ(down, row.rows) << row.fault;
        // Row by row, left to right.
        const size_t across = row.columns.size() / 2;
        ASSERT_EQ(plan.parts.size(), across * (row.rows.size() / 2)) << row.fault;
        for (size_t i = 0; i < plan.parts.size(); ++i) {
            const PagePart& part = plan.parts[i];
            EXPECT_EQ(std::tuple(part.x, part.y, part.width, part.height),
                      std::tuple(row.columns[i % across * 2], row.rows[i / across * 2],
                                 row.columns[i % across * 2 + 1], row.rows[i / across * 2 + 1]))
                << row.fault << " part " << i;
        }
        EXPECT_EQ(SheetsLabel(plan), QStringLiteral("Sheets: %1 x %2 per page")
                                         .arg(row.columns.size() / 2)
                                         .arg(row.rows.size() / 2)) << row.fault;
    }
    // An overlap as long as the narrower part is refused, with its lengths.
    EnglishNumbers english;
    const SplitPlan refused = PlanSplit(100, 100, 100, area, 4.0f);
    EXPECT_EQ(refused.refusal, SplitRefusal::OverlapTooLarge);
    EXPECT_EQ(SplitRefusalText(refused, 100, 9).value_or(QString()),
              "The overlap (101.60 mm) must be shorter than a part (101.60 mm).");
    EXPECT_EQ(PlanSplit(100, 100, 100, area, 3.99f).refusal, SplitRefusal::None);
    EXPECT_EQ(PlanSplit(100, 100, 100, area, -0.1f).refusal, SplitRefusal::NegativeOverlap);
    EXPECT_EQ(PlanSplit(100000, 100, 100, area, 3.98f).refusal, SplitRefusal::TooManySheets);

    // The marks of the middle part of three: where the left neighbour ends
    // (0.1 in in) and where the right one begins (3.9 in in), at both edges.
    const SplitPlan wide = PlanSplit(900, 430, 100, area, 0.1f);
    const std::vector<PrintLine> marks = TrimMarks(wide, wide.parts[1], 100, 2.0f, 2.75f);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_FLOAT_EQ(marks[0].x1, 2.1f);
    EXPECT_FLOAT_EQ(marks[1].y1, 2.75f + 4.3f);
    EXPECT_FLOAT_EQ(marks[2].x1, 5.9f);
}

TEST(PrintLayout, FitScalesDownOnlyAndWarnsOfCutOffPages)
{
    const PrintArea area = TileArea(8.0f, 10.5f, 0.25f, 0.3f);  // 7.5 x 9.4 in
    EXPECT_FLOAT_EQ(FitScale(10.0f, 12.0f, area), 0.75f);  // the width decides
    EXPECT_FLOAT_EQ(FitScale(5.0f, 18.8f, area), 0.5f);    // the height decides
    EXPECT_FLOAT_EQ(FitScale(7.0f, 9.0f, area), 1.0f);     // never scaled up

    // The bars at true length: 50 mm in five steps, then 2 in in four, each
    // after the label before it.
    const ScaleBarLayout bars = LayOutScaleBars(0.3f, 10.0f, 0.4f, 0.1f);
    ASSERT_EQ(bars.lines.size(), 1u + 6u + 1u + 5u);
    EXPECT_NEAR(bars.lines[0].x2 - bars.lines[0].x1, 50 / 25.4, 1e-5);
    EXPECT_NEAR(bars.lines[2].x1 - bars.lines[1].x1, 10 / 25.4, 1e-5);
    EXPECT_NEAR(bars.lines[7].x2 - bars.lines[7].x1, 2.0, 1e-5);
    EXPECT_NEAR(bars.lines[9].x1 - bars.lines[8].x1, 0.5, 1e-5);
    EXPECT_GT(bars.lines[7].x1, bars.metricLabelX + 0.4f);
    EXPECT_FLOAT_EQ(bars.labelTop, 9.9f);

    PrintSettings s;
    s.PrintWidth = 8.0f;
    s.PrintHeight = 10.5f;
    s.HOffset = 0.25f;
    s.VOffset = 0.3f;
    for (const auto& [tileMode, fit, page, warned] :
         {std::tuple(0, false, PageInches{7.6f, 2.0f}, true), {0, true, PageInches{2.0f, 9.5f}, true},
          {1, true, PageInches{7.6f, 9.5f}, false}, {1, false, PageInches{7.5f, 9.4f}, false},
          {SplitTileMode, false, PageInches{20.0f, 20.0f}, false}}) {
        s.TileMode = tileMode;
        s.FitToSheet = fit;
        EXPECT_EQ(CutOffWarning(s, page).has_value(), warned) << tileMode << fit;
    }
}
