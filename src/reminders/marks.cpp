#include "reminders/marks.h"

#include "store/clock.h"
#include "store/dates.h"
#include "store/programmeid.h"
#include "store/store.h"

namespace obzorka::reminders {

void prepniupozorneni(store::Store& store, const QString& id)
{
    const bool found =
        !store.provedsql(QStringLiteral("SELECT * FROM upozornit") + store::whereIdIs, {id})
             .empty();
    if (found)
        store.provedsql(QStringLiteral("DELETE FROM upozornit") + store::whereIdIs, {id});
    else
        store.provedsql(QStringLiteral("INSERT INTO upozornit (id) VALUES (trim(?))"), {id});
}

bool toggleReminder(store::Store& store, const QString& id)
{
    const store::Rows rows =
        store.provedsql(QStringLiteral("SELECT * FROM program") + store::whereIdIs, {id});
    if (rows.empty() || rows.front().text(u"nazev").isEmpty())
        return false;
    const store::Row& programme = rows.front();
    const QDateTime start =
        store::dates::naive(store::dates::parseDate(programme.text(u"datum")).value_or(QDate()))
            .addSecs(programme.number(u"hod1") * 3600 + programme.number(u"min1") * 60);
    if (store::dates::minuteBoundaries(start, store::Clock::now()) > 0)
        return false;
    prepniupozorneni(store, id);
    return true;
}

void purgeEndedMarks(store::Store& store)
{
    store.provedsql(
        QStringLiteral("DELETE FROM upozornit WHERE id IN (SELECT upozornit.id FROM upozornit "
                       "INNER JOIN program ON upozornit.id=program.id "
                       "WHERE DateDiff('n', DateAdd('n', min2, DateAdd('h', hod2, "
                       "DateValue(datum))), Now()) > 0)"));
}

} // namespace obzorka::reminders
