// Where a region lies: its shape traced from its runs (rectangles and
// boundary) checked against the page's pixels one by one, and the control
// outlining, flashing and scrolling to a region without touching the page.
#include "CanvasFixture.h"

#include "render/RegionOutline.h"
#include "render/RegionRunIndex.h"

#include <QApplication>
#include <QElapsedTimer>
#include <set>
#include <tuple>

namespace {

struct ShapeRow {
    const char* fault;
    std::vector<const char*> art;  // one letter per pixel: its region 'a' + n is n + 1
    int region;
    int padding;  // words past each row's end
};

// The page words of the art, each row `padding` words wider than the art.
std::vector<std::uint32_t> Words(const ShapeRow& row, int& width, std::size_t& stride)
{
    width = int(std::strlen(row.art[0]));
    stride = std::size_t(width + row.padding);
    std::vector<std::uint32_t> words(stride * row.art.size(), PagePixel(90, 77, 255));
    for (std::size_t y = 0; y < row.art.size(); ++y)
        for (int x = 0; x < width; ++x)
            words[y * stride + std::size_t(x)] = PagePixel(int(3 * x + y), row.art[y][x] - 'a' + 1, 255);
    return words;
}

using Unit = std::tuple<int, int, bool>;  // corner (x, y) and whether the unit runs down from it

class RegionShapes : public ::testing::TestWithParam<ShapeRow> {};

}  // namespace

TEST_P(RegionShapes, CoverExactlyTheRegionsPixelsAndOutlineItsBoundary)
{
    const ShapeRow& row = GetParam();
    int width = 0;
    std::size_t stride = 0;
    const std::vector<std::uint32_t> words = Words(row, width, stride);
    const int height = int(row.art.size());
    const auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && row.art[size_t(y)][x] - 'a' + 1 == row.region;
    };

    // The reference: the region's pixels, their box, and every pixel side
    // between a region pixel and any other.
    std::set<std::pair<int, int>> pixels;
    std::set<Unit> boundary;
    PageBox box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (!in(x, y)) continue;
            pixels.insert({x, y});
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
            if (!in(x, y - 1)) boundary.insert({x, y, false});
            if (!in(x, y + 1)) boundary.insert({x, y + 1, false});
            if (!in(x - 1, y)) boundary.insert({x, y, true});
            if (!in(x + 1, y)) boundary.insert({x + 1, y, true});
        }

    RegionRunIndex index;
    ASSERT_TRUE(index.Build(words.data(), stride, width, height, 1 << 20));
    const std::vector<PixelRun> scanned = ScanRegionRuns(words.data(), stride, width, height, row.region);
    ASSERT_EQ(scanned.size(), index.Runs(row.region).size()) << "reading the page finds the indexed runs";
    const RegionShape shape = TraceRegion(scanned, stride);

    std::multiset<std::pair<int, int>> covered;
    for (const PageBox& r : shape.rects)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) covered.insert({x, y});
    EXPECT_EQ(covered, (std::multiset<std::pair<int, int>>(pixels.begin(), pixels.end())));

    std::set<Unit> traced;
    for (const OutlineEdge& e : shape.edges) {
        ASSERT_TRUE(e.x1 == e.x2 || e.y1 == e.y2);
        for (int x = e.x1; x < e.x2; ++x) EXPECT_TRUE(traced.insert({x, e.y1, false}).second) << "no piece twice";
        for (int y = e.y1; y < e.y2; ++y) EXPECT_TRUE(traced.insert({e.x1, y, true}).second) << "no piece twice";
    }
    EXPECT_EQ(traced, boundary);
    if (pixels.empty()) return;
    EXPECT_EQ(std::tie(shape.box.left, shape.box.top, shape.box.right, shape.box.bottom),
              std::tie(box.left, box.top, box.right, box.bottom));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RegionShapes,
    ::testing::Values(
        ShapeRow{"ShiftedRowsAreNotMergedIntoOneRect", {"aabbbba", "abbbbaa", "aaabbbb", "aaaaaab"}, 2, 0},
        ShapeRow{"TwoPiecesOfOneRowAndAHole", {"cccccccc", "cadddcac", "cadadcdc", "cadddcac", "cccccccc"}, 4, 3},
        ShapeRow{"PixelsTouchingOnlyAtCorners", {"eaf", "aea", "fae"}, 5, 1},
        ShapeRow{"RegionAbsentGivesNothing", {"abc", "cba"}, 9, 0},
        ShapeRow{"RowsMissingBetweenParts", {"ggzz", "zzzz", "zggg", "zgzg"}, 7, 2}),
    [](const auto& info) { return std::string(info.param.fault); });

// A page of regions distinct in size and place: region 40 a block at
// (30, 12) 24 x 10, region 41 a small one at (5, 50) 6 x 4.
class RegionShowing : public CanvasFixture {
protected:
    static QImage Page()
    {
        QImage page = UniformPage(160, 90, 100, 0, 255);
        for (int y = 12; y < 22; ++y)
            for (int x = 30; x < 54; ++x) page.setPixel(x, y, PagePixel(x, 40, 255));
        for (int y = 50; y < 54; ++y)
            for (int x = 5; x < 11; ++x) page.setPixel(x, y, PagePixel(y, 41, 200));
        return page;
    }
    QImage shown() const { return view()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(RegionShowing, OutlineAndFlashLeaveThePageAsItWasAndTheFlashScrollsToTheRegion)
{
    showPage(Page(), 400);  // 640 x 360 in a 400 x 300 canvas
    QApplication::processEvents();
    const QImage page = canvas->CanvasImage();
    const QImage before = shown();

    // The block's top left corner lies at view (120, 48): the outline runs
    // over it, and stays off the middle of the block.
    canvas->ShowRegionOutline(40);
    QApplication::processEvents();
    QImage outlined = shown();
    EXPECT_NE(outlined.pixel(120, 60), before.pixel(120, 60));
    EXPECT_NE(outlined.pixel(150, 48), before.pixel(150, 48));
    EXPECT_EQ(outlined.pixel(160, 66), before.pixel(160, 66));
    EXPECT_EQ(outlined.pixel(100, 30), before.pixel(100, 30));
    canvas->ShowRegionOutline(0);
    QApplication::processEvents();
    EXPECT_EQ(shown(), before);

    // Region 41 lies at view (20, 200) to (44, 216), out of sight at the
    // view's scroll position: the flash brings it into the viewport.
    auto* h = canvas->findChild<QScrollBar*>("hscPicture");
    auto* v = canvas->findChild<QScrollBar*>("vscPicture");
    ASSERT_TRUE(h && v && h->isVisible() && v->isVisible());
    ASSERT_TRUE(canvas->FlashRegion(41));
    const QPoint viewAt = view()->pos();
    const int visibleWidth = viewport()->width() - v->width();
    const int visibleHeight = viewport()->height() - h->height();
    EXPECT_GE(viewAt.x() + 20, 0);
    EXPECT_LE(viewAt.x() + 44, visibleWidth);
    EXPECT_GE(viewAt.y() + 200, 0);
    EXPECT_LE(viewAt.y() + 216, visibleHeight);
    QApplication::processEvents();
    EXPECT_NE(shown().pixel(30, 208), page.pixel(7, 52)) << "the region's pixels flash";
    EXPECT_FALSE(canvas->FlashRegion(9)) << "a region the page lacks";

    // About a second later the view shows the page alone again.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1200) QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(canvas->CanvasImage(), page) << "the coloured page itself is never touched";
    EXPECT_EQ(shown().pixel(30, 208), page.pixel(7, 52)) << "after the flash the region is plain again";
}
