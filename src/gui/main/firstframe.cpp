#include "gui/main/firstframe.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace obzorka::gui {
namespace {

// Watches the window's paint events; the first one starts the frame that the expose hands to
// the screen, so the task is queued behind it.
class FirstFrameWatch : public QObject
{
public:
    FirstFrameWatch(QWidget* window, QObject* context, std::function<void()> task,
                    std::chrono::milliseconds latest)
        : QObject(context), m_window(window), m_task(std::move(task))
    {
        window->installEventFilter(this);
        QTimer::singleShot(latest, this, &FirstFrameWatch::run);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            QTimer::singleShot(0, this, &FirstFrameWatch::run);
        }
        return false;
    }

private:
    void run()
    {
        if (!m_task)
            return;
        if (m_window)
            m_window->removeEventFilter(this);
        const std::function<void()> task = std::exchange(m_task, {});
        deleteLater();
        task();
    }

    QPointer<QWidget> m_window;
    std::function<void()> m_task;
};

} // namespace

void afterFirstFrame(QWidget* window, QObject* context, std::function<void()> task,
                     std::chrono::milliseconds latest)
{
    new FirstFrameWatch(window, context, std::move(task), latest);
}

} // namespace obzorka::gui
