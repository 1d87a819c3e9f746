#pragma once

#include "pages/pagelinks.h"
#include "store/row.h"

#include <QDate>
#include <QString>
#include <QVariantList>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::pages {
}

// The page builders: each returns a whole HTML page as text, built from fixed fragments
// without line breaks; stored texts go in through pageText (pagetext.h), as text with at most
// bold, italic, underline and line breaks. Values from the user and the store reach SQL as
// bound parameters only.
namespace obzorka::pages {

// What the builders read besides their arguments: the store, the image folder (the data
// folder's "bmp"; every picture of a page is that folder, "/" and a name) and whether the
// VPS codes are shown (the settings box "Zobrazovat VPS").
struct PageContext
{
    store::Store& store;
    QString imageFolder;
    bool showVps = false;
};

// A statement with its values, as a builder runs it.
struct Statement
{
    QString sql;
    QVariantList params;
};

// ---- frame (pageframe.cpp)
QString pageStart();      // "<HTML><HEAD><TITLE>Televizní program</TITLE>"
QString metaLine();       // the character-set declaration
QString metaAndHeadEnd(); // the character-set declaration, "</HEAD>"
QString standardBody();   // the body tag of every page but the detail page
QString pageEnd();        // "</BODY></HTML>"
// The style sheet of the pages that list programmes; the search adds the date class.
QString listingStyle(bool withDateClass);
// The small-print line under the grid and the search.
QString noticeLine();

// A page that shows one message, centred (waiting and status texts).
QString generzprava(const QString& message);

// ---- programme rows (entryrows.cpp)
// "08:05": hours of 24 and more are after midnight and lose 24 once.
QString casnatext(qint64 hour, qint64 minute);
// The type icon with its line break, "<BR>" alone for an unknown letter, nothing for none.
QString ikonatypu(const PageContext& context, const QString& typprg);
// True when the path is a regular file that may be read.
bool souborexistuje(const QString& path);
// The nine-digit VPS code of a "ČT1"/"ČT2" programme, empty for other stations.
QString vpsCode(const store::Row& programme);
// "<TR", with the ShowView code as its title when there is one, ">".
QString rowOpening(const store::Row& programme);
// The info icon (when the programme has extended information) and the flag icons, each
// followed by after.
QString flagIcons(const PageContext& context, const store::Row& programme, bool extendedInfo,
                  const QString& after = {});
QString flagIcons(const PageContext& context, const store::Row& programme);
// "<BR>" and the short information, or nothing.
QString shortInfo(const store::Row& programme);
// The yellow line shown where an illustration has not been fetched yet.
QString notLoaded();
// The VPS line of a row (when shown) and the illustration or its placeholder.
QString vpsLine(const PageContext& context, const store::Row& programme);
QString illustration(const PageContext& context, const store::Row& programme);
// The path of a fetched illustration, empty when the name is not a plain file name or the
// file is not there.
QString illustrationPath(const PageContext& context, const QString& name);
// Runs the query and writes every programme it returns as one grid row; its title leads to
// the detail page, whose "Zpět" leads back to the page of that origin.
QString radkyporadu(const PageContext& context, const QString& sql, const QVariantList& params,
                    bool noImages, links::Origin from = links::Origin::Grid);

// ---- classic grid (grid.cpp)
struct Band
{
    int startHour;
    int startMinute;
    int endHour;
    int endMinute;
    bool operator==(const Band&) const = default;
};
// The hour and minute a chooser text stands for ("Teď" is the current hour and minute).
struct WindowTime
{
    int hour;
    int minute;
};
WindowTime fromTime(const QString& text, const QTime& now);
WindowTime toTime(const QString& text, const QTime& now);
// The time bands of the grid clipped to the window from…to.
std::vector<Band> clipBands(const QString& fromText, const QString& toText, const QTime& now);
// The SQL condition of a type name (" AND (typprg='D') "), empty for "Vše" and the unknown.
QString typeCondition(const QString& typeName);

// The query of one station and band: for the first band what runs at any moment of it, for
// the others what starts in it.
Statement bandStatement(QDate day, const QString& station, const Band& band, bool firstBand,
                        const QString& typeName);

QString generhlavicku(const QStringList& stations);
QString genertabulku(const PageContext& context, QDate day, const QString& typeName,
                     const QString& fromText, const QString& toText, const QStringList& stations,
                     bool print);

// ---- search (search.cpp)
inline constexpr int searchPageSize = 25;
struct SearchQuery
{
    QString text{};
    QString typeName = QStringLiteral("Vše");
    QString dayText = QStringLiteral("Kdykoliv");
    QString groupName = QStringLiteral("Všechny");
    qint64 firstRow = 1;
    bool titleOnly = false;
    bool markedOnly = false;
};
// The SQL condition of a station group (" AND (idtv>=1000) "), empty for "Všechny".
QString groupCondition(const QString& groupName);
// The whole search query, ordered, before paging.
Statement searchStatement(const SearchQuery& query);
QString generhledani(const PageContext& context, const SearchQuery& query);

// ---- what is on now (nowpage.cpp)
// The query of one station at a moment: the programme running then and the one after it, or
// only the next one when nothing runs.
Statement nowStatement(const QString& station, const QDateTime& moment);
// Every received station in slot order with those programmes, in the rows of the grid.
QString generbezi(const PageContext& context, const QDateTime& moment);

// ---- detail (detail.cpp)
QString genervypisinf(const PageContext& context, const QString& id, links::Origin from);

// ---- help (help.cpp); names as the links write them ("helpindex.html", …)
QString generhelpindex(const PageContext& context);
QString generhelpklasicke(const PageContext& context);
QString generhelpnastaveni(const PageContext& context);
QString generhelpodinstalace(const PageContext& context);
QString generhelpstahovani(const PageContext& context);
QString generhelpvyhledavani(const PageContext& context);
// The link names of the help pages, the index first.
QStringList helpPageNames();
// The help page of a link name; empty for a name that is none.
QString helpPage(const PageContext& context, const QString& name);

// ---- print (printpage.cpp)
// The page rewritten for white paper: no colours, no links, smaller type.
QString forPaper(const QString& page);

} // namespace obzorka::pages
