// The main function of a benchmark that needs Qt's event loop, inside a QCoreApplication.
#pragma once

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <vector>

namespace obzorka::bench {

inline int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

inline int runWithQt(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}

// For benchmarks compared with their baseline as a ratio: the repetitions of all of them are
// interleaved at random, so that a drift of the machine touches each alike.
inline int runInterleavedWithQt(int argc, char** argv)
{
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    return runWithQt(int(arguments.size()), arguments.data());
}

// One run per repetition, the median and the spread of them reported: a run of a whole
// process or pull varies by several per cent on a busy machine.
inline void repeatedRuns(benchmark::internal::Benchmark* benchmark, int repetitions)
{
    benchmark->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true);
}

} // namespace obzorka::bench
