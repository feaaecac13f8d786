#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <optional>
#include <string>

// Console output as usual, and besides that the fastest time per iteration
// of every benchmark and the median of repeated ones, so two of them can be
// compared after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colour and tabular counters as the usual console output would choose
    // them from the command line (--benchmark_color, default auto: colour
    // only on a terminal; --benchmark_counters_tabular). Read the arguments
    // before benchmark::Initialize removes them.
    static OutputOptions optionsFromArguments(int argc, char** argv);

    explicit RatioReporter(OutputOptions options) : benchmark::ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration of the named benchmark (its fastest repetition),
    // or nothing when it did not run or failed.
    std::optional<double> secondsPerIteration(const std::string& name) const;

    // numerator time / denominator time, when both ran.
    std::optional<double> ratio(const std::string& numerator, const std::string& denominator) const;

    // The same with the median real times of benchmarks run with
    // repetitions (their "median" aggregates).
    std::optional<double> medianRatio(const std::string& numerator,
                                      const std::string& denominator) const;

private:
    std::map<std::string, double> best_;
    std::map<std::string, double> median_;
};

// The whole run of a benchmark program: the offscreen platform unless the
// environment names another, the application the canvas needs, the command
// line, then prepare() (what must exist before anything is timed), every
// benchmark through a RatioReporter, and report() with that reporter.
// Returns the program's exit status (1 for an unknown argument).
int RunBenchmarks(int argc, char** argv, const std::function<void()>& prepare,
                  const std::function<void(const RatioReporter&)>& report);

// One figure as the benchmarks print it: "name: 0.42", or "not measured".
void printFigure(const char* name, std::optional<double> value);

// A figure's benchmark: milliseconds of real time, medians of 10 repetitions.
#define RKV_FIGURE(name)                                                                     \
    BENCHMARK(name)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(0.3)             \
        ->Repetitions(10)->DisplayAggregatesOnly(true)
