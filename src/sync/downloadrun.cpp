#include "sync/downloadrun.h"

#include "store/checkpointer.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/plainname.h"
#include "store/store.h"
#include "sync/bannerentries.h"
#include "sync/fetcher.h"
#include "sync/listingimport.h"
#include "sync/login.h"
#include "sync/roundreader.h"

#include <QDir>
#include <QFile>

namespace obzorka::sync {
namespace {

const QString wrongAccount = QStringLiteral("Špatné přístupové jméno nebo heslo!");
const QString wrongVersion = QStringLiteral("Špatná verze programu!");

class Run
{
public:
    Run(store::Store& store, Fetcher& fetcher, const std::atomic<bool>& stop,
        const RunSettings& settings)
        : m_store(store), m_fetcher(fetcher), m_stop(stop), m_settings(settings)
    {
    }

    RunResult go()
    {
        // All a run writes can be fetched again, so its commits need not wait for the disk: after
        // a power cut its last rounds may be missing, never half there. The user's own marks
        // go through the window's connection, which keeps waiting.
        m_store.provedsql(QStringLiteral("PRAGMA synchronous=NORMAL"));
        const Fetched reply = ask(QStringLiteral("/tvdost.php"), {});
        if (!usable(reply))
            return m_result;
        const LoginOutcome login =
            applyLogin(m_store, parseLoginBody(parseReply(reply.body).body), &m_stop);
        if (login.stopped)
            return m_result;
        m_result.stations = int(m_store.provedsql(QStringLiteral("SELECT * FROM televize")).size());
        if (m_settings.loggedIn)
            m_settings.loggedIn(login.newMessage);
        if (!banners(login.bannerEntries))
            return m_result;
        if (m_settings.bannersFetched)
            m_settings.bannersFetched();
        if (!listings() || !changes() || !images())
            return m_result;
        m_result.end = RunResult::End::Done;
        m_result.divisor = 4320;
        return m_result;
    }

private:
    QUrl address(const QString& script, QList<std::pair<QString, QString>> values) const
    {
        values.prepend({QStringLiteral("heslo"), m_settings.password});
        values.prepend({QStringLiteral("jmeno"), m_settings.name});
        values.append({QStringLiteral("verze"), QStringLiteral("0.3")});
        return requestUrl(m_settings.server, m_settings.path + script, values);
    }

    Fetched ask(const QString& script, const QList<std::pair<QString, QString>>& values)
    {
        return m_fetcher.readUrl(address(script, values));
    }

    // Whether the run goes on with this answer; an error text ends it with its rules, also
    // when it comes with an HTTP error status.
    bool usable(const Fetched& answer)
    {
        if (m_stop)
            return false;
        const Reply reply = parseReply(answer.body);
        if (reply.kind == Reply::Kind::Error) {
            m_result.end = RunResult::End::ErrorReply;
            m_result.wrongPassword = reply.body == wrongAccount;
            if (!m_result.wrongPassword)
                m_result.errorText = reply.body;
            m_result.divisor = reply.body == wrongVersion ? 4320 : 1;
            return false;
        }
        m_result.httpStatus = answer.status;
        return reply.kind == Reply::Kind::Ok && answer.ok();
    }

    // A file name windows-1250 cannot carry cannot be asked for: it is left out and counted.
    bool askable(const QString& name)
    {
        const bool fits = fitsWindows1250(name);
        m_result.namesSkipped += fits ? 0 : 1;
        return fits;
    }

    bool banners(const QString& line)
    {
        for (const BannerEntry& banner : parseBannerEntries(line)) {
            const QString& id = banner.id;
            const QString folder = m_settings.imageFolder + QStringLiteral("/banner/") + id;
            QDir().mkpath(folder);
            for (const QString& name : banner.files) {
                if (!askable(id + name))
                    continue;
                m_fetcher.readUrl(
                    requestUrl(m_settings.server,
                               m_settings.path + QStringLiteral("/banner/") + id + u'/' + name),
                    folder + u'/' + name);
                if (m_stop)
                    return false;
            }
            if (m_store.provedsql(QStringLiteral("SELECT * FROM reklama WHERE rekl_id=?"), {id})
                    .empty())
                m_store.provedsql(
                    QStringLiteral("INSERT INTO reklama (rekl_id, datumdo) VALUES (?, ?)"),
                    {id, banner.lastDay});
        }
        return true;
    }

