#include "reminders/marks.h"

#include "store/store.h"

namespace obzorka {

void purgeEndedMarks(Store& store)
{
    store.provedsql(
        QStringLiteral("DELETE FROM upozornit WHERE id IN (SELECT upozornit.id FROM upozornit "
                       "INNER JOIN program ON upozornit.id=program.id "
                       "WHERE DateDiff('n', DateAdd('n', min2, DateAdd('h', hod2, "
                       "DateValue(datum))), Now()) > 0)"));
}

} // namespace obzorka
