#include "protocol.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace obzorka::server::protocol {

QByteArray encode(const QString& text)
{
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Default);
    return encoder(text);
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder(bytes);
}

QByteArray ok(const QString& body)
{
    return encode(body + QStringLiteral(".OK."));
}

QByteArray error(const QString& message)
{
    return encode(message + QStringLiteral(".ER."));
}

QString dayText(QDate day)
{
    return QStringLiteral("%1.%2.%3").arg(day.day()).arg(day.month()).arg(day.year());
}

QDate parseDay(const QString& text)
{
    static const QRegularExpression form(QStringLiteral(R"(^(\d{1,2})\.(\d{1,2})\.(\d{4})$)"));
    const auto match = form.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

QString stationName(const QString& text)
{
    QString name = text;
    for (QChar& c : name) {
        if (c == u',' || c == u';' || c.category() == QChar::Other_Control)
            c = u' ';
        else if (c == u'|')
            c = u'/';
    }
    return name.simplified();
}

QChar flagCharacter(const Programme& programme)
{
    const int bits = (programme.stereo ? 1 : 0) | (programme.subtitles ? 2 : 0) |
                     (programme.dual ? 4 : 0) | (programme.signLanguage ? 8 : 0);
    return QChar(u'A' + bits);
}

QString record(const Programme& p)
{
    const QChar field(fieldSeparator);
    return QString::number(p.id) + field + p.station + field + dayText(p.day) + field +
           QString::number(p.hod1) + field + QString::number(p.min1) + field +
           QString::number(p.hod2) + field + QString::number(p.min2) + field + p.title + field +
           p.info1 + field + p.info2 + field + flagCharacter(p) + field + p.showview + field +
           p.image1 + field + p.image2 + field + p.link + field +
           (p.type.isNull() ? QString() : QString(p.type));
}

QString records(const QList<Programme>& programmes)
{
    QStringList all;
    all.reserve(programmes.size());
    for (const Programme& programme : programmes)
        all << record(programme);
    return all.join(QChar(recordSeparator));
}

QString loginBody(const LoginReply& reply)
{
    QStringList stations;
    for (const Station& station : reply.stations)
        stations << (reply.received.contains(station.name) ? u'1' : u'0') + station.name + u';' +
                        QString::number(station.number);
    QStringList banners;
    for (const Banner& banner : reply.banners)
        banners << banner.id + u':' + dayText(banner.lastDay) + u':' +
                       QStringList(banner.otherFiles.keys()).join(QLatin1Char(','));
    const QString crlf = QStringLiteral("\r\n");
    // The message is one line of the body.
    const QString message = QString(reply.message)
                                .replace(QLatin1Char('\r'), QLatin1Char(' '))
                                .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("#") + stations.join(QLatin1Char(',')) + crlf +
           reply.deleted.join(QLatin1Char(';')) + crlf + message + crlf +
           (reply.clearBanners ? u'1' : u'0') + banners.join(QLatin1Char(';'));
}

} // namespace obzorka::server::protocol
