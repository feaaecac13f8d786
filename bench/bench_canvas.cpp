// The five figures of the canvas's speed and memory, each a ratio to a
// yardstick measured in the same process, so that the machine's own speed
// cancels out:
//   render_full_vs_memcpy      RenderRKVPage of the whole page, every region
//                              changed, against one memcpy of the page's bytes
//   recolour_region_vs_memcpy  one region of about 5% of the page given a new
//                              colour, rendered and the view repainted at 100%
//                              in a 1280 x 800 viewport, against the memcpy
//   zoom_relayout_vs_memcpy    the zoom written from 100 to 50, with its layout
//                              and the paint of the visible view, against the
//                              memcpy
//   open_page_vs_decode        LoadRKVImage of a PNG page, RenderRKVPage and the
//                              zoom write (painted), against QImage reading the
//                              same PNG file alone
//   peak_rss_vs_page_bytes     the process's peak resident memory while showing
//                              the page, less its resident memory before
//                              loading, against the page's W x H x 4 bytes
// The page is a generated Letter sheet at 300 pixels per inch (2550 x 3300) in
// the Cottage's colours. Times are medians of 10 repetitions.
#include "RatioReporter.h"

#include "modelgen/core/BenchmarkPages.h"
#include "modelgen/core/CottageRegions.h"
#include "view/RKV3CanvasCtl.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int PageWidth = 2550;
constexpr int PageHeight = 3300;
constexpr int ViewportWidth = 1280;
constexpr int ViewportHeight = 800;

// Counts the paints of the view, so a benchmark can show that it painted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

struct Setup {
    QTemporaryDir dir;
    QString pagePath;
    QImage page;
    std::vector<std::uint32_t> copy;
    ColorScheme scheme = CottageScheme();
    int region = 1;           // the region closest to 5% of the page
    double regionShare = 0;

    Setup() : page(MakeBenchmarkPage(PageWidth, PageHeight, 1).convertToFormat(QImage::Format_RGB32))
    {
        pagePath = dir.filePath(QStringLiteral("page.png"));
        page.save(pagePath);
        copy.resize(std::size_t(PageWidth) * PageHeight);
        std::array<std::size_t, 256> counts{};
        for (int y = 0; y < page.height(); ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(page.constScanLine(y));
            for (int x = 0; x < page.width(); ++x) ++counts[(row[x] >> 8) & 0xFF];
        }
        const double pixels = double(PageWidth) * PageHeight;
        for (int r = 1; r < 256; ++r)
            if (std::abs(counts[r] / pixels - 0.05) < std::abs(regionShare - 0.05)) {
                region = r;
                regionShare = counts[r] / pixels;
            }
    }
    std::size_t bytes() const { return copy.size() * sizeof(std::uint32_t); }
};

Setup& setup()
{
    static Setup instance;
    return instance;
}

void applyScheme(RKV3CanvasCtl& canvas, int offsetShift)
{
    const Setup& s = setup();
    for (int r = ColorScheme::FirstRegion; r <= ColorScheme::LastRegion; ++r)
        canvas.UpdatePaletteColor(short(r), s.scheme.at(r).colorValue(),
                                  short(s.scheme.at(r).offset + offsetShift));
}

// A control whose viewport is 1280 x 800, shown, with the Cottage's colours.
std::unique_ptr<RKV3CanvasCtl> makeCanvas()
{
    auto canvas = std::make_unique<RKV3CanvasCtl>();
    const int frame = canvas->frameWidth();
    canvas->resize(ViewportWidth + 2 * frame, ViewportHeight + 2 * frame);
    canvas->show();
    applyScheme(*canvas, 0);
    QApplication::processEvents();
    return canvas;
}

// The page opened as the viewer opens it: loaded, coloured, zoom written.
void openPage(RKV3CanvasCtl& canvas, double zoom)
{
    canvas.LoadRKVImage(setup().pagePath);
    canvas.RenderRKVPage();
    canvas.setZoom(zoom);
    QApplication::processEvents();
}

