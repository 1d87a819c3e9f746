#include "pages/generhtml.h"
#include "pages/rewrite.h"

#include <QRegularExpression>

namespace obzorka::pages {

QString forPaper(const QString& page)
{
    // In this order: the type sizes step down twice, so 10pt and 8pt both end as 6pt.
    static const std::pair<const char*, const char*> steps[] = {
        {"BGCOLOR=", "TEMP="},
        {"<A", "<TEMP"},
        {"TEXT=", "TEMP="},
        {"color:", "temp:"},
        {"font-size: 10pt", "font-size: 8pt"},
        {"font-size: 8pt", "font-size: 6pt"}};
    // Only the markup changes (tags and the style sheet): a title that says "color:" keeps it.
    static const QRegularExpression markup(QStringLiteral("<STYLE\\b.*?</STYLE>|<[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    return rewriteMatches(page, markup, [](const QRegularExpressionMatch& piece) {
        QString rewritten = piece.captured();
        for (const auto& [find, replacement] : steps)
            rewritten.replace(QLatin1String(find), QLatin1String(replacement), Qt::CaseSensitive);
        return rewritten;
    });
}

} // namespace obzorka::pages
