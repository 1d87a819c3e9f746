#include "sync/login.h"

#include "store/blanks.h"
#include "store/jsonlist.h"
#include "store/settings.h"
#include "store/store.h"
#include "store/utf8.h"

#include <QHash>
#include <QJsonArray>
#include <QSet>

#include <array>
#include <optional>

namespace obzorka::sync {
namespace {

const QString okMarker = QStringLiteral(".OK.");
const QString errorMarker = QStringLiteral(".ER.");
constexpr qsizetype markerLength = 4;

// Slot buttons exist for 1..96; a station placed at 0 has none.
constexpr int lastSlot = 96;
constexpr int noSlot = 0;

// How often the station list looks at the stop flag.
constexpr int stopCheckEvery = 256;

// A station's name as the store's statements compare names, trim(lcase(tv)): in lower case and
// without the blanks at its ends.
QString stationKey(const QString& name)
{
    const QByteArray bytes = name.toUtf8();
    std::string lowered(store::utf8::lowerCapacity(size_t(bytes.size())), '\0');
    lowered.resize(
        store::utf8::lower(std::string_view(bytes.data(), size_t(bytes.size())), lowered.data()));
    return store::trimBlanks(QString::fromStdString(lowered));
}

// The stations of the store by their key, read once, so that a list of thousands is applied
// without a search of the table for each.
class KnownStations
{
public:
    explicit KnownStations(store::Store& store)
    {
        for (const store::Row& row :
             store.provedsql(QStringLiteral("SELECT rowid AS r, tv FROM televize")))
            m_rows[stationKey(row.text(u"tv"))] << row.number(u"r");
    }
    QList<qint64> rows(const QString& key) const { return m_rows.value(key); }
    void add(const QString& key, qint64 row) { m_rows[key] << row; }

private:
    QHash<QString, QList<qint64>> m_rows;
};

// Optional sign and decimal digits only: "12.5", "1e3" or an empty number would be guessed at.
std::optional<qint64> wholeNumber(const QString& text)
{
    const QString trimmed = store::trimBlanks(text);
    const qsizetype start =
        trimmed.startsWith(QLatin1Char('-')) || trimmed.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (trimmed.size() == start)
        return std::nullopt;
    for (qsizetype i = start; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 number = trimmed.toLongLong(&ok);
    return ok ? std::optional<qint64>(number) : std::nullopt;
}

// Which of the slots 1..96 hold a station; index 0 is unused.
class FreeSlots
{
public:
    explicit FreeSlots(store::Store& store)
    {
        const store::Rows rows = store.provedsql(
            QStringLiteral("SELECT DISTINCT pozice FROM televize WHERE pozice BETWEEN 1 AND ?"),
            {lastSlot});
        for (const store::Row& row : rows)
            m_taken[size_t(row.number(u"pozice"))] = true;
    }

    // A received station fills the first pages, an offered one ("0") the last slots.
    int take(bool fromTheEnd)
    {
        for (int i = 1; i <= lastSlot; ++i) {
            const int slot = fromTheEnd ? lastSlot + 1 - i : i;
            if (!m_taken[size_t(slot)]) {
                m_taken[size_t(slot)] = true;
                return slot;
            }
        }
        return noSlot;
    }

private:
    std::array<bool, lastSlot + 1> m_taken{};
};

// The server's message, cut to a length a message window can show.
QString applyMessage(store::Store& store, const QString& sent)
{
    constexpr qsizetype maxLength = 64 * 1024;
    const QString message = sent.left(maxLength);
    if (message.isEmpty())
        return {};
    store::Settings settings(store);
    if (settings.read(store::settingkeys::posledniZprava) == message)
        return {};
    settings.writeServerMessage(message);
    return message;
}

// The programmes of the stations named go, in one statement however many are named.
void deleteProgrammes(store::Store& store, const QString& deletions)
{
    QSet<QString> keys;
    for (const QString& item : deletions.split(QLatin1Char(';')))
        if (!store::trimBlanks(item).isEmpty())
            keys.insert(stationKey(item));
    if (keys.isEmpty())
        return;
    QJsonArray named;
    for (const store::Row& row : store.provedsql(QStringLiteral("SELECT DISTINCT tv FROM program")))
        if (keys.contains(stationKey(row.text(u"tv"))))
            named.append(row.text(u"tv"));
    store.provedsql(
        QStringLiteral("DELETE FROM program WHERE tv IN (SELECT value FROM json_each(?))"),
        {store::jsonList(named)});
}

// Returns false when the entry cannot be used.
bool applyStation(store::Store& store, KnownStations& known, FreeSlots& freeSlots,
                  const QString& entry, int* added)
{
    const QChar flag = entry.at(0);
    const QString rest = entry.mid(1);
    const qsizetype separator = rest.indexOf(QLatin1Char(';'));
    const QString name = store::trimBlanks(rest.left(separator < 0 ? rest.size() : separator));
    const std::optional<qint64> number =
        separator < 0 ? std::nullopt : wholeNumber(rest.mid(separator + 1));
    if (name.isEmpty() || !number)
        return false;

    const int received = flag == QLatin1Char('1') ? 1 : 0;
    const QString key = stationKey(name);
    const QList<qint64> rows = known.rows(key);
    if (rows.isEmpty()) {
        const int slot = freeSlots.take(flag == QLatin1Char('0'));
        store.provedsql(QStringLiteral("INSERT INTO televize (tv, povoleno, pozice, idtv, "
                                       "prozruseni) VALUES (?, ?, ?, ?, 0)"),
                        {name, received, slot, *number});
        known.add(key, store.provedsql(QStringLiteral("SELECT last_insert_rowid() AS r"))
                           .front()
                           .number(u"r"));
        ++*added;
    }
    for (const qint64 row : rows)
        store.provedsql(
            QStringLiteral("UPDATE televize SET povoleno=?, prozruseni=0 WHERE rowid=?"),
            {received, row});
    return true;
}

} // namespace

Reply parseReply(const QString& httpdata)
{
    if (httpdata.size() < markerLength)
        return {};
    const QString marker = httpdata.right(markerLength);
    Reply reply;
    if (marker == okMarker)
        reply.kind = Reply::Kind::Ok;
    else if (marker == errorMarker)
        reply.kind = Reply::Kind::Error;
    else
        return {};
    reply.body = httpdata.chopped(markerLength);
    return reply;
}

LoginBody parseLoginBody(const QString& body)
{
    const QStringList lines = body.mid(1).split(QStringLiteral("\r\n"));
    const auto line = [&lines](qsizetype index) {
        return index < lines.size() ? lines.at(index) : QString();
    };
    return {line(0), line(1), line(2), line(3)};
}

LoginOutcome applyLogin(store::Store& store, const LoginBody& body, const std::atomic<bool>* stop)
{
    LoginOutcome outcome;
    store::Store::Transaction transaction(store);

    // Every station the list names is unmarked again; what stays marked is gone from the server.
    store.provedsql(QStringLiteral("UPDATE televize SET prozruseni=1"));

    outcome.newMessage = applyMessage(store, body.message);

    if (body.banners.startsWith(QLatin1Char('1')))
        store.provedsql(QStringLiteral("DELETE FROM reklama"));
    outcome.bannerEntries = body.banners.mid(1);

    deleteProgrammes(store, body.deletions);

    FreeSlots freeSlots(store);
    KnownStations known(store);
    int applied = 0;
    for (const QString& entry : body.stations.split(QLatin1Char(','))) {
        if (store::trimBlanks(entry).isEmpty())
            continue;
        if (stop && ++applied % stopCheckEvery == 0 && *stop) {
            outcome.stopped = true;
            return outcome; // the transaction is rolled back: the store stays as it was
        }
        if (!applyStation(store, known, freeSlots, entry, &outcome.stationsAdded))
            ++outcome.entriesSkipped;
    }

    // Their programmes stay and age out with the listings.
    const store::Rows gone =
        store.provedsql(QStringLiteral("SELECT count(*) AS n FROM televize WHERE prozruseni=1"));
    outcome.stationsRemoved = gone.empty() ? 0 : int(gone.front().number(u"n"));
    store.provedsql(QStringLiteral("DELETE FROM televize WHERE prozruseni=1"));

    transaction.commit();
    return outcome;
}

} // namespace obzorka::sync
