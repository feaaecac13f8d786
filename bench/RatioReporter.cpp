#include "RatioReporter.h"

#include <QApplication>

#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

bool isTrue(const char* value)
{
    for (const char* word : {"true", "yes", "1", "t", "y", "on"})
        if (std::strcmp(value, word) == 0) return true;
    return false;
}

} // namespace

benchmark::ConsoleReporter::OutputOptions RatioReporter::optionsFromArguments(int argc, char** argv)
{
    const char* color = "auto";
    bool tabular = false;
    for (int i = 1; i < argc; ++i) {
        static const char colorFlag[] = "--benchmark_color=";
        static const char tabularFlag[] = "--benchmark_counters_tabular=";
        if (std::strncmp(argv[i], colorFlag, sizeof colorFlag - 1) == 0)
            color = argv[i] + sizeof colorFlag - 1;
        else if (std::strncmp(argv[i], tabularFlag, sizeof tabularFlag - 1) == 0)
            tabular = isTrue(argv[i] + sizeof tabularFlag - 1);
    }
    const bool useColor = std::strcmp(color, "auto") == 0 ? isatty(fileno(stdout)) != 0 : isTrue(color);
    int options = OO_None;
    if (useColor) options |= OO_Color;
    if (tabular) options |= OO_Tabular;
    return OutputOptions(options);
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred)
            median_[run.run_name.function_name] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0) continue;
        const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const std::string name = run.run_name.function_name;
        const auto it = best_.find(name);
        if (it == best_.end() || seconds < it->second) best_[name] = seconds;
    }
    benchmark::ConsoleReporter::ReportRuns(runs);
}

std::optional<double> RatioReporter::secondsPerIteration(const std::string& name) const
{
    const auto it = best_.find(name);
    if (it == best_.end()) return std::nullopt;
    return it->second;
}

std::optional<double> RatioReporter::ratio(const std::string& numerator, const std::string& denominator) const
{
    const auto top = secondsPerIteration(numerator);
    const auto bottom = secondsPerIteration(denominator);
    if (!top || !bottom || *bottom <= 0.0) return std::nullopt;
    return *top / *bottom;
}

std::optional<double> RatioReporter::medianRatio(const std::string& numerator,
                                                 const std::string& denominator) const
{
    const auto top = median_.find(numerator);
    const auto bottom = median_.find(denominator);
    if (top == median_.end() || bottom == median_.end() || bottom->second <= 0.0) return std::nullopt;
    return top->second / bottom->second;
}

int RunBenchmarks(int argc, char** argv, const std::function<void()>& prepare,
                  const std::function<void(const RatioReporter&)>& report)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RatioReporter reporter(RatioReporter::optionsFromArguments(argc, argv));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    prepare();
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    report(reporter);
    return 0;
}

void printFigure(const char* name, std::optional<double> value)
{
    if (value)
        std::printf("%s: %.2f\n", name, *value);
    else
        std::printf("%s: not measured\n", name);
}
