#include "app/window.h"

#include "gui/main/application.h"
#include "gui/main/fatalerror.h"

#include <QApplication>

namespace obzorka {

// The window of a build with the window toolkit.
int app::runWindow(int argc, char* argv[], const Options& options)
{
    using namespace gui;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("obzorka"));
    QApplication::setApplicationVersion(QStringLiteral(OBZORKA_VERSION));
    // The program lives on in the tray while its window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    installFatalSqlHandler();
    Application guide(options, showCritical, showInformation);
    if (!guide.start())
        return 1;
    return QApplication::exec();
}

} // namespace obzorka
