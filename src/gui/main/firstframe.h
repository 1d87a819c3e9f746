#pragma once

#include <QObject>
#include <chrono>
#include <functional>

class QWidget;

namespace obzorka::gui {

// Runs a task once, as soon as a window's first frame is on the screen, so that work the first
// frame does not need comes after it; at the latest after `latest`, for a window the desktop
// does not expose (another workspace, a screen turned off). The task never runs once `context`
// is gone.
void afterFirstFrame(QWidget* window, QObject* context, std::function<void()> task,
                     std::chrono::milliseconds latest = std::chrono::milliseconds(300));

} // namespace obzorka::gui
