#include "app/options.h"

#include "pages/chooseritems.h"
#include "pages/generhtml.h"
#include "store/dates.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <map>

namespace obzorka::app {
namespace {

// "host" or "host:port" with a port from 1 to 65535.
bool isHostAndPort(const QString& text)
{
    if (text.isEmpty() || text.contains(QLatin1Char('/')))
        return false;
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return true;
    bool ok = false;
    const int port = text.mid(colon + 1).toInt(&ok);
    return colon > 0 && ok && port > 0 && port < 65536;
}

// An export option: the pages it belongs to and, for a text, the field it fills.
struct ExportOption
{
    QStringList pages;
    QString ExportRequest::*text = nullptr;
};

const std::map<QString, ExportOption>& exportOptionTable()
{
    const QString grid = QStringLiteral("grid");
    const QString search = QStringLiteral("search");
    static const std::map<QString, ExportOption> table{
        {QStringLiteral("--day"), {{grid, search}, &ExportRequest::day}},
        {QStringLiteral("--from"), {{grid}, &ExportRequest::from}},
        {QStringLiteral("--to"), {{grid}, &ExportRequest::to}},
        {QStringLiteral("--type"), {{grid, search}, &ExportRequest::type}},
        {QStringLiteral("--page"), {{grid}}},
        {QStringLiteral("--text"), {{search}, &ExportRequest::text}},
        {QStringLiteral("--group"), {{search}, &ExportRequest::group}},
        {QStringLiteral("--title-only"), {{search}}},
        {QStringLiteral("--marked-only"), {{search}}},
        {QStringLiteral("--first"), {{search}}},
        {QStringLiteral("--id"), {{QStringLiteral("detail")}, &ExportRequest::id}},
        {QStringLiteral("--name"), {{QStringLiteral("help")}, &ExportRequest::name}},
        {QStringLiteral("--at"), {{QStringLiteral("now")}, &ExportRequest::at}},
        {QStringLiteral("--out"),
         {{grid, search, QStringLiteral("detail"), QStringLiteral("help"), QStringLiteral("now"),
           QStringLiteral("ical")},
          &ExportRequest::out}}};
    return table;
}

QString oneOf(const QString& option, const QString& value, const QStringList& allowed)
{
    if (allowed.contains(value))
        return {};
    return QStringLiteral("Volba %1 nezná „%2“; možné hodnoty: %3.")
        .arg(option, value, allowed.join(QStringLiteral(", ")));
}

// Checks the export values; empty when they are fine, otherwise the Czech message.
QString checkExport(ExportRequest& request)
{
    if (request.kind == u"grid") {
        if (!request.day.isEmpty() && !store::dates::parseDate(request.day))
            return QStringLiteral("„%1“ není den ve tvaru D.M.RRRR.").arg(request.day);
        if (request.page < 1 || request.page > 24)
            return QStringLiteral("Volba --page čeká číslo stránky od 1 do 24.");
        QString problem;
        if (!request.from.isEmpty())
            problem =
                oneOf(QStringLiteral("--from"), request.from, pages::chooseritems::fromTimes());
        if (problem.isEmpty() && !request.to.isEmpty())
            problem = oneOf(QStringLiteral("--to"), request.to, pages::chooseritems::toTimes());
        if (problem.isEmpty())
            problem = oneOf(QStringLiteral("--type"), request.type,
                            pages::chooseritems::programmeTypes());
        return problem;
    }
    if (request.kind == u"search") {
        if (request.day.isEmpty())
            request.day = QStringLiteral("Kdykoliv");
        // A bare day is taken as the chooser item of that day.
        if (const auto day = store::dates::parseDate(request.day))
            request.day = pages::chooseritems::dateItem(*day);
        if (request.day != u"Kdykoliv" && !pages::chooseritems::dateOfItem(request.day))
            return QStringLiteral("„%1“ není den; zadejte Kdykoliv nebo den ve tvaru D.M.RRRR.")
                .arg(request.day);
        if (request.first < 1)
            return QStringLiteral("Volba --first čeká kladné číslo.");
        QString problem =
            oneOf(QStringLiteral("--type"), request.type, pages::chooseritems::programmeTypes());
        if (problem.isEmpty())
            problem = oneOf(QStringLiteral("--group"), request.group,
                            pages::chooseritems::stationGroups());
        return problem;
    }
    if (request.kind == u"detail" && request.id.trimmed().isEmpty())
        return QStringLiteral("Export detailu potřebuje volbu --id.");
    if (request.kind == u"help")
        return oneOf(QStringLiteral("--name"), request.name, pages::helpPageNames());
    if (request.kind == u"now" && !request.at.isEmpty() && !store::dates::parseMoment(request.at))
        return QStringLiteral("„%1“ není okamžik ve tvaru D.M.RRRR HH:MM.").arg(request.at);
    return {};
}

// The options that take no value; every other one takes one.
const QStringList& flagNames()
{
    static const QStringList names{QStringLiteral("help"), QStringLiteral("version"),
                                   QStringLiteral("sync-once"), QStringLiteral("title-only"),
                                   QStringLiteral("marked-only")};
    return names;
}

void addOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    for (const QString& flag : flagNames().mid(1))
        parser.addOption(QCommandLineOption(flag));
    QStringList valued{QStringLiteral("data-dir"),     QStringLiteral("server"),
                       QStringLiteral("image-server"), QStringLiteral("user"),
                       QStringLiteral("password"),     QStringLiteral("export")};
    for (const auto& [option, meaning] : exportOptionTable())
        if (!flagNames().contains(option.mid(2)))
            valued << option.mid(2);
    for (const QString& name : valued)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("hodnota")));
}

