#include "extras/dateline.h"

#include "store/clock.h"
#include "store/dates.h"
#include "store/store.h"

#include <array>

namespace obzorka::extras {

QString nazevdne(QDate day)
{
    // Monday first, as QDate counts the weekdays.
    static const std::array<QString, 7> names = {
        QStringLiteral("pondělí"), QStringLiteral("úterý"), QStringLiteral("středa"),
        QStringLiteral("čtvrtek"), QStringLiteral("pátek"), QStringLiteral("sobota"),
        QStringLiteral("neděle")};
    return day.isValid() ? names.at(day.dayOfWeek() - 1) : QString();
}

QString capitalisedDayName(QDate day)
{
    QString name = nazevdne(day);
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name;
}

QString dateLine(QDate today, const QString& nameDay)
{
    return QStringLiteral("Dnes je ") + nazevdne(today) + u' ' + store::dates::dayText(today) +
           QStringLiteral(".\r\nSvátek má ") + nameDay + u'.';
}

QString nameDayAtStartup(store::Store& store)
{
    // Today is asked of the clock once, not for each of the 366 rows.
    const QDate today = store::Clock::today();
    const store::Rows rows = store.provedsql(
        QStringLiteral("SELECT * FROM svatky WHERE CStr(datum)=?"),
        {QStringLiteral("%1.%2.").arg(today.day()).arg(today.month())});
    return rows.empty() ? QString() : rows.front().text(u"jmeno");
}

QString nameDayAtDayChange(store::Store& store)
{
    const QDate today = store::Clock::today();
    const store::Rows rows = store.provedsql(
        QStringLiteral("SELECT * FROM svatky WHERE DateValue(datum || ?)=DateValue(?)"),
        {QString::number(today.year()), store::dates::dayText(today)});
    return rows.empty() ? QString() : rows.front().text(u"jmeno");
}

} // namespace obzorka::extras
