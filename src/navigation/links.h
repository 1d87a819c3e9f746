#pragma once

#include <QString>

// The pseudo-links of the pages: what a click on one asks for.
namespace obzorka::navigation::links {

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

// What a click on a link with this target does. "about:blank" is removed from it first. Only
// the links the guide's own pages write act, each exactly in its written form (letter case,
// order and number of parameters, a whole number for an id or an offset); a "mailto:" link
// only with one address and at most a subject. Anything else does nothing.
LinkAction parseLink(QString target);

} // namespace obzorka::navigation::links
