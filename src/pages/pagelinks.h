#pragma once

#include <QLatin1StringView>
#include <QString>

// The pseudo-links of the guide's pages in one place: how the builders write them, what a
// click on one asks for, and the change a reminder click makes to the shown page. Values (an
// id, a row offset) go into a link and come out of it as the text the link carries.
namespace obzorka::pages::links {

// The page a detail page was opened from: its "Zpět" leads back there.
enum class Origin
{
    Grid,
    Search,
    Now,
};

// ---- writing

// "Toggle the reminder" from a grid or search row's time cell.
QString timeCellTarget(const QString& id);
// The opening of that time cell and its link, up to the link's own style: cell and link
// carry the same class, "caszvol" (gold on red) when the programme is marked, else "cas".
QString timeCellOpening(const QString& id, bool marked);
// "Toggle the reminder" from the detail page.
QString reminderTarget(const QString& id);
// The detail page's whole reminder link: "ZRUŠIT UPOZORNĚNÍ" when marked, else
// "NASTAVIT UPOZORNĚNÍ".
QString reminderLink(const QString& id, bool marked);
// The detail page's "Přidat do kalendáře".
QString calendarTarget(const QString& id);
QString calendarLink(const QString& id);
// A programme's title on a page of that origin.
QString detailTarget(const QString& id, Origin from);
// The search results from row firstRow on.
QString searchPageTarget(const QString& firstRow);
// The detail page's "Zpět", to the page it was opened from.
QString backTarget(Origin to);
// The header strip's "20", and the anchor it jumps to: every grid row from 20:00 on has it.
QString jumpToEightTarget();
inline constexpr QLatin1StringView eightPmAnchor{"hod20"};
// A mail link to one address.
QString mailTarget(const QString& address);
// A help page's link is its name.
inline constexpr QLatin1StringView helpIndex{"helpindex.html"};
inline constexpr QLatin1StringView helpClassic{"helpklasicke.html"};
inline constexpr QLatin1StringView helpSettings{"helpnastaveni.html"};
inline constexpr QLatin1StringView helpUninstall{"helpodinstalace.html"};
inline constexpr QLatin1StringView helpDownloading{"helpstahovani.html"};
inline constexpr QLatin1StringView helpSearch{"helpvyhledavani.html"};

// ---- reading

struct LinkAction
{
    enum class Kind
    {
        Nothing,
        Mail,             // hand the target to the desktop
        SearchPage,       // the search results from row `od`
        BackToGrid,       // "Zpět" to the grid
        BackToSearch,     // "Zpět" to the search results
        BackToNow,        // "Zpět" to what is on now
        Detail,           // the detail page of `id`; `from` says where "Zpět" leads
        ToggleTimeCell,   // toggle the mark of `id`, flip the time cell in place
        ToggleDetailLink, // toggle the mark of `id`, rewrite the detail link in place
        AddToCalendar,    // the programme `id` as a calendar file, for the desktop's calendar
        Help,             // the help page `name`
        JumpToEight,      // scroll the grid to the first programme from 20:00
    };
    Kind kind = Kind::Nothing;
    QString target; // the whole link target
    QString id;
    QString od;
    QString name;
    Origin from = Origin::Grid;
};

// What a click on a link with this target does. "about:blank" is removed from it first. Only
// the links written above act, each exactly in its written form (letter case, order and
// number of parameters, a whole number for an id or an offset); a "mailto:" link only with
// one address and at most a subject. Anything else does nothing.
LinkAction parseLink(QString target);

// ---- changing the shown page in place after a reminder click
// Only what was clicked changes, and only what the page shows flips: neither reads the mark.
// Each returns the page unchanged when no link with the target is in it.

// The time cell of this target, cell and link alike: "cas" becomes "caszvol" and anything
// else "cas".
QString flipTimeCell(const QString& page, const QString& target);
// The detail page's reminder link of this target: "NASTAVIT UPOZORNĚNÍ" becomes
// "ZRUŠIT UPOZORNĚNÍ" and the other way round.
QString flipReminderLink(const QString& page, const QString& target);

} // namespace obzorka::pages::links
