#pragma once

#include <QString>
#include <QStringList>
#include <QTimeZone>

namespace obzorka::server {

// The command line of obzorka-server.
struct ServerOptions
{
    bool demo = false;
    QStringList xmltvFiles;
    QString channelMap;
    QString xmltvZone; // the IANA zone of feed times written without one; empty
                       // for UTC
    QString listen = QStringLiteral("127.0.0.1");
    int port = 8642;
    QString dataFolder = QStringLiteral("obzorka-server-data");
    quint32 seed = 1;
    bool help = false;
    bool version = false;
    QString error; // Czech; set when the command line is wrong
};

// The zone of feed times written without one.
QTimeZone unzonedTimes(const ServerOptions& options);

ServerOptions parseServerOptions(const QStringList& arguments);
QString serverUsage();

} // namespace obzorka::server
