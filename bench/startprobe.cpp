// Started by bench_start: shows a window and ends the moment its first frame is on the screen,
// printing that moment (steady clock, nanoseconds) so that the benchmark counts from launch to
// the first frame and not the process's exit. Built twice: as the guide on the data folder given
// (OBZORKA_START_GUIDE), and as a bare Qt window with one text pane, linked to Qt's widgets alone.
#include <QApplication>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#ifdef OBZORKA_START_GUIDE
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#else
#include <QMainWindow>
#include <QTextBrowser>
#endif

namespace {

// The window's first expose paints the whole window and hands it to the screen before its
// handling returns: that return is the first frame.
class ProbeApplication : public QApplication
{
public:
    using QApplication::QApplication;
    QWidget* window = nullptr;

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool handled = QApplication::notify(receiver, event);
        if (event->type() == QEvent::Expose && window && receiver == window->windowHandle() &&
            window->windowHandle()->isExposed()) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("%lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            std::_Exit(0);
        }
        return handled;
    }
};

} // namespace

int main(int argc, char** argv)
{
    ProbeApplication application(argc, argv);
#ifdef OBZORKA_START_GUIDE
    obzorka::app::Options options;
    options.dataFolder = QString::fromLocal8Bit(argv[1]);
    options.server = options.imageServer = QStringLiteral("127.0.0.1:1"); // nothing answers
    const auto ignore = [](const QString&) {};
    obzorka::gui::Application guide(options, ignore, ignore);
    if (!guide.start())
        return 1;
    application.window = guide.mainWindow();
#else
    QMainWindow window;
    auto* pane = new QTextBrowser(&window);
    pane->setHtml(QStringLiteral("<HTML><BODY>Obzorka</BODY></HTML>"));
    window.setCentralWidget(pane);
    window.show();
    application.window = &window;
#endif
    return QApplication::exec();
}
