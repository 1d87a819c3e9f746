#include "reminders/icalendar.h"

#include "store/clock.h"
#include "store/dates.h"
#include "store/programmeid.h"
#include "store/store.h"
#include "store/wholefile.h"

namespace obzorka::reminders {
namespace {

// The zone the listings' times are in, with its rules since 1996.
constexpr const char* pragueZone = "BEGIN:VTIMEZONE\r\n"
                                   "TZID:Europe/Prague\r\n"
                                   "BEGIN:DAYLIGHT\r\n"
                                   "TZOFFSETFROM:+0100\r\n"
                                   "TZOFFSETTO:+0200\r\n"
                                   "TZNAME:CEST\r\n"
                                   "DTSTART:19700329T020000\r\n"
                                   "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                                   "END:DAYLIGHT\r\n"
                                   "BEGIN:STANDARD\r\n"
                                   "TZOFFSETFROM:+0200\r\n"
                                   "TZOFFSETTO:+0100\r\n"
                                   "TZNAME:CET\r\n"
                                   "DTSTART:19701025T030000\r\n"
                                   "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                                   "END:STANDARD\r\n"
                                   "END:VTIMEZONE\r\n";

// A text value: backslash, semicolon, comma and line breaks escaped.
QString textValue(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u';', QStringLiteral("\\;"));
    text.replace(u',', QStringLiteral("\\,"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    text.replace(u'\n', QStringLiteral("\\n"));
    // No other control character may stand in a text; a tab may.
    text.removeIf([](QChar c) { return (c < u' ' && c != u'\t') || c == u'\x7f'; });
    return text;
}

// A content line folded after 75 octets, never inside a character, ended by CR LF.
QByteArray line(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    QByteArray folded;
    qsizetype start = 0;
    qsizetype room = 75;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        while ((bytes.at(cut) & 0xC0) == 0x80) // a continuation byte: the character goes on
            --cut;
        folded += bytes.mid(start, cut - start) + "\r\n ";
        start = cut;
        room = 74; // after the space that starts the next line
    }
    return folded + bytes.mid(start) + "\r\n";
}

QString localTime(const store::Row& programme, const char16_t* hour, const char16_t* minute)
{
    const QDateTime day =
        store::dates::naive(store::dates::parseDate(programme.text(u"datum")).value_or(QDate()));
    return day.addSecs(programme.number(hour) * 3600 + programme.number(minute) * 60)
        .toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
}

QByteArray event(const store::Row& programme, int leadMinutes, const QString& stamp)
{
    const QString title = textValue(programme.text(u"nazev"));
    QStringList description;
    for (const char16_t* column : {u"info1", u"info2"}) {
        const QString text = programme.text(column).trimmed();
        if (!text.isEmpty())
            description << text;
    }
    const QString start = localTime(programme, u"hod1", u"min1");
    const QString end = localTime(programme, u"hod2", u"min2");
    QByteArray event = line(QStringLiteral("BEGIN:VEVENT")) +
                       line(QStringLiteral("UID:obzorka-") + programme.text(u"id") +
                            QStringLiteral("@obzorka.cz")) +
                       line(QStringLiteral("DTSTAMP:") + stamp) +
                       line(QStringLiteral("DTSTART;TZID=Europe/Prague:") + start);
    // An end must come after the start; without one the event is a moment.
    if (end > start)
        event += line(QStringLiteral("DTEND;TZID=Europe/Prague:") + end);
    event += line(QStringLiteral("SUMMARY:") + title) +
             line(QStringLiteral("LOCATION:") + textValue(programme.text(u"tv")));
    if (!description.isEmpty())
        event += line(QStringLiteral("DESCRIPTION:") +
                      textValue(description.join(QStringLiteral("\n\n"))));
    return event + line(QStringLiteral("BEGIN:VALARM")) + line(QStringLiteral("ACTION:DISPLAY")) +
           line(QStringLiteral("DESCRIPTION:") + title) +
           line(QStringLiteral("TRIGGER:-PT%1M").arg(leadMinutes)) +
           line(QStringLiteral("END:VALARM")) + line(QStringLiteral("END:VEVENT"));
}

} // namespace

QByteArray icalendar(store::Store& store, const QStringList& ids, int leadMinutes,
                     const QDateTime& stamp)
{
    const QString stampText = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray calendar = line(QStringLiteral("BEGIN:VCALENDAR")) +
                          line(QStringLiteral("VERSION:2.0")) +
                          line(QStringLiteral("PRODID:-//Obzorka//Televizní program//CS")) +
                          line(QStringLiteral("CALSCALE:GREGORIAN")) + pragueZone;
    for (const QString& id : ids) {
        const store::Rows found =
            store.provedsql(QStringLiteral("SELECT * FROM program") + store::whereIdIs, {id});
        if (!found.empty())
            calendar += event(found.front(), leadMinutes, stampText);
    }
    return calendar + line(QStringLiteral("END:VCALENDAR"));
}

QString writeProgrammeCalendar(store::Store& store, const QString& id, int leadMinutes,
                               const QString& folder, QString* error)
{
    const QString path = folder + QStringLiteral("/obzorka-") + id + QStringLiteral(".ics");
    return store::writeWholeFile(path, icalendar(store, {id}, leadMinutes, store::Clock::now()),
                                 error)
               ? path
               : QString();
}

QStringList markedProgrammes(store::Store& store)
{
    QStringList ids;
    for (const store::Row& row : store.provedsql(
             QStringLiteral("SELECT DISTINCT program.id AS id, datum, hod1, min1 FROM program "
                            "JOIN upozornit ON program.id = upozornit.id ORDER BY datum, hod1, "
                            "min1, program.id")))
        ids << row.text(u"id");
    return ids;
}

} // namespace obzorka::reminders
