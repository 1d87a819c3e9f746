#include "xmltvtime.h"

#include <array>
#include <utility>

namespace obzorka::server::xmltv {
namespace {

// The zone names feeds write and their offsets from UTC in minutes.
std::optional<int> namedOffset(QStringView name)
{
    static constexpr std::array<std::pair<const char16_t*, int>, 14> zones{{{u"UTC", 0},
                                                                            {u"GMT", 0},
                                                                            {u"Z", 0},
                                                                            {u"WET", 0},
                                                                            {u"BST", 60},
                                                                            {u"IST", 60},
                                                                            {u"WEST", 60},
                                                                            {u"CET", 60},
                                                                            {u"MET", 60},
                                                                            {u"CEST", 120},
                                                                            {u"MEST", 120},
                                                                            {u"EET", 120},
                                                                            {u"EEST", 180},
                                                                            {u"MSK", 180}}};
    for (const auto& [zone, minutes] : zones)
        if (name.compare(QStringView(zone), Qt::CaseInsensitive) == 0)
            return minutes;
    return std::nullopt;
}

// The number of the digits; none when one is not a digit.
std::optional<int> number(QStringView digits)
{
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// "+HHMM", "+HH:MM" or "+HH" (or with "-") in minutes east of UTC.
std::optional<int> numericOffset(QStringView text)
{
    const int sign = text.front() == u'-' ? -1 : 1;
    const QStringView rest = text.sliced(1);
    const bool colon = rest.size() == 5 && rest.at(2) == u':';
    if (rest.size() != 2 && rest.size() != 4 && !colon)
        return std::nullopt;
    const std::optional<int> hours = number(rest.first(2));
    const std::optional<int> minutes = rest.size() == 2 ? 0 : number(rest.last(2));
    if (!hours || !minutes || *hours > 14 || *minutes > 59)
        return std::nullopt;
    return sign * (*hours * 60 + *minutes);
}

std::optional<int> offsetOf(QStringView zone)
{
    if (zone.startsWith(u'+') || zone.startsWith(u'-'))
        return numericOffset(zone);
    return namedOffset(zone);
}

// A wall-clock time of the zone; one the spring change skips is read as before the change.
QDateTime local(const QDate& date, const QTime& time, const QTimeZone& zone)
{
    const QDateTime moment(date, time, zone);
    if (moment.isValid())
        return moment;
    const int before = zone.standardTimeOffset(QDateTime(date, time, QTimeZone::utc()));
    return QDateTime(date, time, QTimeZone(before));
}

} // namespace

const QTimeZone& prague()
{
    static const QTimeZone zone("Europe/Prague");
    return zone;
}

std::optional<QDateTime> parseTime(QStringView text, const QTimeZone& unzoned)
{
    text = text.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && text.at(digits) >= u'0' && text.at(digits) <= u'9')
        ++digits;
    if (digits != 8 && digits != 10 && digits != 12 && digits != 14)
        return std::nullopt;
    const auto field = [&text, digits](qsizetype at) {
        return at < digits ? *number(text.sliced(at, 2)) : 0;
    };
    const QDate date(*number(text.first(4)), field(4), field(6));
    const QTime time(field(8), field(10), field(12));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    const QStringView zone = text.sliced(digits).trimmed();
    if (zone.isEmpty())
        return local(date, time, unzoned).toTimeZone(prague());
    const std::optional<int> offset = offsetOf(zone);
    if (!offset)
        return std::nullopt;
    return QDateTime(date, time, QTimeZone(*offset * 60)).toTimeZone(prague());
}

} // namespace obzorka::server::xmltv
