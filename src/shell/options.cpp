#include "shell/options.h"

#include <QDir>
#include <QStandardPaths>

namespace obzorka {
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

} // namespace

Options parseOptions(const QStringList& arguments)
{
    Options options;
    options.server = QStringLiteral(OBZORKA_SERVER);
    options.imageServer = QStringLiteral(OBZORKA_IMAGE_SERVER);
    const auto fail = [&](const QString& message) {
        options.action = Options::Action::Error;
        options.error = message;
        return options;
    };

    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == u"--help" || argument == u"-h") {
            options.action = Options::Action::Help;
            return options;
        }
        if (argument == u"--version") {
            options.action = Options::Action::Version;
            return options;
        }
        QString* target = nullptr;
        if (argument == u"--data-dir")
            target = &options.dataFolder;
        else if (argument == u"--server")
            target = &options.server;
        else if (argument == u"--image-server")
            target = &options.imageServer;
        else
            return fail(QStringLiteral("Neznámá volba „%1“.").arg(argument));
        if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
            return fail(QStringLiteral("Volbě %1 chybí hodnota.").arg(argument));
        *target = arguments.at(++i);
        if (target != &options.dataFolder && !isHostAndPort(*target))
            return fail(QStringLiteral("Volba %1 čeká adresu ve tvaru POČÍTAČ[:PORT], ne „%2“.")
                            .arg(argument, *target));
    }
    return options;
}

QString usageText()
{
    return QStringLiteral(
        "Použití: obzorka [volby]\n"
        "Televizní program Obzorka.\n\n"
        "Volby:\n"
        "  --data-dir SLOŽKA        složka s daty programu (databáze obz.db, obrázky)\n"
        "  --server POČÍTAČ[:PORT]  server s programy (výchozí " OBZORKA_SERVER ")\n"
        "  --image-server POČÍTAČ[:PORT]\n"
        "                           server s obrázky (výchozí " OBZORKA_IMAGE_SERVER ")\n"
        "  --help                   vypíše tuto nápovědu\n"
        "  --version                vypíše verzi programu\n");
}

QString resolveDataFolder(const QString& given)
{
    if (!given.isEmpty())
        return QDir::cleanPath(QDir(given).absolutePath());
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace obzorka
