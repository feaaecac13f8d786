// Printing a big page split across sheets, in bounded memory and time:
//   split_time_vs_png_write   rkv3export splitting an A1 page at 300 pixels
//                             per inch (7016 x 9933) onto A4 sheets as a PDF,
//                             against rkv3export writing the same page once
//                             as a PNG (both open, load and colour the page)
//   split_peak_vs_page_bytes  the split's peak resident memory, less that of
//                             the same split of a 16 x 16 page (the program
//                             itself), against the page's W x H x 4 bytes
// Each export runs as a process of its own, so its peak memory (from wait4)
// is its own; times are medians of three runs. Target: the memory figure at
// most 3, the time figure of order 1.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int PageWidth = 7016;
constexpr int PageHeight = 9933;
constexpr int Resolution = 300;
constexpr int Runs = 3;

struct Outcome {
    bool ok = false;
    double seconds = 0;
    double peakBytes = 0;
};

// Runs a program to its end with its output dropped: its wall time and its
// peak resident memory.
Outcome runProgram(const QString& program, const QStringList& arguments)
{
    std::vector<std::string> words{program.toStdString()};
    for (const QString& argument : arguments) words.push_back(argument.toStdString());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) return {};
    if (child == 0) {
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(127);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return {};
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return {ok, seconds, double(usage.ru_maxrss) * 1024.0};
}

// The median of the runs' times and of their peaks; not ok when any failed.
Outcome median(const QString& program, const QStringList& arguments)
{
    std::vector<double> times, peaks;
    for (int i = 0; i < Runs; ++i) {
        const Outcome run = runProgram(program, arguments);
        if (!run.ok) return {};
        times.push_back(run.seconds);
        peaks.push_back(run.peakBytes);
    }
    std::sort(times.begin(), times.end());
    std::sort(peaks.begin(), peaks.end());
    return {true, times[Runs / 2], peaks[Runs / 2]};
}

bool makeModel(const QString& generator, const QString& folder, int width, int height)
{
    return runProgram(generator, {QStringLiteral("--resolution"), QString::number(Resolution),
                                  QStringLiteral("--name"), QStringLiteral("Big"), QStringLiteral("--count"),
                                  QStringLiteral("1"), QStringLiteral("--width"), QString::number(width),
                                  QStringLiteral("--height"), QString::number(height), QStringLiteral("pages"),
                                  folder})
        .ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString exporter = programs.filePath(QStringLiteral("rkv3export"));
    const QString generator = programs.filePath(QStringLiteral("RKVModelGen"));
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("a1")), small = dir.filePath(QStringLiteral("small"));
    if (!dir.isValid() || !makeModel(generator, big, PageWidth, PageHeight) || !makeModel(generator, small, 16, 16)) {
        std::fprintf(stderr, "bench_print: the sample models could not be made with %s\n", qPrintable(generator));
        return 1;
    }
    const auto split = [&](const QString& folder) {
        return median(exporter, {folder + QStringLiteral("/Big.RKV3"), QStringLiteral("-o"),
                                 folder + QStringLiteral("/split.pdf"), QStringLiteral("--paper"), QStringLiteral("a4"),
                                 QStringLiteral("--layout"), QStringLiteral("split"), QStringLiteral("-q")});
    };
    const Outcome bigSplit = split(big);
    const Outcome smallSplit = split(small);
    const Outcome png = median(exporter, {big + QStringLiteral("/Big.RKV3"), QStringLiteral("-o"),
                                          big + QStringLiteral("/png"), QStringLiteral("-f"), QStringLiteral("png"),
                                          QStringLiteral("-q")});
    if (!bigSplit.ok || !smallSplit.ok || !png.ok) {
        std::fprintf(stderr, "bench_print: an export failed\n");
        return 1;
    }
    const double pageBytes = double(PageWidth) * PageHeight * 4;
    std::printf("A1 page at %d ppi (%d x %d, %.0f MB) split onto A4 sheets:\n", Resolution, PageWidth, PageHeight,
                pageBytes / 1e6);
    std::printf("  split %.2f s, peak %.0f MB (the program alone %.0f MB); PNG %.2f s, peak %.0f MB\n",
                bigSplit.seconds, bigSplit.peakBytes / 1e6, smallSplit.peakBytes / 1e6, png.seconds,
                png.peakBytes / 1e6);
    std::printf("%-26s %6.2f  (target: of order 1)\n", "split_time_vs_png_write", bigSplit.seconds / png.seconds);
    std::printf("%-26s %6.2f  (target: <= 3.0)\n", "split_peak_vs_page_bytes",
                (bigSplit.peakBytes - smallSplit.peakBytes) / pageBytes);
    return 0;
}
