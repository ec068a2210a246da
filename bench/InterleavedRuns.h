#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Starts Google Benchmark with repetitions run in a random interleaving unless the command line
// says otherwise, so that a passing load on the machine reaches both sides of a ratio alike.
inline void initializeInterleaved(int argc, char** argv)
{
    static std::string repetitions = "--benchmark_repetitions=5";
    static std::string interleaving = "--benchmark_enable_random_interleaving=true";
    static std::vector<char*> args;
    args.assign(argv, argv + argc);
    args.insert(args.begin() + 1, {repetitions.data(), interleaving.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
}

// Runs every benchmark interleaved, then lets `Reporter` print its ratios; the body of each bench's main.
template <class Reporter>
int runInterleaved(int argc, char** argv)
{
    initializeInterleaved(argc, argv);
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

// The median of the interleaved repetitions of a benchmark, by its full name ("BM_Name/150"), in
// wall-clock time or in the CPU time of the benchmark's thread.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians_[run.run_name.str()] = run.GetAdjustedRealTime();
                cpuMedians_[run.run_name.str()] = run.GetAdjustedCPUTime();
            }
    }

protected:
    bool has(const std::string& name) const { return medians_.contains(name); }
    double median(const std::string& name) const { return medians_.at(name); }
    double cpuMedian(const std::string& name) const { return cpuMedians_.at(name); }

private:
    std::map<std::string, double> medians_;
    std::map<std::string, double> cpuMedians_;
};
