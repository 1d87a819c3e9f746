#include "shell/application.h"
#include "shell/fatalerror.h"
#include "shell/options.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("obzorka"));
    QApplication::setApplicationVersion(QStringLiteral(OBZORKA_VERSION));
    // The program lives on in the tray while its window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    const obzorka::Options options = obzorka::parseOptions(QApplication::arguments());
    switch (options.action) {
    case obzorka::Options::Action::Help:
        std::fputs(qUtf8Printable(obzorka::usageText()), stdout);
        return 0;
    case obzorka::Options::Action::Version:
        std::printf("obzorka %s\n", OBZORKA_VERSION);
        return 0;
    case obzorka::Options::Action::Error:
        std::fprintf(stderr, "%s\n%s", qUtf8Printable(options.error),
                     qUtf8Printable(obzorka::usageText()));
        return 2;
    case obzorka::Options::Action::Run:
        break;
    }

    obzorka::installFatalSqlHandler();
    obzorka::Application guide(options, obzorka::showCritical);
    if (!guide.start())
        return 1;
    return QApplication::exec();
}
