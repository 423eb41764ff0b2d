// A console reporter that also keeps each benchmark's time per iteration, so that a program can
// print ratios between benchmarks measured in the same run.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    enum class Clock { Cpu, Wall };

    // CPU time suits a machine that is often shared; wall time, work that waits on the system.
    explicit RecordingReporter(Clock clock) : clock_(clock) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                nanosecondsPerIteration[run.benchmark_name()] =
                    (clock_ == Clock::Cpu ? run.GetAdjustedCPUTime()
                                          : run.GetAdjustedRealTime()) *
                    1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> nanosecondsPerIteration;

private:
    Clock clock_;
};
