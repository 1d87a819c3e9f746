#include "pages/chooseritems.h"

#include "extras/dateline.h"
#include "store/dates.h"

namespace obzorka::pages::chooseritems {
namespace {

QStringList times(int lastHourAfterMidnight)
{
    QStringList items{QStringLiteral("Teď"), QStringLiteral("Začátku")};
    for (int hour = 8; hour <= 23; ++hour)
        items << QStringLiteral("%1:00").arg(hour);
    // The hours after midnight carry a leading blank to tell them from the evening ones.
    for (int hour = 0; hour <= lastHourAfterMidnight; ++hour)
        items << QStringLiteral(" %1:00").arg(hour);
    items << QStringLiteral("Konce");
    return items;
}

} // namespace

QString dateItem(QDate day)
{
    return extras::capitalisedDayName(day) + u' ' + store::dates::dayText(day);
}

std::optional<QDate> dateOfItem(const QString& item)
{
    const QStringList words = item.split(QLatin1Char(' '));
    if (words.size() < 2)
        return std::nullopt;
    return store::dates::parseDate(words.at(1));
}

DayChoice chooseDay(QDate previous, const QString& item, QDate today, const QString& from,
                    const QString& to)
{
    const QDate yesterday = today.addDays(-1);
    DayChoice choice{dateOfItem(item).value_or(QDate()), from, to};
    if (previous.isValid() && previous == yesterday)
        choice.from = QStringLiteral("Teď");
    if (choice.day != today && choice.from == u"Teď")
        choice.from = QStringLiteral("Začátku");
    else if (choice.day == today && choice.from == u"Začátku")
        choice.from = QStringLiteral("Teď");
    if (choice.day == yesterday) {
        choice.from = QStringLiteral(" 0:00");
        choice.to = QStringLiteral("Konce");
    }
    return choice;
}

bool dayHasChanged(const QString& firstGridItem, QDate today)
{
    const auto first = dateOfItem(firstGridItem);
    return first && first->daysTo(today.addDays(-1)) == 1;
}

QStringList gridDays(QDate today)
{
    QStringList items;
    for (int offset = -1; offset <= 12; ++offset)
        items << dateItem(today.addDays(offset));
    items.first().prepend(nightPrefix);
    return items;
}

QStringList searchDays(QDate today)
{
    QStringList items{QStringLiteral("Kdykoliv")};
    for (int offset = 0; offset <= 12; ++offset)
        items << dateItem(today.addDays(offset));
    return items;
}

QStringList programmeTypes()
{
    return {QStringLiteral("Vše"),    QStringLiteral("Dokumenty"), QStringLiteral("Filmy"),
            QStringLiteral("Dětem"),  QStringLiteral("Seriály"),   QStringLiteral("Sport"),
            QStringLiteral("Zábava"), QStringLiteral("Zprávy")};
}

QStringList stationGroups()
{
    return {QStringLiteral("Všechny"),        QStringLiteral("Základní české"),
            QStringLiteral("České"),          QStringLiteral("Zahraniční"),
            QStringLiteral("Slovenské"),      QStringLiteral("Polské"),
            QStringLiteral("Německé"),        QStringLiteral("Anglické"),
            QStringLiteral("Jiné zahraniční")};
}

QStringList fromTimes()
{
    return times(3);
}

QStringList toTimes()
{
    return times(8);
}

} // namespace obzorka::pages::chooseritems