void BM_Memcpy(benchmark::State& state)
{
    Setup& s = setup();
    for (auto _ : state) {
        std::memcpy(s.copy.data(), s.page.constBits(), s.bytes());
        benchmark::DoNotOptimize(s.copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(s.bytes()));
}

void BM_RenderFull(benchmark::State& state)
{
    auto canvas = makeCanvas();
    openPage(*canvas, 100);
    int shift = 0;
    for (auto _ : state) {
        state.PauseTiming();
        shift ^= 1;
        applyScheme(*canvas, shift);  // every region changed
        state.ResumeTiming();
        canvas->RenderRKVPage();
    }
    QApplication::processEvents();
}

void BM_RecolorRegion(benchmark::State& state)
{
    const Setup& s = setup();
    auto canvas = makeCanvas();
    openPage(*canvas, 100);
    PaintCounter counter;
    canvas->findChild<QWidget*>(QStringLiteral("picView"))->installEventFilter(&counter);
    int step = 0;
    for (auto _ : state) {
        ++step;
        canvas->UpdatePaletteColor(short(s.region), 0x204080 + 0x010203 * (step % 64), -127);
        canvas->RenderRKVPage();
        QApplication::processEvents();
    }
    state.counters["paints"] = double(counter.paints) / double(state.iterations());
    state.counters["region_share"] = s.regionShare;
}

void BM_ZoomTo50(benchmark::State& state)
{
    auto canvas = makeCanvas();
    openPage(*canvas, 100);
    for (auto _ : state) {
        state.PauseTiming();
        canvas->setZoom(100);
        QApplication::processEvents();
        state.ResumeTiming();
        canvas->setZoom(50);
        QApplication::processEvents();
    }
}

void BM_OpenPage(benchmark::State& state)
{
    auto canvas = makeCanvas();
    for (auto _ : state) openPage(*canvas, 100);
}

void BM_DecodePng(benchmark::State& state)
{
    for (auto _ : state) {
        QImageReader reader(setup().pagePath);
        QImage image = reader.read();
        benchmark::DoNotOptimize(image.constBits());
    }
}

RKV_FIGURE(BM_Memcpy);
RKV_FIGURE(BM_RenderFull);
RKV_FIGURE(BM_RecolorRegion);
RKV_FIGURE(BM_ZoomTo50);
RKV_FIGURE(BM_DecodePng);
RKV_FIGURE(BM_OpenPage);

long statusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, n, field) == 0) return std::stol(line.substr(n + 1));
    return -1;
}

// The page opened, recoloured and zoomed in a fresh control; the peak
// resident memory meanwhile, less the resident memory before the load.
// The kernel's peak is reset first (clear_refs 5), so that nothing the
// process did before counts.
double peakRssRatio()
{
    auto canvas = makeCanvas();
    {
        std::ofstream reset("/proc/self/clear_refs");
        reset << "5";
    }
    const long before = statusKilobytes("VmRSS:");
    openPage(*canvas, 100);
    canvas->UpdatePaletteColor(short(setup().region), 0x3060C0, -127);
    canvas->RenderRKVPage();
    QApplication::processEvents();
    canvas->setZoom(50);
    QApplication::processEvents();
    canvas->setZoom(100);
    QApplication::processEvents();
    const long peak = statusKilobytes("VmHWM:");
    return double(peak - before) * 1024.0 / double(setup().bytes());
}

}  // namespace

int main(int argc, char** argv)
{
    double rss = 0;
    return RunBenchmarks(
        argc, argv,
        [&] {
            setup();  // the page and its file, made before anything is measured
            rss = peakRssRatio();
        },
        [&](const RatioReporter& reporter) {
            printFigure("render_full_vs_memcpy", reporter.medianRatio("BM_RenderFull", "BM_Memcpy"));
            printFigure("recolour_region_vs_memcpy",
                        reporter.medianRatio("BM_RecolourRegion", "BM_Memcpy"));
            printFigure("zoom_relayout_vs_memcpy", reporter.medianRatio("BM_ZoomTo50", "BM_Memcpy"));
            printFigure("open_page_vs_decode", reporter.medianRatio("BM_OpenPage", "BM_DecodePng"));
            printFigure("peak_rss_vs_page_bytes", rss);
        });
}
