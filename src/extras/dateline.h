#pragma once

#include <QDate>
#include <QString>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::extras {

// The lower-case Czech name of the day's weekday: "neděle", "pondělí", …; empty for a day
// that is no date.
QString nazevdne(QDate day);

// The same with a capital first letter, as the day choosers show it.
QString capitalisedDayName(QDate day);

// The two-line greeting of the main window: "Dnes je pátek 4.12.2026." CR LF
// "Svátek má Barbora."
QString dateLine(QDate today, const QString& nameDay);

// Today's name day as start-up looks it up (the stored "d.m." text compared as text) and as
// the day change looks it up (the stored text with this year, read as a date). Empty when
// the table has no row for today.
QString nameDayAtStartup(store::Store& store);
QString nameDayAtDayChange(store::Store& store);

} // namespace obzorka::extras