// The parser's complaint in Czech: an unknown option, a switch given a value ("--help=1"), or
// an option given last without its value.
QString parseProblem(const QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return QStringLiteral("Neznámá volba „%1“.").arg((name.size() == 1 ? u"-" : u"--") + name);
    }
    for (const QString& argument : arguments.sliced(1)) {
        if (argument.contains(u'=') && flagNames().contains(argument.section(u'=', 0, 0).mid(2)))
            return QStringLiteral("Neznámá volba „%1“.").arg(argument);
    }
    return QStringLiteral("Volbě %1 chybí hodnota.").arg(arguments.last());
}

// One option given with its value; empty when it is fine, otherwise the Czech message.
QString apply(Options& options, const QString& name, const QString& value)
{
    ExportRequest& request = options.exportRequest;
    const QString option = QStringLiteral("--") + name;
    if (!flagNames().contains(name) && value.isEmpty())
        return QStringLiteral("Volbě %1 chybí hodnota.").arg(option);
    if (name == u"data-dir") {
        options.dataFolder = value;
    } else if (name == u"user" || name == u"password") {
        (name == u"user" ? options.user : options.password) = value;
    } else if (name == u"sync-once") {
        options.action = Options::Action::SyncOnce;
    } else if (name == u"export") {
        options.action = Options::Action::Export;
        request.kind = value;
    } else if (name == u"server" || name == u"image-server") {
        if (!isHostAndPort(value))
            return QStringLiteral("Volba %1 čeká adresu ve tvaru POČÍTAČ[:PORT], ne „%2“.")
                .arg(option, value);
        (name == u"server" ? options.server : options.imageServer) = value;
    } else if (name == u"title-only" || name == u"marked-only") {
        (name == u"title-only" ? request.titleOnly : request.markedOnly) = true;
    } else if (const auto text = exportOptionTable().at(option).text) {
        request.*text = value;
    } else {
        bool ok = false;
        if (name == u"page")
            request.page = value.toInt(&ok);
        else
            request.first = value.toLongLong(&ok);
        if (!ok)
            return QStringLiteral("Volba %1 čeká číslo, ne „%2“.").arg(option, value);
    }
    return {};
}

} // namespace

