#include "channelmap.h"

#include "protocol.h"

#include <QFile>
#include <QStringList>

namespace obzorka::server {
namespace {

// Adds one line's channel to the map; what is wrong with the line, in Czech, when it cannot.
QString addLine(const QString& line, ChannelMap* map)
{
    const QStringList fields = line.split(u';');
    if (fields.size() != 3)
        return QStringLiteral("čekám „kanál;název stanice;číslo“.");
    const QString channel = fields.at(0).trimmed();
    Station station;
    station.name = protocol::stationName(fields.at(1));
    bool ok = false;
    station.number = fields.at(2).trimmed().toInt(&ok);
    if (channel.isEmpty())
        return QStringLiteral("chybí kanál.");
    if (station.name.isEmpty())
        return QStringLiteral("chybí název stanice.");
    if (!ok || station.number <= 0)
        return QStringLiteral("číslo stanice musí být kladné celé číslo.");
    if (map->byChannel.contains(channel))
        return QStringLiteral("kanál %1 už je uveden dříve.").arg(channel);
    map->byChannel.insert(channel, station);
    return {};
}

// Reads the file into the map; the Czech message of what went wrong, empty when nothing did.
QString readInto(const QString& path, ChannelMap* map)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Mapu kanálů %1 nelze přečíst: %2").arg(path, file.errorString());
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (const QString problem = addLine(line, map); !problem.isEmpty())
            return QStringLiteral("Mapa kanálů %1, řádek %2: %3").arg(path).arg(i + 1).arg(problem);
    }
    return {};
}

} // namespace

bool readChannelMap(const QString& path, ChannelMap* map, QString* error)
{
    ChannelMap read;
    if (const QString problem = readInto(path, &read); !problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    *map = read;
    return true;
}

} // namespace obzorka::server
