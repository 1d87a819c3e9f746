#include "serveroptions.h"

namespace obzorka::server {

ServerOptions parseServerOptions(const QStringList& arguments)
{
    ServerOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == u"--help" || argument == u"-h") {
            options.help = true;
            return options;
        }
        if (argument == u"--demo") {
            options.demo = true;
            continue;
        }
        const bool takesValue = argument == u"--xmltv" || argument == u"--channels" ||
                                argument == u"--listen" || argument == u"--port" ||
                                argument == u"--data" || argument == u"--seed";
        if (!takesValue) {
            options.error = QStringLiteral("Neznámá volba „%1“.").arg(argument);
            return options;
        }
        if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
            options.error = QStringLiteral("Volbě %1 chybí hodnota.").arg(argument);
            return options;
        }
        const QString value = arguments.at(++i);
        bool ok = true;
        if (argument == u"--xmltv")
            options.xmltvFiles << value;
        else if (argument == u"--channels")
            options.channelMap = value;
        else if (argument == u"--listen")
            options.listen = value;
        else if (argument == u"--data")
            options.dataFolder = value;
        else if (argument == u"--port")
            options.port = value.toInt(&ok);
        else
            options.seed = value.toUInt(&ok);
        if (!ok || options.port < 0 || options.port > 65535) {
            options.error = QStringLiteral("Volba %1 čeká číslo, ne „%2“.").arg(argument, value);
            return options;
        }
    }
    if (options.demo == !options.xmltvFiles.isEmpty())
        options.error =
            QStringLiteral("Zadejte buď --demo, nebo --xmltv SOUBOR s --channels SOUBOR.");
    else if (!options.xmltvFiles.isEmpty() && options.channelMap.isEmpty())
        options.error = QStringLiteral("K --xmltv patří --channels SOUBOR (mapa stanic).");
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
        "  --xmltv SOUBOR    programy ze souboru XMLTV (volbu lze opakovat)\n"
        "  --channels MAPA   mapa stanic: řádky \"id-kanálu;Název stanice;číslo\"\n"
        "  --listen ADRESA   adresa, na které server naslouchá (výchozí 127.0.0.1)\n"
        "  --port N          port (výchozí 8642; 0 vybere volný)\n"
        "  --data SLOŽKA     složka serveru s účty accounts.json (výchozí obzorka-server-data)\n"
        "  --help            vypíše tuto nápovědu\n");
}

} // namespace obzorka::server
