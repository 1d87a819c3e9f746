#pragma once

#include <QDate>
#include <QStringList>
#include <vector>

namespace obzorka::navigation {

// One view of the grid, as the page buttons and the classic view's choosers set it.
struct GridView
{
    int page = 0;    // the station page, from 0
    int dayItem = 1; // the day chooser's item
    QDate day;
    QString type;
    QString from;
    QString to;
};

// What the user can choose from: the page buttons and the day and type choosers' items.
struct GridChoices
{
    int pageCount = 0;
    QStringList days;
    QStringList types;
    QDate today;
};

// The views one click away from `current`, the likeliest first: the next and the previous
// page button, the next and the previous day, the next and the previous type. A day chosen
// moves the time window as the day chooser does.
std::vector<GridView> neighbourViews(const GridView& current, const GridChoices& choices);

} // namespace obzorka::navigation
