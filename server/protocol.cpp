#include "protocol.h"

#include "wiretext.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace obzorka::server::protocol {

QByteArray encode(const QString& text)
{
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Default);
    QByteArray bytes = encoder(text);
    // The encoder writes the substitute control character 26 where windows-1250 has no code.
    return bytes.replace('\x1a', '?');
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
    QString name = wiretext::fold(text);
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
