#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// Dates as the program writes and reads them. Moments are naive local wall-clock values
// (kept as UTC QDateTime values so that arithmetic never jumps at a daylight-saving change).
namespace obzorka::store::dates {

// "4.12.2026": the day text shown to the user, sent to the server and kept in posl_datum;
// empty for a day that is no date.
QString dayText(QDate day);

// "d.m.yyyy" (blanks after the points allowed, anything after a blank ignored) or ISO
// "yyyy-MM-dd" with an optional time. Empty when the text is not a real calendar date.
std::optional<QDate> parseDate(const QString& text);

// A date (midnight) or a date and time in either form above.
std::optional<QDateTime> parseMoment(const QString& text);

// The stored forms: "yyyy-MM-dd" and "yyyy-MM-dd HH:mm:ss".
QString isoDate(QDate day);
QString isoMoment(const QDateTime& moment);

// The naive form of a local moment (date and time kept, zone dropped).
QDateTime naive(const QDateTime& local);
QDateTime naive(QDate day);

// Minute boundaries crossed going from a to b, negative when b is earlier: 19:54:59 to
// 19:55:00 is one minute, 19:55:00 to 19:55:59 none.
qint64 minuteBoundaries(const QDateTime& a, const QDateTime& b);
qint64 secondsBetween(const QDateTime& a, const QDateTime& b);

} // namespace obzorka::store::dates
