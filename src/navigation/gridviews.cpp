#include "navigation/gridviews.h"

#include "pages/chooseritems.h"

namespace obzorka::navigation {

std::vector<GridView> neighbourViews(const GridView& current, const GridChoices& choices)
{
    std::vector<GridView> views;
    for (const int step : {1, -1}) {
        GridView view = current;
        view.page += step;
        if (view.page >= 0 && view.page < choices.pageCount)
            views.push_back(view);
    }
    for (const int step : {1, -1}) {
        GridView view = current;
        view.dayItem += step;
        if (view.dayItem < 0 || view.dayItem >= choices.days.size())
            continue;
        const pages::chooseritems::DayChoice choice = pages::chooseritems::chooseDay(
            current.day, choices.days.at(view.dayItem), choices.today, current.from, current.to);
        view.day = choice.day;
        view.from = choice.from;
        view.to = choice.to;
        views.push_back(view);
    }
    const qsizetype type = choices.types.indexOf(current.type);
    for (const int step : {1, -1}) {
        const qsizetype other = type + step;
        if (type < 0 || other < 0 || other >= choices.types.size())
            continue;
        GridView view = current;
        view.type = choices.types.at(other);
        views.push_back(view);
    }
    return views;
}

} // namespace obzorka::navigation
