#include "pages/generhtml.h"

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
    QString paper;
    paper.reserve(page.size());
    qsizetype copied = 0;
    auto pieces = markup.globalMatch(page);
    while (pieces.hasNext()) {
        const QRegularExpressionMatch piece = pieces.next();
        paper += QStringView(page).mid(copied, piece.capturedStart() - copied);
        QString rewritten = piece.captured();
        for (const auto& [find, replacement] : steps)
            rewritten.replace(QLatin1String(find), QLatin1String(replacement), Qt::CaseSensitive);
        paper += rewritten;
        copied = piece.capturedEnd();
    }
    return paper + QStringView(page).mid(copied);
}

} // namespace obzorka::pages