Options parseOptions(const QStringList& arguments)
{
    Options options;
    options.server = QStringLiteral(OBZORKA_SERVER);
    options.imageServer = QStringLiteral(OBZORKA_IMAGE_SERVER);
    ExportRequest& request = options.exportRequest;
    const auto fail = [&](const QString& message) {
        options.action = Options::Action::Error;
        options.error = message;
        return options;
    };

    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments))
        return fail(parseProblem(parser, arguments));
    if (!parser.positionalArguments().isEmpty())
        return fail(
            QStringLiteral("Neznámá volba „%1“.").arg(parser.positionalArguments().first()));
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        options.action =
            parser.isSet(QStringLiteral("help")) ? Options::Action::Help : Options::Action::Version;
        return options;
    }
    QStringList exportOptions;
    for (const QString& name : parser.optionNames()) {
        if (const QString problem = apply(options, name, parser.value(name)); !problem.isEmpty())
            return fail(problem);
        if (exportOptionTable().count(QStringLiteral("--") + name) > 0)
            exportOptions << QStringLiteral("--") + name;
    }

    if ((!options.user.isEmpty() || !options.password.isEmpty()) &&
        options.action != Options::Action::SyncOnce)
        return fail(QStringLiteral("Volby --user a --password patří k --sync-once."));
    if (options.action != Options::Action::Export) {
        if (!exportOptions.isEmpty())
            return fail(QStringLiteral("Volba %1 patří k --export.").arg(exportOptions.first()));
        return options;
    }
    static const QStringList kinds{QStringLiteral("grid"),   QStringLiteral("search"),
                                   QStringLiteral("detail"), QStringLiteral("help"),
                                   QStringLiteral("now"),    QStringLiteral("ical")};
    if (!kinds.contains(request.kind))
        return fail(QStringLiteral(
                        "Volba --export čeká grid, search, detail, help, now nebo ical, ne „%1“.")
                        .arg(request.kind));
    for (const QString& option : exportOptions) {
        if (!exportOptionTable().at(option).pages.contains(request.kind))
            return fail(QStringLiteral("Volba %1 k exportu %2 nepatří.").arg(option, request.kind));
    }
    if (const QString problem = checkExport(request); !problem.isEmpty())
        return fail(problem);
    return options;
}

QString usageText()
{
    return QStringLiteral(
        "Použití: obzorka [volby]\n"
        "        obzorka [--data-dir SLOŽKA] --export grid|search|detail|help|now|ical [volby "
        "exportu]\n"
        "Televizní program Obzorka.\n\n"
        "Volby:\n"
        "  --data-dir SLOŽKA        složka s daty programu (databáze obz.db, obrázky)\n"
        "  --server POČÍTAČ[:PORT]  server s programy (výchozí " OBZORKA_SERVER ")\n"
        "  --image-server POČÍTAČ[:PORT]\n"
        "                           server s obrázky (výchozí " OBZORKA_IMAGE_SERVER ")\n"
        "  --help                   vypíše tuto nápovědu\n"
        "  --version                vypíše verzi programu\n"
        "  --sync-once [--user JMÉNO --password HESLO]\n"
        "                           jednou stáhne programy ze serveru bez okna\n\n"
        "Export stránky do souboru HTML (bez --out na standardní výstup):\n"
        "  grid    --day D.M.RRRR --from TEXT --to TEXT --type TEXT --page N\n"
        "  search  --text TEXT --day Kdykoliv|D.M.RRRR --type TEXT --group TEXT\n"
        "          --title-only --marked-only --first N\n"
        "  detail  --id N\n"
        "  help    --name helpindex.html\n"
        "  now     --at \"D.M.RRRR HH:MM\"  (co běží; bez --at teď)\n"
        "  ical    (označené pořady jako kalendář iCalendar, do složky jako obzorka.ics)\n"
        "  všechny --out SOUBOR|SLOŽKA/  (do složky jako index.html)\n");
}

QString resolveDataFolder(const QString& given)
{
    if (!given.isEmpty())
        return QDir::cleanPath(QDir(given).absolutePath());
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace obzorka::app
