#pragma once

#include "listing.h"

#include <QByteArray>
#include <QString>

// The wire format the guide reads: windows-1250 text, a reply ending in ".OK." or ".ER.",
// records separated by character 19 and their fields by character 18.
namespace obzorka::server::protocol {

inline constexpr char recordSeparator = 19;
inline constexpr char fieldSeparator = 18;

// Text as windows-1250 bytes; characters it has no code for become "?" (the text a server serves
// has been through wiretext::fold, which leaves none).
QByteArray encode(const QString& text);
// windows-1250 bytes (a decoded query value) as text.
QString decode(const QByteArray& bytes);

QByteArray ok(const QString& body);
QByteArray error(const QString& message);

// "4.12.2026", as the guide writes days.
QString dayText(QDate day);
// A day as the guide sends it in posl; invalid when it is not "d.m.yyyy".
QDate parseDay(const QString& text);

// A station name as the login reply and the records can carry it: folded to what windows-1250
// carries (wiretext::fold); "," and ";" separate the stations of the login reply and CR LF its
// lines, so they and every other control character become blanks, "|" (which the guide removes
// from records) becomes "/", and blanks are trimmed and collapsed. Empty when nothing is left.
QString stationName(const QString& text);

// The flag character: "A" plus stereo 1, subtitles 2, dual 4, sign language 8.
QChar flagCharacter(const Programme& programme);

// The login body: a first character the guide drops, then four lines: the stations
// ("1Name;number" received, "0Name;number" offered, comma-separated), the stations whose
// entries the guide should delete (";"), the message, and the banner line (a first "1" clears
// the guide's banners; then "id:last day:files" entries, ";"-separated).
struct LoginReply
{
    QList<Station> stations;
    QStringList received;
    QStringList deleted;
    QString message;
    bool clearBanners = false;
    QList<Banner> banners;
};
QString loginBody(const LoginReply& reply);

} // namespace obzorka::server::protocol
