#include "webpages.h"

namespace obzorka::server::webpages {
namespace {

QString page(const QString& title, const QString& body)
{
    return QStringLiteral(
               "<!DOCTYPE html><html lang=\"cs\"><head><meta charset=\"utf-8\"><title>") +
           title.toHtmlEscaped() +
           QStringLiteral("</title><style>body{font-family:Arial,sans-serif;background:#000050;"
                          "color:gold;margin:2em}a{color:#10D010}fieldset{border:1px solid #404080;"
                          "margin:1em 0}label{display:inline-block;min-width:12em}</style></head>"
                          "<body><h1>") +
           title.toHtmlEscaped() + QStringLiteral("</h1>") + body +
           QStringLiteral("</body></html>");
}

QString groupOf(int number)
{
    if (number <= 999)
        return QStringLiteral("České");
    if (number <= 1999)
        return QStringLiteral("Slovenské");
    if (number <= 2999)
        return QStringLiteral("Polské");
    if (number <= 3999)
        return QStringLiteral("Německé");
    if (number <= 4999)
        return QStringLiteral("Anglické");
    return QStringLiteral("Jiné zahraniční");
}

} // namespace

QString loginForm()
{
    return page(QStringLiteral("Výběr stanic"),
                QStringLiteral("<p>Přihlaste se jménem a heslem, se kterými stahuje Obzorka.</p>"
                               "<form method=\"get\" action=\"/program\"><p><label>Přístupové "
                               "jméno:</label><input name=\"jmeno\"></p><p><label>Přístupové "
                               "heslo:</label><input name=\"heslo\" type=\"password\"></p><p>"
                               "<button type=\"submit\">Přihlásit</button></p></form>"));
}

QString choiceForm(const QString& name, const QString& password, const QList<Station>& stations,
                   const QStringList& received)
{
    QString groups;
    QString current;
    for (const Station& station : stations) {
        const QString group = groupOf(station.number);
        if (group != current) {
            if (!current.isEmpty())
                groups += QStringLiteral("</fieldset>");
            groups += QStringLiteral("<fieldset><legend>") + group + QStringLiteral("</legend>");
            current = group;
        }
        groups += QStringLiteral("<label><input type=\"checkbox\" name=\"s%1\"%2> %3</label>")
                      .arg(station.number)
                      .arg(received.contains(station.name) ? QStringLiteral(" checked") : QString())
                      .arg(station.name.toHtmlEscaped());
    }
    if (!current.isEmpty())
        groups += QStringLiteral("</fieldset>");
    return page(QStringLiteral("Výběr stanic"),
                QStringLiteral("<p>Zaškrtněte stanice, které chcete stahovat. Ostatní Obzorka "
                               "nabídne kurzívou.</p><form method=\"post\" action=\"/program\">"
                               "<input type=\"hidden\" name=\"jmeno\" value=\"") +
                    name.toHtmlEscaped() +
                    QStringLiteral("\"><input type=\"hidden\" name=\"heslo\" value=\"") +
                    password.toHtmlEscaped() + QStringLiteral("\">") + groups +
                    QStringLiteral("<p><button type=\"submit\">Uložit</button></p></form>"));
}

QString saved(const QStringList& stations)
{
    QStringList escaped;
    for (const QString& station : stations)
        escaped << station.toHtmlEscaped();
    return page(
        QStringLiteral("Výběr uložen"),
        QStringLiteral("<p>Stahované stanice: ") +
            (escaped.isEmpty() ? QStringLiteral("žádné") : escaped.join(QStringLiteral(", "))) +
            QStringLiteral(".</p><p>Spusťte Obzorku znovu; nový výběr přijde s příštím "
                           "stažením.</p>"));
}

QString message(const QString& text)
{
    return page(QStringLiteral("Obzorka"),
                QStringLiteral("<p>") + text.toHtmlEscaped() +
                    QStringLiteral("</p><p><a href=\"/program\">Zpět</a></p>"));
}

QString accountPage()
{
    return page(QStringLiteral("Účet pro Obzorku"),
                QStringLiteral("<p>Obzorka stahuje programy z tohoto serveru pod přístupovým "
                               "jménem a heslem. Na ukázkovém serveru (spuštěném s volbou "
                               "--demo) platí jakékoli neprázdné jméno a heslo: účet vznikne "
                               "při prvním přihlášení. Jinak účty zakládá správce serveru "
                               "příkazem obzorka-server account add.</p><p>Stanice "
                               "ke stahování vyberete <a href=\"/program\">zde</a>.</p>"));
}

} // namespace obzorka::server::webpages
