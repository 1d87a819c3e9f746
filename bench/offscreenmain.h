// The main function of a benchmark of windows: on Qt's offscreen platform unless another is
// named, with a QApplication around the benchmarks.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

namespace obzorka::bench {

inline int runWithWindows(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

} // namespace obzorka::bench
