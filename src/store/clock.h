#pragma once

#include <QDate>
#include <QDateTime>

namespace obzorka::store {

// The one clock of the program: code asks it for "now", and so does SQL (Now(), Date()).
// Local wall-clock time. Tests fix it at a moment of their choosing; it then stands still
// until they move or release it. Safe to use from any thread.
class Clock
{
public:
    static QDateTime now();
    static QDate today() { return now().date(); }

    static void setFixed(const QDateTime& moment);
    static void advance(qint64 seconds);
    static void release();
};

} // namespace obzorka::store
