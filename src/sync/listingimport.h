#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

// Programme records from the listing server into the store: parsing a reply's records and
// merging them into the programmes (changed ones through a staging table), one round in one
// transaction.
namespace obzorka::sync {

// The records of one reply, ready to store: each row holds the twenty columns of program in
// their order. Records that cannot be stored whole are counted, not kept.
struct Records
{
    QList<QVariantList> rows;
    // The distinct station and day pairs in the order they first appear.
    QList<std::pair<QString, QDate>> stationDays;
    int skipped = 0;
};

// Splits a reply body into records (character 19) and fields (character 18). A record needs
// its sixteen fields, a whole number for the id, a flag character, a day of three numbers
// ("d.m.yyyy"; a day past the month's end rolls into the next month) in the years 1900 to
// 9998, and times of its broadcast day: minutes 0 to 59, a start hour 0 to 47 and an end hour
// 0 to 48 (24 and more are after midnight); otherwise it is skipped. "(cb)" and "(čb)" in the
// title or the short information mark a black-and-white broadcast and are taken out; every "|"
// is removed from the texts.
Records parseRecords(const QString& body);

// The broadcast day of a record's day field, or an invalid date.
QDate recordDay(QStringView field);

// The posl parameter of a listing request: "station,day;" for each station that holds days.
QString poslParameter(store::Store& store);

struct MergeResult
{
    int added = 0;   // new programme entries
    int changed = 0; // entries replaced by changed records
};

// One listing round: each station's last day moves on, the new entries are added (an entry
// already stored is never overwritten), entries 14 or more days old go, and the illustrations
// of the new entries are queued. `daysMoved` is called inside the round as soon as the last
// days have moved, before the slower rest: the next round's request can leave then.
MergeResult mergeListings(store::Store& store, const Records& records,
                          const std::function<void()>& daysMoved = {});

// The changed records replace every column but id and cb of the stored entries with their
// ids; their illustrations are queued.
MergeResult mergeChanges(store::Store& store, const Records& records);

} // namespace obzorka::sync
