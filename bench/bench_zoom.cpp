// How long zooming a full-size page in to 400 % takes, as a ratio to a
// yardstick measured in the same process, so that the machine's own speed
// cancels out:
//   zoom_400_relayout_vs_memcpy  the zoom written from 100 to 400 on a shown
//                                control with a 1280 x 800 viewport (the view
//                                sized and placed, the scroll bars laid out,
//                                and the visible part of the page painted),
//                                against one memcpy of the view's bytes at
//                                100 %, that is the page's W x H x 4 bytes,
//                                the same yardstick as zoom_relayout_vs_memcpy
//                                of bench_canvas.
// The page is a generated Letter sheet at 300 pixels per inch (2550 x 3300)
// in the Cottage's colours; at 400 % its view is 10200 x 13200 pixels, 16
// times the page's bytes (some 540 MB). A zoom that made the whole view
// would take many times the yardstick; one that scales only the part on the
// screen stays below it. The target is at most 2.0.
//   outline_follow_vs_memcpy     one step of the pointer over the page with
//                                the inspector at 100 %: the region under it
//                                read, its outline traced and the view
//                                repainted, against the same memcpy. The
//                                steps walk a diagonal of the viewport, so
//                                most land on a region other than the last.
//                                The target is at most 1.0: a step costs less
//                                than copying the page once, well inside a
//                                screen refresh.
// For reference the run also prints the same time against a memcpy of the
// viewport's own bytes (1280 x 800 x 4, cache-warm): how far the paint is
// from writing the pixels on the screen once.
// Times are medians of 10 repetitions.
#include "RatioReporter.h"

#include "modelgen/core/BenchmarkPages.h"
#include "modelgen/core/CottageRegions.h"
#include "view/RKV3CanvasCtl.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int PageWidth = 2550;
constexpr int PageHeight = 3300;
constexpr int ViewportWidth = 1280;
constexpr int ViewportHeight = 800;

struct Setup {
    QTemporaryDir dir;
    QString pagePath;
    QImage page;
    // What the viewport shows; the memory the page or the viewport is
    // copied into.
    std::vector<std::uint32_t> screen, copy;

    Setup()
        : page(MakeBenchmarkPage(PageWidth, PageHeight, 1).convertToFormat(QImage::Format_RGB32)),
          screen(std::size_t(ViewportWidth) * ViewportHeight), copy(std::size_t(PageWidth) * PageHeight)
    {
        pagePath = dir.filePath(QStringLiteral("page.png"));
        page.save(pagePath);
        for (std::size_t i = 0; i < screen.size(); ++i) screen[i] = std::uint32_t(i * 2654435761u);
    }
    std::size_t pageBytes() const { return std::size_t(page.sizeInBytes()); }
    std::size_t screenBytes() const { return screen.size() * sizeof(std::uint32_t); }
};

Setup& setup()
{
    static Setup instance;
    return instance;
}

// A shown control whose viewport is 1280 x 800, with the page opened in the
// Cottage's colours as the viewer opens it, at 100 %.
std::unique_ptr<RKV3CanvasCtl> openCanvas()
{
    auto canvas = std::make_unique<RKV3CanvasCtl>();
    const int frame = canvas->frameWidth();
    canvas->resize(ViewportWidth + 2 * frame, ViewportHeight + 2 * frame);
    canvas->show();
    const ColorScheme scheme = CottageScheme();
    for (int r = ColorScheme::FirstRegion; r <= ColorScheme::LastRegion; ++r)
        canvas->UpdatePaletteColor(short(r), scheme.at(r).colorValue(), short(scheme.at(r).offset));
    canvas->LoadRKVImage(setup().pagePath);
    canvas->RenderRKVPage();
    canvas->setZoom(100);
    QApplication::processEvents();
    return canvas;
}

void copyBytes(benchmark::State& state, const void* from, std::size_t bytes)
{
    Setup& s = setup();
    for (auto _ : state) {
        std::memcpy(s.copy.data(), from, bytes);
        benchmark::DoNotOptimize(s.copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}

void BM_PageMemcpy(benchmark::State& state)
{
    copyBytes(state, setup().page.constBits(), setup().pageBytes());
}

void BM_ViewportMemcpy(benchmark::State& state)
{
    copyBytes(state, setup().screen.data(), setup().screenBytes());
}

void BM_ZoomTo400(benchmark::State& state)
{
    auto canvas = openCanvas();
    for (auto _ : state) {
        state.PauseTiming();
        canvas->setZoom(100);
        QApplication::processEvents();
        state.ResumeTiming();
        canvas->setZoom(400);
        QApplication::processEvents();
    }
}

void BM_OutlineFollow(benchmark::State& state)
{
    auto canvas = openCanvas();
    int step = 0;
    for (auto _ : state) {
        // 97 points on the viewport's diagonal, visited in a fixed order.
        const float t = float((step++ * 37) % 97) / 96.0f;
        const uchar region = canvas->GetRegionValue(t * (ViewportWidth - 1), t * (ViewportHeight - 1), 1);
        canvas->ShowRegionOutline(region);
        QApplication::processEvents();
    }
}

RKV_FIGURE(BM_PageMemcpy);
RKV_FIGURE(BM_ViewportMemcpy);
RKV_FIGURE(BM_ZoomTo400);
RKV_FIGURE(BM_OutlineFollow);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(
        argc, argv, [] { setup(); },
        [](const RatioReporter& reporter) {
            printFigure("zoom_400_relayout_vs_memcpy", reporter.medianRatio("BM_ZoomTo400", "BM_PageMemcpy"));
            printFigure("outline_follow_vs_memcpy", reporter.medianRatio("BM_OutlineFollow", "BM_PageMemcpy"));
            printFigure("zoom_400_relayout_vs_viewport_memcpy (for reference)",
                        reporter.medianRatio("BM_ZoomTo400", "BM_ViewportMemcpy"));
        });
}
