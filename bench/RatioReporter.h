#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

// Console output as usual, and besides that the fastest time per iteration
// of every benchmark, so two of them can be compared after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Seconds per iteration of the named benchmark (its fastest repetition),
    // or nothing when it did not run or failed.
    std::optional<double> secondsPerIteration(const std::string& name) const;

    // numerator time / denominator time, when both ran.
    std::optional<double> ratio(const std::string& numerator, const std::string& denominator) const;

private:
    std::map<std::string, double> best_;
};
