#include "sync/login.h"

#include "store/blanks.h"
#include "store/settings.h"
#include "store/store.h"

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

const QString sameStation = QStringLiteral(" WHERE trim(lcase(tv))=trim(lcase(?))");

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

QString applyMessage(store::Store& store, const QString& message)
{
    if (message.isEmpty())
        return {};
    store::Settings settings(store);
    if (settings.read(store::settingkeys::posledniZprava) == message)
        return {};
    settings.writeServerMessage(message);
    return message;
}

void deleteProgrammes(store::Store& store, const QString& deletions)
{
    const QString statement = QStringLiteral("DELETE FROM program") + sameStation;
    for (const QString& item : deletions.split(QLatin1Char(';'))) {
        if (!store::trimBlanks(item).isEmpty())
            store.provedsql(statement, {item});
    }
}

// Returns false when the entry cannot be used.
bool applyStation(store::Store& store, FreeSlots& freeSlots, const QString& entry, int* added)
{
    const QChar flag = entry.at(0);
    const QString rest = entry.mid(1);
    const qsizetype separator = rest.indexOf(QLatin1Char(';'));
    const QString name = store::trimBlanks(rest.left(separator < 0 ? rest.size() : separator));
    const std::optional<qint64> number =
        separator < 0 ? std::nullopt : wholeNumber(rest.mid(separator + 1));
    if (name.isEmpty() || !number)
        return false;

    const bool known =
        !store.provedsql(QStringLiteral("SELECT tv FROM televize") + sameStation, {name}).empty();
    if (!known) {
        const int slot = freeSlots.take(flag == QLatin1Char('0'));
        store.provedsql(QStringLiteral("INSERT INTO televize (tv, povoleno, pozice, idtv) "
                                       "VALUES (?, 0, ?, ?)"),
                        {name, slot, *number});
        ++*added;
    }
    const bool received = flag == QLatin1Char('1');
    store.provedsql(QStringLiteral("UPDATE televize SET povoleno=?, prozruseni=0") + sameStation,
                    {received ? 1 : 0, name});
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

LoginOutcome applyLogin(store::Store& store, const LoginBody& body)
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
    for (const QString& entry : body.stations.split(QLatin1Char(','))) {
        if (store::trimBlanks(entry).isEmpty())
            continue;
        if (!applyStation(store, freeSlots, entry, &outcome.stationsAdded))
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
