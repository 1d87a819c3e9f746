#pragma once

#include <QString>
#include <QStringList>

namespace obzorka::server {

// The command line of obzorka-server.
struct ServerOptions
{
    bool demo = false;
    QStringList xmltvFiles;
    QString channelMap;
    QString listen = QStringLiteral("127.0.0.1");
    int port = 8642;
    QString dataFolder = QStringLiteral("obzorka-server-data");
    quint32 seed = 1;
    bool help = false;
    QString error; // Czech; set when the command line is wrong
};

ServerOptions parseServerOptions(const QStringList& arguments);
QString serverUsage();

} // namespace obzorka::server
