#pragma once

#include <QDate>

#include <initializer_list>
#include <random>

namespace obzorka::server::demo {

// A generator whose numbers are the same with every standard library: mt19937 and seed_seq
// are fully defined, the standard distributions are not.
class Dice
{
public:
    Dice(std::initializer_list<quint32> seeds)
    {
        std::seed_seq sequence(seeds);
        m_engine.seed(sequence);
    }

    int below(int count) { return int(m_engine() % quint32(count)); }
    bool chance(int percent) { return below(100) < percent; }
    int between(int low, int high) { return low + below(high - low + 1); }

private:
    std::mt19937 m_engine;
};

// Ids and dice count days from 1970-01-01: a calendar day comes out the same whichever day
// the demo starts on.
inline qint64 daysSinceEpoch(QDate day)
{
    constexpr qint64 epochJulianDay = 2440588;
    return day.toJulianDay() - epochJulianDay;
}

} // namespace obzorka::server::demo
