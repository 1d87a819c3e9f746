#include "entries.h"
#include "scratch.h"

#include "store/plainname.h"
#include "store/store.h"
#include "sync/bannerentries.h"
#include "sync/listingimport.h"
#include "sync/login.h"

#include <QSet>

namespace obzorka::fuzz {
namespace {

using namespace obzorka::sync;

qint64 count(store::Store& store, const QString& sql)
{
    return valueOf(store, sql, {}).value_or(QString()).toLongLong();
}

// On a fresh store; applied again, the same body finds every station known and its message
// old.
QString applyTwice(store::Store& store, const LoginBody& body)
{
    const LoginOutcome first = applyLogin(store, body);
    if (first.bannerEntries != body.banners.mid(1))
        return QStringLiteral("the banner entries are not the banner line past its flag");
    if (first.stationsRemoved != 0)
        return QStringLiteral("an empty store lost stations");
    if (count(store, QStringLiteral("SELECT count(*) AS v FROM televize")) != first.stationsAdded)
        return QStringLiteral("the stations stored are not the stations added");
    if (count(store, QStringLiteral("SELECT count(*) AS v FROM (SELECT pozice FROM televize "
                                    "WHERE pozice>0 GROUP BY pozice HAVING count(*)>1)")) != 0)
        return QStringLiteral("two stations share a slot");
    const LoginOutcome second = applyLogin(store, body);
    if (second.stationsAdded != 0 || second.stationsRemoved != 0 || !second.newMessage.isEmpty() ||
        second.entriesSkipped != first.entriesSkipped)
        return QStringLiteral("the same login applied again changed the stations or the message");
    return {};
}

QString mergeAsNewAndChanged(const Records& records)
{
    QSet<qint64> ids;
    for (const QVariantList& row : records.rows)
        ids.insert(row.at(0).toLongLong());
    store::Store& store = freshStore();
    if (mergeListings(store, records).added != ids.size())
        return QStringLiteral("an empty store did not take every new entry");
    // A time its broadcast day does not have would leave the reminders without a start moment.
    if (count(store,
              QStringLiteral("SELECT count(*) AS v FROM program WHERE hod1 NOT BETWEEN 0 AND 47 OR "
                             "hod2 NOT BETWEEN 0 AND 48 OR min1 NOT BETWEEN 0 AND 59 OR min2 NOT "
                             "BETWEEN 0 AND 59 OR datetime(datum, '+' || hod1 || ' hours', '+' || "
                             "min1 || ' minutes') IS NULL")) != 0)
        return QStringLiteral("a stored entry has a time its broadcast day does not have");
    // Entries too old for the fixed clock are gone again; the rest are changed.
    if (mergeChanges(store, records).changed !=
        count(store, QStringLiteral("SELECT count(*) AS v FROM program")))
        return QStringLiteral("the changes did not reach every stored entry");
    return {};
}

} // namespace

QString loginReply(QByteArrayView input)
{
    const QString text = serverText(input);
    const Reply reply = parseReply(text);
    if (reply.kind == Reply::Kind::Invalid)
        return reply.body.isEmpty() ? QString() : QStringLiteral("an invalid reply has a body");
    if (reply.body.size() != text.size() - 4 || !text.startsWith(reply.body))
        return QStringLiteral("the body is not the reply before its marker");
    if (reply.kind == Reply::Kind::Error)
        return {};
    const LoginBody body = parseLoginBody(reply.body);
    for (const QString* line : {&body.stations, &body.deletions, &body.message, &body.banners})
        if (line->contains(QStringLiteral("\r\n")))
            return QStringLiteral("a line of the login body goes on past CR LF");
    return applyTwice(freshStore(), body);
}

QString bannerLine(QByteArrayView input)
{
    const LoginBody body = parseLoginBody(QStringLiteral("#\r\n\r\n\r\n") + serverText(input));
    store::Store& store = freshStore();
    store.provedsql(QStringLiteral("INSERT INTO reklama (rekl_id, datumdo) VALUES (?, ?)"),
                    {QStringLiteral("jaro"), QStringLiteral("31.5.2027")});
    const QString broken = applyTwice(store, body);
    if (!broken.isEmpty())
        return broken;
    const bool cleared = body.banners.startsWith(QLatin1Char('1'));
    if (count(store, QStringLiteral("SELECT count(*) AS v FROM reklama")) != (cleared ? 0 : 1))
        return QStringLiteral("the banners were cleared without the flag or kept with it");
    // What the banner step fetches: plain names only, ending with the two fixed files.
    for (const BannerEntry& banner : parseBannerEntries(body.banners.mid(1))) {
        if (!store::isPlainName(banner.id) || banner.files.size() < 2 ||
            banner.files.last() != u"banner.gif" ||
            banner.files.at(banner.files.size() - 2) != u"index.html")
            return QStringLiteral("a banner entry names a file outside its folder or lacks one");
        for (const QString& file : banner.files)
            if (!store::isPlainName(file))
                return QStringLiteral("a banner file name leaves its folder");
    }
    return {};
}

QString listingRecords(QByteArrayView input)
{
    const QString body = serverText(input);
    const Records records = parseRecords(body);
    qsizetype given = 0;
    for (QStringView record : QStringView(body).tokenize(QChar(19)))
        given += record.trimmed().isEmpty() ? 0 : 1;
    if (records.rows.size() + records.skipped != given)
        return QStringLiteral("records were lost or made up");
    QSet<std::pair<QString, qint64>> stationDays;
    for (const auto& [station, day] : records.stationDays)
        stationDays.insert({station, day.toJulianDay()});
    if (stationDays.size() != records.stationDays.size())
        return QStringLiteral("a station's day is listed twice");
    for (const QVariantList& row : records.rows) {
        if (row.size() != 20)
            return QStringLiteral("a row without the twenty columns of program");
        for (const QVariant& value : row)
            if (value.toString().contains(QLatin1Char('|')))
                return QStringLiteral("a stored text keeps a \"|\"");
    }
    return records.rows.isEmpty() ? QString() : mergeAsNewAndChanged(records);
}

} // namespace obzorka::fuzz
