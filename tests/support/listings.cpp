#include "support/listings.h"

#include "store/dates.h"

namespace obzorka::test {

void insert(store::Store& store, const Entry& entry)
{
    const auto textOrNull = [](const QString& text) {
        return text.isNull() ? QVariant() : QVariant(text);
    };
    store.provedsql(
        QStringLiteral("INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev, info1, "
                       "info2, typprg, showview, obr, obr2, stereo, titulky, dual, znak_rec, cb) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {entry.id, entry.tv, store::dates::isoDate(entry.day), entry.hod1, entry.min1, entry.hod2,
         entry.min2, entry.nazev, textOrNull(entry.info1), textOrNull(entry.info2),
         textOrNull(entry.typprg), textOrNull(entry.showview), textOrNull(entry.obr),
         textOrNull(entry.obr2), entry.stereo, entry.titulky, entry.dual, entry.znakRec, entry.cb});
}

void addStation(store::Store& store, const QString& tv, int pozice, int idtv, bool received)
{
    store.provedsql(
        QStringLiteral("INSERT INTO televize (tv, povoleno, pozice, idtv) VALUES (?, ?, ?, ?)"),
        {tv, received, pozice, idtv});
}

void mark(store::Store& store, int id)
{
    store.provedsql(QStringLiteral("INSERT INTO upozornit (id) VALUES (?)"), {id});
}

} // namespace obzorka::test
