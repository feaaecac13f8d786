#include "RatioReporter.h"

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
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
