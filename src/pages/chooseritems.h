#pragma once

#include <QDate>
#include <QStringList>
#include <optional>

// The fixed lists of the main window's choosers and the date items they show.
namespace obzorka::pages::chooseritems {

inline const QString nightPrefix = QStringLiteral("Noční_pořady-");

// "Pondělí 7.12.2026": the capitalised day name, a blank and the day text.
QString dateItem(QDate day);
// The date an item names (the word after the first blank), with or without the night prefix.
std::optional<QDate> dateOfItem(const QString& item);

// What choosing a day in the grid's day chooser does to the time window: away from today
// "Teď" becomes "Začátku" and back on today the other way round; yesterday's night
// programmes show from " 0:00" to "Konce"; leaving yesterday starts again from "Teď".
struct DayChoice
{
    QDate day;
    QString from;
    QString to;
};
DayChoice chooseDay(QDate previous, const QString& item, QDate today, const QString& from,
                    const QString& to);

// Whether the grid's day chooser, whose first item is this, was filled the day before today:
// its first day is exactly two days old. After two or more midnights it no longer matches,
// and the choosers stay as they are until the next start.
bool dayHasChanged(const QString& firstGridItem, QDate today);

// Yesterday (with the night prefix) to today + 12.
QStringList gridDays(QDate today);
// "Kdykoliv", then today to today + 12.
QStringList searchDays(QDate today);
// "Vše", "Dokumenty", … "Zprávy".
QStringList programmeTypes();
// "Všechny", "Základní české", … "Jiné zahraniční".
QStringList stationGroups();
// "Teď", "Začátku", "8:00" … "23:00", " 0:00" … " 3:00", "Konce".
QStringList fromTimes();
// The same with " 0:00" … " 8:00" after midnight.
QStringList toTimes();

} // namespace obzorka::pages::chooseritems
