#include "navigation/links.h"

#include "pages/generhtml.h"

#include <QStringList>

namespace obzorka::links {

QString souborzurl(const QString& url)
{
    QString name = url;
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return name.mid(name.lastIndexOf(QLatin1Char('\\')) + 1);
}

QString strankazurl(const QString& url)
{
    return souborzurl(url).section(QLatin1Char('?'), 0, 0);
}

QString parametrzurl(const QString& url, const QString& key)
{
    const QString query = QString(url + u'?').split(QLatin1Char('?')).at(1);
    QString value;
    for (const QString& piece : query.split(QLatin1Char('&'))) {
        const QStringList parts = QString(piece + u'=').split(QLatin1Char('='));
        if (parts.at(0) == key)
            value = parts.at(1);
    }
    return value;
}

LinkAction parseLink(QString target)
{
    using Kind = LinkAction::Kind;
    target.remove(QStringLiteral("about:blank"));
    LinkAction action;
    action.target = target;
    if (target.left(7) == u"mailto:") {
        action.kind = Kind::Mail;
        return action;
    }
    const QString page = strankazurl(target);
    const bool fromSearch = parametrzurl(target, QStringLiteral("hledej")) == u"true";
    action.id = parametrzurl(target, QStringLiteral("id"));
    if (page == u"hledej.htm") {
        action.kind = Kind::SearchPage;
        action.od = parametrzurl(target, QStringLiteral("od"));
    } else if (page == u"zpet.htm") {
        action.kind = fromSearch ? Kind::BackToSearch : Kind::BackToGrid;
    } else if (page == u"vypisinf.htm") {
        action.kind = Kind::Detail;
        action.fromSearch = fromSearch;
    } else if (page == u"upozor.htm") {
        action.kind = parametrzurl(target, QStringLiteral("vypis")) == u"true"
                          ? Kind::ToggleTimeCell
                          : Kind::ToggleDetailLink;
    } else if (page == u"vypishod20.htm") {
        action.kind = Kind::JumpToEight;
    } else if (generhtml::helpPageNames().contains(page)) {
        action.kind = Kind::Help;
        action.name = page;
    }
    return action;
}

} // namespace obzorka::links
