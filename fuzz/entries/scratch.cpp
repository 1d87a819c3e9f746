#include "scratch.h"

#include "store/clock.h"
#include "store/store.h"

#include <QStringDecoder>
#include <QTemporaryDir>

namespace obzorka::fuzz {
namespace {

// Made once: creating a store from the schema for each input would leave little time to fuzz.
// The store is closed before its folder goes.
struct Scratch
{
    Scratch()
    {
        QString error = folder.errorString();
        if (!folder.isValid() || !store.otevridb(folder.path(), &error))
            qFatal("No scratch store: %s", qUtf8Printable(error));
        // Nothing here must outlive a power cut, and waiting for the disk slows fuzzing down
        // a hundredfold.
        store.provedsql(QStringLiteral("PRAGMA synchronous=OFF"));
        store::Clock::setFixed(QDateTime(QDate(2026, 12, 4), QTime(12, 0)));
    }

    QTemporaryDir folder;
    store::Store store;
};

Scratch& scratch()
{
    static Scratch kept;
    return kept;
}

} // namespace

QString scratchFolder()
{
    return scratch().folder.path();
}

store::Store& freshStore()
{
    store::Store& store = scratch().store;
    for (const QString& statement :
         {QStringLiteral("DELETE FROM televize"), QStringLiteral("DELETE FROM program"),
          QStringLiteral("DELETE FROM propridani"), QStringLiteral("DELETE FROM obrpronacteni"),
          QStringLiteral("DELETE FROM reklama"), QStringLiteral("DELETE FROM nastaveni")})
        store.provedsql(statement);
    return store;
}

std::optional<QString> valueOf(store::Store& store, const QString& sql, const QVariantList& params)
{
    const store::Rows rows = store.provedsql(sql, params);
    if (rows.empty() || rows.front().value(u"v").isNull())
        return std::nullopt;
    return rows.front().text(u"v");
}

QString serverText(QByteArrayView bytes)
{
    return QStringDecoder("windows-1250").decode(bytes);
}

bool fitsTheWire(const QString& text)
{
    return !text.contains(QLatin1Char('|')) && !text.contains(QChar(18)) &&
           !text.contains(QChar(19));
}

} // namespace obzorka::fuzz
