// The main function of a benchmark of windows: a QApplication on Qt's offscreen platform unless
// another is named.
#pragma once

#include "qtbenchmain.h"

#include <QApplication>

namespace obzorka::bench {

inline int runWithWindows(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}

} // namespace obzorka::bench
