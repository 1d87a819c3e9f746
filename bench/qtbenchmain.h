// The main function of a benchmark that needs Qt's event loop, inside a QCoreApplication.
#pragma once

#include <QCoreApplication>
#include <benchmark/benchmark.h>

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

} // namespace obzorka::bench
