// How long a model's page name takes to resolve in a model folder of 20,000
// files, where the lookup must match names regardless of case. A window
// waits for each lookup, so each must take well under a second:
//   hostile_climb_ms   4 KB of "A/../" (the folder holds "a"), then a
//                      mis-cased "iMAGES/p01.png"
//   hostile_loop_ms    30 times "loop/" (a link to the folder itself), then
//                      a mis-cased name of the big folder
//   miscased_page_ms   a plain "images/P01.PNG" (the file is Images/P01.png)
// Each is the fastest of the timed lookups, in milliseconds; the listing of
// the big folder is most of it.
#include "RatioReporter.h"

#include "model/core/PathNames.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int FileCount = 20000;

// The model folder, made once before anything is timed; ends in "/".
const QString& modelFolder()
{
    static std::unique_ptr<QTemporaryDir> dir;
    static QString folder;
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        folder = dir->path() + QLatin1Char('/');
        QDir(folder).mkpath(QStringLiteral("a"));
        QDir(folder).mkpath(QStringLiteral("Images"));
        QFile::link(folder, folder + QStringLiteral("Loop"));
        QFile(folder + QStringLiteral("Images/P01.png")).open(QIODevice::WriteOnly);
        for (int i = 0; i < FileCount; ++i)
            QFile(folder + QStringLiteral("f%1.png").arg(i)).open(QIODevice::WriteOnly);
    }
    return folder;
}

void resolveEachIteration(benchmark::State& state, const QString& name)
{
    const QString& folder = modelFolder();
    for (auto _ : state) benchmark::DoNotOptimize(mdlRKVUtilities::ResolveRelativePath(folder, name));
}

void BM_HostileClimb(benchmark::State& state)
{
    resolveEachIteration(state, QStringLiteral("A/../").repeated(820) + QStringLiteral("iMAGES/p01.png"));
}

void BM_HostileLoop(benchmark::State& state)
{
    resolveEachIteration(state, QStringLiteral("loop/").repeated(30) + QStringLiteral("F19999.PNG"));
}

void BM_MiscasedPage(benchmark::State& state)
{
    resolveEachIteration(state, QStringLiteral("images/P01.PNG"));
}

BENCHMARK(BM_HostileClimb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MiscasedPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [] { modelFolder(); }, [](const RatioReporter& reporter) {
        for (const auto& [figure, name] : {std::pair{"hostile_climb_ms", "BM_HostileClimb"},
                                           std::pair{"hostile_loop_ms", "BM_HostileLoop"},
                                           std::pair{"miscased_page_ms", "BM_MiscasedPage"}}) {
            if (const auto seconds = reporter.secondsPerIteration(name))
                std::printf("%s: %.1f\n", figure, *seconds * 1000.0);
            else
                std::printf("%s: not measured (%s did not run)\n", figure, name);
        }
    });
}
