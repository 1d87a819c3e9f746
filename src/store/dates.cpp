#include "store/dates.h"

#include <QRegularExpression>

namespace obzorka::store::dates {
namespace {

qint64 floorDiv(qint64 value, qint64 divisor)
{
    qint64 quotient = value / divisor;
    if (value % divisor != 0 && (value < 0) != (divisor < 0))
        --quotient;
    return quotient;
}

std::optional<QTime> parseTime(const QString& text)
{
    if (text.isEmpty())
        return QTime(0, 0);
    for (const char* format : {"H:mm:ss", "H:mm"}) {
        const QTime time = QTime::fromString(text, QString::fromLatin1(format));
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

} // namespace

QString dayText(QDate day)
{
    if (!day.isValid())
        return {};
    return QStringLiteral("%1.%2.%3").arg(day.day()).arg(day.month()).arg(day.year());
}

std::optional<QDateTime> parseMoment(const QString& text)
{
    static const QRegularExpression dotted(
        QStringLiteral(R"(^\s*(\d{1,2})\.\s*(\d{1,2})\.\s*(\d{4})(?:\s+(\S*))?\s*$)"));
    static const QRegularExpression iso(
        QStringLiteral(R"(^\s*(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}:\d{2}(?::\d{2})?))?\s*$)"));

    QDate day;
    QString timeText;
    if (const auto match = dotted.match(text); match.hasMatch()) {
        day =
            QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
        timeText = match.captured(4);
    } else if (const auto match = iso.match(text); match.hasMatch()) {
        day =
            QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
        timeText = match.captured(4);
    }
    if (!day.isValid())
        return std::nullopt;
    const auto time = parseTime(timeText);
    if (!time)
        return std::nullopt;
    return QDateTime(day, *time, Qt::UTC);
}

std::optional<QDate> parseDate(const QString& text)
{
    if (const auto moment = parseMoment(text))
        return moment->date();
    return std::nullopt;
}

QString isoDate(QDate day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

QString isoMoment(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime naive(const QDateTime& local)
{
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

QDateTime naive(QDate day)
{
    return QDateTime(day, QTime(0, 0), Qt::UTC);
}

qint64 minuteBoundaries(const QDateTime& a, const QDateTime& b)
{
    return floorDiv(naive(b).toSecsSinceEpoch(), 60) - floorDiv(naive(a).toSecsSinceEpoch(), 60);
}

qint64 secondsBetween(const QDateTime& a, const QDateTime& b)
{
    return naive(b).toSecsSinceEpoch() - naive(a).toSecsSinceEpoch();
}

} // namespace obzorka::store::dates
