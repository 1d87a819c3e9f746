#include "app/options.h"
#include "app/pageexport.h"
#include "app/synconce.h"
#include "app/window.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

// The export needs no display: it runs without the window toolkit.
int runExport(int argc, char* argv[], const obzorka::app::Options& options)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("obzorka"));
    QString error;
    const int status = obzorka::app::exportPage(obzorka::app::resolveDataFolder(options.dataFolder),
                                                options.exportRequest, &error);
    if (status != 0)
        std::fprintf(stderr, "%s\n", qUtf8Printable(error));
    return status;
}

// One download run, reported in one line; no display needed either.
int runSyncOnce(int argc, char* argv[], const obzorka::app::Options& options)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("obzorka"));
    QString report;
    const int status =
        obzorka::app::syncOnce(obzorka::app::resolveDataFolder(options.dataFolder), options.server,
                               options.imageServer, options.user, options.password, &report);
    std::fprintf(status == 0 ? stdout : stderr, "%s\n", qUtf8Printable(report));
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const obzorka::app::Options options = obzorka::app::parseOptions(arguments);
    switch (options.action) {
    case obzorka::app::Options::Action::Help:
        std::fputs(qUtf8Printable(obzorka::app::usageText()), stdout);
        return 0;
    case obzorka::app::Options::Action::Version:
        std::printf("obzorka %s\n", OBZORKA_VERSION);
        return 0;
    case obzorka::app::Options::Action::Error:
        std::fprintf(stderr, "%s\nNápovědu vypíše: obzorka --help\n",
                     qUtf8Printable(options.error));
        return 2;
    case obzorka::app::Options::Action::Export:
        return runExport(argc, argv, options);
    case obzorka::app::Options::Action::SyncOnce:
        return runSyncOnce(argc, argv, options);
    case obzorka::app::Options::Action::Run:
        break;
    }
    return obzorka::app::runWindow(argc, argv, options);
}
