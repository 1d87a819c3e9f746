// Started by bench_start: shows a window and ends the moment it is shown and painted, so that
// the time from launch to exit is the time to a shown window. Built twice: as the guide on the
// data folder given (OBZORKA_START_GUIDE), and as a bare Qt window with one text pane, linked to
// Qt's widgets alone.
#include <QApplication>
#include <QWindow>
#include <cstdlib>

#ifdef OBZORKA_START_GUIDE
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#else
#include <QMainWindow>
#include <QTextBrowser>
#endif

namespace {

// Ends the process at once when the window is on the screen with its first paint done.
void endWhenShown(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    window.repaint();
    std::_Exit(0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
#ifdef OBZORKA_START_GUIDE
    obzorka::app::Options options;
    options.dataFolder = QString::fromLocal8Bit(argv[1]);
    options.server = options.imageServer = QStringLiteral("127.0.0.1:1"); // nothing answers
    const auto ignore = [](const QString&) {};
    obzorka::gui::Application guide(options, ignore, ignore);
    if (!guide.start())
        return 1;
    endWhenShown(*guide.mainWindow());
#else
    QMainWindow window;
    auto* pane = new QTextBrowser(&window);
    pane->setHtml(QStringLiteral("<HTML><BODY>Obzorka</BODY></HTML>"));
    window.setCentralWidget(pane);
    window.show();
    endWhenShown(window);
#endif
}
