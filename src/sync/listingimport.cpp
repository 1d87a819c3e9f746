#include "sync/listingimport.h"

#include "store/clock.h"
#include "store/dates.h"
#include "store/jsonlist.h"
#include "store/store.h"

#include <QJsonArray>
#include <QSet>

namespace obzorka::sync {
namespace {

constexpr QChar recordSeparator(19);
constexpr QChar fieldSeparator(18);
constexpr int fieldCount = 16;
// Hours of 24 and more are after midnight of the same broadcast day, whose grid ends at 48:
// a start from 48 on or an end past 48 belongs to no broadcast day.
constexpr qint64 lastStartHour = 47;
constexpr qint64 lastEndHour = 48;
// The store's dates end with the year 9999, and an entry's hours reach up to two days on.
constexpr int firstYear = 1900;
constexpr int lastYear = 9998;

// Takes every black-and-white marker out of the text; true when there was one.
bool takeBlackAndWhite(QString& text)
{
    const qsizetype before = text.size();
    text.remove(QStringLiteral("(cb)"));
    text.remove(QStringLiteral("(čb)"));
    return text.size() != before;
}

std::optional<qint64> wholeNumber(QStringView field)
{
    bool ok = false;
    const qint64 number = field.trimmed().toLongLong(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

// A time the day has; any other leaves the entry without a start moment for the reminders.
bool timeOfDay(const std::optional<qint64>& hour, const std::optional<qint64>& minute,
               qint64 lastHour)
{
    return hour && minute && *hour >= 0 && *hour <= lastHour && *minute >= 0 && *minute <= 59;
}

// A stored text: the field without any "|", and no longer than any text of a programme needs to
// be, so that a hostile server cannot fill the store with one record.
QString storedText(QStringView field)
{
    constexpr qsizetype maxLength = 4096;
    QString text = field.toString();
    if (text.contains(QLatin1Char('|')))
        text.remove(QLatin1Char('|'));
    if (text.size() > maxLength)
        text.truncate(text.at(maxLength - 1).isHighSurrogate() ? maxLength - 1 : maxLength);
    return text;
}

// The twenty columns of a record, in the order of Records::rows.
const QString recordColumns = QStringLiteral(
    "(id, tv, datum, hod1, min1, hod2, min2, nazev, info1, info2, stereo, titulky, dual, "
    "znak_rec, cb, showview, obr, obr2, link, typprg) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
    "?, ?, ?, ?, ?, ?, ?, ?)");
const QString stageStatement = QStringLiteral("INSERT INTO propridani") + recordColumns;
constexpr int dayColumn = 2;
constexpr int pictureColumn = 16; // obr, and obr2 after it
// An entry already stored is never overwritten by the listing endpoint, and a record repeated
// within one reply is added once.
const QString addStatement = QStringLiteral("INSERT OR IGNORE INTO program") + recordColumns;

void stage(store::Store& store, const Records& records)
{
    store.provedsql(QStringLiteral("DELETE FROM propridani"));
    for (const QVariantList& row : records.rows)
        store.provedsql(stageStatement, row);
}

void queueImages(store::Store& store)
{
    store.provedsql(QStringLiteral(
        "INSERT INTO obrpronacteni (obr,datum) SELECT obr,datum FROM propridani WHERE obr<>''"));
    store.provedsql(QStringLiteral(
        "INSERT INTO obrpronacteni (obr,datum) SELECT obr2,datum FROM propridani WHERE obr2<>''"));
}

// Each station's last day becomes the day of its last pair in the records, the station found
// by its name in any letter case and without surrounding blanks: one statement for the round,
// each name folded once rather than once for every pair it is compared with.
void moveLastDays(store::Store& store, const Records& records)
{
    QJsonArray pairs;
    for (const auto& [station, day] : records.stationDays)
        pairs.append(QJsonArray{station, store::dates::dayText(day)});
    store.provedsql(
        QStringLiteral(
            "WITH pair(k, day, n) AS MATERIALIZED (SELECT trim(lcase(value->>0)), value->>1, "
            "key FROM json_each(?)), "
            "last(k, day) AS MATERIALIZED (SELECT k, day FROM pair AS p WHERE n = (SELECT "
            "max(n) FROM pair AS q WHERE q.k = p.k)), "
            "station(r, k) AS MATERIALIZED (SELECT rowid, trim(lcase(tv)) FROM televize) "
            "UPDATE televize SET posl_datum = last.day FROM station JOIN last ON last.k = "
            "station.k WHERE televize.rowid = station.r"),
        {store::jsonList(pairs)});
}

int count(store::Store& store, const QString& sql)
{
    return int(store.provedsql(sql).front().number(u"n"));
}

} // namespace

QDate recordDay(QStringView field)
{
    QStringView parts[3];
    int count = 0;
    for (QStringView part : field.trimmed().tokenize(QLatin1Char('.'))) {
        if (count == 3)
            return {};
        parts[count++] = part;
    }
    if (count != 3)
        return {};
    const auto day = wholeNumber(parts[0]);
    const auto month = wholeNumber(parts[1]);
    const auto year = wholeNumber(parts[2]);
    // Far beyond any calendar, and "- 1" below could overflow.
    constexpr qint64 farthest = 1'000'000;
    const auto near = [](qint64 n) { return n >= -farthest && n <= farthest; };
    if (!day || !month || !year || *year < 1900 || *year > 9999 || !near(*day) || !near(*month))
        return {};
    // 1 January 2000 plus the years, months and days, so a day past a month's end rolls on.
    return QDate(2000, 1, 1)
        .addYears(int(*year - 2000))
        .addMonths(int(*month - 1))
        .addDays(*day - 1);
}

Records parseRecords(const QString& body)
{
    Records records;
    QSet<std::pair<QString, qint64>> seen;
    // Replies come a station's day at a time: the day's text is made once per run of records.
    QDate lastDay;
    QString lastDayText;
    for (QStringView record : QStringView(body).tokenize(recordSeparator)) {
        if (record.trimmed().isEmpty())
            continue;
        QStringView fields[fieldCount];
        int found = 0;
        for (QStringView field : record.tokenize(fieldSeparator)) {
            if (found == fieldCount)
                break; // fields past the sixteenth are not stored
            fields[found++] = field;
        }
        const QDate day = found == fieldCount ? recordDay(fields[2]) : QDate();
        std::optional<qint64> numbers[5];
        for (int i = 0; i < 5 && found == fieldCount; ++i)
            numbers[i] = wholeNumber(fields[i == 0 ? 0 : i + 2]);
        const bool complete = found == fieldCount && day.isValid() && day.year() >= firstYear &&
                              day.year() <= lastYear && !fields[10].isEmpty() && numbers[0] &&
                              timeOfDay(numbers[1], numbers[2], lastStartHour) &&
                              timeOfDay(numbers[3], numbers[4], lastEndHour);
        if (!complete) {
            ++records.skipped;
            continue;
        }
        if (day != lastDay) {
            lastDay = day;
            lastDayText = store::dates::isoDate(day);
        }
        QString title = storedText(fields[7]);
        QString shortInfo = storedText(fields[8]);
        const bool markedInTitle = takeBlackAndWhite(title);
        const bool markedInInfo = takeBlackAndWhite(shortInfo); // both texts lose the marker
        const bool blackAndWhite = markedInTitle || markedInInfo;
        const int flags = std::max(0, fields[10].at(0).unicode() - u'A');
        const QString station = storedText(fields[1]).trimmed();
        records.rows.append({*numbers[0],
                             station,
                             lastDayText,
                             *numbers[1],
                             *numbers[2],
                             *numbers[3],
                             *numbers[4],
                             title,
                             shortInfo,
                             storedText(fields[9]),
                             (flags & 1) != 0,
                             (flags & 2) != 0,
                             (flags & 4) != 0,
                             (flags & 8) != 0,
                             blackAndWhite,
                             storedText(fields[11]),
                             storedText(fields[12]),
                             storedText(fields[13]),
                             storedText(fields[14]),
                             storedText(fields[15])});
        if (!seen.contains({station, day.toJulianDay()})) {
            seen.insert({station, day.toJulianDay()});
            records.stationDays.append({station, day});
        }
    }
    return records;
}

QString poslParameter(store::Store& store)
{
    QString posl;
    for (const store::Row& row : store.provedsql(QStringLiteral("SELECT * FROM televize"))) {
        const QString day = row.text(u"posl_datum");
        if (!day.trimmed().isEmpty())
            posl += row.text(u"tv") + u',' + day + u';';
    }
    return posl;
}

MergeResult mergeListings(store::Store& store, const Records& records,
                          const std::function<void()>& daysMoved)
{
    store::Store::Transaction round(store);
    moveLastDays(store, records);
    if (daysMoved)
        daysMoved();
    // Straight into the programmes, each record by its key. The illustrations of the entries
    // added are queued, the first pictures before the second ones.
    int added = 0;
    QJsonArray pictures[2];
    for (const QVariantList& row : records.rows) {
        store.provedsql(addStatement, row);
        if (store.changes() == 0)
            continue;
        ++added;
        for (int second = 0; second < 2; ++second) {
            const QString picture = row.at(pictureColumn + second).toString();
            if (!picture.isEmpty())
                pictures[second].append(QJsonArray{picture, row.at(dayColumn).toString()});
        }
    }
    for (const QJsonValue& picture : pictures[1])
        pictures[0].append(picture);
    if (!pictures[0].isEmpty())
        store.provedsql(QStringLiteral("INSERT INTO obrpronacteni (obr,datum) SELECT value->>0, "
                                       "value->>1 FROM json_each(?)"),
                        {store::jsonList(pictures[0])});
    store.provedsql(QStringLiteral("DELETE FROM program WHERE datum<=?"),
                    {store::dates::isoDate(store::Clock::today().addDays(-14))});
    round.commit();
    return {added, 0};
}

MergeResult mergeChanges(store::Store& store, const Records& records)
{
    store::Store::Transaction round(store);
    stage(store, records);
    MergeResult result;
    result.changed = count(store, QStringLiteral("SELECT count(DISTINCT id) AS n FROM propridani "
                                                 "WHERE id IN (SELECT id FROM program)"));
    store.provedsql(QStringLiteral(
        "UPDATE program SET tv=p.tv, datum=p.datum, hod1=p.hod1, min1=p.min1, hod2=p.hod2, "
        "min2=p.min2, nazev=p.nazev, info1=p.info1, info2=p.info2, stereo=p.stereo, "
        "titulky=p.titulky, dual=p.dual, znak_rec=p.znak_rec, showview=p.showview, obr=p.obr, "
        "obr2=p.obr2, link=p.link, typprg=p.typprg FROM propridani AS p WHERE program.id=p.id"));
    queueImages(store);
    round.commit();
    return result;
}

} // namespace obzorka::sync
