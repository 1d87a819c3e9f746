#pragma once

#include <QString>

// The pseudo-links of the pages: what a click on one asks for.
namespace obzorka::links {

// The last path component of a link target: "/" and "\" both separate.
QString souborzurl(const QString& url);
// The page name: the last path component up to "?".
QString strankazurl(const QString& url);
// The value of one query parameter as it stands (no decoding); the last occurrence wins,
// empty when absent or when the target has no query.
QString parametrzurl(const QString& url, const QString& key);

struct LinkAction
{
    enum class Kind
    {
        Nothing,
        Mail,             // hand the target to the desktop
        SearchPage,       // the search results from row `od`
        BackToGrid,       // "Zpět" to the grid
        BackToSearch,     // "Zpět" to the search results
        Detail,           // the detail page of `id`; fromSearch says where "Zpět" leads
        ToggleTimeCell,   // toggle the mark of `id`, flip the time cell in place
        ToggleDetailLink, // toggle the mark of `id`, rewrite the detail link in place
        Help,             // the help page `name`
        JumpToEight,      // scroll the grid to the first programme from 20:00
    };
    Kind kind = Kind::Nothing;
    QString target; // the whole link target
    QString id;
    QString od;
    QString name;
    bool fromSearch = false;
};

// What a click on a link with this target does. "about:blank" is removed from it first;
// page names are compared exactly; "hledej" and "vypis" count only when exactly "true".
LinkAction parseLink(QString target);

} // namespace obzorka::links