    // The next round is fetched and read on a thread of its own while this one is merged: its
    // request leaves as soon as the round has moved the stations' last days, before the round
    // commits. A kill in between loses nothing: the next run asks again for what the store
    // does not hold.
    bool listings()
    {
        RoundReader reader(m_fetcher, [this](const QString& posl) {
            return address(QStringLiteral("/gener.php"), {{QStringLiteral("posl"), posl}});
        });
        const auto askFor = [&](const QString& posl) {
            if (m_settings.reminderCheck)
                m_settings.reminderCheck();
            m_posl = posl;
            reader.ask(posl);
        };
        askFor(poslParameter(m_store));
        for (;;) {
            const RoundReader::Round round = reader.take();
            if (!usable(round.fetched))
                return false;
            if (round.reply.body.isEmpty())
                return true;
            if (m_stop)
                return false;
            m_result.skipped += round.records.skipped;
            bool more = false;
            const auto nextRound = [&] {
                const QString next = poslParameter(m_store);
                // A server that keeps sending the same days would never let the loop end.
                more = next != m_posl;
                if (more)
                    askFor(next);
            };
            m_result.added += mergeListings(m_store, round.records, nextRound).added;
            m_checkpointer.committed();
            if (!more)
                return true;
        }
    }

    bool changes()
    {
        const Fetched answer =
            ask(QStringLiteral("/generzme.php"), {{QStringLiteral("posl"), m_posl}});
        if (!usable(answer))
            return false;
        const QString body = parseReply(answer.body).body;
        if (!body.isEmpty()) {
            const Records records = parseRecords(body);
            m_result.skipped += records.skipped;
            m_result.changed += mergeChanges(m_store, records).changed;
        }
        return true;
    }

    bool noImages() const { return m_settings.noImages && m_settings.noImages(); }

    bool images()
    {
        const QString today = store::dates::isoDate(store::Clock::today());
        if (noImages()) {
            m_store.provedsql(QStringLiteral("DELETE FROM obrpronacteni WHERE datum<?"), {today});
            return true;
        }
        QStringList missing;
        for (const store::Row& row : m_store.provedsql(
                 QStringLiteral("SELECT obr FROM obrpronacteni WHERE datum>=? GROUP BY obr ORDER "
                                "BY First(caspridani)"),
                 {today})) {
            const QString name = row.text(u"obr").trimmed();
            if (!name.isEmpty() &&
                !QFile::exists(m_settings.imageFolder + QStringLiteral("/obr/") + name))
                missing << name;
        }
        for (const QString& name : missing) {
            if (m_settings.reminderCheck)
                m_settings.reminderCheck();
            if (store::isPlainName(name) && askable(name)) {
                m_fetcher.readUrl(requestUrl(m_settings.imageServer, u'/' + name),
                                  m_settings.imageFolder + QStringLiteral("/obr/") + name);
                if (m_stop)
                    return false;
                m_result.images +=
                    QFile::exists(m_settings.imageFolder + QStringLiteral("/obr/") + name);
            }
            m_store.provedsql(
                QStringLiteral("DELETE FROM obrpronacteni WHERE trim(lcase(obr))=trim(lcase(?))"),
                {name});
            if (noImages())
                return true;
        }
        if (!missing.isEmpty())
            m_store.provedsql(QStringLiteral("DELETE FROM obrpronacteni"));
        return true;
    }

    store::Store& m_store;
    Fetcher& m_fetcher;
    const std::atomic<bool>& m_stop;
    const RunSettings& m_settings;
    RunResult m_result;
    QString m_posl;
    store::Checkpointer m_checkpointer{m_store};
};

} // namespace

RunResult pln(store::Store& store, Fetcher& fetcher, const std::atomic<bool>& stop,
              const RunSettings& settings)
{
    return Run(store, fetcher, stop, settings).go();
}

} // namespace obzorka::sync
