// How long a file manager waits for the thumbnail of the sample model: one
// whole run of the exporter, as the thumbnailer entry starts it, on the
// Cottage model at the largest usual size (256 pixels). The target is well
// under a second:
//   thumbnail_ms   the fastest run, in milliseconds, start to exit
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void BM_Thumbnail(benchmark::State& state)
{
    const QString folder = QCoreApplication::applicationDirPath();
    QTemporaryDir out;
    const QStringList arguments{QStringLiteral("--thumbnail"), QStringLiteral("256"),
                                folder + QStringLiteral("/models/Cottage/Cottage.RKV3"),
                                out.filePath(QStringLiteral("thumbnail.png"))};
    for (auto _ : state) {
        if (QProcess::execute(folder + QStringLiteral("/rkv3export"), arguments) != 0) {
            state.SkipWithError("rkv3export --thumbnail failed");
            break;
        }
    }
}
BENCHMARK(BM_Thumbnail)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [] {}, [](const RatioReporter& reporter) {
        if (const auto seconds = reporter.secondsPerIteration("BM_Thumbnail"))
            std::printf("thumbnail_ms: %.1f\n", *seconds * 1000.0);
        else
            std::printf("thumbnail_ms: not measured (BM_Thumbnail did not run)\n");
    });
}
