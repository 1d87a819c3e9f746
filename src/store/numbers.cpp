#include "store/numbers.h"

#include <cmath>
#include <limits>

namespace obzorka::store::numbers {

qint64 roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1.0;
    return static_cast<qint64>(rounded);
}

std::optional<qint64> toWholeNumber(const QString& text)
{
    QString cleaned = text.trimmed();
    cleaned.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = cleaned.toDouble(&ok);
    constexpr double limit = static_cast<double>(std::numeric_limits<qint64>::max() / 2);
    if (!ok || !std::isfinite(value) || std::fabs(value) > limit)
        return std::nullopt;
    return roundHalfEven(value);
}

} // namespace obzorka::store::numbers
