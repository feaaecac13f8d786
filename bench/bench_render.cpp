// How long colouring one page takes compared with merely copying its bytes.
// The page is a generated Letter sheet at 300 pixels per inch (2550 x 3300)
// coloured through a region palette holding the Cottage's colours, once by
// the canvas control's RenderRKVPage (page shown at 100 per cent, as the
// viewer starts, every region's colour changed before each render) and once
// by the per-pixel loop alone on one thread; the copy moves the
// same number of bytes with memcpy. After the benchmarks the ratio of the
// control's render to the copy is printed on a line of its own, and the
// loop's own ratio below it.
#include "RatioReporter.h"

#include "modelgen/core/BenchmarkPages.h"
#include "modelgen/core/CottageRegions.h"
#include "render/PageRenderer.h"
#include "render/RegionPalette.h"
#include "view/RKV3CanvasCtl.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int PageWidth = 2550;
constexpr int PageHeight = 3300;

struct PageData {
    QImage page;
    std::vector<std::uint32_t> output;
    RKV3Canvas::RegionPalette palette;

    PageData() : page(MakeBenchmarkPage(PageWidth, PageHeight, 1)), output(std::size_t(PageWidth) * PageHeight)
    {
        const ColorScheme scheme = CottageScheme();
        for (int r = ColorScheme::FirstRegion; r <= ColorScheme::LastRegion; ++r)
            palette.UpdatePaletteColor(r, scheme.at(r).colorValue(), std::int16_t(scheme.at(r).offset));
    }

    const std::uint32_t* pixels() const { return reinterpret_cast<const std::uint32_t*>(page.constBits()); }
    std::size_t stride() const { return std::size_t(page.bytesPerLine() / 4); }
    std::size_t bytes() const { return output.size() * sizeof(std::uint32_t); }
};

PageData& data()
{
    static PageData instance;
    return instance;
}

void BM_RenderPage(benchmark::State& state)
{
    PageData& d = data();
    for (auto _ : state) {
        RenderPixelRows(d.pixels(), d.stride(), d.output.data(), PageWidth, PageWidth, PageHeight, d.palette);
        benchmark::DoNotOptimize(d.output.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(d.bytes()));
}

// The control as the viewer drives it: the page loaded from a file and shown
// at 100 per cent, then coloured again as after a region colour change.
void BM_RenderRKVPage(benchmark::State& state)
{
    PageData& d = data();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.png"));
    if (!d.page.save(path)) {
        state.SkipWithError("cannot write the page file");
        return;
    }
    RKV3CanvasCtl canvas;
    canvas.resize(1000, 760);
    canvas.show();
    const ColorScheme scheme = CottageScheme();
    for (int r = ColorScheme::FirstRegion; r <= ColorScheme::LastRegion; ++r)
        canvas.UpdatePaletteColor(short(r), scheme.at(r).colorValue(), short(scheme.at(r).offset));
    canvas.LoadRKVImage(path);
    canvas.RenderRKVPage();
    canvas.setZoom(100);
    int shift = 0;
    for (auto _ : state) {
        // Every region changed, as after a scheme is loaded, so the whole
        // page is coloured again.
        state.PauseTiming();
        shift ^= 1;
        for (int r = ColorScheme::FirstRegion; r <= ColorScheme::LastRegion; ++r)
            canvas.UpdatePaletteColor(short(r), scheme.at(r).colorValue(), short(scheme.at(r).offset + shift));
        state.ResumeTiming();
        canvas.RenderRKVPage();
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(d.bytes()));
}

void BM_MemcpyPage(benchmark::State& state)
{
    PageData& d = data();
    for (auto _ : state) {
        std::memcpy(d.output.data(), d.pixels(), d.bytes());
        benchmark::DoNotOptimize(d.output.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(d.bytes()));
}

BENCHMARK(BM_RenderRKVPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(
        argc, argv,
        [] { data(); },  // the page, made before timing starts so neither benchmark pays for it
        [](const RatioReporter& reporter) {
            if (const auto ratio = reporter.ratio("BM_RenderRKVPage", "BM_MemcpyPage"))
                std::printf("render/memcpy ratio: %.2f\n", *ratio);
            else
                std::printf("render/memcpy ratio: not measured (both BM_RenderRKVPage and "
                            "BM_MemcpyPage must run)\n");
            if (const auto ratio = reporter.ratio("BM_RenderPage", "BM_MemcpyPage"))
                std::printf("per-pixel loop/memcpy ratio: %.2f\n", *ratio);
        });
}
