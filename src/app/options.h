#pragma once

#include <QString>
#include <QStringList>

namespace obzorka::app {

// What "--export" asks for: one page written as a file instead of a window.
struct ExportRequest
{
    QString kind; // "grid", "search", "detail", "help", "now" or "ical"
    QString day;  // grid: a day "4.12.2026" (empty: today); search: "Kdykoliv" or a day
    QString from; // empty: as the day chooser sets it for the day
    QString to;
    QString type = QStringLiteral("Vše");
    QString group = QStringLiteral("Všechny");
    QString text;
    QString id;
    QString name = QStringLiteral("helpindex.html");
    QString at;  // now: "D.M.YYYY HH:MM" (empty: the present moment)
    QString out; // empty: standard output; a folder: its index.html
    int page = 1;
    qint64 first = 1;
    bool titleOnly = false;
    bool markedOnly = false;
};

// The command line of the guide.
struct Options
{
    enum class Action
    {
        Run,
        Export,
        SyncOnce,
        Help,
        Version,
        Error
    };

    Action action = Action::Run;
    QString dataFolder;  // empty: the user's application data folder
    QString server;      // host[:port] of the listing server
    QString imageServer; // host[:port] of the image server
    QString error;       // Czech text for Action::Error
    ExportRequest exportRequest;
    QString user; // --sync-once: the account to store first
    QString password;
};

Options parseOptions(const QStringList& arguments);
QString usageText();

// The data folder to use: the given one, or the user's application data folder.
QString resolveDataFolder(const QString& given);

} // namespace obzorka::app
