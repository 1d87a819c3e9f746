#pragma once

#include <QString>
#include <QStringList>

namespace obzorka {

// The command line of the guide.
struct Options
{
    enum class Action
    {
        Run,
        Help,
        Version,
        Error
    };

    Action action = Action::Run;
    QString dataFolder;  // empty: the user's application data folder
    QString server;      // host[:port] of the listing server
    QString imageServer; // host[:port] of the image server
    QString error;       // Czech text for Action::Error
};

Options parseOptions(const QStringList& arguments);
QString usageText();

// The data folder to use: the given one, or the user's application data folder.
QString resolveDataFolder(const QString& given);

} // namespace obzorka
