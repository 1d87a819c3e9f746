#include "entries.h"
#include "scratch.h"

#include "pages/pagelinks.h"
#include "store/dates.h"
#include "store/numbers.h"
#include "store/store.h"

namespace obzorka::fuzz {
namespace {

QString checkDates(const QString& text)
{
    const auto moment = store::dates::parseMoment(text);
    const auto day = store::dates::parseDate(text);
    if (day != (moment ? std::optional(moment->date()) : std::nullopt))
        return QStringLiteral("parseDate and parseMoment read different days");
    if (moment && store::dates::parseMoment(store::dates::isoMoment(*moment)) != moment)
        return QStringLiteral("a moment does not read back from its stored form");
    // The day text writes the year as it is: years before 1000 do not read back.
    if (day && day->year() >= 1000 && store::dates::parseDate(store::dates::dayText(*day)) != day)
        return QStringLiteral("a day does not read back from its day text");
    return {};
}

// DateAdd with every interval; adding seconds or days and counting them again gives the number.
QString checkDateAdd(store::Store& store, const QString& text, const QString& amount)
{
    const std::optional<qint64> units = store::numbers::toWholeNumber(amount);
    for (const QString& interval : {QStringLiteral("s"), QStringLiteral("n"), QStringLiteral("h"),
                                    QStringLiteral("d"), QStringLiteral("m")}) {
        const auto added = valueOf(store, QStringLiteral("SELECT DateAdd(?, ?, ?) AS v"),
                                   {interval, amount, text});
        if (added && (!units || !store::dates::parseMoment(text)))
            return QStringLiteral("DateAdd gave a moment without a number and a moment");
        // Far enough out, the stored form has no four-digit year and reads as no moment.
        if (!added || !store::dates::parseMoment(*added) || (interval != u"s" && interval != u"d"))
            continue;
        const auto counted = valueOf(store, QStringLiteral("SELECT DateDiff(?, ?, ?) AS v"),
                                     {interval, text, *added});
        if (counted != QString::number(*units))
            return QStringLiteral("DateDiff does not count what DateAdd added");
    }
    return {};
}

} // namespace

QString linkTarget(QByteArrayView input)
{
    using namespace pages::links;
    using Kind = LinkAction::Kind;
    const LinkAction action = parseLink(QString::fromUtf8(input));
    const QString& target = action.target;
    const auto number = [](const QString& text) { return store::numbers::toWholeNumber(text); };
    QString written; // the link as the pages write it for this action
    switch (action.kind) {
    case Kind::Nothing:
        return {};
    case Kind::Mail:
        return target.startsWith(u"mailto:") && target.count(u'@') == 1 && !target.contains(u'&')
                   ? QString()
                   : QStringLiteral("a mail link with more than an address and a subject");
    case Kind::SearchPage:
        written = searchPageTarget(action.od);
        if (!number(action.od))
            return QStringLiteral("a search page from an offset that is no whole number");
        break;
    case Kind::BackToGrid:
        written = backTarget(Origin::Grid);
        break;
    case Kind::BackToSearch:
        written = backTarget(Origin::Search);
        break;
    case Kind::BackToNow:
        written = backTarget(Origin::Now);
        break;
    case Kind::Detail:
        written = detailTarget(action.id, action.from);
        break;
    case Kind::ToggleTimeCell:
        written = timeCellTarget(action.id);
        break;
    case Kind::ToggleDetailLink:
        written = reminderTarget(action.id);
        break;
    case Kind::AddToCalendar:
        written = calendarTarget(action.id);
        break;
    case Kind::Help:
        written = action.name;
        break;
    case Kind::JumpToEight:
        written = jumpToEightTarget();
        break;
    }
    if (written != target)
        return QStringLiteral("a link acts that the pages do not write");
    if (!action.id.isEmpty() && !number(action.id))
        return QStringLiteral("an id that is no whole number");
    return {};
}

QString dateText(QByteArrayView input)
{
    const QStringList lines = QString::fromUtf8(input).split(QLatin1Char('\n'));
    const QString text = lines.at(0);
    const QString broken = checkDates(text);
    if (!broken.isEmpty())
        return broken;
    store::Store& store = freshStore();
    const auto day = store::dates::parseDate(text);
    if (valueOf(store, QStringLiteral("SELECT DateValue(?) AS v"), {text}) !=
        (day ? std::optional(store::dates::isoDate(*day)) : std::nullopt))
        return QStringLiteral("DateValue does not read the day parseDate reads");
    const bool twoMoments =
        store::dates::parseMoment(text) && store::dates::parseMoment(lines.value(2));
    for (const QString& interval : {QStringLiteral("s"), QStringLiteral("n"), QStringLiteral("d")})
        if (valueOf(store, QStringLiteral("SELECT DateDiff(?, ?, ?) AS v"),
                    {interval, text, lines.value(2)})
                .has_value() != twoMoments)
            return QStringLiteral("DateDiff counted without two moments or not with them");
    return checkDateAdd(store, text, lines.value(1));
}

} // namespace obzorka::fuzz
