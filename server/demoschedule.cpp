#include "demoschedule.h"

#include "demodice.h"
#include "demopictures.h"
#include "demotables.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>

namespace obzorka::server::demo {
namespace {

using enum Language;

// The broadcast day in minutes from its midnight, and how long its programmes run.
constexpr int dayStart = 6 * 60;
constexpr int dayEnd = 30 * 60;
constexpr int shortest = 15;
constexpr int longest = 150;
constexpr int changeCount = 20;

// How much more likely a category is at a time of the broadcast day than the station's own
// weight says: children in the morning, news around the evening, films at prime time and night.
int timeFactor(Category category, int start)
{
    if (start < 9 * 60)
        return category == Children ? 3 : category == News ? 2 : 1;
    if (start >= 18 * 60 && start < 20 * 60)
        return category == News ? 3 : 1;
    if (start >= 20 * 60 && start < 23 * 60)
        return category == Film || category == Entertainment ? 3 : category == Children ? 0 : 1;
    if (start >= 24 * 60)
        return category == Film || category == Documentary || category == Extra ? 2
               : category == Children                                           ? 0
                                                                                : 1;
    return 1;
}

Category pickCategory(Dice& dice, const StationInfo& station, int start)
{
    std::array<int, Kinds> weights{};
    int total = 0;
    for (int kind = 0; kind < Kinds; ++kind) {
        weights[kind] = station.weights[kind] * timeFactor(Category(kind), start);
        total += weights[kind];
    }
    if (total == 0) {
        weights = station.weights;
        for (int weight : weights)
            total += weight;
    }
    int roll = dice.below(total);
    for (int kind = 0; kind < Kinds; ++kind) {
        if (roll < weights[kind])
            return Category(kind);
        roll -= weights[kind];
    }
    return Film;
}

bool fitsTime(const Show& show, int start)
{
    for (const Window& window : windows()) {
        if (qstrcmp(window.title, show.title) == 0)
            return start >= window.from && start < window.to;
    }
    return true;
}

// A show of the category in the station's language, preferring one that fits the time and has
// been on least today, so that a day repeats little; never the one just before.
const Show& pickShow(Dice& dice, Language language, Category category, int start,
                     const QHash<const Show*, int>& airings, const Show* previous)
{
    QList<const Show*> matching;
    for (const Show& show : shows()) {
        if (show.language == language && categoryOf(show.type) == category && &show != previous)
            matching.append(&show);
    }
    if (matching.isEmpty())
        return previous ? *previous : shows()[0];
    QList<const Show*> timely;
    for (const Show* show : matching) {
        if (fitsTime(*show, start))
            timely.append(show);
    }
    if (!timely.isEmpty())
        matching = timely;
    int fewest = std::numeric_limits<int>::max();
    for (const Show* show : matching)
        fewest = std::min(fewest, airings.value(show));
    QList<const Show*> candidates;
    for (const Show* show : matching) {
        if (airings.value(show) == fewest)
            candidates.append(show);
    }
    return *candidates[dice.below(int(candidates.size()))];
}

// A length in 5-minute steps that fits the category and leaves no gap shorter than the
// shortest programme before the end of the broadcast day, which the last one meets exactly.
int programmeLength(Dice& dice, Category category, int remaining)
{
    static const std::array<std::pair<int, int>, Kinds> ranges{{{80, longest},
                                                                {25, 60},
                                                                {shortest, 30},
                                                                {25, 60},
                                                                {shortest, 30},
                                                                {60, longest},
                                                                {shortest, 30},
                                                                {45, 120}}};
    const auto [low, high] = ranges[category];
    int length = low + 5 * dice.below((high - low) / 5 + 1);
    if (remaining <= longest && (length >= remaining || remaining - length < shortest))
        length = remaining;
    else if (remaining - length < shortest)
        length = remaining - shortest;
    return length;
}

QString names(Dice& dice, Language language, int count)
{
    const bool home = language == Czech || language == Slovak;
    const std::span<const char* const> people = home ? homeNames() : foreignNames();
    const int size = int(people.size());
    QStringList chosen;
    int first = dice.below(size);
    for (int i = 0; i < count; ++i)
        chosen << QString::fromUtf8(people[(first + i) % size]);
    return chosen.join(QStringLiteral(", "));
}

QString longText(Dice& dice, Language language, Category category)
{
    const QString text = QString::fromUtf8(longTexts()[category][dice.below(2)]);
    const QString cast = names(dice, language, 3);
    const QString person = names(dice, language, 1);
    if (!text.contains(QStringLiteral("%1")))
        return text.contains(QStringLiteral("%2")) ? text.arg(person) : text;
    return text.contains(QStringLiteral("%2")) ? text.arg(cast, person) : text.arg(cast);
}

QString digits(Dice& dice)
{
    QString code = QString::number(dice.between(1, 9));
    const int length = dice.between(4, 8);
    while (code.size() < length)
        code += QString::number(dice.below(10));
    return code;
}

void setTimes(Programme& programme, int start, int end)
{
    programme.hod1 = start / 60;
    programme.min1 = start % 60;
    programme.hod2 = end / 60;
    programme.min2 = end % 60;
}

// The show's own information: its description, year and, for a series, the day's episode.
QString showInfo(const Show& show, Category category, qint64 dayNumber)
{
    QString info = QString::fromUtf8(show.info);
    if (show.year != 0)
        info += QStringLiteral(" (") + QString::number(show.year) + QStringLiteral(")");
    if (category == Series) {
        const qint64 showIndex = &show - shows().data();
        info += QStringLiteral(", díl ") + QString::number(1 + (dayNumber + showIndex * 17) % 150);
    }
    return info;
}

// The marks the guide reads in the title and info1, and the extended information.
void addMarks(Programme& programme, Dice& dice, const Show& show, Category category, int airing,
              Language language)
{
    // Old films are often black and white; the guide reads "(cb)" in the title or info1.
    if (category == Film && show.year < 1960 && dice.chance(70)) {
        if (dice.chance(50))
            programme.title += QStringLiteral(" (cb)");
        else
            programme.info1 += QStringLiteral(" (cb)");
    }
    // Premieres and reruns of what has episodes or is seen again; a repeat the same day is
    // always a rerun.
    if (category != News && category != Sport && category != Extra) {
        const int mark = dice.below(100);
        if ((airing > 0 && (category == Film || category == Series)) || mark < 14)
            programme.info1 += QStringLiteral(" /R/");
        else if (mark < 24)
            programme.info1 += QStringLiteral(" /P/");
    }
    if (dice.chance(33))
        programme.info2 = longText(dice, language, category);
}

// Sound and subtitles, a recorder code, illustrations and a web page.
void addBroadcastDetails(Programme& programme, Dice& dice, int stationNumber)
{
    programme.stereo = dice.chance(50);
    programme.subtitles = dice.chance(35);
    programme.dual = dice.chance(25);
    programme.signLanguage = dice.chance(20);
    if (dice.chance(25))
        programme.showview = digits(dice);
    if (dice.below(8) == 0) {
        const int first = dice.between(1, illustrationCount);
        programme.image1 = illustrationName(first);
        if (dice.chance(40))
            programme.image2 = illustrationName(
                (first + dice.below(illustrationCount - 1)) % illustrationCount + 1);
    }
    const int link = dice.below(10);
    if (link == 0)
        programme.link =
            QStringLiteral("https://tv.example.org/porad/") + QString::number(programme.id);
    else if (link == 1)
        programme.link = QStringLiteral("www.example.com/tv/") + QString::number(stationNumber);
}

Language languageOf(const QString& stationName)
{
    for (const StationInfo& station : stations()) {
        if (QString::fromUtf8(station.name) == stationName)
            return station.language;
    }
    return Czech;
}

QString replacementTitle(Dice& dice, const Programme& changed)
{
    const Language language = languageOf(changed.station);
    QStringList titles;
    for (const auto& [titleLanguage, title] : replacementTitles()) {
        if (titleLanguage == language && QString::fromUtf8(title) != changed.title)
            titles << QString::fromUtf8(title);
    }
    return titles[dice.below(int(titles.size()))];
}

// Five minutes earlier or later, never before the broadcast day begins.
void shiftTimes(Dice& dice, Programme& changed)
{
    const int start = changed.hod1 * 60 + changed.min1;
    const int shift = start > dayStart && dice.chance(50) ? -5 : 5;
    setTimes(changed, start + shift, changed.hod2 * 60 + changed.min2 + shift);
}

void change(Dice& dice, Programme& changed)
{
    switch (dice.below(3)) {
    case 0:
        changed.title = replacementTitle(dice, changed);
        break;
    case 1:
        changed.info1 = changed.info1.isEmpty()
                            ? QStringLiteral("Změna programu!")
                            : QString(QStringLiteral("Změna programu! ") + changed.info1);
        break;
    default:
        shiftTimes(dice, changed);
    }
}

} // namespace

QList<Programme> stationDay(int stationIndex, QDate day, quint32 seed)
{
    const StationInfo& station = stations()[stationIndex];
    const qint64 dayNumber = daysSinceEpoch(day);
    Dice dice{seed, quint32(dayNumber), quint32(stationIndex)};
    QHash<const Show*, int> airings;
    const Show* previous = nullptr;
    QList<Programme> programmes;
    int start = dayStart;
    for (int position = 0; start < dayEnd; ++position) {
        const Category category = pickCategory(dice, station, start);
        const Show& show = pickShow(dice, station.language, category, start, airings, previous);
        previous = &show;
        const int end = start + programmeLength(dice, category, dayEnd - start);

        Programme programme;
        programme.id = 1 + position + 128 * (stationIndex + 32 * dayNumber);
        programme.station = QString::fromUtf8(station.name);
        programme.day = day;
        setTimes(programme, start, end);
        programme.type = QLatin1Char(show.type);
        programme.title = QString::fromUtf8(show.title);
        programme.info1 = showInfo(show, category, dayNumber);
        addMarks(programme, dice, show, category, airings[&show]++, station.language);
        addBroadcastDetails(programme, dice, station.number);
        programmes.append(programme);
        start = end;
    }
    return programmes;
}

QList<Programme> changes(const ProgrammeTable& programmes, QDate today, quint32 seed)
{
    const QDate lastDay = today.addDays(1);
    QList<int> candidates;
    for (int i = 0; i < programmes.size(); ++i) {
        if (programmes.day(i) <= lastDay)
            candidates.append(i);
    }
    Dice dice{seed, quint32(daysSinceEpoch(today)), 0xC4A9u};
    QSet<int> chosen;
    while (chosen.size() < std::min<qsizetype>(changeCount, candidates.size()))
        chosen.insert(candidates[dice.below(int(candidates.size()))]);
    QList<int> order(chosen.begin(), chosen.end());
    std::sort(order.begin(), order.end());

    QList<Programme> changed;
    for (int index : order) {
        Programme entry = programmes.at(index);
        change(dice, entry);
        changed.append(entry);
    }
    return changed;
}

} // namespace obzorka::server::demo
