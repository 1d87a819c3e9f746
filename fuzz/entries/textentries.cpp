#include "entries.h"
#include "scratch.h"

#include "navigation/links.h"
#include "store/dates.h"
#include "store/numbers.h"
#include "store/store.h"

namespace obzorka::fuzz {
namespace {

QString checkDates(const QString& text)
{
    const auto moment = dates::parseMoment(text);
    const auto day = dates::parseDate(text);
    if (day != (moment ? std::optional(moment->date()) : std::nullopt))
        return QStringLiteral("parseDate and parseMoment read different days");
    if (moment && dates::parseMoment(dates::isoMoment(*moment)) != moment)
        return QStringLiteral("a moment does not read back from its stored form");
    // The day text writes the year as it is: years before 1000 do not read back.
    if (day && day->year() >= 1000 && dates::parseDate(dates::dayText(*day)) != day)
        return QStringLiteral("a day does not read back from its day text");
    return {};
}

// DateAdd with every interval; adding seconds or days and counting them again gives the number.
QString checkDateAdd(Store& store, const QString& text, const QString& amount)
{
    const std::optional<qint64> units = numbers::toWholeNumber(amount);
    for (const QString& interval : {QStringLiteral("s"), QStringLiteral("n"), QStringLiteral("h"),
                                    QStringLiteral("d"), QStringLiteral("m")}) {
        const auto added = valueOf(store, QStringLiteral("SELECT DateAdd(?, ?, ?) AS v"),
                                   {interval, amount, text});
        if (added && (!units || !dates::parseMoment(text)))
            return QStringLiteral("DateAdd gave a moment without a number and a moment");
        // Far enough out, the stored form has no four-digit year and reads as no moment.
        if (!added || !dates::parseMoment(*added) || (interval != u"s" && interval != u"d"))
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
    using Kind = links::LinkAction::Kind;
    const QString text = QString::fromUtf8(input);
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    const QString key = newline < 0 ? QStringLiteral("id") : text.left(newline);
    const QString target = text.mid(newline + 1);
    const QString value = links::parametrzurl(target, key);
    if (value.contains(QLatin1Char('&')) || value.contains(QLatin1Char('?')) ||
        value.contains(QLatin1Char('=')))
        return QStringLiteral("a parameter value runs into the next part of the query");
    const QString file = links::souborzurl(target);
    if (file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\')))
        return QStringLiteral("a file name keeps a path separator");
    if (links::strankazurl(target).contains(QLatin1Char('?')))
        return QStringLiteral("a page name keeps its query");
    const links::LinkAction action = links::parseLink(target);
    if (action.kind == Kind::Mail)
        return action.target.startsWith(u"mailto:") ? QString()
                                                    : QStringLiteral("a mail link without mailto:");
    if (action.id != links::parametrzurl(action.target, QStringLiteral("id")))
        return QStringLiteral("the id is not the target's id parameter");
    if (action.kind == Kind::Help && action.name != links::strankazurl(action.target))
        return QStringLiteral("a help link names another page");
    return {};
}

QString dateText(QByteArrayView input)
{
    const QStringList lines = QString::fromUtf8(input).split(QLatin1Char('\n'));
    const QString text = lines.at(0);
    const QString broken = checkDates(text);
    if (!broken.isEmpty())
        return broken;
    Store& store = freshStore();
    const auto day = dates::parseDate(text);
    if (valueOf(store, QStringLiteral("SELECT DateValue(?) AS v"), {text}) !=
        (day ? std::optional(dates::isoDate(*day)) : std::nullopt))
        return QStringLiteral("DateValue does not read the day parseDate reads");
    const bool twoMoments = dates::parseMoment(text) && dates::parseMoment(lines.value(2));
    for (const QString& interval : {QStringLiteral("s"), QStringLiteral("n"), QStringLiteral("d")})
        if (valueOf(store, QStringLiteral("SELECT DateDiff(?, ?, ?) AS v"),
                    {interval, text, lines.value(2)})
                .has_value() != twoMoments)
            return QStringLiteral("DateDiff counted without two moments or not with them");
    return checkDateAdd(store, text, lines.value(1));
}

} // namespace obzorka::fuzz
