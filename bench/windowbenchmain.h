// The main function of a benchmark of windows: a QApplication on Qt's offscreen platform unless
// another is named.
#pragma once

#include "gui/main/application.h"
#include "qtbenchmain.h"

#include <QApplication>
#include <QDeadlineTimer>

namespace obzorka::bench {

// Starts the guide and waits, ten seconds at most, for what starts behind its first frame (the
// tray, the worker and its first run); false when either part fails.
inline bool startGuide(gui::Application& guide)
{
    if (!guide.start())
        return false;
    const QDeadlineTimer deadline(10000);
    while (!guide.backgroundRunning() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return guide.backgroundRunning();
}

inline int runWithWindows(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}

} // namespace obzorka::bench
