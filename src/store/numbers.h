#pragma once

#include <QString>
#include <optional>

namespace obzorka::store::numbers {

// A whole number from text the way the SQL dialect's CInt reads it: blanks around are
// ignored, a decimal point or comma is allowed, halves round to the even neighbour
// (2.5 gives 2, 3.5 gives 4). Empty when the text is not a number.
std::optional<qint64> toWholeNumber(const QString& text);

qint64 roundHalfEven(double value);

} // namespace obzorka::store::numbers
