#pragma once

#include <QRegularExpression>
#include <QString>
#include <functional>

namespace obzorka::pages {

// The text with each match of the pattern replaced by what `rewrite` makes of it, the text
// between the matches as it was.
QString rewriteMatches(const QString& text, const QRegularExpression& pattern,
                       const std::function<QString(const QRegularExpressionMatch&)>& rewrite);

} // namespace obzorka::pages
