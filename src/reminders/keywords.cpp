#include "reminders/keywords.h"

#include "store/store.h"

namespace obzorka::reminders {

CleanedKeyword cleanKeyword(const QString& typed)
{
    const QString text = QString(typed).remove(QLatin1Char(';')).trimmed();
    if (!text.isEmpty() && text.size() < 4)
        return {QString(), true};
    return {text, false};
}

void nastavautoupozorneni(store::Store& store, const QList<store::KeywordRule>& rules)
{
    QStringList clauses;
    QVariantList words;
    for (const store::KeywordRule& rule : rules) {
        // A blank word would be found in every text.
        const QString word = rule.text.trimmed();
        if (word.isEmpty())
            continue;
        const std::pair<bool, const char*> columns[] = {
            {rule.inTitle, "nazev"}, {rule.inInfo, "info1"}, {rule.inExtendedInfo, "info2"}};
        for (const auto& [ticked, column] : columns) {
            if (!ticked)
                continue;
            clauses << QStringLiteral("(Instr(1, LCase(%1), Trim(LCase(?)))>0)")
                           .arg(QLatin1String(column));
            words << word;
        }
    }
    const QString condition =
        clauses.isEmpty() ? QStringLiteral("0=1") : clauses.join(QStringLiteral(" OR "));

    store::Store::Transaction recompute(store);
    store.provedsql(QStringLiteral("DELETE FROM upozornit WHERE automat<>0"));
    store.provedsql(
        QStringLiteral("INSERT INTO upozornit (id, automat) SELECT id, 1 FROM program "
                       "WHERE DateAdd('n', min2, DateAdd('h', hod2, datum))>=Now() "
                       "AND DateAdd('n', min2, DateAdd('h', hod2, datum))<=DateAdd('d', 12, Now()) "
                       "AND (") +
            condition +
            QStringLiteral(
                ") AND NOT EXISTS (SELECT 1 FROM upozornit WHERE upozornit.id=program.id) "
                "ORDER BY DateAdd('n', min1, DateAdd('h', hod1, datum))"),
        words);
    recompute.commit();
}

} // namespace obzorka::reminders
