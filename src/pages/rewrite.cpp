#include "pages/rewrite.h"

namespace obzorka::pages {

QString rewriteMatches(const QString& text, const QRegularExpression& pattern,
                       const std::function<QString(const QRegularExpressionMatch&)>& rewrite)
{
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    auto matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        result += QStringView(text).mid(copied, match.capturedStart() - copied);
        result += rewrite(match);
        copied = match.capturedEnd();
    }
    return result + QStringView(text).mid(copied);
}

} // namespace obzorka::pages
