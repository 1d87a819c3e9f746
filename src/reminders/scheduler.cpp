#include "reminders/scheduler.h"

#include "store/dates.h"
#include "store/store.h"

namespace obzorka::reminders {

NextReminder nextReminder(store::Store& store)
{
    const store::Rows rows =
        store.provedsql(QStringLiteral("SELECT * FROM upozornit_dotaz ORDER BY datumcas1"));
    if (rows.empty())
        return {};
    const auto at = store::dates::parseMoment(rows.front().text(u"datumcas1"));
    return {rows.front().number(u"id"), at.value_or(QDateTime())};
}

bool isDue(const NextReminder& next, const QDateTime& now, int leadMinutes)
{
    return next.id != 0 &&
           store::dates::minuteBoundaries(now.addSecs(qint64(leadMinutes) * 60), next.at) <= 0;
}

bool isDueDuringRun(const NextReminder& next, const QDateTime& now)
{
    return next.id != 0 && store::dates::minuteBoundaries(now.addSecs(5 * 60), next.at) < 0;
}

} // namespace obzorka::reminders
