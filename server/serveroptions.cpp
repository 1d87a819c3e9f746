#include "serveroptions.h"

#include <QCommandLineParser>
#include <QHash>

namespace obzorka::server {
namespace {

const QStringList& valueOptionNames()
{
    static const QStringList names{QStringLiteral("xmltv"),      QStringLiteral("channels"),
                                   QStringLiteral("xmltv-zone"), QStringLiteral("listen"),
                                   QStringLiteral("port"),       QStringLiteral("data"),
                                   QStringLiteral("seed")};
    return names;
}

// The options without a value.
const QStringList& switchNames()
{
    static const QStringList names{QStringLiteral("h"), QStringLiteral("help"),
                                   QStringLiteral("version"), QStringLiteral("demo")};
    return names;
}

void addOptions(QCommandLineParser& parser)
{
    // Our own help option: addHelpOption would bring English texts and options we do not have.
    parser.addOption(QCommandLineOption(switchNames().first(2)));
    for (const QString& name : switchNames().sliced(2))
        parser.addOption(QCommandLineOption(name));
    for (const QString& name : valueOptionNames())
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("hodnota")));
    // "-name" is an option of that name, so that an unknown one is reported as it was written.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

QString unknownOption(const QString& argument)
{
    return QStringLiteral("Neznámá volba „%1“.").arg(argument);
}

// "port" of "--port", "-port" and "--port=80".
QString optionName(const QString& argument)
{
    const qsizetype dashes = argument.startsWith(u"--") ? 2 : argument.startsWith(u'-') ? 1 : 0;
    return dashes == 0 ? QString() : argument.sliced(dashes).section(u'=', 0, 0);
}

// The parser's complaint in Czech: the first option we do not have or switch given a value
// ("--demo=1"), else the last option given without its value.
QString parseProblem(const QCommandLineParser& parser, const QStringList& arguments)
{
    for (const QString& argument : arguments.sliced(1)) {
        const QString name = optionName(argument);
        if (parser.unknownOptionNames().contains(name) ||
            (switchNames().contains(name) && argument.contains(u'=')))
            return unknownOption(argument);
    }
    return QStringLiteral("Volbě %1 chybí hodnota.").arg(arguments.last());
}

// One option given with its value; empty when it is fine, otherwise the Czech message.
QString apply(ServerOptions& options, const QString& name, const QString& value)
{
    const QString option = QStringLiteral("--") + name;
    if (name == u"demo") {
        options.demo = true;
        return {};
    }
    if (value.isEmpty())
        return QStringLiteral("Volbě %1 chybí hodnota.").arg(option);
    bool ok = true;
    if (name == u"xmltv")
        options.xmltvFiles << value;
    else if (name == u"channels")
        options.channelMap = value;
    else if (name == u"xmltv-zone")
        options.xmltvZone = value;
    else if (name == u"listen")
        options.listen = value;
    else if (name == u"data")
        options.dataFolder = value;
    else if (name == u"port")
        options.port = value.toInt(&ok);
    else
        options.seed = value.toUInt(&ok);
    if (!ok || options.port < 0 || options.port > 65535)
        return QStringLiteral("Volba %1 čeká číslo, ne „%2“.").arg(option, value);
    return {};
}

// The options in the order given, each with its own value even when one is repeated.
QString applyAll(ServerOptions& options, const QCommandLineParser& parser)
{
    QHash<QString, qsizetype> seen;
    for (const QString& name : parser.optionNames()) {
        const QString value = parser.values(name).value(seen[name]++);
        if (const QString problem = apply(options, name, value); !problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace

QTimeZone unzonedTimes(const ServerOptions& options)
{
    return options.xmltvZone.isEmpty() ? QTimeZone::utc() : QTimeZone(options.xmltvZone.toUtf8());
}

ServerOptions parseServerOptions(const QStringList& arguments)
{
    ServerOptions options;
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments)) {
        options.error = parseProblem(parser, arguments);
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = unknownOption(parser.positionalArguments().first());
        return options;
    }
    options.help = parser.isSet(QStringLiteral("help"));
    options.version = parser.isSet(QStringLiteral("version"));
    if (options.help || options.version)
        return options;
    options.error = applyAll(options, parser);
    if (!options.error.isEmpty())
        return options;
    if (options.demo == !options.xmltvFiles.isEmpty())
        options.error =
            QStringLiteral("Zadejte buď --demo, nebo --xmltv SOUBOR s --channels SOUBOR.");
    else if (!options.xmltvFiles.isEmpty() && options.channelMap.isEmpty())
        options.error = QStringLiteral("K --xmltv patří --channels SOUBOR (mapa stanic).");
    else if (!options.xmltvZone.isEmpty() && !unzonedTimes(options).isValid())
        options.error = QStringLiteral("Časové pásmo „%1“ neznám; --xmltv-zone čeká jméno jako "
                                       "Europe/Prague.")
                            .arg(options.xmltvZone);
    return options;
}

QString serverUsage()
{
    return QStringLiteral(
        "Použití: obzorka-server --demo [--seed N] [volby]\n"
        "         obzorka-server --xmltv SOUBOR [--xmltv SOUBOR ...] --channels MAPA [volby]\n"
        "Referenční server s programy pro Obzorku.\n\n"
        "Volby:\n"
        "  --demo            ukázkové programy na 14 dní od včerejška; každé jméno a heslo platí\n"
        "  --seed N          obměna ukázkových programů (výchozí 1)\n"
        "  --xmltv SOUBOR    programy ze souboru XMLTV (volbu lze opakovat); server je znovu\n"
        "                    načte, když se změní (zkouší každou minutu a po signálu SIGHUP)\n"
        "  --channels MAPA   mapa stanic: řádky \"id-kanálu;Název stanice;číslo\"\n"
        "  --xmltv-zone PÁSMO  pásmo časů, které soubory XMLTV píší bez pásma, například\n"
        "                    Europe/Prague (výchozí UTC)\n"
        "  --listen ADRESA   adresa, na které server naslouchá (výchozí 127.0.0.1)\n"
        "  --port N          port (výchozí 8642; 0 vybere volný)\n"
        "  --data SLOŽKA     složka serveru s účty accounts.db (výchozí obzorka-server-data)\n"
        "  --help            vypíše tuto nápovědu\n"
        "  --version         vypíše verzi serveru\n\n"
        "Účty: obzorka-server account add|passwd|remove|list (viz man obzorka-server).\n");
}

} // namespace obzorka::server
